#pragma once

#include <QUrl>

#include "app/cchildframe.h"

class CBrowserView;

// Child window "Kosmira" holding one web browser view; it adds no commands of its own.
class CBrowserFrame : public CChildFrame {
    Q_OBJECT

public:
    // home: the product's home page (CKosmiraApp::HomeUrl()).
    explicit CBrowserFrame(const QUrl& home, QWidget* parent = nullptr);

    CBrowserView* BrowserView() const { return browser; }

    // Opens the home page.
    void OnInitialUpdate() override;

    // The web page prints itself.
    bool PrintsOwnPage() const override { return browser != nullptr; }
    bool PrintOwnPage(QPrinter& printer) override;
    bool SaveOwnPagePdf(const QString& path, QString* error) override;

private:
    CBrowserView* browser = nullptr;
};
