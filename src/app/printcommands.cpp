#include "app/printcommands.h"

#include "app/cchildframe.h"
#include "print/pdfexport.h"
#include "print/printjob.h"
#include "print/skychart.h"

#include <QCheckBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const QString kScreenColours = QStringLiteral("화면 색 (검은 하늘)");

// The page goes onto the printer's own paper (A4, or Letter when the printer says so) in the
// job's orientation.
void PaintOnPrinter(const PrintJob& job, QPrinter& printer)
{
    printer.setPageOrientation(job.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    PaintJob(job, painter, printer.pageLayout(), printer.resolution());
    painter.end();
}

void SetUpPrinter(QPrinter& printer, const PrintJob& job)
{
    printer.setDocName(QFileInfo(job.SuggestedFileName()).completeBaseName());
    printer.setPageOrientation(job.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(12.0, 12.0, 12.0, 12.0), QPageLayout::Millimeter);
    printer.setOutputFileName(PrintCommands::ProposedPath(job.SuggestedFileName()));
    printer.setOutputFormat(QPrinter::NativeFormat);
}

int AskColours(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("PDF로 저장"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* print = new QRadioButton(QStringLiteral("인쇄용 색"), &dialog);
    auto* screen = new QRadioButton(kScreenColours, &dialog);
    print->setChecked(true);
    layout->addWidget(print);
    layout->addWidget(screen);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("확인"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("취소"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return screen->isChecked() ? 1 : 0;
}

}  // namespace

PrintCommands::PrintCommands()
    : chooseFile_([](QWidget* parent, const QString& proposed) {
          return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF로 저장"), proposed,
                                              QStringLiteral("PDF 파일 (*.pdf)"));
      }),
      chooseColours_(AskColours),
      report_([](QWidget* parent, const QString& message) {
          QMessageBox::warning(parent, QStringLiteral("Kosmira"), message);
      }),
      today_([] { return QDate::currentDate(); })
{
}

std::unique_ptr<PrintJob> PrintCommands::PrepareJob(CChildFrame& child, QPrinter& printer) const
{
    std::unique_ptr<PrintJob> job = child.MakePrintJob();
    if (job) {
        job->SetPrintedDate(today_());
        SetUpPrinter(printer, *job);
    }
    return job;
}

QString PrintCommands::ProposedPath(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

void PrintCommands::Print(CChildFrame& child) const
{
    QPrinter printer(QPrinter::HighResolution);
    // A page that prints itself (the browser's) has no job.
    std::unique_ptr<PrintJob> job;
    if (!child.PrintsOwnPage() && !(job = PrepareJob(child, printer)))
        return;
    QPrintDialog dialog(&printer, &child);
    dialog.setWindowTitle(QStringLiteral("인쇄"));
    auto* chart = dynamic_cast<SkyChartPrintJob*>(job.get());
    QCheckBox* screen = nullptr;
    if (chart) {
        // The colour choice: print colours unless the screen's are asked for.
        auto* tab = new QWidget;
        tab->setWindowTitle(QStringLiteral("색"));
        auto* layout = new QVBoxLayout(tab);
        screen = new QCheckBox(kScreenColours, tab);
        layout->addWidget(screen);
        layout->addStretch();
        dialog.setOptionTabs({tab});
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (chart && screen)
        chart->SetScreenColours(screen->isChecked());
    if (job)
        PaintOnPrinter(*job, printer);
    else if (!child.PrintOwnPage(printer))
        report_(&child, QStringLiteral("페이지를 인쇄하지 못했습니다."));
}

void PrintCommands::Preview(CChildFrame& child) const
{
    QPrinter printer(QPrinter::HighResolution);
    std::unique_ptr<PrintJob> job;
    if (!child.PrintsOwnPage() && !(job = PrepareJob(child, printer)))
        return;
    QPrintPreviewDialog dialog(&printer, &child);
    dialog.setWindowTitle(QStringLiteral("인쇄 미리 보기"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &child,
                     [&job, &child](QPrinter* p) {
                         if (job)
                             PaintOnPrinter(*job, *p);
                         else
                             child.PrintOwnPage(*p);
                     });
    dialog.exec();
}

bool PrintCommands::SavePdf(CChildFrame& child) const
{
    std::unique_ptr<PrintJob> job = child.PrintsOwnPage() ? nullptr : child.MakePrintJob();
    if (!job && !child.PrintsOwnPage())
        return false;
    if (auto* chart = dynamic_cast<SkyChartPrintJob*>(job.get())) {
        const int colours = chooseColours_(&child);
        if (colours < 0)
            return false;
        chart->SetScreenColours(colours == 1);
    }
    const QString proposed =
        ProposedPath(job ? job->SuggestedFileName() : QStringLiteral("웹페이지.pdf"));
    QString path = chooseFile_(&child, proposed);
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    bool written = false;
    if (job) {
        job->SetPrintedDate(today_());
        written = WritePdf(*job, path, &error);
    } else {
        written = child.SaveOwnPagePdf(path, &error);
    }
    if (!written)
        report_(&child, error);
    return written;
}
