#include "app/clocationdlg.h"
#include "image/nightvision.h"
#include "site/siteclock.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstring>
#include <qdrawutil.h>

#include "app/dialogbuttons.h"
#include "app/fieldparsers.h"
#include "image/dibimage.h"
#include "image/displaytext.h"
#include "image/messagesink.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;
// Sites are stored as single-precision radians (about 0.03 arc seconds at 180 degrees); a
// value that close below a whole second is shown as that second, not one second less.
constexpr double kSecondsTolerance = 0.03;

struct Dms {
    uint32_t degrees = 0;
    uint32_t minutes = 0;
    uint32_t seconds = 0;
};

Dms SplitDegrees(double absoluteDegrees)
{
    const double whole = std::floor(absoluteDegrees * 3600.0 + kSecondsTolerance);
    const uint64_t total = whole > 0 ? static_cast<uint64_t>(whole) : 0;
    return Dms{static_cast<uint32_t>(total / 3600), static_cast<uint32_t>(total / 60 % 60),
               static_cast<uint32_t>(total % 60)};
}

QImage ImageFromDib(const DibImage& dib)
{
    QImage image(dib.width, dib.height, QImage::Format_RGB888);
    if (image.isNull())  // the pixels could not be allocated: no map, as for a missing file
        return image;
    const size_t rowBytes = static_cast<size_t>(dib.width) * 3;
    for (int row = 0; row < dib.height; ++row)
        std::memcpy(image.scanLine(row), dib.pixels.data() + static_cast<size_t>(dib.height - 1 - row) * rowBytes,
                    rowBytes);
    return image;
}

FieldReading ReadUnsigned(const QString& text, int field, uint32_t& value)
{
    return ReadLocationField(field, text.trimmed().toStdString(), value);
}

FieldReading ReadHours(const QString& text, double& value)
{
    return ReadZoneHoursField(text.trimmed().toStdString(), value);
}

const char* const kNumberNames[] = {"lonDegreesEdit", "lonMinutesEdit", "lonSecondsEdit", "latDegreesEdit",
                                    "latMinutesEdit", "latSecondsEdit", "zoneHoursEdit"};

QString RangeMessage(int field)
{
    switch (field) {
    case 0: return QStringLiteral("경도의 '도' 칸에는 0에서 180 사이의 정수를 입력하십시오.");
    case 1: return QStringLiteral("경도의 '분' 칸에는 0에서 59 사이의 정수를 입력하십시오.");
    case 2: return QStringLiteral("경도의 '초' 칸에는 0에서 59 사이의 정수를 입력하십시오.");
    case 3: return QStringLiteral("위도의 '도' 칸에는 0에서 90 사이의 정수를 입력하십시오.");
    case 4: return QStringLiteral("위도의 '분' 칸에는 0에서 59 사이의 정수를 입력하십시오.");
    case 5: return QStringLiteral("위도의 '초' 칸에는 0에서 59 사이의 정수를 입력하십시오.");
    default: return QStringLiteral("'GMT 보다' 칸에는 0에서 14 사이의 시간을 숫자로 입력하십시오.");
    }
}

QComboBox* FixedList(const char* objectName, const char* first, const char* second)
{
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(objectName));
    box->addItem(QString::fromUtf8(first));
    box->addItem(QString::fromUtf8(second));
    return box;
}

QLineEdit* NumberEdit(const char* objectName)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(50);
    return edit;
}

bool SameSite(const Observer& a, const Observer& b)
{
    return a.region == b.region && a.name == b.name && a.longitude == b.longitude && a.latitude == b.latitude &&
           a.timeZone == b.timeZone;
}

}  // namespace

