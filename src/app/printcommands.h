#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

class CChildFrame;
class PrintJob;
class QPrinter;
class QWidget;

// The print commands of the active window: "인쇄…" (and the printer button), "인쇄 미리
// 보기…" and "PDF로 저장…". The dialogs are Qt's; what goes on the page is the window's
// PrintJob (or the browser's own printing). Tests replace the two questions asked before a
// PDF is written.
class PrintCommands {
public:
    // The PDF file to write, proposed name given; empty when the user cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
    // For a sky chart: 0 print colours, 1 screen colours, -1 cancelled.
    using ColourChooser = std::function<int(QWidget* parent)>;

    PrintCommands();

    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetColourChooser(ColourChooser chooser) { chooseColours_ = std::move(chooser); }
    // Where a failure is shown; the default is a message box.
    void SetErrorReporter(std::function<void(QWidget*, const QString&)> report)
    {
        report_ = std::move(report);
    }

    // The date printed in the footers (today unless a test fixes it).
    void SetDateSource(std::function<QDate()> today) { today_ = std::move(today); }

    void Print(CChildFrame& child) const;
    void Preview(CChildFrame& child) const;
    // Asks for the file and writes it; true when a file was written.
    bool SavePdf(CChildFrame& child) const;

    // Where the file dialog opens: the documents folder.
    static QString ProposedPath(const QString& fileName);

private:
    // The window's page, dated, with the printer set up for it; null when nothing to print.
    std::unique_ptr<PrintJob> PrepareJob(CChildFrame& child, QPrinter& printer) const;

    FileChooser chooseFile_;
    ColourChooser chooseColours_;
    std::function<void(QWidget*, const QString&)> report_;
    std::function<QDate()> today_;
};
