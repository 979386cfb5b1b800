// The application's shared state and its operations, with fixed inputs.

#include "app/ckosmiraapp.h"
#include "astro/ephemeris/planet.h"
#include "astro/sky/shownsky.h"
#include "astro/math/angles.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QFontInfo>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kToleranceHours = 1e-4;  // 0.36 s
constexpr double kToleranceDays = 1e-9;

struct AppStateTest : ::testing::Test {
    void SetUp() override
    {
        app = CKosmiraApp::Instance();
        ASSERT_NE(app, nullptr);
        saved = app->GetObserver();
        savedTime = app->GetShownLocalTime();
    }
    void TearDown() override
    {
        app->SetObserver(saved);
        app->SetShownTime(savedTime);
        app->RecomputeBodies();
    }
    CKosmiraApp* app = nullptr;
    Observer saved;
    SkyTime savedTime;
};

TEST_F(AppStateTest, GreenwichAtMidnightUtOfJ2000DayGivesPublishedSiderealTime)
{
    app->SetObserver(Observer("", "Greenwich", 0.0f, 0.0f, 0.0f));
    app->SetShownTime(SkyTime(2451544.5));  // 1 January 2000, 0h
    EXPECT_NEAR(app->GetShownUT().JD(), 2451544.5, kToleranceDays);
    EXPECT_NEAR(app->GetShownGST().Hours(), 6.6645, kToleranceHours);
    EXPECT_NEAR(app->GetShownLST().Hours(), 6.6645, kToleranceHours);
}

TEST_F(AppStateTest, LocalTimeInZonePlusNineIsUtOfThePreviousDay)
{
    // 01:00 on 1 January 2000 at +9 h is 16:00 UT on 31 December 1999.
    app->SetObserver(Observer("", "", 0.0f, 0.0f, 9.0f));
    app->SetShownTime(SkyTime(2451544.5 + 1.0 / 24.0));
    EXPECT_NEAR(app->GetShownUT().date.jd, 2451543.5, kToleranceDays);
    EXPECT_NEAR(app->GetShownUT().Hours(), 16.0, kToleranceHours);
    EXPECT_NEAR(app->GetShownLocalTime().Hours(), 1.0, kToleranceHours);
}

TEST_F(AppStateTest, LocalSiderealTimeAddsTheLongitude)
{
    // 90 degrees east adds six hours to the Greenwich sidereal time.
    app->SetObserver(Observer("", "", float(kPi / 2), 0.0f, 0.0f));
    app->SetShownTime(SkyTime(2451544.5));
    const double expected = std::fmod(6.6645 + 6.0, 24.0);
    EXPECT_NEAR(app->GetShownLST().Hours(), expected, kToleranceHours);
}

TEST_F(AppStateTest, RecomputeBodiesUpdatesEveryBodyForTheShownUtAndRepaints)
{
    app->SetObserver(Observer("", "", 0.0f, 0.0f, 0.0f));
    app->SetShownTime(SkyTime(2451545.0));
    QSignalSpy repaint(app, &CKosmiraApp::shownStateChanged);
    app->RecomputeBodies();
    EXPECT_EQ(repaint.count(), 1);
    const ShownSky& sky = app->GetShownSky();
    EXPECT_NEAR(sky.ut.JD(), 2451545.0, kToleranceDays);
    for (const BodyState& body : sky.bodies)
        EXPECT_GT(body.distanceAU, 0.0) << BodyKey(body.body);
    // The Earth-Moon barycentre is about 1 AU from the Sun.
    const Vector3& earth = sky.earthHeliocentricEcliptic;
    EXPECT_NEAR(earth.Length(), 0.983, 0.01);
}

TEST_F(AppStateTest, ChangingTheModelRecomputesTheWholeSkyOnce)
{
    app->SetObserver(Observer("", "", 0.0f, 0.0f, 0.0f));
    app->SetShownTime(SkyTime(2451545.0));
    ASSERT_EQ(app->GetModel(), Model::Classic);
    QSignalSpy repaint(app, &CKosmiraApp::shownStateChanged);
    app->SetModel(Model::Precise);
    EXPECT_EQ(repaint.count(), 1);
    EXPECT_EQ(app->GetShownSky().model, Model::Precise);
    // 2000-01-01 12:00 UT: Delta T is 63.8 s.
    EXPECT_NEAR(app->GetShownSky().instant.DeltaTSeconds(), 63.8, 0.1);
    app->SetModel(Model::Classic);
}

TEST_F(AppStateTest, ColourTableAndFonts)
{
    EXPECT_EQ(app->Colors().sun, MakeColour(202, 37, 0));
    EXPECT_EQ(app->Colors().planets[kMercury], MakeColour(186, 186, 186));
    EXPECT_EQ(app->Colors().messier, MakeColour(187, 219, 57));
    EXPECT_EQ(app->labelFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(app->labelFont().pixelSize(), 14);
    EXPECT_EQ(app->messierFont().pixelSize(), 12);
    // The Windows faces resolve to installed stand-ins through the substitution table.
    EXPECT_EQ(QFontInfo(app->labelFont()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("굴림"))).family(), QStringLiteral("NanumGothic"));
    EXPECT_FALSE(app->TimeServer().empty());
}

TEST_F(AppStateTest, ModulePathIsTheExecutableDirectoryFollowedByTheName)
{
    const QString dir = app->ModuleDirectory();
    EXPECT_EQ(app->ModulePath(QStringLiteral("images/logo.bmp")),
              QDir(dir).filePath(QStringLiteral("images/logo.bmp")));
    EXPECT_EQ(QFileInfo(app->ExecutablePath()).absolutePath(), dir);
    app->SetModuleDirectory(QStringLiteral("/tmp/elsewhere"));
    EXPECT_EQ(app->ModulePath(QStringLiteral("data/star.dat")), QStringLiteral("/tmp/elsewhere/data/star.dat"));
    app->SetModuleDirectory(dir);
}

TEST_F(AppStateTest, HomeAddressDefaultsToTheBundledPage)
{
    if (!QStringLiteral(KOSMIRA_HOME_URL_FOR_TESTS).isEmpty())
        GTEST_SKIP() << "built with a home address";
    EXPECT_EQ(app->HomeUrl(), QUrl::fromLocalFile(app->ModulePath(QStringLiteral("home/index.html"))));
}

}  // namespace

namespace {

// Qt's standard buttons speak Korean (qt6-translations-l10n is installed with the program).
TEST(QtTexts, StandardButtonsAreKorean)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kosmira"), QStringLiteral("시험"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("확인"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("취소"));
}

}  // namespace
