#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/clocationdlg.h"
#include "apptestsupport.h"
#include "image/dibimage.h"
#include "image/messagesink.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kToleranceRadians = 1e-6;

Observer City(const char* region, const char* name, double lonDeg, double latDeg, float zone)
{
    return Observer(region, name, static_cast<float>(lonDeg * kRadiansPerDegree),
                    static_cast<float>(latDeg * kRadiansPerDegree), zone);
}

// Twelve regions; "가" comes back after "나" as a second run.
CatalogList<Observer> TestCities()
{
    CatalogList<Observer> list;
    list.push_back(City("가", "가1", 10.0, 10.0, 1.0f));
    list.push_back(City("가", "가2", 11.0, 11.0, 1.0f));
    list.push_back(City("나", "나1", 20.0, -20.0, 1.0f));
    list.push_back(City("가", "가3", 12.5, 12.5, 1.0f));
    list.push_back(City("가", "가4", 13.0, 13.0, 1.0f));
    const char* const others[] = {"다", "라", "마", "바", "사", "아", "자", "차", "카"};
    double lon = 100.0;
    for (const char* region : others) {
        list.push_back(City(region, (std::string(region) + "1").c_str(), lon, 30.0, 7.0f));
        list.push_back(City(region, (std::string(region) + "2").c_str(), lon + 1, 31.0, 7.0f));
        lon += 2.0;
    }
    list.push_back(City("서울특별시", "서울", 126.978, 37.5665, 9.0f));
    list.back().zoneName = "Asia/Seoul";
    list.push_back(City("미국", "뉴욕", -74.006, 40.7128, -5.0f));
    list.back().zoneName = "America/New_York";
    return list;
}

QString MapPath()
{
    return QStringLiteral(KOSMIRA_SOURCE_DIR "/images/location.bmp");
}

struct Opened {
    Opened(const Observer& site, const CatalogList<Observer>& cities, const QString& map = QStringLiteral("/nonexistent/location.bmp"))
        : dlg(site, cities, map)
    {
        dlg.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    CLocationDlg dlg;
};

QString TextOf(QWidget& dlg, const char* name)
{
    if (auto* edit = dlg.findChild<QLineEdit*>(QString::fromLatin1(name)))
        return edit->text();
    if (auto* box = dlg.findChild<QComboBox*>(QString::fromLatin1(name)))
        return box->currentText();
    ADD_FAILURE() << "no control " << name;
    return {};
}

void Retype(QWidget& dlg, const char* name, const QString& text)
{
    auto* edit = dlg.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(edit, nullptr) << name;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Chooses item index of a list from the keyboard, as a user would.
void Choose(QWidget& dlg, const char* name, int index)
{
    auto* box = dlg.findChild<QComboBox*>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr) << name;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentIndex(), index);
}

void ClickMap(CLocationDlg& dlg, int x, int y)
{
    QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

bool IsRed(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(255, 0, 0);
}

}  // namespace

TEST(LocationDlg, RegionsAreListedByRuns)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[0], cities);
    EXPECT_EQ(o.dlg.windowTitle(), QStringLiteral("위치 설정"));
    const QStringList& names = o.dlg.RegionNames();
    ASSERT_EQ(names.size(), 14);
    EXPECT_EQ(names[0], QStringLiteral("가"));
    EXPECT_EQ(names[1], QStringLiteral("나"));
    EXPECT_EQ(names[2], QStringLiteral("가"));
    EXPECT_EQ(names[12], QStringLiteral("서울특별시"));
}

