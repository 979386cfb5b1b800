#include "testsky.h"
#include "astro/math/angles.h"

#include "astro/time/timescales.h"
#include "catalog/loadcatalogs.h"
#include "image/messagesink.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace {

constexpr double kSeoulLocal2100 = 2460325.375;  // 2024-01-15 21:00 in Seoul's civil time

QFont ArialPixels(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TestSky::TestSky()
    : labelFont(ArialPixels(14)), messierFont(ArialPixels(12)),
      scene{shown, catalogs, colours, labelFont, messierFont}
{
    shown.site = Observer("서울특별시", "서울", float(126.98 * kDegToRad), float(37.57 * kDegToRad),
                          9.0f);
    scene.moduleDirectory = KOSMIRA_SOURCE_DIR;
    scene.labels = &labels;
    SetLocalTime(kSeoulLocal2100);
}

void ShownSkyView::SetUp()
{
    view = std::make_unique<OracleSkyView>(sky.scene);
    view->resize(400, 300);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QCoreApplication::processEvents();
}

void TestSky::SetLocalTime(double localJulianDate)
{
    shown = ComputeShownSky(SkyTime(localJulianDate), shown.site, Model::Classic);
}

const char* SourceDir()
{
    return KOSMIRA_SOURCE_DIR;
}

void SendMouseMove(QWidget* widget, const QPointF& position)
{
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

bool LoadShippedCatalogs(TestSky& sky)
{
    SilentMessageSink sink;
    if (!LoadCatalogs(sky.catalogs, KOSMIRA_SOURCE_DIR, sink))
        return false;
    sky.labels = MakeCatalogLabels(sky.catalogs, sky.labelFont, sky.messierFont);
    return true;
}
