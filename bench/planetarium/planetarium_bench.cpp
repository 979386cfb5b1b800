// Frame times of the planetarium's off-screen surface and sky on this machine's renderer.
// Needs a display: run under xvfb-run -a -s "-screen 0 1920x1200x24".
#include "astro/timescales.h"
#include "catalog/loadcatalogs.h"
#include "image/messagesink.h"
#include "planetarium/copenglwnd.h"
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
BENCHMARK(BM_ClearReadBack)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_EmptySceneResizeAndPaint)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

void BM_EmptySceneReadBack(benchmark::State& state)
{
    EmptyWnd w;
    w.resize(1920, 1080);
    w.show();
    Settle(w);
    for (auto _ : state)
        benchmark::DoNotOptimize(w.RenderImage().constBits());
}
BENCHMARK(BM_EmptySceneReadBack)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_SurfaceResize)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
