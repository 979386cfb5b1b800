// Night vision: every window kind, dialog, palette and menu in red on black.

#include "apptestsupport.h"

#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "app/commandids.h"
#include "image/nightvision.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QRegularExpression>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace CommandId;

// Brightness limits of night vision: red values up to kMaxRed, the mean of a window low.
constexpr int kBrightestRed = 230;
constexpr double kMaxMeanRed = 90.0;

struct PixelReport {
    int offending = 0;  // pixels with more green or blue than red
    int firstX = -1, firstY = -1;
    QRgb first = 0;
    int bright = 0;     // pixels redder than kBrightestRed (or white: the inverted text caret)
    double meanRed = 0.0;
};

PixelReport Inspect(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    PixelReport r;
    double sum = 0.0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if (qGreen(p) > qRed(p) || qBlue(p) > qRed(p)) {
                if (r.offending++ == 0) {
                    r.firstX = x;
                    r.firstY = y;
                    r.first = p;
                }
            }
            if (qRed(p) > kBrightestRed)
                ++r.bright;
            sum += qRed(p);
        }
    }
    r.meanRed = image.isNull() ? 0.0 : sum / (double(image.width()) * image.height());
    return r;
}

// With KOSMIRA_NIGHT_SHOTS set to a folder, every checked picture is also saved there.
void SaveShot(const QImage& image, const std::string& what)
{
    const QString dir = qEnvironmentVariable("KOSMIRA_NIGHT_SHOTS");
    if (dir.isEmpty())
        return;
    static int count = 0;
    QString name = QString::fromStdString(what);
    name.replace(QRegularExpression(QStringLiteral("[^\\w가-힣]+")), QStringLiteral("_"));
    image.save(QDir(dir).filePath(QStringLiteral("%1_%2.png").arg(++count, 2, 10, QLatin1Char('0')).arg(name)));
}

void ExpectNight(const QImage& image, const std::string& what)
{
    ASSERT_FALSE(image.isNull()) << what;
    SaveShot(image, what);
    const PixelReport r = Inspect(image);
    EXPECT_EQ(r.offending, 0) << what << ": first at (" << r.firstX << ", " << r.firstY << ") rgb "
                              << qRed(r.first) << " " << qGreen(r.first) << " " << qBlue(r.first);
    // A text caret (one pixel wide) may be bright; nothing else.
    EXPECT_LE(r.bright, image.width() * image.height() / 1000) << what;
    EXPECT_LE(r.meanRed, kMaxMeanRed) << what;
}

class NightVisionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = CKosmiraApp::Instance();
        ASSERT_NE(app, nullptr);
        ASSERT_TRUE(module.IsValid());
        app->SetMessageSink([](const QString&) {});
        app->SetSplashEnabled(false);
        app->SetModuleDirectory(module.Path());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        frame->resize(1100, 800);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    }

    void TearDown() override
    {
        app->SetNightVision(false);
        if (frame) {
            frame->MdiArea()->closeAllSubWindows();
            frame->hide();
        }
        QApplication::processEvents();
        app->SetMessageSink({});
        app->SetModuleDirectory(QFileInfo(app->ExecutablePath()).absolutePath());
    }

    // The main frame with each child in turn maximized in front.
    void CheckEveryChild(const std::string& when)
    {
        for (QMdiSubWindow* sub : frame->MdiArea()->subWindowList()) {
            frame->MdiArea()->setActiveSubWindow(sub);
            sub->showMaximized();
            QApplication::processEvents();
            ExpectNight(frame->grab().toImage(),
                        when + " " + sub->windowTitle().toStdString());
        }
    }

    // Runs a command that opens a modal dialog and checks the dialog's picture.
    void CheckDialog(int id, const std::string& what)
    {
        QImage picture;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            QApplication::processEvents();
            picture = dialog->grab().toImage();
            dialog->close();
        });
        ASSERT_TRUE(frame->RouteCommand(id) || app->Commands().Run(id)) << what;
        ExpectNight(picture, what);
    }

    CKosmiraApp* app = nullptr;
    CKosmiraFrame* frame = nullptr;
    ModuleCopy module;
};

TEST_F(NightVisionTest, CommandIsInBothViewMenusWithItsShortcut)
{
    QAction* night = frame->Action(NightMode);
    ASSERT_NE(night, nullptr);
    EXPECT_EQ(night->text(), QStringLiteral("야간 모드"));
    EXPECT_EQ(night->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    EXPECT_TRUE(night->isCheckable());
    EXPECT_TRUE(frame->MenuCommandIds().contains(NightMode));  // menu 128
    ASSERT_TRUE(app->Commands().Run(NewPlanetarium));
    QApplication::processEvents();
    EXPECT_EQ(frame->CurrentMenus(), MenuSet::Planetarium);
    EXPECT_TRUE(frame->MenuCommandIds().contains(NightMode));  // menu 129

    ASSERT_TRUE(frame->RouteCommand(NightMode));
    EXPECT_TRUE(app->IsNightVision());
    frame->UpdateCommandStates();
    EXPECT_TRUE(night->isChecked());
    frame->activateWindow();
    if (QTest::qWaitForWindowActive(frame)) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : frame, Qt::Key_N,
                        Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        night->trigger();  // no window manager to activate the frame
    }
    EXPECT_FALSE(app->IsNightVision());
}

