#include "app/infolayout.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

void BuildInfoLayout(QDialog* dialog, std::initializer_list<InfoField> fields, int topSpacing)
{
    BuildInfoLayout(dialog, std::vector<InfoField>(fields), topSpacing);
}

void BuildInfoLayout(QDialog* dialog, const std::vector<InfoField>& fields, int topSpacing)
{
    auto* form = new QFormLayout;
    for (const InfoField& field : fields) {
        auto* value = new QLabel(*field.text);
        value->setObjectName(QString::fromLatin1(field.objectName));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromUtf8(field.caption), value);
    }

    auto* okButton = new QPushButton(QStringLiteral("확인"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("취소"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(dialog);
    if (topSpacing > 0)
        layout->addSpacing(topSpacing);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);
}
