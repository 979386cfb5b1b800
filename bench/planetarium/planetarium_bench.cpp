// Frame times of the planetarium's off-screen surface and sky on this machine's renderer.
// Needs a display: run under xvfb-run -a -s "-screen 0 1920x1200x24".
// Times are wall-clock; the counter cpu_ms of the frame benchmarks is the whole process's
// CPU time per frame (the renderer's own threads included, which the CPU column leaves out),
// which a machine busy with other work disturbs less.
#include "image/nightvision.h"
#include "astro/sky/shownsky.h"
#include "astro/ephemeris/moon.h"
#include "astro/math/angles.h"
#include "astro/sky/observer.h"
#include "astro/ephemeris/planet.h"
#include "astro/time/skytime.h"
#include "astro/ephemeris/sun.h"
#include "astro/time/timescales.h"
#include "catalog/catalogset.h"
#include "catalog/deepstarindex.h"
#include "catalog/loadcatalogs.h"
#include "image/messagesink.h"
#include "render/cataloglabels.h"
#include "render/copenglwnd.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/skygeometry.h"
#include "immediatesky.h"
#include "astro/math/matrix3.h"

#include <QApplication>
#include <GL/gl.h>
#include <QBackingStore>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QElapsedTimer>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <ctime>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Repaints (or renders) once per iteration and sets cpu_ms: the process's CPU time per frame.
template <typename Frame>
void TimedFrames(benchmark::State& state, Frame frame)
{
    const double start = ProcessCpuMs();
    for (auto _ : state)
        frame();
    if (state.iterations() > 0)
        state.counters["cpu_ms"] = (ProcessCpuMs() - start) / double(state.iterations());
}

