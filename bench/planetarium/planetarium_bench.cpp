// Frame times of the planetarium's off-screen surface and sky on this machine's renderer.
// Needs a display: run under xvfb-run -a -s "-screen 0 1920x1200x24".
#include "astro/sky/shownsky.h"
#include "astro/ephemeris/moon.h"
#include "astro/math/angles.h"
#include "astro/sky/observer.h"
#include "astro/ephemeris/planet.h"
#include "astro/time/skytime.h"
#include "astro/ephemeris/sun.h"
#include "astro/time/timescales.h"
#include "catalog/catalogset.h"
#include "catalog/loadcatalogs.h"
#include "image/messagesink.h"
#include "render/cataloglabels.h"
#include "render/copenglwnd.h"
#include "planetarium/cplanetariumview.h"

#include <QApplication>
#include <GL/gl.h>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

void Settle(QWidget& w)
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    (void)w;
}

// The surface alone: what every sky frame costs before anything is drawn.
class EmptyWnd : public COpenGLWnd {};
// A cleared frame: the least a sky paint does.
class ClearWnd : public COpenGLWnd {
protected:
    void DrawScene() override { glClearColor(0, 0, 0, 0); glClear(GL_COLOR_BUFFER_BIT); }
};
void BM_ClearReadBack(benchmark::State& state)
{
    ClearWnd w;
    w.resize(1920, 1080);
    w.show();
    Settle(w);
    for (auto _ : state)
        benchmark::DoNotOptimize(w.RenderImage().constBits());
}
BENCHMARK(BM_ClearReadBack)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EmptySceneResizeAndPaint(benchmark::State& state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    EmptyWnd w;
    w.resize(width, height);
    w.show();
    Settle(w);
    for (auto _ : state)
        w.repaint();  // read-back of the whole frame and one drawImage
    state.SetLabel(std::to_string(w.SurfaceSize().width()) + "x" +
                   std::to_string(w.SurfaceSize().height()));
}
BENCHMARK(BM_EmptySceneResizeAndPaint)->Args({1920, 1080})->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_EmptySceneReadBack(benchmark::State& state)
{
    EmptyWnd w;
    w.resize(1920, 1080);
    w.show();
    Settle(w);
    for (auto _ : state)
        benchmark::DoNotOptimize(w.RenderImage().constBits());
}
BENCHMARK(BM_EmptySceneReadBack)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SurfaceResize(benchmark::State& state)
{
    EmptyWnd w;
    w.resize(1920, 1080);
    w.show();
    Settle(w);
    int step = 0;
    for (auto _ : state) {
        w.resize(1920, 1080 - (++step & 1));  // a new framebuffer each time
        QCoreApplication::processEvents();
        w.repaint();
    }
}
BENCHMARK(BM_SurfaceResize)->Unit(benchmark::kMillisecond)->UseRealTime();

// The application's state for the default sky: Seoul, 21:00 local time, shipped catalogs.
struct BenchSky {
    BenchSky()
        : sky(ComputeShownSky(SkyTime(2460325.375),
                              Observer("서울특별시", "서울", float(126.98 * kDegToRad),
                                       float(37.57 * kDegToRad), 9.0f),
                              Model::Classic)),
          scene{sky, catalogs, colours, labelFont, messierFont}
    {
        labelFont = QFont(QStringLiteral("Arial"));
        labelFont.setPixelSize(14);
        messierFont = QFont(QStringLiteral("Arial"));
        messierFont.setPixelSize(12);
        SilentMessageSink sink;
        LoadCatalogs(catalogs, KOSMIRA_SOURCE_DIR, sink);
        labels = MakeCatalogLabels(catalogs, labelFont, messierFont);
        scene.moduleDirectory = KOSMIRA_SOURCE_DIR;
        scene.labels = &labels;
    }
    ShownSky sky;
    CatalogSet catalogs;
    CatalogLabels labels;
    DisplayColors colours;
    QFont labelFont, messierFont;
    SkyScene scene;
};

BenchSky& Sky()
{
    static BenchSky sky;
    return sky;
}

void DefaultSky(benchmark::State& state, bool immediate)
{
    CPlanetariumView view(Sky().scene);
    view.SetImmediateMode(immediate);
    view.resize(int(state.range(0)), int(state.range(1)));
    view.show();
    Settle(view);
    view.repaint();
    for (auto _ : state)
        view.repaint();  // the whole sky, read back and painted
    state.counters["stars"] = double(Sky().catalogs.stars.size());
}

void BM_DefaultSky(benchmark::State& state)
{
    DefaultSky(state, false);
}
BENCHMARK(BM_DefaultSky)->Args({1920, 1080})->Args({1280, 720})->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_DefaultSkyImmediateMode(benchmark::State& state)
{
    DefaultSky(state, true);
}
BENCHMARK(BM_DefaultSkyImmediateMode)->Args({1920, 1080})->Args({1280, 720})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// A new planetarium window up to its first finished paint: context, star texture, name
// image, arrays and label textures, then the frame.
void BM_FirstPaintOfANewWindow(benchmark::State& state)
{
    Sky();
    for (auto _ : state) {
        CPlanetariumView view(Sky().scene);
        view.resize(1920, 1080);
        view.show();
        QCoreApplication::processEvents();
        view.repaint();
    }
}
BENCHMARK(BM_FirstPaintOfANewWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    // As the application does (its browser window needs it).
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
