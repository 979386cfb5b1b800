// The object search (찾기 → 천체 검색…, Ctrl+F) and the click lookup in a real planetarium
// window of the running application, over the shipped catalogs.

#include "apptestsupport.h"

#include "app/cfindobjectdlg.h"
#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "app/cobjectinfopanel.h"
#include "app/commandids.h"
#include "app/cplanetariumframe.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "planetarium/cplanetariumview.h"
#include "search/skyindex.h"
#include "search/skypick.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// GL keeps its matrices in single precision.
constexpr double kCentreToleranceRad = 1e-9;
constexpr double kCentrePixelTolerancePx = 1.0;

class FindObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = CKosmiraApp::Instance();
        ASSERT_NE(app, nullptr);
        ASSERT_TRUE(module.IsValid());
        app->SetMessageSink([this](const QString& text) { messages.append(text); });
        app->SetModuleDirectory(module.Path());
        ASSERT_TRUE(app->InitInstance());
        ASSERT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
        // Seoul, 15 January 2026, 22:00: Orion stands high in the south.
        app->SetShownTime(SkyTime(JulianDateFromCalendar(2026, 1, 15).jd + 22.0 / 24.0));
        frame = app->MainFrame();
        frame->Action(CommandId::NewPlanetarium)->trigger();
        QCoreApplication::processEvents();
        sky = dynamic_cast<CPlanetariumFrame*>(frame->ActiveChild());
        ASSERT_NE(sky, nullptr);
        view = sky->PlanetariumView();
        // Another test program on the same display may hold the focus for a moment; the
        // click tests do not need it and the key tests fail on their own without it.
        frame->raise();
        frame->activateWindow();
        (void)QTest::qWaitForWindowActive(frame);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
        view->RenderImage();
    }

    void TearDown() override
    {
        app->SetMessageSink({});
        app->SetModuleDirectory(QFileInfo(app->ExecutablePath()).absolutePath());
        if (frame) {
            for (CChildFrame* child : frame->Children())
                child->SubWindow()->close();
            QCoreApplication::processEvents();
            frame->hide();
        }
    }

    // Runs `step` on the modal dialog once it is up (the command runs it with exec).
    void WhenDialogOpens(std::function<void(CFindObjectDlg*)> step)
    {
        QTimer::singleShot(0, [step] {
            for (int i = 0; i < 200; ++i) {
                if (auto* d = qobject_cast<CFindObjectDlg*>(QApplication::activeModalWidget())) {
                    step(d);
                    return;
                }
                QTest::qWait(10);
            }
        });
    }

    ModuleCopy module;
    QStringList messages;
    CKosmiraApp* app = nullptr;
    CKosmiraFrame* frame = nullptr;
    CPlanetariumFrame* sky = nullptr;
    CPlanetariumView* view = nullptr;
};

TEST_F(FindObjectTest, MenuItemAndKey)
{
    QAction* find = frame->Action(CommandId::FindObject);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->text(), QStringLiteral("천체 검색…"));
    EXPECT_EQ(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    frame->UpdateCommandStates();
    EXPECT_TRUE(find->isEnabled());
}

// The reticle is painted over the finished frame, so night vision must map it too: around the
// marked object the night picture has no green or blue at all (by day the orange ring shows).
TEST_F(FindObjectTest, TheReticleIsRedAtNight)
{
    const int m42 = app->Index().MessierObject(42);
    ASSERT_TRUE(view->FindObject(m42));
    const auto colouredAroundCentre = [&] {
        const QImage shot = view->grab().toImage();
        const QPoint c(shot.width() / 2, shot.height() / 2);
        constexpr int kBoxPx = 24;  // the ring (12 px) and its ticks (6 px)
        int coloured = 0;
        for (int y = c.y() - kBoxPx; y <= c.y() + kBoxPx; ++y)
            for (int x = c.x() - kBoxPx; x <= c.x() + kBoxPx; ++x)
                coloured += qGreen(shot.pixel(x, y)) > 40 || qBlue(shot.pixel(x, y)) > 40;
        return coloured;
    };
    EXPECT_GT(colouredAroundCentre(), 20);
    app->SetNightVision(true);
    QApplication::processEvents();
    EXPECT_EQ(colouredAroundCentre(), 0);
    app->SetNightVision(false);
}

