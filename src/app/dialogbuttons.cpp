#include "app/dialogbuttons.h"

#include <QHBoxLayout>
#include <QPushButton>

DialogButtons MakeOkCancelRow(QPushButton* leading)
{
    auto* okButton = new QPushButton(QStringLiteral("확인"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("취소"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    if (leading)
        row->addWidget(leading);
    row->addStretch(1);
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    return {okButton, cancelButton, row};
}
