#pragma once

#include <QUrl>
#include <QWidget>

class QPrinter;
class QTextBrowser;
class QWebEngineView;

// A web page pane: Qt WebEngine when the build has it, otherwise a QTextBrowser that shows
// local HTML pages. It opens its home address once, at the first initial update; after that
// the browser component handles all browsing itself.
class CBrowserView : public QWidget {
    Q_OBJECT

public:
    explicit CBrowserView(const QUrl& home, QWidget* parent = nullptr);

    // Navigates to the home address (first call only).
    void OnInitialUpdate();
    void Navigate(const QUrl& address);

    QUrl Home() const { return home; }
    // The page being shown, and its title once it has loaded.
    QUrl CurrentUrl() const;
    QString PageTitle() const;
    // Whether the last navigation has finished, and whether it succeeded.
    bool IsLoaded() const { return loaded; }
    bool LoadSucceeded() const { return loadSucceeded; }
    // Night vision: the page's colours mapped to dim reds by brightness (a colour-matrix
    // filter over the whole page), or its own colours again. Pages loaded later follow.
    void SetNight(bool night);

    // The page through the web component's own printing: on printer (returns when done), or
    // as a PDF written to a temporary file in path's folder and renamed to path. False when
    // it failed (error: a Korean message).
    bool PrintPage(QPrinter& printer);
    bool SavePagePdf(const QString& path, QString* error);

signals:
    void pageLoaded(bool ok);

private:
    void OnLoadFinished(bool ok);

    QUrl home;
    bool navigated = false;
    bool loaded = false;
    bool loadSucceeded = false;
#ifdef KOSMIRA_HAVE_WEBENGINE
    QWebEngineView* page = nullptr;
#else
    QTextBrowser* page = nullptr;
#endif
};
