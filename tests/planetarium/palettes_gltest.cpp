#include "astro/sky/frames.h"
#include "planetarium/cplanetariumview.h"
#include "astro/math/angles.h"
#include "planetarium/cpointerbar.h"
#include "planetarium/cshowbar.h"
#include "testsky.h"

#include <QCheckBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {


TEST(PointerBar, StartsEmpty)
{
    TestSky sky;
    CPointerBar bar(sky.scene);
    EXPECT_TRUE(bar.HorizontalText().isEmpty());
    EXPECT_TRUE(bar.EquatorialText().isEmpty());
    EXPECT_TRUE(bar.EclipticText().isEmpty());
    EXPECT_TRUE(bar.GalacticText().isEmpty());
    EXPECT_TRUE(bar.ConstellationText().isEmpty());
}

TEST(PointerBar, AzimuthIsShownOnTheHourScale)
{
    TestSky sky;
    CPointerBar bar(sky.scene);
    bar.Update(SphericalCoord(90.0 * kDegToRad, 10.0 * kDegToRad));
    EXPECT_EQ(bar.HorizontalText(), QStringLiteral("방위각:  6.000\n고도: 10.000"));
    // Every other text is filled; no zones are loaded, so no constellation.
    EXPECT_TRUE(bar.EquatorialText().startsWith(QStringLiteral("적경: ")));
    EXPECT_TRUE(bar.EquatorialText().contains(QStringLiteral("\n적위: ")));
    EXPECT_TRUE(bar.EclipticText().startsWith(QStringLiteral("황경: ")));
    EXPECT_TRUE(bar.EclipticText().contains(QStringLiteral("\n황위: ")));
    EXPECT_TRUE(bar.GalacticText().startsWith(QStringLiteral("은경: ")));
    EXPECT_TRUE(bar.GalacticText().contains(QStringLiteral("\n은위: ")));
    EXPECT_TRUE(bar.ConstellationText().isEmpty());
}

TEST(PointerBar, ZenithHasTheSiteLatitudeAsDeclinationAndTheSiderealTimeAsRA)
{
    TestSky sky;
    CPointerBar bar(sky.scene);
    bar.Update(SphericalCoord(0.0, 90.0 * kDegToRad));
    const QString expected = QString::asprintf(
        "적경: %6.3f\n적위: %6.3f", sky.lst.time.hours, double(sky.observer.latitude) / kDegToRad);
    EXPECT_EQ(bar.EquatorialText(), expected);
}

TEST(PointerBar, NorthCelestialPoleIsAtEclipticLatitudeNinetyMinusObliquity)
{
    TestSky sky;
    CPointerBar bar(sky.scene);
    // The pole stands due north at the site's latitude.
    bar.Update(SphericalCoord(0.0, double(sky.observer.latitude)));
    const QString text = bar.EclipticText();
    const double latitude = text.section(QStringLiteral("황위: "), 1).toDouble();
    constexpr double kToleranceDeg = 0.01;
    EXPECT_NEAR(latitude, 90.0 - 23.4393, kToleranceDeg);  // 2024 obliquity is 23.44 degrees
    const double dec = bar.EquatorialText().section(QStringLiteral("적위: "), 1).toDouble();
    EXPECT_NEAR(dec, 90.0, kToleranceDeg);
}

// Betelgeuse (J2000 RA 88.7929°, Dec +7.4071°) is at galactic latitude -8.96° (IAU J2000
// pole, as eraIcrs2g gives it), in both models, whatever the date's precession.
TEST(PointerBar, GalacticLatitudeOfBetelgeuseFromTheJ2000Pole)
{
    TestSky sky;
    const SphericalCoord j2000(88.7929 * kDegToRad, 7.4071 * kDegToRad);
    for (Model model : {Model::Classic, Model::Precise}) {
        sky.shown = ComputeShownSky(sky.shown.local, sky.shown.site, model);
        CPointerBar bar(sky.scene);
        const SphericalCoord ofDate =
            SphericalCoord::FromVector(sky.shown.j2000ToDate.Apply(j2000.ToVector()));
        bar.Update(EquatorialToHorizontal(ofDate, sky.shown.lst, double(sky.shown.site.latitude)));
        const double b = bar.GalacticText().section(QStringLiteral("은위: "), 1).toDouble();
        constexpr double kToleranceDeg = 0.002;  // the text's three decimals
        EXPECT_NEAR(b, -8.959, kToleranceDeg) << ModelKey(model);
    }
}

