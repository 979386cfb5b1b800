// The "극축 맞추기" child window follows the shown sky it was given.
#include "app/cpolaraxisframe.h"
#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "views/cpolarscopeview.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

TEST(PolarAxisFrame, OpensOnTheShownSkyAndFollowsIt)
{
    const Observer seoul("대한민국", "서울", static_cast<float>(126.98 * kDegToRad),
                         static_cast<float>(37.57 * kDegToRad), 9.0f);
    const Observer sydney("", "Sydney", static_cast<float>(151.21 * kDegToRad),
                          static_cast<float>(-33.87 * kDegToRad), 10.0f);
    ShownSky sky = ComputeShownSkyAt(Instant::FromUT(2461383.0), seoul, Model::Classic);
    CPolarAxisFrame frame(sky);
    frame.resize(1000, 600);
    frame.show();
    QApplication::processEvents();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Kosmira - 극축 맞추기"));
    ASSERT_NE(frame.ScopeView(), nullptr);
    EXPECT_EQ(frame.View(), frame.ScopeView());
    EXPECT_DOUBLE_EQ(frame.ScopeView()->Field().jdUT, 2461383.0);
    EXPECT_EQ(frame.ScopeView()->Field().pole.star, PoleStarId::Polaris);

    // The application replaces its sky whole and asks every child to refresh.
    sky = ComputeShownSkyAt(Instant::FromUT(2461390.5), sydney, Model::Classic);
    frame.RefreshView();
    EXPECT_DOUBLE_EQ(frame.ScopeView()->Field().jdUT, 2461390.5);
    EXPECT_EQ(frame.ScopeView()->Field().pole.star, PoleStarId::SigmaOctantis);
}

}  // namespace
