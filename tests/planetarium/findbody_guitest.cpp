// Finding a body through a real sky view: the view turns onto it, or a message says it is
// below the horizon.
#include "astro/math/angles.h"
#include "messageboxes.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/findbody.h"
#include "testsky.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

namespace {

constexpr double kSeoulLocalNoon = 2460483.0;       // 2024-06-21 12:00 in Seoul's civil time
// GL keeps its matrices in single precision: unprojected directions agree to about 1e-6.
constexpr double kUnprojectToleranceRad = 2e-5;

// The sky view over the fixed test sky (Seoul, 2024-01-15 21:00 local time).
class FindInView : public ShownSkyView {
protected:
    // Direction of the device pixel at the middle of the 400 x 300 view after a paint.
    SphericalCoord CentreOfPicture()
    {
        view->RenderImage();
        SphericalCoord d;
        // Window row 150 of 300 counted from the bottom is pixel row 149 from the top.
        EXPECT_TRUE(view->ScreenToSky(200.0, 149.0, &d));
        return d;
    }

    // After finding body: no message, the view exactly on it with its field kept, and the
    // painted picture centred on it.
    void ExpectCentredSilently(const BodyPlace& body, double fieldBefore)
    {
        EXPECT_TRUE(catcher.Boxes().empty());
        EXPECT_EQ(view->ViewCentre().lon, body.horizontal.lon);
        EXPECT_EQ(view->ViewCentre().lat, body.horizontal.lat);
        EXPECT_EQ(view->FieldOfView(), fieldBefore);
        const SphericalCoord middle = CentreOfPicture();
        EXPECT_NEAR(middle.lon, body.horizontal.lon, kUnprojectToleranceRad);
        EXPECT_NEAR(middle.lat, body.horizontal.lat, kUnprojectToleranceRad);
    }

    MessageBoxCatcher catcher;
};

TEST_F(FindInView, SunAtNightShowsTheMessageOverTheViewAndLeavesTheView)
{
    const BodyPlace sun = FindBody(sky.scene, Body::Sun);
    ASSERT_TRUE(sun.known);
    ASSERT_LT(sun.horizontal.lat, -20.0 * kDegToRad);  // 21:00 in January
    const SphericalCoord before = view->ViewCentre();
    const double fieldBefore = view->FieldOfView();

    EXPECT_FALSE(FindBodyInView(*view, Body::Sun));

    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].text, QStringLiteral("지평선 아래에 있습니다."));
    EXPECT_EQ(catcher.Boxes()[0].parent, view.get());
    EXPECT_TRUE(catcher.Boxes()[0].hadOkButton);
    EXPECT_EQ(view->ViewCentre().lon, before.lon);
    EXPECT_EQ(view->ViewCentre().lat, before.lat);
    EXPECT_EQ(view->FieldOfView(), fieldBefore);
    EXPECT_FALSE(catcher.StuckModalClosed());
}

TEST_F(FindInView, SunAtNoonBecomesTheExactCentreWithTheSameField)
{
    sky.SetLocalTime(kSeoulLocalNoon);
    view->OnZoomIn();  // a field other than the initial one must survive too
    const double fieldBefore = view->FieldOfView();
    const BodyPlace sun = FindBody(sky.scene, Body::Sun);
    ASSERT_TRUE(sun.AboveHorizon());
    ASSERT_GT(sun.horizontal.lat, 70.0 * kDegToRad);  // midsummer noon at 37.6 N: about 76

    EXPECT_TRUE(FindBodyInView(*view, Body::Sun));
    ExpectCentredSilently(sun, fieldBefore);
}

TEST_F(FindInView, JupiterHighInTheEveningBecomesTheExactCentre)
{
    const BodyPlace jupiter = FindBody(sky.scene, Body::Jupiter);
    ASSERT_TRUE(jupiter.AboveHorizon());
    ASSERT_GT(jupiter.horizontal.lat, 40.0 * kDegToRad);
    const double fieldBefore = view->FieldOfView();

    EXPECT_TRUE(FindBodyInView(*view, Body::Jupiter));
    ExpectCentredSilently(jupiter, fieldBefore);
}

TEST_F(FindInView, FindingNeverChangesTheShownInstantOrTheBodies)
{
    const double utBefore = sky.ut.JD();
    const double lstBefore = sky.lst.Hours();
    const double moonBefore = sky.shown[Body::Moon].equatorial.lon;
    for (Body body : kAllBodies)
        FindBodyInView(*view, body);
    EXPECT_EQ(sky.ut.JD(), utBefore);
    EXPECT_EQ(sky.lst.Hours(), lstBefore);
    EXPECT_EQ(sky.shown[Body::Moon].equatorial.lon, moonBefore);
    // Every refusal was answered, and each was the below-horizon message.
    for (const auto& box : catcher.Boxes())
        EXPECT_EQ(box.text, QStringLiteral("지평선 아래에 있습니다."));
    EXPECT_FALSE(catcher.StuckModalClosed());
}

TEST_F(FindInView, ABodyThatWasNeverComputedDoesNothing)
{
    const SphericalCoord before = view->ViewCentre();
    sky.shown.bodies[BodyIndex(Body::Mars)] = BodyState();
    EXPECT_FALSE(FindBody(sky.scene, Body::Mars).known);
    EXPECT_FALSE(FindBodyInView(*view, Body::Mars));
    EXPECT_TRUE(catcher.Boxes().empty());
    EXPECT_EQ(view->ViewCentre().lon, before.lon);
    EXPECT_EQ(view->ViewCentre().lat, before.lat);
}

TEST(FindBodyPlace, AltitudeZeroCountsAsAboveTheHorizon)
{
    BodyPlace place;
    place.known = true;
    place.horizontal = SphericalCoord(1.0, 0.0);
    EXPECT_TRUE(place.AboveHorizon());
    place.horizontal = SphericalCoord(1.0, -0.0);
    EXPECT_TRUE(place.AboveHorizon());
    place.horizontal = SphericalCoord(1.0, -1e-300);
    EXPECT_FALSE(place.AboveHorizon());
    place.known = false;
    place.horizontal = SphericalCoord(1.0, 0.5);
    EXPECT_FALSE(place.AboveHorizon());
}

}  // namespace
