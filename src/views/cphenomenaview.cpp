#include "views/cphenomenaview.h"
#include "site/siteclock.h"

#include "astro/math/angles.h"
#include "format/skytext.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFirstYear = 1000;
constexpr int kLastYear = 3000;

// What the list says of an event beyond its name.
QString DetailText(const Phenomenon& p, double zoneHours)
{
    switch (p.kind) {
    case PhenomenonKind::SolarTerm:
        return QStringLiteral("태양 황경 %1°").arg(p.longitudeDeg, 0, 'f', 0);
    case PhenomenonKind::Perigee:
    case PhenomenonKind::Apogee:
        return QStringLiteral("거리 %1 km").arg(QString::fromStdString(FormatGrouped(p.distanceKm)));
    case PhenomenonKind::Opposition:
    case PhenomenonKind::GreatestElongationEast:
    case PhenomenonKind::GreatestElongationWest:
        return QStringLiteral("이각 %1°").arg(p.elongationDeg, 0, 'f', 1);
    case PhenomenonKind::Conjunction:
    case PhenomenonKind::ConjunctionSun:
        return QStringLiteral("간격 %1°").arg(p.separationDeg, 0, 'f', 1);
    case PhenomenonKind::SolarEclipse: {
        const LocalEclipse& l = p.eclipse.local;
        QString text = QStringLiteral("식분 %1").arg(p.eclipse.magnitude, 0, 'f', 3);
        if (l.visible)
            text += QStringLiteral(", 이곳에서 보임: 최대 %1 식분 %2")
                        .arg(QString::fromStdString(FormatLocalDateTime(l.maximum, zoneHours)))
                        .arg(l.magnitude, 0, 'f', 3);
        else
            text += QStringLiteral(", 이곳에서 보이지 않음");
        return text;
    }
    case PhenomenonKind::LunarEclipse: {
        const LocalEclipse& l = p.eclipse.local;
        QString text = p.eclipse.type == EclipseType::Penumbral
                           ? QStringLiteral("반영식분 %1").arg(p.eclipse.penumbralMagnitude, 0, 'f', 3)
                           : QStringLiteral("식분 %1").arg(p.eclipse.magnitude, 0, 'f', 3);
        text += l.visible ? QStringLiteral(", 이곳에서 보임") : QStringLiteral(", 이곳에서 보이지 않음");
        return text;
    }
    default: return QString();
    }
}

}  // namespace

CPhenomenaView::CPhenomenaView(int year, double longitude, double latitude, double zoneHours,
                               QWidget* parent)
    : QWidget(parent), year_(year), longitude_(longitude), latitude_(latitude), zone_(zoneHours)
{
    offerBar_ = new QWidget(this);
    auto* offerLayout = new QHBoxLayout(offerBar_);
    offerLayout->setContentsMargins(4, 4, 4, 4);
    offerLayout->addWidget(new QLabel(
        QStringLiteral("이 목록은 정밀 계산으로 구했습니다. 하늘도 목록과 같게 보이려면 "
                       "\"정밀 계산\"을 켜십시오."),
        offerBar_), 1);
    preciseButton_ = new QPushButton(QStringLiteral("정밀 계산 켜기"), offerBar_);
    auto* dismiss = new QPushButton(QStringLiteral("그대로 두기"), offerBar_);
    offerLayout->addWidget(preciseButton_);
    offerLayout->addWidget(dismiss);
    offerBar_->hide();
    connect(preciseButton_, &QPushButton::clicked, this, [this] {
        offerBar_->hide();
        emit preciseRequested();
    });
    connect(dismiss, &QPushButton::clicked, offerBar_, &QWidget::hide);

    yearBox_ = new QSpinBox(this);
    yearBox_->setRange(kFirstYear, kLastYear);
    yearBox_->setValue(year);
    yearBox_->setSuffix(QStringLiteral("년"));
    kindBox_ = new QComboBox(this);
    kindBox_->addItem(QStringLiteral("모든 현상"), -1);
    for (int k = 0; k < kPhenomenonKindCount; ++k)
        kindBox_->addItem(QString::fromUtf8(PhenomenonKindNameKo(static_cast<PhenomenonKind>(k))), k);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("연도"), this));
    controls->addWidget(yearBox_);
    controls->addSpacing(12);
    controls->addWidget(new QLabel(QStringLiteral("종류"), this));
    controls->addWidget(kindBox_);
    controls->addStretch(1);

    table_ = new QTableWidget(this);
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("일시 (지방시)"), QStringLiteral("현상"), QStringLiteral("내용")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(offerBar_);
    layout->addLayout(controls);
    layout->addWidget(table_, 1);

    connect(yearBox_, &QSpinBox::valueChanged, this, &CPhenomenaView::SetYear);
    connect(kindBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetKindFilter(kindBox_->itemData(index).toInt()); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && row < static_cast<int>(shown_.size()))
            emit eventActivated(shown_[static_cast<std::size_t>(row)]->when.jdUT);
    });
    Recompute();
}

void CPhenomenaView::SetYear(int year)
{
    if (year < kFirstYear || year > kLastYear || year == year_)
        return;
    year_ = year;
    if (yearBox_->value() != year)
        yearBox_->setValue(year);
    Recompute();
}

void CPhenomenaView::SetSite(double longitude, double latitude, double zoneHours)
{
    if (longitude == longitude_ && latitude == latitude_ && zoneHours == zone_)
        return;
    longitude_ = longitude;
    latitude_ = latitude;
    zone_ = zoneHours;
    Recompute();
}

void CPhenomenaView::SetZoneName(const std::string& zoneName)
{
    if (zoneName == zoneName_)
        return;
    zoneName_ = zoneName;
    Fill();
}

void CPhenomenaView::SetKindFilter(int kind)
{
    kindFilter_ = kind;
    const int index = kindBox_->findData(kind);
    if (index >= 0 && index != kindBox_->currentIndex())
        kindBox_->setCurrentIndex(index);
    Fill();
}

std::vector<const Phenomenon*> CPhenomenaView::ShownEvents() const { return shown_; }

void CPhenomenaView::ShowPreciseOffer(bool show) { offerBar_->setVisible(show); }

bool CPhenomenaView::PreciseOfferShown() const { return !offerBar_->isHidden(); }

void CPhenomenaView::Recompute()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    events_ = FindYearPhenomena(year_, zone_, PhenomenaSite{longitude_, latitude_, 0.0});
    QApplication::restoreOverrideCursor();
    Fill();
}

void CPhenomenaView::Fill()
{
    shown_.clear();
    for (const Phenomenon& p : events_)
        if (kindFilter_ < 0 || static_cast<int>(p.kind) == kindFilter_)
            shown_.push_back(&p);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(shown_.size()));
    const SiteClock clock(zoneName_, zone_);
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Phenomenon& p = *shown_[i];
        const int row = static_cast<int>(i);
        const double zone = clock.OffsetAtUT(p.when.jdUT);
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(
                                    FormatLocalDateTime(p.when.jdUT, zone))));
        table_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(p.nameKo)));
        table_->setItem(row, 2, new QTableWidgetItem(DetailText(p, zone)));
    }
    table_->resizeColumnsToContents();
}