// Resizes and shows a window and lets its first events (resize, expose, paint) pass.
void ShowAt(QWidget& w, int width, int height)
{
    w.resize(width, height);
    w.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The surface alone: what every sky frame costs before anything is drawn.
class EmptyWnd : public COpenGLWnd {};
// A cleared frame: the least a sky paint does.
class ClearWnd : public COpenGLWnd {
protected:
    void DrawScene() override { ClearFrame(MakeColour(0, 0, 0)); }
};
void ClearReadBackAt(benchmark::State& state, int width, int height)
{
    ClearWnd w;
    ShowAt(w, width, height);
    w.RenderImage();  // the first read fills the image's pages
    TimedFrames(state, [&] { benchmark::DoNotOptimize(w.RenderImage().constBits()); });
}
void BM_ClearReadBack(benchmark::State& state)
{
    ClearReadBackAt(state, 1920, 1080);
}
BENCHMARK(BM_ClearReadBack)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same floor at another size; registered under BM_ClearReadBack in main, so that the
// names read BM_ClearReadBack (1920x1080) and BM_ClearReadBack/3840/2160.
void ClearReadBackSized(benchmark::State& state)
{
    ClearReadBackAt(state, int(state.range(0)), int(state.range(1)));
}

double MillisecondsPer(int runs, const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        step();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

// A new frame drawn and shown: what every change of a view costs (a repaint alone shows the
// last frame again).
void Redraw(COpenGLWnd& w)
{
    w.RequestFrame();
    w.repaint();
}

// Redraw up to the window system's copy of the frame on the screen: Qt waits for that copy
// only before the next paint, which a floor timed in between would otherwise be charged for.
void RedrawOnScreen(COpenGLWnd& w)
{
    Redraw(w);
    QGuiApplication::sync();
}

// Times a frame and its floor alternately, pair by pair, and sets the counters frame_ms and
// floor_ms (medians) and vs_floor (the median of the pairs' ratios). Timed in alternation,
// both see the same load, which on a shared machine drifts by half a frame time within a run.
void FrameAgainstFloor(benchmark::State& state, const std::function<void()>& frame,
                       const std::function<void()>& floor)
{
    constexpr int kPairs = 41;
    std::vector<double> frames, floors, ratios;
    QElapsedTimer timer;
    for (int i = 0; i < kPairs; ++i) {
        timer.start();
        frame();
        const double f = double(timer.nsecsElapsed()) / 1e6;
        timer.start();
        floor();
        const double c = double(timer.nsecsElapsed()) / 1e6;
        frames.push_back(f);
        floors.push_back(c);
        ratios.push_back(f / c);
    }
    const auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    state.counters["frame_ms"] = median(frames);
    state.counters["floor_ms"] = median(floors);
    state.counters["vs_floor"] = median(ratios);
}

// A surface with a second framebuffer of 1920 x 1080 of the given internal format bound.
struct FormatProbe {
    explicit FormatProbe(GLenum internalFormat)
    {
        ShowAt(w, 1920, 1080);
        if (!w.MakeCurrent())
            return;
        QOpenGLFramebufferObjectFormat format;
        format.setInternalTextureFormat(internalFormat);
        fbo = std::make_unique<QOpenGLFramebufferObject>(1920, 1080, format);
        fbo->bind();
    }
    ~FormatProbe()
    {
        if (fbo)
            fbo->release();
    }
    EmptyWnd w;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
};

// Read-back alone into BGRA words (the layout of an RGB32 image): shows whether the driver
// converts pixels on the way out. Arguments: 0 GL_RGB8, 1 GL_RGBA8 (the surface's format).
void BM_ReadBackFormat(benchmark::State& state)
{
    FormatProbe probe(state.range(0) == 0 ? GL_RGB8 : GL_RGBA8);
    if (!probe.fbo)
        return;
    glClearColor(0.2f, 0.3f, 0.4f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    QImage target(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state)
        glReadPixels(0, 0, 1920, 1080, GL_BGRA, GL_UNSIGNED_BYTE, target.bits());
}
BENCHMARK(BM_ReadBackFormat)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A clear up to glFinish: 0 GL_RGB8, 1 GL_RGBA8 with alpha masked (a way to keep destination
// alpha at 1 that the surface does not take), 2 GL_RGBA8 cleared to alpha 1 (the surface's).
void BM_ClearFormat(benchmark::State& state)
{
    FormatProbe probe(state.range(0) == 0 ? GL_RGB8 : GL_RGBA8);
    if (!probe.fbo)
        return;
    if (state.range(0) == 1)
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    for (auto _ : state) {
        glClearColor(0.2f, 0.3f, 0.4f, state.range(0) == 2 ? 1.0f : 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glFinish();
    }
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}
BENCHMARK(BM_ClearFormat)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The fixed cost of one frame, whole (the timed loop: a cleared scene repainted onto the
// screen) and stage by stage in counters, each the mean of its own runs in the same process:
// clear (glClear up to glFinish), read-back (glReadPixels into an image of the frame's
// size), conversion (the row flip of a driver without GL_MESA_pack_invert and any format
// change of the painted image), paint (drawImage of the frame into an image of the window's
// backing-store format; none when the frame is read straight into the backing store,
// read_straight 1) and screen update (the rest of a repaint up to the window system's copy of
// the backing store on the screen). floor_ms, frame_ms and vs_floor: FrameAgainstFloor.
void BM_FrameFixedCost(benchmark::State& state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    ClearWnd w;
    ShowAt(w, width, height);
    Redraw(w);
    TimedFrames(state, [&] { Redraw(w); });
    // The floor of the same window: its cleared scene rendered and read back, not shown.
    FrameAgainstFloor(state, [&] { RedrawOnScreen(w); },
                      [&] { benchmark::DoNotOptimize(w.RenderImage().constBits()); });
    constexpr int kRuns = 30;
    const double whole = MillisecondsPer(kRuns, [&] { RedrawOnScreen(w); });
    if (!w.MakeCurrent())
        return;
    const double clear = MillisecondsPer(kRuns, [] {
        COpenGLWnd::ClearFrame(MakeColour(0, 0, 0));
        glFinish();
    });
    QImage target(width, height, QImage::Format_RGB32);
    const double readBack = MillisecondsPer(kRuns, [&] {
        glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, target.bits());
    });
    const QImage frame = w.RenderImage();
    const bool packInvert =
        w.Context()->hasExtension(QByteArrayLiteral("GL_MESA_pack_invert"));
    QImage device(width, height, w.backingStore() && w.backingStore()->paintDevice()
                                     ? static_cast<QImage*>(w.backingStore()->paintDevice())
                                           ->format()
                                     : QImage::Format_RGB32);
    const double conversion = MillisecondsPer(kRuns, [&] {
        if (!packInvert)
            target.mirror(false, true);
        if (frame.format() != QImage::Format_RGB32)
            benchmark::DoNotOptimize(frame.convertToFormat(QImage::Format_RGB32).constBits());
    });
    // A frame read straight into the backing store is not painted from an image.
    Redraw(w);
    const bool straight = w.LastPaintReadStraight();
    const double paint = straight ? 0.0 : MillisecondsPer(kRuns, [&] {
        QPainter painter(&device);
        painter.drawImage(QPointF(0, 0), frame);
    });
    const double render = MillisecondsPer(kRuns, [&] {
        benchmark::DoNotOptimize(w.RenderImage().constBits());
    });
    state.counters["whole_ms"] = whole;
    state.counters["clear_ms"] = clear;
    state.counters["readback_ms"] = readBack;
    state.counters["conversion_ms"] = conversion;
    state.counters["paint_ms"] = paint;
    state.counters["read_straight"] = straight ? 1.0 : 0.0;
    state.counters["screen_update_ms"] = std::max(0.0, whole - render - paint);
}
BENCHMARK(BM_FrameFixedCost)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EmptySceneResizeAndPaint(benchmark::State& state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    EmptyWnd w;
    ShowAt(w, width, height);
    for (auto _ : state)
        Redraw(w);  // the whole frame read back straight into the backing store
    state.SetLabel(std::to_string(w.SurfaceSize().width()) + "x" +
                   std::to_string(w.SurfaceSize().height()));
}
BENCHMARK(BM_EmptySceneResizeAndPaint)->Args({1920, 1080})->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_EmptySceneReadBack(benchmark::State& state)
{
    EmptyWnd w;
    ShowAt(w, 1920, 1080);
    for (auto _ : state)
        benchmark::DoNotOptimize(w.RenderImage().constBits());
}
BENCHMARK(BM_EmptySceneReadBack)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SurfaceResize(benchmark::State& state)
{
    EmptyWnd w;
    ShowAt(w, 1920, 1080);
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

// The default sky repainted; with floor, also timed in alternation with that window's
// clear + read-back (FrameAgainstFloor).
void DefaultSky(benchmark::State& state, bool immediate, ClearWnd* floor = nullptr)
{
    OracleSkyView view(Sky().scene);
    view.SetImmediateMode(immediate);
    ShowAt(view, int(state.range(0)), int(state.range(1)));
    Redraw(view);
    TimedFrames(state, [&] { Redraw(view); });  // the whole sky drawn, read back and shown
    state.counters["stars"] = double(Sky().catalogs.stars.size());
    if (floor) {
        floor->RenderImage();
        FrameAgainstFloor(state, [&] { RedrawOnScreen(view); },
                          [&] { benchmark::DoNotOptimize(floor->RenderImage().constBits()); });
    }
    // The same frame without the screen update (the window system's copy of the backing
    // store, which the clear + read-back floor leaves out too): cleared, drawn, read back.
    constexpr int kRuns = 20;
    view.RenderImage();  // the first read fills the image's pages
    state.counters["render_ms"] =
        MillisecondsPer(kRuns, [&] { benchmark::DoNotOptimize(view.RenderImage().constBits()); });
}

void BM_DefaultSky(benchmark::State& state)
{
    DefaultSky(state, false);
}
BENCHMARK(BM_DefaultSky)->Args({1920, 1080})->Args({1280, 720})->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same sky in night vision: the frame mapped to reds by brightness before it is shown.
void BM_DefaultSkyNightVision(benchmark::State& state)
{
    NightVision::SetOn(true);
    DefaultSky(state, false);
    NightVision::SetOn(false);
}
BENCHMARK(BM_DefaultSkyNightVision)->Args({1920, 1080})->Args({1280, 720})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// A paint of a 200 x 200 part of the sky (another window moved off it): the last frame is
// shown again, nothing is drawn or read back.
void BM_SkyPartialRepaint(benchmark::State& state)
{
    CPlanetariumView view(Sky().scene);
    ShowAt(view, int(state.range(0)), int(state.range(1)));
    view.repaint();
    for (auto _ : state)
        view.repaint(QRect(100, 100, 200, 200));
}
BENCHMARK(BM_SkyPartialRepaint)->Args({1920, 1080})->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A whole repaint of the default sky with nothing changed (the window shown again): the last
// frame read back from the framebuffer and shown, nothing drawn.
void BM_SkyShownAgain(benchmark::State& state)
{
    CPlanetariumView view(Sky().scene);
    ShowAt(view, int(state.range(0)), int(state.range(1)));
    Redraw(view);
    TimedFrames(state, [&] { view.repaint(); });
}
BENCHMARK(BM_SkyShownAgain)->Args({1920, 1080})->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// The default sky at the sizes compared with the clear and read-back floor. The floor's
// window is shown first, so that the sky's, shown later, lies over it uncovered.
void BM_Sky(benchmark::State& state)
{
    ClearWnd floor;
    ShowAt(floor, int(state.range(0)), int(state.range(1)));
    DefaultSky(state, false, &floor);
}
BENCHMARK(BM_Sky)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The default sky turned south ("남"), the horizon across the middle: the ground hides the
// lower half, where the band, grids, stars and lines are clipped away before they are filled.
void BM_SkyTowardTheHorizon(benchmark::State& state)
{
    CPlanetariumView view(Sky().scene);
    ShowAt(view, int(state.range(0)), int(state.range(1)));
    view.OnViewSouth();
    Redraw(view);
    TimedFrames(state, [&] { Redraw(view); });
}
BENCHMARK(BM_SkyTowardTheHorizon)->Args({1920, 1080})->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// The tests' immediate-mode oracle (every primitive and label one by one), for comparison.
void BM_DefaultSkyImmediateMode(benchmark::State& state)
{
    DefaultSky(state, true);
}
BENCHMARK(BM_DefaultSkyImmediateMode)->Args({1920, 1080})->Args({1280, 720})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// The deep list on, at a local time of Seoul (Julian date).
struct DeepBenchSky : BenchSky {
    explicit DeepBenchSky(double localJulianDate)
    {
        sky = ComputeShownSky(SkyTime(localJulianDate), sky.site, Model::Classic);
        SilentMessageSink sink;
        std::vector<DeepStar> stars;
        LoadDeepStars(KOSMIRA_SOURCE_DIR, sink, stars);
        deep = DeepStarIndex(std::move(stars));
        scene.deepStars = &deep;
    }
    DeepStarIndex deep;
};

// A summer evening (2024-07-15 22:00 local time), when Sagittarius, the richest star field,
// stands in the south.
DeepBenchSky& DeepSky()
{
    static DeepBenchSky sky(2460507.4166666665);
    return sky;
}

// The default sky's instant (BM_DefaultSky) with the deep list.
DeepBenchSky& DeepDefaultSky()
{
    static DeepBenchSky sky(2460325.375);
    return sky;
}

// Horizontal direction (the view centre's frame) of a J2000 place in the deep bench sky.
SphericalCoord HorizontalOf(double raHours, double decDeg)
{
    const ShownSky& s = DeepSky().sky;
    const Matrix3 toHorizontal = s.EquatorialToHorizontal() * s.j2000ToDate;
    return SphericalCoord::FromVector(
        toHorizontal.Apply(SphericalCoord(raHours * kHoursToRad, decDeg * kDegToRad).ToVector()));
}

// Stars of the deep list a view submits: inside its circle, between 6.5 and its limit.
double SubmittedDeepStars(CPlanetariumView& view, const SphericalCoord& centre)
{
    const ShownSky& s = DeepSky().sky;
    const Matrix3 toJ2000 = (s.EquatorialToHorizontal() * s.j2000ToDate).Transposed();
    const double aspect = double(view.width()) / double(view.height());
    const double tanUp = std::tan(view.FieldOfView() / 2.0);
    const double radius = std::atan(tanUp * std::sqrt(1.0 + aspect * aspect));
    const double limit = SkyGeometry::LimitingMagnitude(view.FieldOfView());
    double n = 0;
    DeepSky().deep.ForEachInCircle(toJ2000.Apply(centre.ToVector()), radius, 6.5f, float(limit),
                                   [&](const DeepStar&) { ++n; });
    return n;
}

void DeepSkyView(benchmark::State& state, DeepBenchSky& sky, int width, int height,
                 const SphericalCoord* centre, int zoomSteps, bool faintStars = true)
{
    CPlanetariumView view(sky.scene);
    LayerFlags flags;
    flags.faintStars = faintStars ? 1 : 0;
    view.SetLayerFlags(&flags);
    ShowAt(view, width, height);
    if (centre)
        view.SetViewCentre(*centre);
    for (int i = 0; i < zoomSteps; ++i)
        view.OnZoomIn();
    Redraw(view);
    TimedFrames(state, [&] { Redraw(view); });
    state.counters["field_deg"] = view.FieldOfView() * kRadToDeg;
    state.counters["limit_mag"] = SkyGeometry::LimitingMagnitude(view.FieldOfView());
    if (&sky == &DeepSky() && faintStars)
        state.counters["deep_stars"] = SubmittedDeepStars(view, centre ? *centre : view.ViewCentre());
}

void BM_DeepSkyOpeningView(benchmark::State& state)
{
    DeepSkyView(state, DeepDefaultSky(), int(state.range(0)), int(state.range(1)), nullptr, 0);
}
BENCHMARK(BM_DeepSkyOpeningView)->Args({1920, 1080})->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The narrowest field at which the deep list is still drawn in quantity, on the Sagittarius
// star cloud: six steps in (3.95 degrees, limit 11.8), where some 140 of its stars are in
// view. Narrower fields hold fewer and fewer (34 at 1.8 degrees, none below 0.35 degree, as
// BM_DeepSkyZoomSteps counts): the list ends near magnitude 12, so zooming further shows
// the same stars larger apart and costs what the sky without them does. The 0.1-degree floor
// of the zoom stays for the planets' discs and close pairs.
constexpr int kDeepSkyZoomedSteps = 6;
void BM_DeepSkyZoomed(benchmark::State& state)
{
    const SphericalCoord sagittarius = HorizontalOf(18.05, -24.0);
    DeepSkyView(state, DeepSky(), int(state.range(0)), int(state.range(1)), &sagittarius,
                kDeepSkyZoomedSteps);
}
BENCHMARK(BM_DeepSkyZoomed)->Args({1920, 1080})->Unit(benchmark::kMillisecond)->UseRealTime();

// Every zoom level toward Sagittarius: steps in from the opening field (x 2/3 each).
void BM_DeepSkyZoomSteps(benchmark::State& state)
{
    const SphericalCoord sagittarius = HorizontalOf(18.05, -24.0);
    DeepSkyView(state, DeepSky(), 1920, 1080, &sagittarius, int(state.range(0)));
}
BENCHMARK(BM_DeepSkyZoomSteps)->DenseRange(0, 15, 1)->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same views with the deep list off ("어두운 별" unticked): what the rest of the sky costs
// at each step, against which BM_DeepSkyZoomSteps shows the deep list's own share.
void BM_ZoomStepsWithoutDeepList(benchmark::State& state)
{
    const SphericalCoord sagittarius = HorizontalOf(18.05, -24.0);
    DeepSkyView(state, DeepSky(), 1920, 1080, &sagittarius, int(state.range(0)), false);
}
BENCHMARK(BM_ZoomStepsWithoutDeepList)->DenseRange(0, 6, 1)->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
    benchmark::RegisterBenchmark("BM_ClearReadBack", ClearReadBackSized)
        ->Args({3840, 2160})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