TEST_F(FindObjectTest, CtrlFTypingM42AndEnterCentresAndMarksM42)
{
    const SkyIndex& index = app->Index();
    const int m42 = index.MessierObject(42);
    ASSERT_GE(m42, 0);
    QStringList listed;
    WhenDialogOpens([&](CFindObjectDlg* d) {
        QTest::keyClicks(d->Field(), QStringLiteral("M42"));
        for (int i = 0; i < d->Results()->count(); ++i)
            listed.append(d->Results()->item(i)->text());
        QTest::keyClick(d->Field(), Qt::Key_Return);
    });
    view->setFocus();
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.first(), QStringLiteral("M42 — 오리온 대성운"));

    // The centre is M42's place in the shown sky, and the paint puts it in the middle.
    const SphericalCoord place = HorizontalPlace(index, std::size_t(m42), app->GetShownSky());
    EXPECT_NEAR(view->ViewCentre().lon, place.lon, kCentreToleranceRad);
    EXPECT_NEAR(view->ViewCentre().lat, place.lat, kCentreToleranceRad);
    EXPECT_EQ(view->MarkedObject(), m42);
    view->RenderImage();
    double px = 0, py = 0;
    ASSERT_TRUE(view->MarkedPixel(px, py));
    const QSize size = view->SurfaceSize();
    EXPECT_NEAR(px, (size.width() - 1) / 2.0, kCentrePixelTolerancePx);
    EXPECT_NEAR(py, (size.height() - 1) / 2.0, kCentrePixelTolerancePx);
    EXPECT_TRUE(sky->InfoDock()->isVisible());
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("종류")), QStringLiteral("메시에 천체 (성운)"));

    // Esc clears the mark and closes the panel.
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->MarkedObject(), -1);
    EXPECT_FALSE(sky->InfoDock()->isVisible());
}

TEST_F(FindObjectTest, BelowTheHorizonIsRefusedAndTheDialogStays)
{
    MessageBoxLog boxes;
    bool stillOpen = false;
    WhenDialogOpens([&](CFindObjectDlg* d) {
        QTest::keyClicks(d->Field(), QStringLiteral("Sun"));  // the Sun at 22:00
        QTest::keyClick(d->Field(), Qt::Key_Return);
        QTest::qWait(50);
        stillOpen = d->isVisible();
        d->reject();
    });
    const SphericalCoord before = view->ViewCentre();
    // The menu command itself: no shortcut, so no dependence on which window is active.
    frame->Action(CommandId::FindObject)->trigger();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("지평선 아래에 있습니다.")});
    EXPECT_EQ(view->ViewCentre().lon, before.lon);
    EXPECT_EQ(view->MarkedObject(), -1);
}

// A click on the pixel where Betelgeuse is drawn (bright in the rendered picture) names it
// in the panel; a drag turns the sky and picks nothing.
TEST_F(FindObjectTest, ClickOnABrightStarNamesIt)
{
    const SkyIndex& index = app->Index();
    const auto hits = index.Find("Betelgeuse", 1);
    ASSERT_EQ(hits.size(), 1u);
    const SkyObject& star = index.Object(hits[0].object);
    // Look a little beside the star, so that the click is not at the centre.
    SphericalCoord centre = HorizontalPlace(index, hits[0].object, app->GetShownSky());
    centre.lon += 0.05;
    view->SetViewCentre(centre);
    const QImage image = view->RenderImage();
    double px = 0, py = 0;
    // The star's pixel through the renderer's own matrices of this paint.
    view->MarkObject(int(hits[0].object));
    ASSERT_TRUE(view->MarkedPixel(px, py));
    view->MarkObject(-1);
    const QColor drawn = image.pixelColor(int(std::lround(px)), int(std::lround(py)));
    EXPECT_GT(drawn.value(), 150) << px << " " << py;  // the star is really there
    EXPECT_FALSE(star.names.empty());

    const double ratio = view->devicePixelRatioF();
    const QPoint at(int(std::lround(px / ratio)), int(std::lround(py / ratio)));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(view->MarkedObject(), int(hits[0].object));
    ASSERT_TRUE(sky->InfoDock()->isVisible());
    EXPECT_TRUE(sky->InfoPanel()->Value(QStringLiteral("이름")).startsWith(QStringLiteral("베텔게우스")));
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("별자리")), QStringLiteral("오리온자리"));
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("종류")), QStringLiteral("별"));

    // A drag from the star: the sky turns, the mark stays where it was.
    const SphericalCoord before = view->ViewCentre();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(view, at + QPoint(40, 0));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at + QPoint(40, 0));
    EXPECT_NE(view->ViewCentre().lon, before.lon);
    EXPECT_EQ(view->MarkedObject(), int(hits[0].object));

    // A click on empty sky near the zenith clears it.
    view->OnViewZenith();
    view->RenderImage();
    const int under = view->ObjectAt(5, 5);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(int(5 / ratio), int(5 / ratio)));
    EXPECT_EQ(view->MarkedObject(), under);
}

