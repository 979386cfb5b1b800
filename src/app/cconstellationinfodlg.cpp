#include "app/cconstellationinfodlg.h"

#include "astro/math/angles.h"
#include "astro/sky/frames.h"
#include "astro/sky/shownsky.h"
#include "astro/time/juliandate.h"
#include "astro/time/timescales.h"
#include "catalog/catalogset.h"
#include "catalog/constellationfacts.h"
#include "catalog/constellationlookup.h"
#include "format/skytext.h"
#include "image/displaytext.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/skyscene.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kStarMatchRad = 0.3 * kDegToRad;  // a name and its star of the list
constexpr double kSiderealPerSolar = 1.00273790935;

// The constellation of a J2000 place by the identification zones.
std::string ZoneOf(const CatalogSet& c, const SphericalCoord& j2000)
{
    const char* found = FindConstellationAt(c.zones, j2000);
    return found ? found : std::string();
}

double Separation(const SphericalCoord& a, const SphericalCoord& b)
{
    const Vector3 u = a.ToVector();
    const Vector3 v = b.ToVector();
    return std::atan2(u.Cross(v).Length(), u.Dot(v));
}

QString Join(const std::vector<QString>& items)
{
    if (items.empty())
        return QStringLiteral("없음");
    QString out;
    for (const QString& s : items)
        out += (out.isEmpty() ? QString() : QStringLiteral(", ")) + s;
    return out;
}

}  // namespace

CConstellationInfoDlg::Texts CConstellationInfoDlg::Describe(const SkyScene& scene, int index)
{
    const CatalogSet& c = scene.catalogs;
    const ShownSky& sky = scene.sky;
    Texts t;
    if (index < 0 || index >= static_cast<int>(c.constellationNames.size()))
        return t;
    const ConstellationName& name = c.constellationNames[static_cast<std::size_t>(index)];
    const std::string zone = name.name;  // the zones carry the same names
    t.abbreviation = QString::fromStdString(name.abbreviation);
    t.latin = QString::fromStdString(ConstellationLatinName(name.abbreviation));
    const std::map<std::string, double> areas = ConstellationAreasDeg2(c.zones);
    const auto area = areas.find(zone);
    char text[96];
    std::snprintf(text, sizeof text, "%.1f 제곱도", area != areas.end() ? area->second : 0.0);
    t.area = QString::fromUtf8(text);

    // Named stars inside it, brightest first (magnitude of the list's star at the name).
    std::vector<std::pair<double, QString>> stars;
    for (const auto& s : c.starNames) {
        if (ZoneOf(c, s.position) != zone)
            continue;
        double magnitude = 99.0;
        for (const auto& star : c.stars)
            if (Separation(star.position, s.position) < kStarMatchRad)
                magnitude = std::min(magnitude, double(star.magnitude));
        stars.emplace_back(magnitude, DisplayText(s.name));
    }
    std::sort(stars.begin(), stars.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QString> starTexts;
    for (const auto& [magnitude, text] : stars) {
        starTexts.push_back(magnitude < 90.0 ? text + QStringLiteral(" (%1등급)").arg(magnitude, 0, 'f', 1)
                                             : text);
    }
    t.stars = Join(starTexts);

    std::vector<QString> messier;
    for (const auto& m : c.messier)
        if (ZoneOf(c, m.position) == zone)
            messier.push_back(QString::fromStdString(MessierObject::LabelText(m.number)));
    t.messier = Join(messier);
    std::vector<QString> ngc;
    for (const auto& n : c.ngc)
        if (ZoneOf(c, n.position) == zone)
            ngc.push_back(QStringLiteral("NGC ") + QString::fromStdString(n.name));
    t.ngc = ngc.empty() ? QStringLiteral("없음")
                        : QStringLiteral("%1개: ").arg(ngc.size()) + Join(ngc);

    // The label point of date; its transit on the shown night (after local noon).
    const SphericalCoord ofDate =
        SphericalCoord::FromVector(sky.j2000ToDate.Apply(name.position.ToVector()));
    const double zoneHours = sky.site.timeZone;
    const SkyTime noon(sky.local.date, 12.0);
    const double lstNoon = LocalToLST(noon, zoneHours, sky.site.longitude).time.hours;
    const double transit =
        12.0 + Reduce24(ofDate.lon * kRadToHours - lstNoon) / kSiderealPerSolar;
    const double altitude = 90.0 - std::fabs(sky.site.latitude * kRadToDeg - ofDate.lat * kRadToDeg);
    std::snprintf(text, sizeof text, "%s, 고도 %.1f°", FormatHours(Reduce24(transit)).c_str(),
                  altitude);
    t.transit = (transit >= 24.0 ? QStringLiteral("다음날 ") : QString()) + QString::fromUtf8(text);

    // The month whose 15th, at 21:00 local, has the label point on the meridian.
    const CalendarDate today = CalendarFromJulianDate(sky.local.date.jd);
    int bestMonth = 1;
    double bestMiss = 1e9;
    for (int month = 1; month <= 12; ++month) {
        const SkyTime evening(JulianDateFromCalendar(today.year, month, 15), 21.0);
        const double lst = LocalToLST(evening, zoneHours, sky.site.longitude).time.hours;
        const double miss = std::fabs(WrapPi((ofDate.lon * kRadToHours - lst) * kHoursToRad));
        if (miss < bestMiss) {
            bestMiss = miss;
            bestMonth = month;
        }
    }
    t.month = QStringLiteral("%1월").arg(bestMonth);
    return t;
}

int CConstellationInfoDlg::IndexAtCentre(const CPlanetariumView& view)
{
    const SkyScene& scene = view.Scene();
    const ShownSky& sky = scene.sky;
    const SphericalCoord ofDate =
        HorizontalToEquatorial(view.ViewCentre(), sky.lst, double(sky.site.latitude));
    const SphericalCoord j2000 =
        SphericalCoord::FromVector(sky.j2000ToDate.Transposed().Apply(ofDate.ToVector()));
    const std::string zone = ZoneOf(scene.catalogs, j2000);
    const auto& names = scene.catalogs.constellationNames;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].name == zone)
            return static_cast<int>(i);
    return -1;
}

