// The site's wall clock in the application: the shown sky's offset follows the zone's history,
// and the time dialog names the zone and the offset at the instant being edited.

#include "apptestsupport.h"

#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "catalog/catalogset.h"
#include "app/ctimesetdlg.h"
#include "astro/time/juliandate.h"
#include "site/siteclock.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr double kJulianDateToleranceDays = 1e-9;
constexpr float kDegToRad = 0.017453292519943295f;

Observer Seoul()
{
    Observer o("서울특별시", "서울", 126.978f * kDegToRad, 37.5665f * kDegToRad, 9.0f);
    o.zoneName = "Asia/Seoul";
    return o;
}

TEST(SiteTime, ShownSkyTakesTheOffsetInForceAtTheShownInstant)
{
    CKosmiraApp* app = CKosmiraApp::Instance();
    ASSERT_NE(app, nullptr);
    const Observer before = app->GetObserver();
    const SkyTime beforeTime = app->GetShownLocalTime();
    app->SetObserver(Seoul());
    const struct {
        int year, month, day;
        double offset;
    } cases[] = {{1988, 6, 15, 10.0}, {1988, 12, 15, 9.0}, {1955, 1, 15, 8.5}, {1955, 7, 1, 9.5},
                 {1987, 7, 1, 10.0}, {2026, 7, 4, 9.0}};
    for (const auto& c : cases) {
        const SkyTime local(JulianDateFromCalendar(c.year, c.month, c.day), SkyHours(21.0));
        app->SetShownTime(local);
        EXPECT_EQ(app->GetShownSky().site.timeZone, static_cast<float>(c.offset)) << c.year;
        EXPECT_NEAR(app->GetShownUT().JD(), local.JD() - c.offset / 24.0, kJulianDateToleranceDays);
        // The chosen site keeps its fixed offset and zone for the location dialog.
        EXPECT_EQ(app->GetObserver().timeZone, 9.0f);
        EXPECT_EQ(app->GetObserver().zoneName, "Asia/Seoul");
    }
    app->SetObserver(before);
    app->SetShownTime(beforeTime);
}

// A city list written before zone names (five fields a line) still loads: every city keeps its
// fixed offset all year round.
TEST(SiteTime, CityListWithoutZoneNamesLoadsWithFixedOffsets)
{
    CKosmiraApp* app = CKosmiraApp::Instance();
    ASSERT_NE(app, nullptr);
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    {
        QFile file(module.File(QStringLiteral("data/city.dat")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray text;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            const QList<QByteArray> fields = line.split('\t');
            ASSERT_EQ(fields.size(), 6) << line.toStdString();
            text += fields.mid(0, 5).join('\t') + '\n';
        }
        file.close();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QStringList messages;
    app->SetMessageSink([&](const QString& m) { messages.append(m); });
    app->SetSplashEnabled(false);
    app->SetModuleDirectory(module.Path());
    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    ASSERT_GT(app->Catalogs().cities.size(), 35u);
    for (const auto& city : app->Catalogs().cities)
        EXPECT_TRUE(city.zoneName.empty()) << city.name;
    EXPECT_EQ(app->GetObserver().name, "서울");
    app->SetShownTime(SkyTime(JulianDateFromCalendar(1988, 6, 15), SkyHours(21.0)));
    EXPECT_EQ(app->GetShownSky().site.timeZone, 9.0f);  // no zone: the fixed offset
    app->MainFrame()->hide();
    app->SetMessageSink({});
    app->SetModuleDirectory(QFileInfo(app->ExecutablePath()).absolutePath());
}

TEST(SiteTime, TimeDialogShowsZoneAndOffsetAtTheEditedInstant)
{
    const SkyTime summer(JulianDateFromCalendar(1988, 6, 15), SkyHours(21.0));
    CTimeSetDlg dialog(summer);
    dialog.SetSiteClock(SiteClock(Seoul()));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.ZoneText(), QStringLiteral("시간대 Asia/Seoul, UTC+10:00"));
    auto* ut = dialog.findChild<QLineEdit*>(QStringLiteral("julianDateUTEdit"));
    ASSERT_NE(ut, nullptr);
    EXPECT_NEAR(ut->text().toDouble(), summer.JD() - 10.0 / 24.0, 1e-6);

    // Typing December moves the instant out of summer time.
    auto* month = dialog.findChild<QLineEdit*>(QStringLiteral("monthEdit"));
    ASSERT_NE(month, nullptr);
    month->setFocus();
    month->selectAll();
    QTest::keyClicks(month, QStringLiteral("12"));
    EXPECT_EQ(dialog.ZoneText(), QStringLiteral("시간대 Asia/Seoul, UTC+09:00"));

    CTimeSetDlg fixed(summer);
    fixed.SetZone(5.75);
    EXPECT_EQ(fixed.ZoneText(), QStringLiteral("고정 시차 UTC+05:45"));
}

}  // namespace