TEST(LocationDlg, OpensOnTheCurrentSiteAndOkKeepsIt)
{
    const CatalogList<Observer> cities = TestCities();
    const Observer seoul = cities[23];
    Opened o(seoul, cities);
    EXPECT_EQ(TextOf(o.dlg, "regions"), QStringLiteral("서울특별시"));
    EXPECT_EQ(TextOf(o.dlg, "cities"), QStringLiteral("서울"));
    EXPECT_EQ(TextOf(o.dlg, "eastWest"), QStringLiteral("동경"));
    EXPECT_EQ(TextOf(o.dlg, "lonDegreesEdit"), QStringLiteral("126"));
    EXPECT_EQ(TextOf(o.dlg, "lonMinutesEdit"), QStringLiteral("58"));
    EXPECT_EQ(TextOf(o.dlg, "lonSecondsEdit"), QStringLiteral("40"));
    EXPECT_EQ(TextOf(o.dlg, "northSouth"), QStringLiteral("북위"));
    EXPECT_EQ(TextOf(o.dlg, "latDegreesEdit"), QStringLiteral("37"));
    EXPECT_EQ(TextOf(o.dlg, "latMinutesEdit"), QStringLiteral("33"));
    EXPECT_EQ(TextOf(o.dlg, "latSecondsEdit"), QStringLiteral("59"));
    EXPECT_EQ(TextOf(o.dlg, "zoneHoursEdit"), QStringLiteral("9"));
    EXPECT_EQ(TextOf(o.dlg, "aheadBehind"), QStringLiteral("빠름"));

    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(o.dlg.result(), QDialog::Accepted);
    EXPECT_EQ(o.dlg.Site().region, seoul.region);
    EXPECT_EQ(o.dlg.Site().name, seoul.name);
    EXPECT_EQ(o.dlg.Site().longitude, seoul.longitude);
    EXPECT_EQ(o.dlg.Site().latitude, seoul.latitude);
    EXPECT_EQ(o.dlg.Site().timeZone, seoul.timeZone);
}

TEST(LocationDlg, SiteOutsideTheListIsKeptAndTheTenthRegionShown)
{
    const CatalogList<Observer> cities = TestCities();
    const Observer typed("서울특별시", "서울", static_cast<float>(127.1 * kRadiansPerDegree),
                         static_cast<float>(37.4 * kRadiansPerDegree), 9.0f);
    Opened o(typed, cities);
    EXPECT_EQ(TextOf(o.dlg, "regions"), o.dlg.RegionNames()[9]);
    EXPECT_EQ(o.dlg.findChild<QComboBox*>(QStringLiteral("cities"))->currentIndex(), -1);
    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(o.dlg.result(), QDialog::Accepted);
    EXPECT_EQ(o.dlg.Site().longitude, typed.longitude);
    EXPECT_EQ(o.dlg.Site().latitude, typed.latitude);
    EXPECT_EQ(o.dlg.Site().timeZone, typed.timeZone);
}

TEST(LocationDlg, FewerThanTenRegionsFallBackToTheFirst)
{
    CatalogList<Observer> cities;
    cities.push_back(City("가", "가1", 10.0, 10.0, 1.0f));
    cities.push_back(City("나", "나1", 20.0, 20.0, 1.0f));
    Opened o(Observer("x", "y", 0.5f, 0.5f, 2.0f), cities);
    EXPECT_EQ(TextOf(o.dlg, "regions"), QStringLiteral("가"));
    EXPECT_EQ(o.dlg.Site().longitude, 0.5f);
}

TEST(LocationDlg, EmptyCityListStillOpens)
{
    const CatalogList<Observer> none;
    Opened o(Observer("x", "y", 0.5f, -0.25f, -3.0f), none);
    EXPECT_TRUE(o.dlg.RegionNames().isEmpty());
    EXPECT_EQ(TextOf(o.dlg, "northSouth"), QStringLiteral("남위"));
    EXPECT_EQ(TextOf(o.dlg, "aheadBehind"), QStringLiteral("느림"));
    EXPECT_EQ(TextOf(o.dlg, "zoneHoursEdit"), QStringLiteral("3"));
}

