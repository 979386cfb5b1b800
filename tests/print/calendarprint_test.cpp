// The printed calendar page: what pdftotext reads back and what pdfinfo says of the page.
#include "printtest.h"

#include "astro/math/angles.h"
#include "print/calendarprint.h"
#include "print/pdfexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Observer Seoul()
{
    return Observer("서울특별시", "서울", static_cast<float>(126.98 * kDegToRad),
                     static_cast<float>(37.57 * kDegToRad), 9.0f);
}

constexpr int kAlmanacToleranceMinutes = 2;
constexpr qint64 kCalendarPdfLimitBytes = 200 * 1024;

int MinutesOf(const QString& hhmm)
{
    return hhmm.section(QLatin1Char(':'), 0, 0).toInt() * 60 + hhmm.section(QLatin1Char(':'), 1, 1).toInt();
}

struct Written {
    QString path;
    QString text;
};

Written WriteCalendar(const QTemporaryDir& dir, int year, int month, Model model,
                      std::vector<CalendarDay>* shown = nullptr)
{
    const CalendarMonth calendar(year, month);
    std::vector<CalendarDay> days = calendar.Compute(Seoul(), model);
    if (shown)
        *shown = days;
    CalendarPrintJob job(calendar, std::move(days), Seoul(), model);
    job.SetPrintedDate(QDate(2026, 12, 8));
    const QString path = dir.filePath(job.SuggestedFileName());
    QString error;
    EXPECT_TRUE(WritePdf(job, path, &error)) << error.toStdString();
    return {path, PdfText(path)};
}

}  // namespace

TEST(CalendarPrint, HeadingFooterAndTheWindowsTimesAreTextInThePdf)
{
    QTemporaryDir dir;
    std::vector<CalendarDay> shown;
    const Written pdf = WriteCalendar(dir, 2024, 6, Model::Precise, &shown);
    EXPECT_EQ(QFileInfo(pdf.path).fileName(), QStringLiteral("천문달력-2024-06-서울.pdf"));
    const struct {
        const char* what;
        QString text;
    } expected[] = {
        {"month and year", QStringLiteral("2024년 6월 천문 달력")},
        {"site", QStringLiteral("서울")},
        {"latitude", QStringLiteral("북위 37.57°")},
        {"longitude", QStringLiteral("동경 126.98°")},
        {"zone", QStringLiteral("UTC+9")},
        {"model", QStringLiteral("정밀 계산")},
        {"column heading", QStringLiteral("일출/일몰")},
        {"program", QStringLiteral("Kosmira")},
        {"date printed", QStringLiteral("인쇄한 날: 2026-12-08")},
    };
    for (const auto& e : expected)
        EXPECT_TRUE(pdf.text.contains(e.text)) << e.what << ": " << e.text.toStdString();

    // 21 June: the window's sunrise and sunset cells are in the page's text, and they agree
    // with the Korea Astronomy and Space Science Institute's 05:11 and 19:57 (KST).
    const QString sunrise = QString::fromStdString(shown[20].cells[2][0].text);
    const QString sunset = QString::fromStdString(shown[20].cells[2][1].text);
    EXPECT_TRUE(pdf.text.contains(sunrise)) << sunrise.toStdString();
    EXPECT_TRUE(pdf.text.contains(sunset)) << sunset.toStdString();
    EXPECT_NEAR(MinutesOf(sunrise), 5 * 60 + 11, kAlmanacToleranceMinutes);
    EXPECT_NEAR(MinutesOf(sunset), 19 * 60 + 57, kAlmanacToleranceMinutes);
}

TEST(CalendarPrint, OneA4PortraitPageWithTheKoreanFontEmbedded)
{
    QTemporaryDir dir;
    const Written pdf = WriteCalendar(dir, 2026, 12, Model::Classic);
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("2026년 12월 천문 달력")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("기본 계산")));
    EXPECT_TRUE(PdfPageSize(pdf.path).contains(QStringLiteral("(A4)"))) << PdfPageSize(pdf.path).toStdString();
    EXPECT_TRUE(RunProgram(QStringLiteral("pdfinfo"), {pdf.path}).simplified().contains(QStringLiteral("Pages: 1")));
    const QString fonts = PdfFonts(pdf.path);
    EXPECT_TRUE(fonts.contains(QStringLiteral("Nanum"))) << fonts.toStdString();
    EXPECT_LE(QFileInfo(pdf.path).size(), kCalendarPdfLimitBytes);
}

TEST(CalendarPrint, BarsArePrintedInGreyOnWhitePaper)
{
    QTemporaryDir dir;
    const Written pdf = WriteCalendar(dir, 2026, 12, Model::Precise);
    const QImage page = PdfPage(pdf.path, 50);
    ASSERT_FALSE(page.isNull());
    // The margin is paper; the table holds black (the night), greys (the twilight shades)
    // and white, and most of the sheet stays light.
    EXPECT_EQ(page.pixelColor(5, 5).value(), 255);
    int histogram[4] = {0, 0, 0, 0};
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            ++histogram[qGray(page.pixel(x, y)) / 64];
    EXPECT_GT(histogram[0], 0);
    EXPECT_GT(histogram[1] + histogram[2], 0);
    EXPECT_GT(histogram[3], page.width() * page.height() / 3);
}

TEST(CalendarPrint, ZoneAndCoordinateTexts)
{
    const struct {
        double hours;
        const char* text;
    } zones[] = {{9.0, "UTC+9"}, {-3.5, "UTC-3:30"}, {0.0, "UTC+0"}, {5.75, "UTC+5:45"}};
    for (const auto& z : zones)
        EXPECT_EQ(ZoneText(z.hours).toStdString(), z.text);
    EXPECT_EQ(LatitudeText(-33.87 * kDegToRad).toStdString(), "남위 33.87°");
    EXPECT_EQ(LongitudeText(-70.65 * kDegToRad).toStdString(), "서경 70.65°");
    EXPECT_EQ(LongitudeText(289.35 * kDegToRad).toStdString(), "서경 70.65°");
}

TEST(PdfWriting, UnwritablePlacesGiveAKoreanMessageAndLeaveNoFile)
{
    QTemporaryDir dir;
    const CalendarMonth calendar(2026, 12);
    CalendarPrintJob job(calendar, calendar.Compute(Seoul()), Seoul(), Model::Classic);
    const QString places[] = {
        dir.filePath(QStringLiteral("없는 폴더/달력.pdf")),  // no such folder
        QStringLiteral("/proc/kosmira-달력.pdf"),             // a folder no one may write
        dir.path(),                                           // a folder, not a file
    };
    for (const QString& path : places) {
        QString error;
        EXPECT_FALSE(WritePdf(job, path, &error)) << path.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("PDF 파일을 저장할 수 없습니다."))) << error.toStdString();
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        if (path != dir.path()) {
            EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
        }
    }
    // Nothing half-written is left in the temporary folder either.
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(PdfWriting, AnExistingFileIsReplacedWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("달력.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not a pdf");
    old.close();
    const CalendarMonth calendar(2026, 12);
    CalendarPrintJob job(calendar, calendar.Compute(Seoul()), Seoul(), Model::Classic);
    QString error;
    ASSERT_TRUE(WritePdf(job, path, &error)) << error.toStdString();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5).startsWith("%PDF-"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
