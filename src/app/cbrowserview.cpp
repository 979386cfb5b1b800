#include "app/cbrowserview.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTimer>
#include <QVBoxLayout>

#include "image/nightvision.h"

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

namespace {

// Sets or removes a style element that filters the whole page: red = a dim share of the
// brightness (the weights of NightVision::Map scaled to paper red), green and blue 0.
const char* const kNightScript = R"JS(
(function (night) {
  var id = 'kosmira-night';
  var style = document.getElementById(id);
  var svg = document.getElementById(id + '-filter');
  if (!night) {
    if (style) style.remove();
    if (svg) svg.remove();
    return;
  }
  if (!svg) {
    svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.id = id + '-filter';
    svg.setAttribute('width', '0');
    svg.setAttribute('height', '0');
    svg.style.position = 'absolute';
    svg.innerHTML = "<filter id='" + id + "-matrix' color-interpolation-filters='sRGB'>" +
      "<feColorMatrix type='matrix' values='0.094 0.184 0.036 0 0  0 0 0 0 0  0 0 0 0 0  0 0 0 1 0'/>" +
      "</filter>";
    document.documentElement.appendChild(svg);
  }
  if (!style) {
    style = document.createElement('style');
    style.id = id;
    (document.head || document.documentElement).appendChild(style);
  }
  style.textContent = 'html { background: #000 !important; } body { filter: url(#' + id + '-matrix); }';
})(%1);
)JS";

}  // namespace

void CBrowserView::SetNight(bool night)
{
#ifdef KOSMIRA_HAVE_WEBENGINE
    page->page()->setBackgroundColor(night ? Qt::black : Qt::white);
    page->page()->runJavaScript(QString::fromLatin1(kNightScript).arg(night ? "true" : "false"));
#else
    // The text browser follows the application's palette; page colours stay as written.
    Q_UNUSED(night);
#endif
}

void CBrowserView::OnLoadFinished(bool ok)
{
    if (NightVision::On())
        SetNight(true);
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
