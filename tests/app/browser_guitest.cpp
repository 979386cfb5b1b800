#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "app/cbrowserframe.h"
#include "app/cbrowserview.h"

namespace {

constexpr int kLoadLimitMilliseconds = 60000;

QUrl BundledHome()
{
    return QUrl::fromLocalFile(QStringLiteral(KOSMIRA_SOURCE_DIR "/home/index.html"));
}

bool WaitUntilLoaded(CBrowserView* view)
{
    if (view->IsLoaded())
        return true;
    QSignalSpy loaded(view, &CBrowserView::pageLoaded);
    return loaded.wait(kLoadLimitMilliseconds) || view->IsLoaded();
}

}  // namespace

TEST(BrowserFrame, TwoWindowsEachLoadTheBundledPage)
{
    ASSERT_TRUE(QFile::exists(BundledHome().toLocalFile()));
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));

    auto* first = new CBrowserFrame(BundledHome());
    auto* second = new CBrowserFrame(BundledHome());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Kosmira - 브라우저"));
    EXPECT_EQ(first->Menus(), MenuSet::Main);
    for (CBrowserFrame* frame : {first, second}) {
        QMdiSubWindow* window = area.addSubWindow(frame);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(600, 400);
        window->show();
        EXPECT_EQ(frame->View(), frame->BrowserView());
        EXPECT_FALSE(frame->BrowserView()->IsLoaded());
        frame->OnInitialUpdate();
    }
    EXPECT_NE(first->BrowserView(), second->BrowserView());

    ASSERT_TRUE(WaitUntilLoaded(first->BrowserView()));
    ASSERT_TRUE(WaitUntilLoaded(second->BrowserView()));
    for (CBrowserFrame* frame : {first, second}) {
        EXPECT_TRUE(frame->BrowserView()->LoadSucceeded());
        EXPECT_EQ(frame->BrowserView()->CurrentUrl(), BundledHome());
        EXPECT_FALSE(frame->BrowserView()->PageTitle().isEmpty());
    }

    // A second initial update does not navigate again.
    first->OnInitialUpdate();
    EXPECT_TRUE(first->BrowserView()->IsLoaded());

    // Closing one window leaves the other as it was.
    QPointer<CBrowserFrame> firstAlive(first);
    first->SubWindow()->close();
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstAlive.isNull());
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_TRUE(second->BrowserView()->IsLoaded());
    EXPECT_EQ(second->BrowserView()->CurrentUrl(), BundledHome());
}

TEST(BrowserFrame, MissingPageIsReportedByTheView)
{
    QMdiArea area;
    area.show();
    auto* frame = new CBrowserFrame(QUrl::fromLocalFile(QStringLiteral("/nonexistent/kosmira/index.html")));
    QMdiSubWindow* window = area.addSubWindow(frame);
    window->show();
    frame->OnInitialUpdate();
    ASSERT_TRUE(WaitUntilLoaded(frame->BrowserView()));
    EXPECT_FALSE(frame->BrowserView()->LoadSucceeded());
}

namespace {

// Pixels with more green or blue than red.
int NotRed(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += qGreen(line[x]) > qRed(line[x]) || qBlue(line[x]) > qRed(line[x]);
    }
    return count;
}

}  // namespace

// Night vision filters the page: the bundled guide's coloured text and links turn red.
TEST(BrowserFrame, NightVisionFiltersThePage)
{
    CBrowserView view(BundledHome());
    view.resize(700, 500);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.OnInitialUpdate();
    ASSERT_TRUE(WaitUntilLoaded(&view));
    QTest::qWait(500);
    const int byDay = NotRed(view.grab().toImage());
    if (qEnvironmentVariableIsSet("KOSMIRA_NIGHT_SHOTS"))
        view.grab().save(qEnvironmentVariable("KOSMIRA_NIGHT_SHOTS") + QStringLiteral("/browser-day.png"));
    if (byDay == 0)
        GTEST_SKIP() << "the page's pixels cannot be read back here";
    view.SetNight(true);
    int atNight = byDay;
    for (int i = 0; i < 40 && atNight > 0; ++i) {
        QTest::qWait(100);
        atNight = NotRed(view.grab().toImage());
    }
    if (qEnvironmentVariableIsSet("KOSMIRA_NIGHT_SHOTS"))
        view.grab().save(qEnvironmentVariable("KOSMIRA_NIGHT_SHOTS") + QStringLiteral("/browser.png"));
    EXPECT_EQ(atNight, 0) << "by day " << byDay;
    view.SetNight(false);
}
