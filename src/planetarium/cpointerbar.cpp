#include "planetarium/cpointerbar.h"
#include "astro/math/matrix3.h"
#include "astro/sky/shownsky.h"
#include "astro/math/angles.h"

#include "astro/sky/frames.h"
#include "astro/sky/observer.h"
#include "astro/time/skytime.h"
#include "catalog/catalogset.h"
#include "catalog/constellationlookup.h"
#include "image/displaytext.h"
#include "planetarium/dialogunits.h"

#include <QLabel>

namespace {


QLabel* AddLabel(QWidget* parent, const DialogUnits& units, const QString& text, int y, int h)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(units.Rect(4, y, 50, h).united(QRect(units.Rect(4, y, 50, h).topLeft(),
                                                              label->sizeHint())));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

CPointerBar::CPointerBar(const SkyScene& scene, QWidget* parent) : QWidget(parent), scene_(scene)
{
    setFont(QFont(QStringLiteral("굴림"), 9));
    const DialogUnits units(font());
    AddLabel(this, units, QStringLiteral("지평 좌표계"), 5, 8);
    horizontalLabel_ = AddLabel(this, units, QString(), 15, 17);
    AddLabel(this, units, QStringLiteral("적도 좌표계"), 37, 8);
    equatorialLabel_ = AddLabel(this, units, QString(), 47, 17);
    AddLabel(this, units, QStringLiteral("황도 좌표계"), 69, 8);
    eclipticLabel_ = AddLabel(this, units, QString(), 79, 17);
    AddLabel(this, units, QStringLiteral("은하 좌표계"), 101, 8);
    galacticLabel_ = AddLabel(this, units, QString(), 111, 17);
    AddLabel(this, units, QStringLiteral("별자리"), 133, 8);
    constellationLabel_ = AddLabel(this, units, QString(), 143, 10);
    // Room for the widest value ("방위각: 23.999" in the palette's font) on two lines.
    const QFontMetrics metrics(font());
    const int valueWidth = metrics.horizontalAdvance(QStringLiteral("방위각: -00.000")) + 4;
    for (QLabel* value : {horizontalLabel_, equatorialLabel_, eclipticLabel_, galacticLabel_}) {
        QRect r = value->geometry();
        r.setWidth(std::max(r.width(), valueWidth));
        r.setHeight(std::max(r.height(), 2 * metrics.lineSpacing()));
        value->setGeometry(r);
    }
    QRect r = constellationLabel_->geometry();
    r.setWidth(std::max(r.width(), valueWidth));
    r.setHeight(std::max(r.height(), metrics.lineSpacing()));
    constellationLabel_->setGeometry(r);
    setMinimumSize(units.Size(59, 159).expandedTo(childrenRect().size() + QSize(units.X(4), 2)));
}

QString CPointerBar::FormatPair(const char* lonCaption, const char* latCaption,
                                const SphericalCoord& p)
{
    return QString::asprintf("%s: %6.3f\n%s: %6.3f", lonCaption, p.lon * kRadToHours,
                             latCaption, p.lat * kRadToDeg);
}

void CPointerBar::Update(const SphericalCoord& horizontal)
{
    // The sky is drawn on the equator of date; the constellation zones and the galactic
    // pole are J2000 facts.
    const ShownSky& sky = scene_.sky;
    const SphericalCoord equatorial =
        HorizontalToEquatorial(horizontal, sky.lst, double(sky.site.latitude));
    const Vector3 ofDate = equatorial.ToVector();
    const Vector3 j2000 = sky.j2000ToDate.Transposed().Apply(ofDate);
    const SphericalCoord ecliptic =
        SphericalCoord::FromVector(sky.eclipticToEquatorial.Transposed().Apply(ofDate));
    const SphericalCoord galactic = SphericalCoord::FromVector(GalacticJ2000Matrix().Apply(j2000));
    horizontalText_ = FormatPair("방위각", "고도", horizontal);
    equatorialText_ = FormatPair("적경", "적위", equatorial);
    eclipticText_ = FormatPair("황경", "황위", ecliptic);
    galacticText_ = FormatPair("은경", "은위", galactic);
    const char* found = FindConstellationAt(scene_.catalogs.zones, SphericalCoord::FromVector(j2000));
    constellationText_ = found ? DisplayText(found) : QString();
    ShowTexts();
}

void CPointerBar::ShowTexts()
{
    constellationLabel_->setText(constellationText_);
    eclipticLabel_->setText(eclipticText_);
    equatorialLabel_->setText(equatorialText_);
    galacticLabel_->setText(galacticText_);
    horizontalLabel_->setText(horizontalText_);
}