CLocationDlg::CLocationDlg(const Observer& observer, const CatalogList<Observer>& cityList, const QString& mapPath,
                           QWidget* parent)
    : QDialog(parent), site(observer), cities(cityList)
{
    setWindowTitle(QStringLiteral("위치 설정"));
    setFont(QFont(QStringLiteral("굴림"), 9));

    SilentMessageSink quiet;  // a missing map only leaves the picture out
    if (std::unique_ptr<DibImage> dib = LoadDibImage(QFile::encodeName(mapPath).toStdString(), quiet))
        map = ImageFromDib(*dib);

    regions = new QComboBox;
    regions->setObjectName(QStringLiteral("regions"));
    citiesBox = new QComboBox;
    citiesBox->setObjectName(QStringLiteral("cities"));
    eastWest = FixedList("eastWest", "동경", "서경");
    northSouth = FixedList("northSouth", "북위", "남위");
    aheadBehind = FixedList("aheadBehind", "빠름", "느림");
    for (int f = 0; f < kNumberCount; ++f)
        numberEdits[f] = NumberEdit(kNumberNames[f]);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("도시")), 0, 0);
    grid->addWidget(regions, 0, 1, 1, 3);
    grid->addWidget(citiesBox, 0, 4, 1, 4);
    const char* const units[] = {"도", "분", "초"};
    grid->addWidget(new QLabel(QStringLiteral("경도")), 1, 0);
    grid->addWidget(eastWest, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("위도")), 2, 0);
    grid->addWidget(northSouth, 2, 1);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(numberEdits[kLonDegrees + i], 1, 2 + i * 2);
        grid->addWidget(new QLabel(QString::fromUtf8(units[i])), 1, 3 + i * 2);
        grid->addWidget(numberEdits[kLatDegrees + i], 2, 2 + i * 2);
        grid->addWidget(new QLabel(QString::fromUtf8(units[i])), 2, 3 + i * 2);
    }
    grid->addWidget(new QLabel(QStringLiteral("GMT 보다")), 3, 0);
    grid->addWidget(numberEdits[kZone], 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("시간")), 3, 3);
    grid->addWidget(aheadBehind, 3, 4, 1, 2);
    zoneLabel = new QLabel;
    zoneLabel->setObjectName(QStringLiteral("zoneLabel"));
    grid->addWidget(zoneLabel, 4, 0, 1, 8);

    const DialogButtons buttons = MakeOkCancelRow();

    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(mapRect.bottom() + 1 + 4);  // the map is painted above the controls
    layout->addLayout(grid);
    layout->addLayout(buttons.row);
    setMinimumWidth(mapRect.right() + 1 + mapRect.left());

    // Only the user's choices run the handlers; filling the lists from code does not.
    connect(regions, &QComboBox::activated, this, &CLocationDlg::OnRegionChosen);
    connect(citiesBox, &QComboBox::activated, this, &CLocationDlg::OnCityChosen);
    for (QComboBox* sign : {eastWest, northSouth})
        connect(sign, &QComboBox::activated, this, [this] { OnCoordinateEdited(-1); });
    connect(aheadBehind, &QComboBox::activated, this, [this] { OnCoordinateEdited(kZone); });
    for (int f = 0; f < kNumberCount; ++f)
        connect(numberEdits[f], &QLineEdit::textEdited, this, [this, f] { OnCoordinateEdited(f); });
    connect(buttons.ok, &QPushButton::clicked, this, &CLocationDlg::OnOk);
    connect(buttons.cancel, &QPushButton::clicked, this, &CLocationDlg::reject);

    BuildRegionList();
    SelectInitialSite();
}

void CLocationDlg::BuildRegionList()
{
    std::string previous;
    for (size_t i = 0; i < cities.size(); ++i) {
        if (i == 0 || cities[i].region != previous) {
            regionNames.append(DisplayText(cities[i].region));
            regionRunStart.push_back(i);
        }
        previous = cities[i].region;
    }
    regions->addItems(regionNames);
}

void CLocationDlg::SelectInitialSite()
{
    size_t found = cities.size();
    for (size_t i = 0; i < cities.size(); ++i) {
        if (SameSite(cities[i], site)) {
            found = i;
            break;
        }
    }
    if (found < cities.size()) {
        int entry = 0;
        while (entry + 1 < static_cast<int>(regionRunStart.size()) && regionRunStart[entry + 1] <= found)
            ++entry;
        regions->setCurrentIndex(entry);
        FillCities(entry);
        for (size_t item = 0; item < shownCities.size(); ++item)
            if (shownCities[item] == found)
                citiesBox->setCurrentIndex(static_cast<int>(item));
    } else if (!regionNames.isEmpty()) {
        // Not a city of the list (typed or clicked earlier): show the usual region, keep the site.
        const int entry = regionNames.size() > 9 ? 9 : 0;
        regions->setCurrentIndex(entry);
        FillCities(entry);
        citiesBox->setCurrentIndex(-1);
    }
    const Observer current = site;
    SetSiteFields(current.longitude, current.latitude, current.timeZone);
}

void CLocationDlg::FillCities(int regionIndex)
{
    citiesBox->clear();
    shownCities.clear();
    if (regionIndex < 0 || regionIndex >= static_cast<int>(regionRunStart.size()))
        return;
    const std::string& region = cities[regionRunStart[regionIndex]].region;
    for (size_t i = 0; i < cities.size(); ++i) {
        if (cities[i].region == region) {
            shownCities.push_back(i);
            citiesBox->addItem(DisplayText(cities[i].name));
        }
    }
}

