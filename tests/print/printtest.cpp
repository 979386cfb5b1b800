#include "printtest.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

QString RunProgram(const QString& program, const QStringList& args, int* status, QString* errorText)
{
    QProcess process;
    process.start(program, args);
    const bool ran = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    if (status)
        *status = ran ? process.exitCode() : -1;
    if (errorText)
        *errorText = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& pdf)
{
    return RunProgram(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QImage PdfPage(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    RunProgram(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-singlefile"),
                                            QStringLiteral("-r"), QString::number(dpi), pdf, base});
    QImage image(base + QStringLiteral(".pgm"));
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QString PdfPageSize(const QString& pdf)
{
    const QString info = RunProgram(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Page size:")))
            return line.simplified();
    return {};
}

QString PdfFonts(const QString& pdf)
{
    return RunProgram(QStringLiteral("pdffonts"), {pdf});
}

int DarkestNear(const QImage& grey, double x, double y, int radius)
{
    int darkest = 255;
    const int cx = int(x + 0.5), cy = int(y + 0.5);
    for (int j = cy - radius; j <= cy + radius; ++j) {
        if (j < 0 || j >= grey.height())
            continue;
        const uchar* row = grey.constScanLine(j);
        for (int i = cx - radius; i <= cx + radius; ++i)
            if (i >= 0 && i < grey.width())
                darkest = std::min(darkest, int(row[i]));
    }
    return darkest;
}
