#include "app/cobjectinfopanel.h"

#include "catalog/catalogset.h"
#include "planetarium/skyscene.h"
#include "search/reporttext.h"
#include "search/skyindex.h"

#include <QFormLayout>
#include <QLabel>

CObjectInfoPanel::CObjectInfoPanel(const SkyScene& scene, QWidget* parent)
    : QWidget(parent), scene_(scene)
{
    form_ = new QFormLayout(this);
    form_->setLabelAlignment(Qt::AlignRight);
    ShowObject(-1);
}

void CObjectInfoPanel::ShowObject(int object)
{
    while (form_->rowCount() > 0)
        form_->removeRow(0);
    object_ = -1;
    if (!scene_.index || object < 0 || object >= static_cast<int>(scene_.index->Objects().size())) {
        form_->addRow(new QLabel(QStringLiteral("하늘의 천체를 누르면 그 정보가 여기에 나옵니다."), this));
        return;
    }
    object_ = object;
    const ObjectReport report = DescribeObject(*scene_.index, static_cast<std::size_t>(object),
                                               scene_.sky, scene_.catalogs.zones);
    for (const auto& [caption, value] : ReportRows(report)) {
        auto* label = new QLabel(QString::fromStdString(value), this);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form_->addRow(QString::fromStdString(caption) + QStringLiteral(" :"), label);
    }
}

QString CObjectInfoPanel::Value(const QString& caption) const
{
    for (int row = 0; row < form_->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(form_->itemAt(row, QFormLayout::LabelRole)
                                                ? form_->itemAt(row, QFormLayout::LabelRole)->widget()
                                                : nullptr);
        auto* value = form_->itemAt(row, QFormLayout::FieldRole);
        if (label && value && label->text() == caption + QStringLiteral(" :"))
            return qobject_cast<QLabel*>(value->widget())->text();
    }
    return {};
}