TEST(LocationDlg, ChoosingARegionTakesItsFirstCity)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[0], cities);
    Choose(o.dlg, "regions", 1);  // "나"
    EXPECT_EQ(TextOf(o.dlg, "cities"), QStringLiteral("나1"));
    EXPECT_EQ(o.dlg.Site().name, "나1");
    EXPECT_EQ(o.dlg.Site().longitude, cities[2].longitude);
    EXPECT_EQ(TextOf(o.dlg, "northSouth"), QStringLiteral("남위"));
    EXPECT_EQ(TextOf(o.dlg, "latDegreesEdit"), QStringLiteral("20"));
}

TEST(LocationDlg, ACityOfTheSecondRunIsTheOneChosen)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[0], cities);
    auto* box = o.dlg.findChild<QComboBox*>(QStringLiteral("cities"));
    ASSERT_EQ(box->count(), 4);  // 가1 가2 가3 가4: both runs
    Choose(o.dlg, "cities", 2);
    EXPECT_EQ(TextOf(o.dlg, "cities"), QStringLiteral("가3"));
    EXPECT_EQ(o.dlg.Site().name, "가3");
    EXPECT_EQ(o.dlg.Site().longitude, cities[3].longitude);
    EXPECT_EQ(TextOf(o.dlg, "lonDegreesEdit"), QStringLiteral("12"));
    EXPECT_EQ(TextOf(o.dlg, "lonMinutesEdit"), QStringLiteral("30"));
    EXPECT_EQ(TextOf(o.dlg, "lonSecondsEdit"), QStringLiteral("0"));
}

TEST(LocationDlg, ClickAtTheLeftEdge)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[23], cities);
    ClickMap(o.dlg, 10, 100);
    EXPECT_NEAR(o.dlg.Site().longitude, -180.0 * kRadiansPerDegree, kToleranceRadians);
    EXPECT_EQ(o.dlg.Site().latitude, 0.0f);
    EXPECT_EQ(o.dlg.Site().timeZone, -12.0f);
    EXPECT_EQ(TextOf(o.dlg, "eastWest"), QStringLiteral("서경"));
    EXPECT_EQ(TextOf(o.dlg, "lonDegreesEdit"), QStringLiteral("180"));
    EXPECT_EQ(TextOf(o.dlg, "lonMinutesEdit"), QStringLiteral("0"));
    EXPECT_EQ(TextOf(o.dlg, "northSouth"), QStringLiteral("남위"));
    EXPECT_EQ(TextOf(o.dlg, "zoneHoursEdit"), QStringLiteral("12"));
    EXPECT_EQ(TextOf(o.dlg, "aheadBehind"), QStringLiteral("느림"));
    // The region list stays; the city list says the place is the user's own.
    EXPECT_EQ(TextOf(o.dlg, "cities"), QStringLiteral("(사용자 지정)"));
    EXPECT_EQ(o.dlg.Site().name, "사용자 지정");
    // Choosing a city again replaces it.
    Choose(o.dlg, "cities", 1);
    EXPECT_NE(TextOf(o.dlg, "cities"), QStringLiteral("(사용자 지정)"));
    EXPECT_NE(o.dlg.Site().name, "사용자 지정");
}

// Typed coordinates take the nearest city's zone; a typed offset is the site's own.
TEST(LocationDlg, TypedCoordinatesTakeTheNearestZoneAndATypedOffsetWins)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[0], cities);
    Choose(o.dlg, "eastWest", 1);  // 서경
    Retype(o.dlg, "lonDegreesEdit", QStringLiteral("73"));
    Retype(o.dlg, "latDegreesEdit", QStringLiteral("41"));
    EXPECT_EQ(o.dlg.Site().zoneName, "America/New_York");
    EXPECT_EQ(o.dlg.Site().timeZone, -5.0f);
    EXPECT_EQ(TextOf(o.dlg, "zoneHoursEdit"), QStringLiteral("5"));
    Retype(o.dlg, "zoneHoursEdit", QStringLiteral("4"));
    EXPECT_EQ(o.dlg.Site().zoneName, "");
    EXPECT_EQ(o.dlg.Site().timeZone, -4.0f);
    auto* zone = o.dlg.findChild<QLabel*>(QStringLiteral("zoneLabel"));
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone->text(), QStringLiteral("고정 시차 (시간대 없음)"));
}

