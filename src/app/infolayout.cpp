#include "app/infolayout.h"

#include <QDialog>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <cmath>

#include "astro/sky/riseset.h"
#include "astro/sky/shownsky.h"
#include "format/skytext.h"

namespace {

constexpr double kKilometresPerAU = 149597870.7;  // IAU 2012

}  // namespace

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

QString FormatDayEvent(const RiseSetResult& result, bool rise)
{
    switch (result.status) {
    case RiseSetStatus::NeverRises:
        return QStringLiteral("없음 (종일 지평선 아래)");
    case RiseSetStatus::NeverSets:
        return QStringLiteral("없음 (종일 지평선 위)");
    case RiseSetStatus::None:
        return QStringLiteral("없음");
    case RiseSetStatus::Normal:
        break;
    }
    if ((rise ? result.beginStatus : result.endStatus) != EventStatus::Occurs)
        return QStringLiteral("없음 (이 날에는 없음)");
    double hours = rise ? result.begin : result.end;
    QString note;
    if (hours < 0.0) {
        hours += 24.0;
        note = QStringLiteral(" (전날)");
    } else if (hours >= 24.0) {
        hours -= 24.0;
        note = QStringLiteral(" (다음날)");
    }
    return QString::fromStdString(FormatHours(hours)) + note;
}

double DescribeBodyPosition(const BodyState& body, double radiusKm, const RiseSetResult& day,
                            BodyInfoTexts& texts)
{
    texts.rightAscension = QString::fromStdString(FormatRightAscension(body.equatorial.lon));
    texts.declination = QString::fromStdString(FormatDeclination(body.equatorial.lat));
    const double km = body.distanceAU * kKilometresPerAU;
    texts.diameter = QString::fromStdString(FormatArcMinutes(2.0 * std::asin(radiusKm / km)));
    texts.rising = FormatDayEvent(day, true);
    texts.setting = FormatDayEvent(day, false);
    return km;
}

void BuildBodyInfoLayout(QDialog* dialog, const char* title, const BodyInfoTexts& texts,
                         std::initializer_list<InfoField> first,
                         std::initializer_list<InfoField> beforeEvents, int topSpacing)
{
    dialog->setWindowTitle(QString::fromUtf8(title));
    dialog->setFont(QFont(QStringLiteral("굴림"), 9));
    std::vector<InfoField> fields(first);
    fields.insert(fields.end(), {
                                    {"적경 :", "rightAscension", &texts.rightAscension},
                                    {"적위 :", "declination", &texts.declination},
                                    {"거리 :", "distance", &texts.distance},
                                    {"지름 :", "diameter", &texts.diameter},
                                });
    fields.insert(fields.end(), beforeEvents);
    fields.push_back({"뜨는 시각 :", "rising", &texts.rising});
    fields.push_back({"지는 시각 :", "setting", &texts.setting});
    BuildInfoLayout(dialog, fields, topSpacing);
}
