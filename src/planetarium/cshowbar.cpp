#include "planetarium/cshowbar.h"

#include "planetarium/dialogunits.h"

#include <QCheckBox>

namespace {

struct LayerBox {
    int id;
    const char* caption;
    int LayerFlags::*flag;
    int y;      // dialog units
    int width;  // dialog units
};

// Top to bottom as the palette shows them.
constexpr LayerBox kBoxes[CShowBar::kLayerCount] = {
    {1029, "지평 좌표", &LayerFlags::horizontalGrid, 10, 45},
    {1030, "적도 좌표", &LayerFlags::equatorialGrid, 20, 45},
    {1031, "황도 좌표", &LayerFlags::eclipticGrid, 30, 45},
    {1039, "은하 좌표", &LayerFlags::galacticGrid, 40, 45},
    {1032, "별", &LayerFlags::stars, 55, 45},
    {1042, "어두운 별", &LayerFlags::faintStars, 65, 45},
    {1038, "별 이름", &LayerFlags::starNames, 75, 45},
    {1033, "태양계", &LayerFlags::solarSystem, 85, 45},
    {1034, "메시에 목록", &LayerFlags::messier, 95, 50},
    {1041, "NGC 목록", &LayerFlags::ngc, 105, 50},
    {1040, "은하수", &LayerFlags::milkyWay, 115, 50},
    {1035, "별자리 경계", &LayerFlags::boundaries, 130, 50},
    {1036, "별자리 모양", &LayerFlags::figures, 140, 50},
    {1037, "별자리 이름", &LayerFlags::constellationNames, 150, 50},
};

}  // namespace

CShowBar::CShowBar(QWidget* parent) : QWidget(parent)
{
    setFont(QFont(QStringLiteral("굴림"), 9));
    const DialogUnits units(font());
    QSize size = units.Size(59, 171);
    for (int i = 0; i < kLayerCount; ++i) {
        const LayerBox& b = kBoxes[i];
        auto* box = new QCheckBox(QString::fromUtf8(b.caption), this);
        box->setObjectName(QString::number(b.id));
        // The boxes keep their dialog-unit places but never cut their captions short.
        QRect place = units.Rect(5, b.y, b.width, 8);
        const QSize hint = box->sizeHint();
        place.setSize(place.size().expandedTo(hint));
        box->setGeometry(place);
        size = size.expandedTo(QSize(place.right() + units.X(4), place.bottom() + 1));
        box->setChecked(flags_.*(b.flag) != 0);
        connect(box, &QCheckBox::clicked, this, &CShowBar::StoreStates);
        boxes_[i] = box;
    }
    setMinimumSize(size);
}

QCheckBox* CShowBar::CheckBox(int id) const
{
    for (int i = 0; i < kLayerCount; ++i) {
        if (kBoxes[i].id == id)
            return boxes_[i];
    }
    return nullptr;
}

void CShowBar::StoreStates()
{
    for (int i = 0; i < kLayerCount; ++i)
        flags_.*(kBoxes[i].flag) = boxes_[i]->isChecked() ? 1 : 0;
    emit LayersChanged();
}