// A click sets the place the map's pixel stands for and the zone of the nearest city: Seoul's
// +9 at 127 degrees east, not the 8 hours of the longitude alone; New York's -5 at 74 west,
// not -4 of 74 degrees / 15. The map is 360 x 180 pixels from (10, 10), a degree each.
TEST(LocationDlg, ClicksOnTheMapTakeThePlaceAndTheNearestZone)
{
    const CatalogList<Observer> cities = TestCities();
    const struct {
        int x, y;
        double lonDeg;          // the site's longitude, east positive
        int openedOn;           // the city the dialog opens on
        float zoneHours;        // the site's offset
        const char* zoneName;   // the zone taken, or nullptr to leave unchecked
        const char* zoneLabel;  // the label under the offset, or nullptr
        std::vector<std::pair<const char*, const char*>> fields;  // widget and its text
    } kClicks[] = {
        {190, 100, 0.0, 23, 0.0f, nullptr, nullptr,
         {{"eastWest", "서경"}, {"lonDegreesEdit", "0"}, {"zoneHoursEdit", "0"},
          {"aheadBehind", "느림"}}},
        {200, 10, 10.0, 23, NAN, nullptr, nullptr,
         {{"northSouth", "북위"}, {"latDegreesEdit", "90"}, {"latMinutesEdit", "0"},
          {"lonDegreesEdit", "10"}}},
        {10 + 180 + 127, 100 - 37, 127.0, 0, 9.0f, "Asia/Seoul", nullptr,
         {{"zoneHoursEdit", "9"}, {"aheadBehind", "빠름"}, {"eastWest", "동경"},
          {"lonDegreesEdit", "127"}, {"lonMinutesEdit", "0"}, {"lonSecondsEdit", "0"},
          {"latDegreesEdit", "37"}}},
        {10 + 180 - 74, 100 - 41, -74.0, 0, -5.0f, "America/New_York",
         "시간대 America/New_York", {{"zoneHoursEdit", "5"}, {"aheadBehind", "느림"}}},
        {10 + 180 - 100, 100, -100.0, 0, -6.0f, nullptr, nullptr,
         {{"zoneHoursEdit", "6"}, {"aheadBehind", "느림"}}},
    };
    for (const auto& c : kClicks) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        Opened o(cities[std::size_t(c.openedOn)], cities);
        ClickMap(o.dlg, c.x, c.y);
        EXPECT_NEAR(o.dlg.Site().longitude, c.lonDeg * kRadiansPerDegree, kToleranceRadians);
        if (!std::isnan(c.zoneHours)) {
            EXPECT_EQ(o.dlg.Site().timeZone, c.zoneHours);
        }
        if (c.zoneName) {
            EXPECT_EQ(o.dlg.Site().zoneName, c.zoneName);
        }
        if (c.zoneLabel) {
            auto* zone = o.dlg.findChild<QLabel*>(QStringLiteral("zoneLabel"));
            ASSERT_NE(zone, nullptr);
            EXPECT_EQ(zone->text(), QString::fromUtf8(c.zoneLabel));
        }
        for (const auto& field : c.fields)
            EXPECT_EQ(TextOf(o.dlg, field.first), QString::fromUtf8(field.second)) << field.first;
    }
}