void CLocationDlg::OnRegionChosen()
{
    FillCities(regions->currentIndex());
    if (shownCities.empty())
        return;
    citiesBox->setCurrentIndex(0);
    OnCityChosen();
}

void CLocationDlg::OnCityChosen()
{
    const int item = citiesBox->currentIndex();
    if (item < 0 || item >= static_cast<int>(shownCities.size()) ||
        shownCities[item] >= cities.size())  // "(사용자 지정)"
        return;
    const Observer& city = cities[shownCities[item]];
    site.region = city.region;
    site.name = city.name;
    site.zoneName = city.zoneName;
    SetSiteFields(city.longitude, city.latitude, city.timeZone);
}

const Observer* CLocationDlg::NearestCityTo(double longitude, double latitude) const
{
    std::vector<const Observer*> list;
    list.reserve(cities.size());
    for (const auto& city : cities)
        list.push_back(&city);
    // Farther than this, out at sea or on the ice, whole hours of longitude serve better.
    constexpr double kMaxDistanceKm = 1500.0;
    constexpr double kEarthRadiusKm = 6371.0;
    const int i = NearestCity(list, longitude, latitude, kMaxDistanceKm / kEarthRadiusKm);
    return i < 0 ? nullptr : list[static_cast<std::size_t>(i)];
}

void CLocationDlg::ShowZoneName()
{
    const SiteClock clock(site);
    zoneLabel->setText(clock.Known()
                           ? QStringLiteral("시간대 %1").arg(QString::fromStdString(clock.ZoneName()))
                           : QStringLiteral("고정 시차 (시간대 없음)"));
}

void CLocationDlg::SetSiteFields(double longitude, double latitude, double zone)
{
    // The hemisphere box (east or north first) and degrees, minutes, seconds of one angle.
    auto setAngle = [](double radians, QComboBox* hemisphere, uint32_t& degrees,
                       uint32_t& minutes, uint32_t& seconds) {
        const double angle = radians * kDegreesPerRadian;
        hemisphere->setCurrentIndex(angle > 0 ? 0 : 1);
        const Dms dms = SplitDegrees(std::fabs(angle));
        degrees = dms.degrees;
        minutes = dms.minutes;
        seconds = dms.seconds;
    };
    setAngle(longitude, eastWest, lonDegrees, lonMinutes, lonSeconds);
    setAngle(latitude, northSouth, latDegrees, latMinutes, latSeconds);

    zoneHours = static_cast<float>(std::fabs(zone));
    aheadBehind->setCurrentIndex(zone > 0 ? 0 : 1);

    WriteNumberFields();
    site.longitude = static_cast<float>(longitude);
    site.latitude = static_cast<float>(latitude);
    site.timeZone = static_cast<float>(zone);
    ShowZoneName();
    update();
}

void CLocationDlg::WriteNumberFields()
{
    const uint32_t values[] = {lonDegrees, lonMinutes, lonSeconds, latDegrees, latMinutes, latSeconds};
    for (int f = 0; f < kZone; ++f)
        numberEdits[f]->setText(QString::number(values[f]));
    numberEdits[kZone]->setText(QString::number(static_cast<double>(zoneHours)));
}