// Once the deep list has loaded, the search knows every Hipparcos star by its number: a
// named star stays one entry, a faint one is centred and marked, and where the zoomed-in
// view draws it a click names it in the panel (at the opening field it is not drawn and a
// click there does not pick it).
TEST_F(FindObjectTest, DeepStarsByHipNumberAndByClick)
{
    app->WaitForDeepStars();
    const SkyIndex& index = app->Index();
    const auto betelgeuse = index.Find("Betelgeuse", 1);
    ASSERT_EQ(betelgeuse.size(), 1u);
    auto findByKeys = [&](const QString& text) {
        QStringList listed;
        WhenDialogOpens([&](CFindObjectDlg* d) {
            QTest::keyClicks(d->Field(), text);
            for (int i = 0; i < d->Results()->count(); ++i)
                listed.append(d->Results()->item(i)->text());
            QTest::keyClick(d->Field(), Qt::Key_Return);
        });
        frame->Action(CommandId::FindObject)->trigger();
        return listed;
    };
    EXPECT_EQ(findByKeys(QStringLiteral("HIP 27989")),
              QStringList{QStringLiteral("HIP 27989 — 베텔게우스")});
    EXPECT_EQ(view->MarkedObject(), int(betelgeuse[0].object));

    // Lalande 21185 (HIP 54035, V 7.5), some 20 degrees up in the north-east.
    const QStringList listed = findByKeys(QStringLiteral("HIP 54035"));
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.first(), QStringLiteral("HIP 54035"));
    const int lalande = view->MarkedObject();
    ASSERT_GE(lalande, 0);
    EXPECT_TRUE(index.IsDeepStar(std::size_t(lalande)));
    ASSERT_TRUE(sky->InfoDock()->isVisible());
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("이름")), QStringLiteral("HIP 54035"));
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("등급")), QStringLiteral("7.49"));
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("별자리")), QStringLiteral("큰곰자리"));
    QTest::keyClick(view, Qt::Key_Escape);

    const double ratio = view->devicePixelRatioF();
    auto pixelOf = [&](double& px, double& py) {
        view->MarkObject(lalande);
        const bool shown = view->MarkedPixel(px, py);
        view->MarkObject(-1);
        return shown;
    };
    double px = 0, py = 0;
    view->RenderImage();
    ASSERT_TRUE(pixelOf(px, py));
    EXPECT_NE(view->ObjectAt(px, py), lalande);  // the opening field does not draw it

    for (int i = 0; i < 7; ++i)  // 45 degrees x (2/3)^7: about 2.6 degrees
        view->OnZoomIn();
    const QImage image = view->RenderImage();
    ASSERT_TRUE(pixelOf(px, py));
    const QColor drawn = image.pixelColor(int(std::lround(px)), int(std::lround(py)));
    EXPECT_GT(drawn.value(), 60) << px << " " << py;  // the star is really there
    const QPoint at(int(std::lround(px / ratio)), int(std::lround(py / ratio)));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(view->MarkedObject(), lalande);
    ASSERT_TRUE(sky->InfoDock()->isVisible());
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("이름")), QStringLiteral("HIP 54035"));
    EXPECT_EQ(sky->InfoPanel()->Value(QStringLiteral("종류")), QStringLiteral("별"));
}

// Without data/designation.dat the loader says so once and the search still knows every
// name of the other files; after a stopped load it knows the bodies only.
TEST(FindObjectStartup, MissingDesignationsAreReportedAndTheOtherNamesStay)
{
    CKosmiraApp* app = CKosmiraApp::Instance();
    QStringList messages;
    app->SetMessageSink([&](const QString& text) { messages.append(text); });
    ModuleCopy module({QStringLiteral("designation.dat"), QStringLiteral("designation.dat.gz")});
    ASSERT_TRUE(module.IsValid());
    app->SetModuleDirectory(module.Path());
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(messages, QStringList{QStringLiteral("천체 이름 데이터를 읽을 수 없습니다.")});
    const auto hits = app->Index().Find("베텔게우스", 1);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(app->Index().Object(hits[0].object).names.size(), 1u);
    EXPECT_TRUE(app->Index().Find("Betelgeuse").empty());
    EXPECT_FALSE(app->Index().Find("M42").empty());

    messages.clear();
    ModuleCopy empty;
    ASSERT_TRUE(QDir(empty.File(QStringLiteral("data"))).removeRecursively());
    app->SetModuleDirectory(empty.Path());
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(messages, QStringList{QStringLiteral("도시 데이터를 읽을 수 없습니다.")});
    EXPECT_EQ(app->Index().Objects().size(), std::size_t(kBodyCount));
    EXPECT_EQ(app->Index().Find("Jupiter").size(), 1u);

    // Leave the application started on the whole data, as the other tests expect it.
    ModuleCopy whole;
    app->SetModuleDirectory(whole.Path());
    ASSERT_TRUE(app->InitInstance());
    app->SetMessageSink({});
    app->SetModuleDirectory(QFileInfo(app->ExecutablePath()).absolutePath());
    app->MainFrame()->hide();
}

}  // namespace
