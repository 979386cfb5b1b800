#include "app/caboutdlg.h"
#include "image/nightvision.h"

#include "app/hyperlinklabel.h"
#include "app/kosmiraicon.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(const QUrl& productAddress, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Kosmira 정보"));

    auto* icon = new QLabel(this);
    const QPixmap picture = KosmiraIcon().pixmap(32, 32);
    icon->setPixmap(NightVision::On()
                        ? QPixmap::fromImage(NightVision::Mapped(picture.toImage()))
                        : picture);
    icon->setAlignment(Qt::AlignTop);
    auto* version = new QLabel(QStringLiteral("Kosmira 버전 1.0"), this);

    // The bundled guide reads as what it is; a web address as itself.
    const QString shown = productAddress.isLocalFile() ? QStringLiteral("Kosmira 사용 안내서")
                                                       : productAddress.toString();
    link = new HyperlinkLabel(shown, this);
    link->setObjectName(QStringLiteral("link1035"));
    link->SetTarget(productAddress);

    okButton = new QPushButton(QStringLiteral("확인"), this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("취소"), this);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(link);
    texts->addStretch(1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0);
    layout->addLayout(texts, 0, 1);
    layout->addLayout(buttons, 0, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