TEST_F(NightVisionTest, EveryWindowKindIsRedOnBlack)
{
    // Opened by day, then switched: the switch reaches windows already open.
    ASSERT_TRUE(app->Commands().Run(NewPlanetarium));
    ASSERT_TRUE(app->Commands().Run(NewCalendar));
    QApplication::processEvents();
    app->SetNightVision(true);
    // Opened at night.
    for (int id : {NewPlanet3d, NewPlanetEcl, NewPhenomena, ToolPolarAxis})
        ASSERT_TRUE(app->Commands().Run(id)) << id;
    QApplication::processEvents();
    CheckEveryChild("at night:");
    // Cascaded: the title bars and the area behind the windows too.
    for (QMdiSubWindow* sub : frame->MdiArea()->subWindowList())
        sub->showNormal();
    frame->MdiArea()->cascadeSubWindows();
    QApplication::processEvents();
    ExpectNight(frame->grab().toImage(), "at night: windows cascaded");

    // The menus of both sets, shown as pop-ups.
    for (QAction* top : frame->menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu)
            continue;
        menu->popup(frame->mapToGlobal(QPoint(20, 40)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        ExpectNight(menu->grab().toImage(), "menu " + top->text().toStdString());
        menu->hide();
    }
}

TEST_F(NightVisionTest, EveryDialogIsRedOnBlack)
{
    app->SetNightVision(true);
    ASSERT_TRUE(app->Commands().Run(NewPlanetarium));
    QApplication::processEvents();
    const struct {
        int id;
        const char* what;
    } dialogs[] = {
        {SetTime, "시간 설정"},       {SetLocation, "위치 설정"},  {AppAbout, "정보"},
        {InfoSun, "태양 정보"},       {InfoMoon, "달 정보"},       {InfoMars, "화성 정보"},
        {InfoConstellation, "별자리 정보"}, {FindConstellation, "별자리 찾기"},
    };
    for (const auto& d : dialogs)
        CheckDialog(d.id, d.what);
}

TEST_F(NightVisionTest, SwitchingBackRestoresTheDayColours)
{
    ASSERT_TRUE(app->Commands().Run(NewPlanetEcl));
    QApplication::processEvents();
    app->SetNightVision(true);
    app->SetNightVision(false);
    QApplication::processEvents();
    // By day the ecliptic chart and the toolbar show colours other than red.
    const PixelReport day = Inspect(frame->grab().toImage());
    EXPECT_GT(day.offending, 0);
}

// The brightest red among the pixels an icon shows (alpha over a half).
int BrightestShownRed(const QImage& image)
{
    const QImage icon = image.convertToFormat(QImage::Format_ARGB32);
    int brightest = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (qAlpha(icon.pixel(x, y)) > 128)
                brightest = std::max(brightest, qRed(icon.pixel(x, y)));
    return brightest;
}

// Black letters drawn for the light day toolbar (동 서 남 북 천, ?) must not vanish into the dark
// night toolbar: every icon keeps a glyph of at least kReadableRed.
TEST_F(NightVisionTest, ToolbarIconsStayReadableAtNight)
{
    constexpr int kReadableRed = 120;
    app->SetNightVision(true);
    QApplication::processEvents();
    const QToolBar* bar = frame->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    int icons = 0;
    for (QAction* action : bar->actions()) {
        if (action->icon().isNull())
            continue;
        ++icons;
        const QImage icon = action->icon().pixmap(bar->iconSize()).toImage();
        EXPECT_GE(BrightestShownRed(icon), kReadableRed) << action->text().toStdString();
        EXPECT_EQ(Inspect(icon).offending, 0) << action->text().toStdString();
    }
    EXPECT_GE(icons, 10);
}

TEST(NightColours, IconGlyphsDarkOnLightTurnBrightAndBrightOnesStay)
{
    const struct {
        QRgb glyph, background;  // a 4x4 glyph in the middle of a 16x16 icon
        int glyphRed;            // its red at night
    } cases[] = {
        {qRgba(0, 0, 0, 255), qRgba(0, 0, 0, 0), NightVision::kMaxRed},        // black letter
        {qRgba(0, 0, 128, 255), qRgba(0, 0, 0, 0), 188},                        // dark blue "?"
        {qRgba(255, 255, 255, 255), qRgba(0, 0, 0, 0), NightVision::kMaxRed},  // white glyph
        {qRgba(0, 0, 0, 255), qRgba(255, 255, 255, 255), 0},  // dark on its own white: kept
    };
    for (const auto& c : cases) {
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(c.background);
        for (int y = 6; y < 10; ++y)
            for (int x = 6; x < 10; ++x)
                icon.setPixel(x, y, c.glyph);
        const QImage night = NightVision::MappedIcon(icon);
        EXPECT_NEAR(qRed(night.pixel(8, 8)), c.glyphRed, 3) << std::hex << c.glyph;
        EXPECT_EQ(qAlpha(night.pixel(0, 0)), qAlpha(c.background));
    }
}

TEST(NightColours, MappingKeepsBrightnessOrderAndHasNoGreenOrBlue)
{
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 0),
                            qRgb(128, 128, 128), qRgb(255, 255, 255), qRgb(0, 227, 0)};
    int previousWhite = -1;
    for (QRgb c : colours) {
        const QRgb m = NightVision::Map(c);
        EXPECT_EQ(qGreen(m), 0);
        EXPECT_EQ(qBlue(m), 0);
        EXPECT_LE(qRed(m), NightVision::kMaxRed);
    }
    // Grey levels map in order; white is the brightest red, black stays black.
    for (int g = 0; g <= 255; g += 5) {
        const int red = qRed(NightVision::Map(qRgb(g, g, g)));
        EXPECT_GE(red, previousWhite);
        previousWhite = red;
    }
    EXPECT_EQ(qRed(NightVision::Map(qRgb(0, 0, 0))), 0);
    EXPECT_EQ(qRed(NightVision::Map(qRgb(255, 255, 255))), NightVision::kMaxRed);
    // Green looks brighter than blue of the same value, and stays so.
    EXPECT_GT(qRed(NightVision::Map(qRgb(0, 200, 0))), qRed(NightVision::Map(qRgb(0, 0, 200))));
}

}  // namespace