void CConstellationInfoDlg::ShowForView(CPlanetariumView& view)
{
    CConstellationInfoDlg dialog(view.Scene(), IndexAtCentre(view), &view);
    dialog.exec();
}

CConstellationInfoDlg::CConstellationInfoDlg(const SkyScene& scene, int index, QWidget* parent)
    : QDialog(parent), scene_(scene)
{
    setWindowTitle(QStringLiteral("별자리 정보"));
    setFont(QFont(QStringLiteral("굴림"), 9));
    names_ = new QComboBox;
    names_->setObjectName(QStringLiteral("constellations"));
    for (const auto& n : scene.catalogs.constellationNames)
        names_->addItem(DisplayText(n.name));

    static const char* const captions[8] = {"라틴 이름 :", "약자 :",        "넓이 :",
                                            "이름 있는 별 :", "메시에 천체 :", "NGC 천체 :",
                                            "남중 :",       "21시 남중 :"};
    static const char* const objectNames[8] = {"latin", "abbreviation", "area",    "stars",
                                               "messier", "ngc",        "transit", "month"};
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("별자리 :")), 0, 0, Qt::AlignRight);
    grid->addWidget(names_, 0, 1);
    for (int k = 0; k < 8; ++k) {
        grid->addWidget(new QLabel(QString::fromUtf8(captions[k])), k + 1, 0,
                        Qt::AlignRight | Qt::AlignTop);
        labels_[k] = new QLabel;
        labels_[k]->setObjectName(QString::fromLatin1(objectNames[k]));
        labels_[k]->setWordWrap(true);
        labels_[k]->setMaximumWidth(420);
        labels_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(labels_[k], k + 1, 1);
    }
    auto* ok = new QPushButton(QStringLiteral("확인"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(names_, &QComboBox::currentIndexChanged, this, [this](int i) { Show(i); });
    const int first = index >= 0 && index < names_->count() ? index : 0;
    names_->setCurrentIndex(first);
    Show(first);
}

int CConstellationInfoDlg::Current() const
{
    return names_->currentIndex();
}

void CConstellationInfoDlg::Show(int index)
{
    texts_ = Describe(scene_, index);
    const QString* values[8] = {&texts_.latin,   &texts_.abbreviation, &texts_.area,
                                &texts_.stars,   &texts_.messier,      &texts_.ngc,
                                &texts_.transit, &texts_.month};
    for (int k = 0; k < 8; ++k)
        labels_[k]->setText(*values[k]);
}