bool CLocationDlg::ReadCoordinates(bool requireComplete, int editedField, bool store)
{
    uint32_t* const targets[] = {&lonDegrees, &lonMinutes, &lonSeconds, &latDegrees, &latMinutes, &latSeconds};
    uint32_t values[kZone] = {};
    double zone = 0.0;
    for (int f = 0; f < kNumberCount; ++f) {
        const FieldReading r = f < kZone ? ReadUnsigned(numberEdits[f]->text(), f, values[f])
                                         : ReadHours(numberEdits[f]->text(), zone);
        if (r == FieldReading::Valid)
            continue;
        if (r == FieldReading::Invalid && (f == editedField || requireComplete)) {
            QMessageBox::warning(this, QStringLiteral("Kosmira"), RangeMessage(f));
            numberEdits[f]->setText(f < kZone ? QString::number(*targets[f])
                                              : QString::number(static_cast<double>(zoneHours)));
        } else if (requireComplete) {
            QMessageBox::warning(this, QStringLiteral("Kosmira"), RangeMessage(f));
            numberEdits[f]->setFocus();
        }
        return false;
    }
    const double lonAbs = DegreesOf(values[kLonDegrees], values[kLonMinutes], values[kLonSeconds]);
    const double latAbs = DegreesOf(values[kLatDegrees], values[kLatMinutes], values[kLatSeconds]);
    if (lonAbs > 180.0 || latAbs > 90.0) {
        QMessageBox::warning(this, QStringLiteral("Kosmira"),
                             lonAbs > 180.0 ? QStringLiteral("경도는 180도를 넘을 수 없습니다.")
                                            : QStringLiteral("위도는 90도를 넘을 수 없습니다."));
        if (editedField >= 0 && editedField < kZone)
            numberEdits[editedField]->setText(QString::number(*targets[editedField]));
        return false;
    }
    if (!store)
        return true;
    for (int f = 0; f < kZone; ++f)
        *targets[f] = values[f];
    zoneHours = static_cast<float>(zone);
    const double east = eastWest->currentIndex() == 0 ? 1.0 : -1.0;
    const double north = northSouth->currentIndex() == 0 ? 1.0 : -1.0;
    const double ahead = aheadBehind->currentIndex() == 0 ? 1.0 : -1.0;
    site.longitude = static_cast<float>(east * lonAbs * kRadiansPerDegree);
    site.latitude = static_cast<float>(north * latAbs * kRadiansPerDegree);
    site.timeZone = static_cast<float>(ahead * zone);
    return true;
}

void CLocationDlg::OnCoordinateEdited(int field)
{
    if (ReadCoordinates(false, field, true)) {
        if (field == kZone) {
            // A typed offset is the site's own: no zone rules apply to it.
            site.zoneName.clear();
        } else {
            // Typed coordinates take the zone of the nearest city.
            if (const Observer* nearest = NearestCityTo(site.longitude, site.latitude)) {
                site.zoneName = nearest->zoneName;
                site.timeZone = nearest->timeZone;
                zoneHours = std::fabs(nearest->timeZone);
                aheadBehind->setCurrentIndex(nearest->timeZone > 0 ? 0 : 1);
                numberEdits[kZone]->setText(QString::number(static_cast<double>(zoneHours)));
            }
        }
        ShowZoneName();
        MarkCustomSite();
        update();
    }
}

void CLocationDlg::MarkCustomSite()
{
    // A place of the user's own: the list says so instead of naming the last city.
    const QString custom = QStringLiteral("(사용자 지정)");
    if (citiesBox->count() == 0 || citiesBox->itemText(0) != custom) {
        citiesBox->insertItem(0, custom);
        shownCities.insert(shownCities.begin(), cities.size());
    }
    citiesBox->setCurrentIndex(0);
    site.name = "사용자 지정";
}

QPoint CLocationDlg::MarkerPosition() const
{
    const int x = static_cast<int>(mapRect.left() + 180 + site.longitude * kDegreesPerRadian);
    const int y = static_cast<int>(mapRect.top() + 90 - site.latitude * kDegreesPerRadian);
    return {x, y};
}

void CLocationDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    if (!map.isNull())
        painter.drawImage(mapRect.topLeft(), NightVision::On() ? NightVision::Mapped(map) : map);
    qDrawWinPanel(&painter, mapRect.adjusted(-2, -2, 2, 2), palette(), true, nullptr);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(255, 0, 0), 0));
    const QPoint m = MarkerPosition();
    painter.drawLine(m.x() - 4, m.y(), m.x() + 4, m.y());
    painter.drawLine(m.x(), m.y() - 4, m.x(), m.y() + 4);
}

void CLocationDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnMapClick(event->position().toPoint());
    QDialog::mousePressEvent(event);
}

void CLocationDlg::OnMapClick(const QPoint& point)
{
    if (!mapRect.contains(point))
        return;
    const int lonDeg = point.x() - mapRect.left() - 180;
    const int latDeg = mapRect.top() + 90 - point.y();
    // The zone of the nearest city of the list (New York's -5 at 74 degrees west, Seoul's +9
    // at 127 degrees east); with no city within 1500 km, whole hours of longitude truncated
    // toward zero.
    const double lon = lonDeg * kRadiansPerDegree;
    const double lat = latDeg * kRadiansPerDegree;
    const Observer* nearest = NearestCityTo(lon, lat);
    site.zoneName = nearest ? nearest->zoneName : std::string();
    SetSiteFields(lon, lat, nearest ? nearest->timeZone : lonDeg / 15);
    MarkCustomSite();
}

void CLocationDlg::OnOk()
{
    // The site already follows every valid edit; re-reading the rounded fields would move it.
    if (!ReadCoordinates(true, -1, false))
        return;
    accept();
}
