#include "app/cbrowserview.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTimer>
#include <QVBoxLayout>

#ifdef KOSMIRA_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
#else
#include <QTextBrowser>
#endif

CBrowserView::CBrowserView(const QUrl& homeAddress, QWidget* parent) : QWidget(parent), home(homeAddress)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
#ifdef KOSMIRA_HAVE_WEBENGINE
    page = new QWebEngineView(this);
    connect(page, &QWebEngineView::loadFinished, this, &CBrowserView::OnLoadFinished);
#else
    page = new QTextBrowser(this);
    page->setOpenExternalLinks(true);
    page->setOpenLinks(true);
#endif
    page->setObjectName(QStringLiteral("browserPage"));
    layout->addWidget(page);
    setFocusProxy(page);
}

void CBrowserView::OnInitialUpdate()
{
    if (navigated)
        return;
    navigated = true;
    Navigate(home);
}

void CBrowserView::Navigate(const QUrl& address)
{
    loaded = false;
    loadSucceeded = false;
#ifdef KOSMIRA_HAVE_WEBENGINE
    page->load(address);
#else
    // QTextBrowser reads local files only; it reports the end of loading at once.
    page->setSource(address);
    const bool ok = address.isLocalFile() && QFileInfo(address.toLocalFile()).isReadable();
    QTimer::singleShot(0, this, [this, ok] { OnLoadFinished(ok); });
#endif
}

QUrl CBrowserView::CurrentUrl() const
{
#ifdef KOSMIRA_HAVE_WEBENGINE
    return page->url();
#else
    return page->source();
#endif
}

QString CBrowserView::PageTitle() const
{
#ifdef KOSMIRA_HAVE_WEBENGINE
    return page->title();
#else
    return page->documentTitle();
#endif
}

void CBrowserView::OnLoadFinished(bool ok)
{
    loaded = true;
    loadSucceeded = ok;
    emit pageLoaded(ok);
}

bool CBrowserView::PrintPage(QPrinter& printer)
{
#ifdef KOSMIRA_HAVE_WEBENGINE
    bool ok = false;
    QEventLoop loop;
    const auto done = connect(page, &QWebEngineView::printFinished, &loop, [&](bool success) {
        ok = success;
        loop.quit();
    });
    page->print(&printer);
    loop.exec();
    disconnect(done);
    return ok;
#else
    page->document()->print(&printer);
    return true;
#endif
}

bool CBrowserView::SavePagePdf(const QString& path, QString* error)
{
    const QFileInfo info(path);
    // The page goes to a file of its own in the same folder first.
    QTemporaryFile temporary(QDir(info.absolutePath()).filePath(QStringLiteral(".kosmira-XXXXXX.pdf")));
    if (!temporary.open()) {
        if (error)
            *error = QStringLiteral("PDF 파일을 저장할 수 없습니다.\n%1\n그 폴더에 파일을 쓸 권한이 없습니다.")
                         .arg(path);
        return false;
    }
    temporary.close();
    bool ok = false;
#ifdef KOSMIRA_HAVE_WEBENGINE
    QEventLoop loop;
    const auto done = connect(page->page(), &QWebEnginePage::pdfPrintingFinished, &loop,
                              [&](const QString&, bool success) {
                                  ok = success;
                                  loop.quit();
                              });
    page->printToPdf(temporary.fileName());
    loop.exec();
    disconnect(done);
#else
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    page->document()->print(&printer);
    ok = true;
#endif
    if (ok) {
        QFile::remove(path);
        ok = QFile::rename(temporary.fileName(), path);
        if (ok)
            temporary.setAutoRemove(false);
    }
    if (!ok && error)
        *error = QStringLiteral("PDF 파일을 저장할 수 없습니다.\n%1").arg(path);
    return ok;
}