TEST(LocationDlg, ClickOutsideTheMapChangesNothing)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[23], cities);
    ClickMap(o.dlg, 370, 100);  // right edge is exclusive
    ClickMap(o.dlg, 100, 190);  // bottom edge is exclusive
    ClickMap(o.dlg, 9, 100);
    EXPECT_EQ(o.dlg.Site().longitude, cities[23].longitude);
    EXPECT_EQ(o.dlg.Site().latitude, cities[23].latitude);
    ClickMap(o.dlg, 369, 189);  // the last pixel inside
    EXPECT_NEAR(o.dlg.Site().longitude, 179.0 * kRadiansPerDegree, kToleranceRadians);
    EXPECT_NEAR(o.dlg.Site().latitude, -89.0 * kRadiansPerDegree, kToleranceRadians);
}

TEST(LocationDlg, MarkerIsARedCrossNinePixelsWide)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[0], cities);
    ClickMap(o.dlg, 317, 63);
    const QPoint m = o.dlg.MarkerPosition();
    const QImage shot = o.dlg.grab().toImage();
    EXPECT_TRUE(IsRed(shot, m.x(), m.y()));
    for (int d = -4; d <= 4; ++d) {
        EXPECT_TRUE(IsRed(shot, m.x() + d, m.y())) << d;
        EXPECT_TRUE(IsRed(shot, m.x(), m.y() + d)) << d;
    }
    EXPECT_FALSE(IsRed(shot, m.x() + 5, m.y()));
    EXPECT_FALSE(IsRed(shot, m.x() - 5, m.y()));
    EXPECT_FALSE(IsRed(shot, m.x(), m.y() + 5));
    EXPECT_FALSE(IsRed(shot, m.x(), m.y() - 5));
    EXPECT_FALSE(IsRed(shot, m.x() + 1, m.y() + 1));
    // x = 10 + 180 + 127 (or one less from single precision), y = 10 + 90 - 37
    EXPECT_NEAR(m.x(), 317, 1);
    EXPECT_NEAR(m.y(), 63, 1);
}

TEST(LocationDlg, MapHasASunkenEdge)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[0], cities);
    const QImage shot = o.dlg.grab().toImage();
    const QColor background = shot.pixelColor(o.dlg.width() - 3, 5);
    const QRect r = o.dlg.MapRect();
    EXPECT_NE(shot.pixelColor(r.left() - 1, r.center().y()), background);
    EXPECT_NE(shot.pixelColor(r.center().x(), r.top() - 1), background);
    // Shadow at the top and left, light at the bottom and right: sunken.
    EXPECT_LT(shot.pixelColor(r.left() - 2, r.center().y()).lightness(),
              shot.pixelColor(r.right() + 2, r.center().y()).lightness());
}

TEST(LocationDlg, MapIsCopiedOneToOne)
{
    if (!QFile::exists(MapPath()))
        GTEST_SKIP() << "images/location.bmp not present";
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[0], cities, MapPath());
    ASSERT_TRUE(o.dlg.HasMap());
    SilentMessageSink quiet;
    const std::unique_ptr<DibImage> dib = LoadDibImage(MapPath().toStdString(), quiet);
    ASSERT_NE(dib, nullptr);
    const QImage shot = o.dlg.grab().toImage();
    const QPoint samples[] = {{0, 0}, {359, 179}, {100, 40}, {250, 150}, {180, 90}};
    for (const QPoint& p : samples) {
        const size_t offset = (static_cast<size_t>(dib->height - 1 - p.y()) * dib->width + p.x()) * 3;
        const QColor expected(dib->pixels[offset], dib->pixels[offset + 1], dib->pixels[offset + 2]);
        const QPoint at = o.dlg.MapRect().topLeft() + p;
        if (std::abs(at.x() - o.dlg.MarkerPosition().x()) <= 4 || std::abs(at.y() - o.dlg.MarkerPosition().y()) <= 4)
            continue;  // under the cross
        EXPECT_EQ(shot.pixelColor(at), expected) << p.x() << "," << p.y();
    }
}

