#include <gtest/gtest.h>
#include "astro/math/angles.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QScrollArea>

#include "astro/time/juliandate.h"
#include "views/calendarpainter.h"
#include "views/ccalendarview.h"

namespace {

constexpr int kL = 15;   // table left
constexpr int kT = 15;   // table top
constexpr int kR = 715;  // table right (exclusive)
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kAstronomical = qRgb(100, 100, 100);
const QRgb kNautical = qRgb(150, 150, 150);
const QRgb kCivil = qRgb(200, 200, 200);
const QRgb kMoon = qRgb(255, 255, 0);

Observer Site(double longitudeDeg, double latitudeDeg, double zoneHours)
{
    return Observer("test", "site", static_cast<float>(longitudeDeg * kDegToRad),
                    static_cast<float>(latitudeDeg * kDegToRad), static_cast<float>(zoneHours));
}

SkyTime Shown(int year, int month, int day)
{
    return SkyTime(JulianDateFromCalendar(year, month, day), 21.5);
}

int DayTop(int day)
{
    return kT + 17 * (4 * (day - 1) + 1);
}

// x of a local time on the time line: 500 pixels for 24 hours from L + 200.
int TimeX(double hours)
{
    return kL + 200 + static_cast<int>(hours * 500.0 / 24.0);
}

QImage RenderPage(const CCalendarView& view)
{
    QImage image(view.PageSize(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    view.PaintPage(painter);
    return image;
}

QImage RenderModel(const CalendarMonth& month, const Observer& site, const QColor& page)
{
    QImage image(month.PageWidth(), month.PageHeight(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    CalendarPainter::Paint(painter, month, month.Compute(site), page);
    return image;
}

int Darkest(const QImage& image, const QRect& cell)
{
    int darkest = 255;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

bool RowHolds(const QImage& image, int y, QRgb colour)
{
    for (int x = kL + 200; x < kR; ++x)
        if (image.pixel(x, y) == colour)
            return true;
    return false;
}

const CalendarBar* FindBar(const CalendarDay& day, CalendarBrush brush)
{
    for (const CalendarBar& bar : day.bars)
        if (bar.brush == brush)
            return &bar;
    return nullptr;
}

}  // namespace

TEST(CalendarView, PageSizeFollowsTheMonth)
{
    const Observer site = Site(126.98, 37.57, 9);
    CCalendarView leap(Shown(2024, 2, 10), site);
    EXPECT_EQ(leap.PageSize(), QSize(730, 30 + 117 * 17));
    EXPECT_EQ(leap.size(), leap.PageSize());
    CCalendarView common(Shown(2100, 2, 10), site);
    EXPECT_EQ(common.PageSize(), QSize(730, 30 + 113 * 17));
    CCalendarView july(Shown(2024, 7, 31), site);
    EXPECT_EQ(july.PageSize(), QSize(730, 30 + 125 * 17));
}

TEST(CalendarView, GridLinesAndOutline)
{
    const Observer site = Site(126.98, 37.57, 9);
    CCalendarView view(Shown(2024, 6, 1), site);
    const QImage image = RenderPage(view);
    const int bottom = kT + 121 * 17;
    // Margin in the window colour, table outline black.
    EXPECT_EQ(image.pixel(5, 5), view.palette().color(QPalette::Base).rgb());
    EXPECT_EQ(image.pixel(kL, kT + 8), kBlack);
    EXPECT_EQ(image.pixel(kL + 50, kT), kBlack);
    EXPECT_EQ(image.pixel(kR - 1, kT + 8), kBlack);
    EXPECT_EQ(image.pixel(kL + 50, bottom - 1), kBlack);
    EXPECT_NE(image.pixel(kR, kT + 8), kBlack);
    EXPECT_NE(image.pixel(kL + 50, bottom), kBlack);
    // Header separators at every column but after the last.
    for (int k = 1; k < 7; ++k)
        EXPECT_EQ(image.pixel(kL + 100 * k, kT + 8), kBlack) << k;
    EXPECT_EQ(image.pixel(kL + 100, kT + 16), kBlack);
    for (int d : {1, 15, 30}) {
        const int jd = DayTop(d);
        EXPECT_EQ(image.pixel(kL + 50, jd), kBlack) << d;
        EXPECT_EQ(image.pixel(kL + 650, jd), kBlack);
        // Columns 0 and 1 run through all four rows; 3 to 6 only through the text rows.
        EXPECT_EQ(image.pixel(kL + 100, jd + 60), kBlack);
        EXPECT_EQ(image.pixel(kL + 100, jd + 40), kBlack);
        EXPECT_EQ(image.pixel(kL + 200, jd + 10), kBlack);
        EXPECT_EQ(image.pixel(kL + 200, jd + 25), kBlack);
        for (int k = 3; k <= 6; ++k) {
            EXPECT_EQ(image.pixel(kL + 100 * k, jd + 10), kBlack) << k;
            EXPECT_EQ(image.pixel(kL + 100 * k, jd + 25), kBlack) << k;
        }
        // Row 3 and 4 of columns 0 and 1 are empty white cells, with no line between.
        EXPECT_EQ(image.pixel(kL + 50, jd + 51), kWhite);
        EXPECT_EQ(image.pixel(kL + 50, jd + 34), kWhite);
        // The line closing the text rows over the time lines.
        EXPECT_EQ(image.pixel(kL + 250, jd + 33), kWhite);
    }
}

TEST(CalendarView, SunBandsAtSeoulInJune)
{
    const Observer site = Site(126.98, 37.57, 9);
    CCalendarView view(Shown(2024, 6, 1), site);
    const QImage image = RenderPage(view);
    const CalendarDay day = view.Month().ComputeDay(21, site);
    const int y = DayTop(21) + 40;
    const CalendarBar* astro = FindBar(day, CalendarBrush::Astronomical);
    const CalendarBar* nautical = FindBar(day, CalendarBrush::Nautical);
    const CalendarBar* civil = FindBar(day, CalendarBrush::Civil);
    const CalendarBar* sunUp = FindBar(day, CalendarBrush::Day);
    ASSERT_TRUE(astro && nautical && civil && sunUp);
    EXPECT_EQ(image.pixel(TimeX(1.0), y), kBlack);  // 01:00, deep night
    EXPECT_EQ(image.pixel(TimeX(12.0), y), kWhite);
    EXPECT_EQ(image.pixel(astro->left, y), kAstronomical);
    EXPECT_EQ(image.pixel(astro->left - 1, y), kBlack);
    EXPECT_EQ(image.pixel(astro->right - 1, y), kAstronomical);
    EXPECT_EQ(image.pixel(astro->right, y), kBlack);
    EXPECT_EQ(image.pixel(nautical->left, y), kNautical);
    EXPECT_EQ(image.pixel(civil->left, y), kCivil);
    EXPECT_EQ(image.pixel(sunUp->left, y), kWhite);
    EXPECT_EQ(image.pixel(sunUp->left - 1, y), kCivil);
    // The Sun's line covers rows Jd + 34 to Jd + 50, the Moon's Jd + 51 to Jd + 67.
    EXPECT_EQ(image.pixel(TimeX(12.0), DayTop(21) + 34), kWhite);
    EXPECT_EQ(image.pixel(TimeX(12.0), DayTop(21) + 50), kWhite);
    EXPECT_NE(image.pixel(TimeX(12.0), DayTop(21) + 51), kWhite);
}

TEST(CalendarView, NoAstronomicalBandAtSixtyNorthInJune)
{
    const Observer site = Site(25.0, 60.0, 2);
    CCalendarView view(Shown(2024, 6, 1), site);
    const QImage image = RenderPage(view);
    for (int d = 1; d <= 30; ++d) {
        const int y = DayTop(d) + 40;
        EXPECT_FALSE(RowHolds(image, y, kAstronomical)) << d;
        EXPECT_TRUE(RowHolds(image, y, kCivil)) << d;
        EXPECT_TRUE(RowHolds(image, y, kWhite)) << d;
    }
    // "없음" in the astronomical columns is drawn, dimmer than the times beside it.
    const int jd = DayTop(21);
    const int dim = Darkest(image, QRect(kL + 502, jd + 1, 96, 16));
    const int time = Darkest(image, QRect(kL + 302, jd + 1, 96, 16));
    EXPECT_LT(dim, 200);
    EXPECT_GE(dim, 100);
    EXPECT_LT(time, 60);
}

TEST(CalendarView, MidnightSunAndPolarNightAtSeventyNorth)
{
    const Observer site = Site(20.0, 70.0, 1);
    CCalendarView june(Shown(2024, 6, 1), site);
    const QImage summer = RenderPage(june);
    const int ys = DayTop(21) + 40;
    for (int x = kL + 200; x < kR; x += 25)
        EXPECT_EQ(summer.pixel(x, ys), kWhite) << x;
    EXPECT_GE(Darkest(summer, QRect(kL + 202, DayTop(21) + 1, 96, 16)), 100);

    CCalendarView december(Shown(2024, 12, 1), site);
    const QImage winter = RenderPage(december);
    const int yw = DayTop(21) + 40;
    EXPECT_FALSE(RowHolds(winter, yw, kWhite));
    EXPECT_TRUE(RowHolds(winter, yw, kCivil));
    EXPECT_EQ(winter.pixel(TimeX(0.5), yw), kBlack);
}

TEST(CalendarView, MoonSettingBeforeRisingDrawsTwoBars)
{
    const Observer site = Site(126.98, 37.57, 9);
    CCalendarView view(Shown(2024, 3, 1), site);
    const QImage image = RenderPage(view);
    const auto days = view.Month().Compute(site);
    int checked = 0;
    for (const CalendarDay& day : days) {
        std::vector<CalendarBar> moon;
        for (const CalendarBar& bar : day.bars)
            if (bar.brush == CalendarBrush::Moon)
                moon.push_back(bar);
        if (moon.size() != 2)
            continue;
        const int y = DayTop(day.day) + 60;
        EXPECT_EQ(moon[0].left, kL + 200);
        EXPECT_EQ(moon[1].right, kR);
        EXPECT_EQ(image.pixel(kL + 200, y), kMoon);
        EXPECT_EQ(image.pixel(moon[0].right - 1, y), kMoon);
        EXPECT_EQ(image.pixel(moon[0].right, y), kBlack);
        EXPECT_EQ(image.pixel(moon[1].left - 1, y), kBlack);
        EXPECT_EQ(image.pixel(moon[1].left, y), kMoon);
        EXPECT_EQ(image.pixel(kR - 1, y), kMoon);
        EXPECT_EQ(image.pixel(kR - 1, DayTop(day.day) + 51), kMoon);
        EXPECT_EQ(image.pixel(kR - 1, DayTop(day.day) + 67), kMoon);
        ++checked;
    }
    EXPECT_GE(checked, 8);
}

TEST(CalendarView, SunsetAfterMidnightRunsPastTheTimeLine)
{
    const Observer site = Site(-45.0, 60.0, 0);
    const CalendarMonth june(2024, 6);
    const QImage image = RenderModel(june, site, QColor(0, 0, 255));
    const CalendarDay day = june.ComputeDay(10, site);
    const CalendarBar* sunUp = FindBar(day, CalendarBrush::Day);
    ASSERT_NE(sunUp, nullptr);
    ASSERT_GT(sunUp->right, kR);
    const int y = DayTop(10) + 40;
    EXPECT_EQ(image.pixel(kR, y), kWhite);
    EXPECT_EQ(image.pixel(sunUp->right - 1, y), kWhite);
    // Civil twilight ends later still; past it the page colour.
    const CalendarBar* civil = FindBar(day, CalendarBrush::Civil);
    ASSERT_NE(civil, nullptr);
    EXPECT_EQ(image.pixel(sunUp->right, y), kCivil);
    EXPECT_EQ(image.pixel(june.PageWidth() - 1, y), kCivil);
}

TEST(CalendarView, TextsAreDrawnInTheirCells)
{
    const Observer site = Site(126.98, 37.57, 9);
    CCalendarView view(Shown(2024, 6, 1), site);
    const QImage image = RenderPage(view);
    for (int k = 0; k < 7; ++k)
        EXPECT_LT(Darkest(image, QRect(kL + 100 * k + 2, kT + 1, 96, 16)), 80) << k;
    const int jd = DayTop(3);
    for (int k = 0; k < 7; ++k)
        EXPECT_LT(Darkest(image, QRect(kL + 100 * k + 2, jd + 1, 96, 16)), 80) << k;
    // Every second row is written, the Moon's age below its fraction included.
    for (int k : {0, 1, 2, 3, 4, 5, 6})
        EXPECT_LT(Darkest(image, QRect(kL + 100 * k + 2, jd + 18, 96, 16)), 80) << k;
}

TEST(CalendarView, WidgetPaintMatchesThePage)
{
    const Observer site = Site(126.98, 37.57, 9);
    CCalendarView view(Shown(2024, 6, 1), site);
    const QImage painted = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage page = RenderPage(view);
    ASSERT_EQ(painted.size(), page.size());
    EXPECT_EQ(painted, page);
}

TEST(CalendarView, RepaintAfterTheSiteChangedShowsTheNewSite)
{
    Observer site = Site(126.98, 37.57, 9);
    CCalendarView view(Shown(2024, 6, 1), site);
    const QImage seoul = RenderPage(view);
    site = Site(-0.13, 51.5, 1);
    const QImage london = RenderPage(view);
    const QRect sunrise(kL + 200, DayTop(21) + 1, 100, 16);
    EXPECT_NE(seoul.copy(sunrise), london.copy(sunrise));
    const CalendarDay fresh = view.Month().ComputeDay(21, site);
    EXPECT_EQ(fresh.cells[2][0].text, CalendarMonth(2024, 6).ComputeDay(21, site).cells[2][0].text);
    // Same month, same page.
    EXPECT_EQ(view.Month().Month(), 6);
}

TEST(CalendarView, MonthIsFixedWhenTheViewIsMade)
{
    const Observer site = Site(126.98, 37.57, 9);
    SkyTime shown = Shown(2024, 2, 10);
    CCalendarView first(shown, site);
    shown = Shown(2024, 3, 5);
    CCalendarView second(shown, site);
    EXPECT_EQ(first.Month().Month(), 2);
    EXPECT_EQ(first.Month().DayCount(), 29);
    EXPECT_EQ(second.Month().Month(), 3);
    EXPECT_EQ(second.Month().DayCount(), 31);
    EXPECT_EQ(first.PageSize().height(), 30 + 117 * 17);
}

TEST(CalendarView, BackgroundOutsideThePageIsButtonShadow)
{
    const Observer site = Site(126.98, 37.57, 9);
    QScrollArea* area = CCalendarView::CreateScrolling(Shown(2024, 6, 1), site);
    area->resize(1000, 500);
    area->show();
    QApplication::processEvents();
    auto* view = qobject_cast<CCalendarView*>(area->widget());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->size(), QSize(730, 30 + 121 * 17));
    const QImage image = area->viewport()->grab().toImage();
    const QRgb shadow = area->palette().color(QPalette::Dark).rgb();
    EXPECT_EQ(image.pixel(900, 100), shadow);
    EXPECT_EQ(image.pixel(kL, kT + 8), kBlack);
    EXPECT_EQ(image.pixel(5, 5), view->palette().color(QPalette::Base).rgb());
    delete area;
}