TEST(PointerBar, NamesTheConstellationUnderThePointer)
{
    TestSky sky;
    ASSERT_TRUE(LoadShippedCatalogs(sky));
    CPointerBar bar(sky.scene);
    // Due north at the site's latitude: the celestial pole, in the Little Bear.
    bar.Update(SphericalCoord(0.0, double(sky.observer.latitude)));
    EXPECT_EQ(bar.ConstellationText(), QStringLiteral("작은곰자리"));
    // The texts keep their last values until the next update fills all five.
    const QString horizontal = bar.HorizontalText();
    bar.Update(SphericalCoord(0.0, double(sky.observer.latitude)));
    EXPECT_EQ(bar.HorizontalText(), horizontal);
}

struct BoxSpec {
    int id;
    const char* caption;
    bool checked;
};

// Top to bottom.
constexpr BoxSpec kBoxes[14] = {
    {1029, "지평 좌표", false},  {1030, "적도 좌표", false},   {1031, "황도 좌표", false},
    {1039, "은하 좌표", false},  {1032, "별", true},            {1042, "어두운 별", true},
    {1038, "별 이름", true},
    {1033, "태양계", true},      {1034, "메시에 목록", true},   {1041, "NGC 목록", false},
    {1040, "은하수", true},      {1035, "별자리 경계", true},   {1036, "별자리 모양", true},
    {1037, "별자리 이름", true},
};

TEST(ShowBar, FourteenBoxesWithTheirCaptionsOrderAndDefaults)
{
    CShowBar bar;
    int previousY = -1;
    for (const BoxSpec& spec : kBoxes) {
        QCheckBox* box = bar.CheckBox(spec.id);
        ASSERT_NE(box, nullptr) << spec.id;
        EXPECT_EQ(box->text(), QString::fromUtf8(spec.caption));
        EXPECT_EQ(box->isChecked(), spec.checked) << spec.id;
        EXPECT_GT(box->y(), previousY);
        previousY = box->y();
    }
    EXPECT_EQ(bar.CheckBox(1043), nullptr);
    const LayerFlags& f = bar.Flags();
    EXPECT_EQ(f.eclipticGrid, 0);
    EXPECT_EQ(f.equatorialGrid, 0);
    EXPECT_EQ(f.horizontalGrid, 0);
    EXPECT_EQ(f.messier, 1);
    EXPECT_EQ(f.solarSystem, 1);
    EXPECT_EQ(f.stars, 1);
    EXPECT_EQ(f.starNames, 1);
    EXPECT_EQ(f.boundaries, 1);
    EXPECT_EQ(f.figures, 1);
    EXPECT_EQ(f.constellationNames, 1);
    EXPECT_EQ(f.galacticGrid, 0);
    EXPECT_EQ(f.milkyWay, 1);
    EXPECT_EQ(f.ngc, 0);
    EXPECT_EQ(f.faintStars, 1);
}

TEST(ShowBar, AClickStoresEveryStateAndReportsIt)
{
    CShowBar bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    int changes = 0;
    QObject::connect(&bar, &CShowBar::LayersChanged, [&] { ++changes; });
    // A state set without a click is picked up with the next click, as all are copied.
    bar.CheckBox(1041)->setChecked(true);
    EXPECT_EQ(bar.Flags().ngc, 0);
    QCheckBox* grid = bar.CheckBox(1029);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(5, grid->height() / 2));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bar.Flags().horizontalGrid, 1);
    EXPECT_EQ(bar.Flags().ngc, 1);
    QCheckBox* stars = bar.CheckBox(1032);
    QTest::mouseClick(stars, Qt::LeftButton, {}, QPoint(5, stars->height() / 2));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bar.Flags().stars, 0);
}

TEST(ShowBar, TwoPalettesKeepSeparateStates)
{
    CShowBar first;
    CShowBar second;
    first.show();
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    QCheckBox* grid = first.CheckBox(1030);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(5, grid->height() / 2));
    EXPECT_EQ(first.Flags().equatorialGrid, 1);
    EXPECT_EQ(second.Flags().equatorialGrid, 0);
    EXPECT_FALSE(second.CheckBox(1030)->isChecked());
}

TEST(ShowBar, TheViewReadsThePaletteFlags)
{
    TestSky sky;
    CShowBar bar;
    CPlanetariumView view(sky.scene);
    EXPECT_EQ(view.Layers().stars, 1);
    view.SetLayerFlags(&bar.Flags());
    EXPECT_EQ(&view.Layers(), &bar.Flags());
    view.SetLayerFlags(nullptr);
    EXPECT_NE(&view.Layers(), &bar.Flags());
}

}  // namespace
