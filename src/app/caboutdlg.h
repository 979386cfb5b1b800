#pragma once

#include <QDialog>
#include <QUrl>

class HyperlinkLabel;
class QPushButton;

// "Kosmira 정보": the version line, the product's web link and the OK and Cancel buttons.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const QUrl& productAddress, QWidget* parent = nullptr);

    HyperlinkLabel* Link() const { return link; }
    QPushButton* OkButton() const { return okButton; }
    QPushButton* CancelButton() const { return cancelButton; }

private:
    HyperlinkLabel* link = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
