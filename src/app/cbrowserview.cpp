#include "app/cbrowserview.h"

#include <QFileInfo>
#include <QTimer>
#include <QVBoxLayout>

#ifdef KOSMIRA_HAVE_WEBENGINE
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