TEST(LocationDlg, TypedCoordinatesSetTheSite)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[24], cities);  // New York: west, north, behind
    Choose(o.dlg, "eastWest", 0);
    Retype(o.dlg, "lonDegreesEdit", QStringLiteral("126"));
    Retype(o.dlg, "lonMinutesEdit", QStringLiteral("58"));
    Retype(o.dlg, "lonSecondsEdit", QStringLiteral("12"));
    Retype(o.dlg, "latDegreesEdit", QStringLiteral("35"));
    Retype(o.dlg, "latMinutesEdit", QStringLiteral("6"));
    Retype(o.dlg, "latSecondsEdit", QStringLiteral("0"));
    Retype(o.dlg, "zoneHoursEdit", QStringLiteral("9"));
    Choose(o.dlg, "aheadBehind", 0);
    EXPECT_NEAR(o.dlg.Site().longitude, (126.0 + 58.0 / 60 + 12.0 / 3600) * kRadiansPerDegree, kToleranceRadians);
    EXPECT_NEAR(o.dlg.Site().latitude, (35.0 + 6.0 / 60) * kRadiansPerDegree, kToleranceRadians);
    EXPECT_EQ(o.dlg.Site().timeZone, 9.0f);

    Choose(o.dlg, "northSouth", 1);
    EXPECT_NEAR(o.dlg.Site().latitude, -(35.0 + 6.0 / 60) * kRadiansPerDegree, kToleranceRadians);
    const QPoint m = o.dlg.MarkerPosition();
    EXPECT_EQ(m.x(), 10 + 180 + 126);
    EXPECT_EQ(m.y(), 10 + 90 + 35);
    EXPECT_TRUE(IsRed(o.dlg.grab().toImage(), m.x(), m.y()));

    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(o.dlg.result(), QDialog::Accepted);
    EXPECT_NEAR(o.dlg.Site().latitude, -(35.0 + 6.0 / 60) * kRadiansPerDegree, kToleranceRadians);
}

TEST(LocationDlg, BadNumbersShowAMessageAndKeepThePreviousValue)
{
    const CatalogList<Observer> cities = TestCities();
    Opened o(cities[23], cities);
    const float before = o.dlg.Site().latitude;
    MessageBoxLog log;
    auto* minutes = o.dlg.findChild<QLineEdit*>(QStringLiteral("latMinutesEdit"));
    ASSERT_NE(minutes, nullptr);
    minutes->setFocus();
    minutes->end(false);
    QTest::keyClick(minutes, Qt::Key_A);
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_EQ(minutes->text(), QStringLiteral("33"));
    EXPECT_EQ(o.dlg.Site().latitude, before);

    Retype(o.dlg, "lonDegreesEdit", QStringLiteral("200"));  // "2", "20" apply; "200" is refused
    ASSERT_EQ(log.texts.size(), 2);
    EXPECT_EQ(TextOf(o.dlg, "lonDegreesEdit"), QStringLiteral("20"));
    EXPECT_NEAR(o.dlg.Site().longitude, (20.0 + 58.0 / 60 + 40.0 / 3600) * kRadiansPerDegree, kToleranceRadians);

    Retype(o.dlg, "zoneHoursEdit", QStringLiteral("15"));  // "1" applies, "15" is past 14 hours
    ASSERT_EQ(log.texts.size(), 3);
    EXPECT_EQ(o.dlg.Site().timeZone, 1.0f);
}

TEST(LocationDlg, OkRefusesAHalfTypedForm)
{
    const CatalogList<Observer> cities = TestCities();
    const Observer seoul = cities[23];
    Opened o(seoul, cities);
    MessageBoxLog log;
    auto* seconds = o.dlg.findChild<QLineEdit*>(QStringLiteral("lonSecondsEdit"));
    seconds->setFocus();
    seconds->selectAll();
    QTest::keyClick(seconds, Qt::Key_Backspace);
    EXPECT_TRUE(log.texts.isEmpty());
    QTest::mouseClick(o.dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(log.texts.size(), 1);
    EXPECT_TRUE(o.dlg.isVisible());
    EXPECT_EQ(o.dlg.Site().longitude, seoul.longitude);
}
