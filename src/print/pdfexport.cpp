#include "print/pdfexport.h"

#include "print/printjob.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr int kPdfResolution = 600;  // dots per inch of the writer's coordinates

QString CannotSave(const QString& path, const QString& why)
{
    return QStringLiteral("PDF 파일을 저장할 수 없습니다.\n%1\n%2").arg(path, why);
}

}  // namespace

QPageLayout PrintPageLayout(const PrintJob& job, const QPageSize& size)
{
    return QPageLayout(size, job.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(12.0, 12.0, 12.0, 12.0), QPageLayout::Millimeter);
}

void PaintJob(const PrintJob& job, QPainter& painter, const QPageLayout& layout, int resolution)
{
    const QRectF area = layout.paintRect(QPageLayout::Point);
    painter.save();
    painter.scale(resolution / 72.0, resolution / 72.0);
    job.Paint(painter, QRectF(0.0, 0.0, area.width(), area.height()));
    painter.restore();
}

bool WritePdf(const PrintJob& job, const QString& path, QString* error, const QPageSize& size)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir()) {
        if (error)
            *error = CannotSave(path, QStringLiteral("파일 이름이 필요합니다."));
        return false;
    }
    if (!info.dir().exists()) {
        if (error)
            *error = CannotSave(path, QStringLiteral("폴더가 없습니다."));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = CannotSave(path, QStringLiteral("그 폴더에 파일을 쓸 권한이 없습니다."));
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Kosmira"));
        writer.setTitle(QFileInfo(path).completeBaseName());
        const QPageLayout layout = PrintPageLayout(job, size);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            if (error)
                *error = CannotSave(path, QStringLiteral("PDF를 만들 수 없습니다."));
            return false;
        }
        PaintJob(job, painter, layout, kPdfResolution);
        painter.end();
    }
    if (!file.commit()) {
        if (error)
            *error = CannotSave(path, QStringLiteral("디스크에 쓰는 중에 오류가 났습니다."));
        return false;
    }
    return true;
}
