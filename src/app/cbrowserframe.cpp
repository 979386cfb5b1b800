#include "app/cbrowserframe.h"

#include "app/cbrowserview.h"

CBrowserFrame::CBrowserFrame(const QUrl& home, QWidget* parent) : CChildFrame(MenuSet::Main, parent)
{
    setWindowTitle(QStringLiteral("Kosmira - 브라우저"));
    browser = new CBrowserView(home, this);
    SetView(browser);
    // The window list tells browser windows apart by their pages.
    connect(browser, &CBrowserView::pageLoaded, this, [this] {
        const QString title = browser->PageTitle();
        setWindowTitle(QStringLiteral("Kosmira - ") +
                       (title.isEmpty() ? QStringLiteral("브라우저") : title));
    });
}

void CBrowserFrame::OnInitialUpdate()
{
    browser->OnInitialUpdate();
}

bool CBrowserFrame::PrintOwnPage(QPrinter& printer)
{
    return browser && browser->PrintPage(printer);
}

bool CBrowserFrame::SaveOwnPagePdf(const QString& path, QString* error)
{
    return browser && browser->SavePagePdf(path, error);
}
