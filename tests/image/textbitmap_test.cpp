#include "image/textbitmap.h"

#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr std::uint32_t kYellow = 255 | (219 << 8) | (57 << 16);
constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kNavy = 0 | (0 << 8) | (82 << 16);

QFont PixelFont(const char* family, int pixels)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    return font;
}

QFontMetrics MetricsOf(const QFont& font)
{
    static QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(font, &device);
}

}  // namespace

TEST(TextBitmap, WidthIsOneAndAHalfAverageCharactersPerByte)
{
    const QFont font = PixelFont("Liberation Sans", 14);
    const QFontMetrics metrics = MetricsOf(font);
    ASSERT_GT(metrics.averageCharWidth(), 0);
    const TextBitmap label("M31", font, kYellow, kBlack);
    EXPECT_EQ(label.Width(), static_cast<int>(std::trunc(metrics.averageCharWidth() * 3 * 1.5)));
    EXPECT_EQ(label.Height(), metrics.ascent() + metrics.descent());
}

TEST(TextBitmap, TwoSyllableKoreanNameIsSixAverageWidthsWide)
{
    const QFont font = PixelFont("NanumGothic", 14);
    const QFontMetrics metrics = MetricsOf(font);
    const TextBitmap label("직녀", font, kYellow, kBlack);
    EXPECT_EQ(label.Width(), metrics.averageCharWidth() * 6);
    // The same name stored in code page 949 measures the same.
    const TextBitmap legacy("\xc1\xf7\xb3\xe0", font, kYellow, kBlack);
    EXPECT_EQ(legacy.Width(), label.Width());
    EXPECT_EQ(legacy.Height(), label.Height());
}

TEST(TextBitmap, RowsArePaddedToFourBytes)
{
    const QFont font = PixelFont("Liberation Sans", 14);
    for (const char* text : {"A", "AB", "ABC", "ABCD", "Sirius"}) {
        const TextBitmap label(text, font, kYellow, kBlack);
        ASSERT_GT(label.Width(), 0);
        EXPECT_EQ(label.Stride() % 4, 0) << text;
        EXPECT_GE(label.Stride(), label.Width() * 3);
        EXPECT_LT(label.Stride(), label.Width() * 3 + 4);
        EXPECT_EQ(label.DataSize(), static_cast<std::uint32_t>(label.Stride() * label.Height()));
    }
}

TEST(TextBitmap, BackgroundFillsWhatTheTextLeavesBlueGreenRedOrder)
{
    const QFont font = PixelFont("Liberation Sans", 14);
    const TextBitmap label("M1", font, kYellow, kNavy);
    // The right edge lies beyond the text (the width allows 1.5 characters per byte).
    const int x = label.Width() - 1;
    for (int y = 0; y < label.Height(); ++y)
        EXPECT_EQ(label.PixelAt(x, y), kNavy) << y;
    const std::uint8_t* firstRow = label.Data();
    EXPECT_EQ(firstRow[3 * x], 82);  // blue first
    EXPECT_EQ(firstRow[3 * x + 1], 0);
    EXPECT_EQ(firstRow[3 * x + 2], 0);
}

TEST(TextBitmap, TextIsDrawnInItsColourWithRowsBottomUp)
{
    const QFont font = PixelFont("Liberation Sans", 40);
    const QFontMetrics metrics = MetricsOf(font);
    const TextBitmap label("HH", font, kRed, kBlack);
    const int stride = label.Stride();
    auto rowHasText = [&](int storedRow) {
        const std::uint8_t* row = label.Data() + static_cast<std::size_t>(storedRow) * stride;
        for (int x = 0; x < label.Width(); ++x)
            if (row[3 * x] == 0 && row[3 * x + 1] == 0 && row[3 * x + 2] == 255)
                return true;
        return false;
    };
    // "H" stands on the baseline: the first stored row (the bottom, in the descent) is
    // empty, the row halfway up the capitals holds solid text pixels, the top row is empty.
    const int baselineFromTop = metrics.ascent();
    const int middleFromTop = baselineFromTop - metrics.capHeight() / 2;
    EXPECT_FALSE(rowHasText(0));
    EXPECT_TRUE(rowHasText(label.Height() - 1 - middleFromTop));
    EXPECT_FALSE(rowHasText(label.Height() - 1));
}

TEST(TextBitmap, EmptyTextHasNoWidth)
{
    const TextBitmap label("", PixelFont("Liberation Sans", 14), kYellow, kBlack);
    EXPECT_EQ(label.Width(), 0);
    EXPECT_EQ(label.DataSize(), 0u);
}

TEST(TextBitmap, DefaultFontRenders)
{
    const TextBitmap label("Vega", kYellow, kBlack);
    EXPECT_GT(label.Width(), 0);
    EXPECT_GT(label.Height(), 0);
    EXPECT_EQ(label.DataSize(), static_cast<std::uint32_t>(label.Stride() * label.Height()));
}

TEST(TextBitmap, SizeIsCapped)
{
    struct Case {
        std::size_t textBytes;
        int pixels;
        const char* what;
    };
    // A text of megabytes and a font taller than any label: both stop at their caps, and
    // the pixels of the capped label are there to read.
    const Case cases[] = {{3000000, 14, "3 MB of text"},
                          {20, 5000, "a 5000-pixel font"},
                          {100000, 2000, "both"}};
    for (const Case& c : cases) {
        const TextBitmap label(std::string(c.textBytes, 'W'), PixelFont("Liberation Sans", c.pixels),
                               kYellow, kBlack);
        EXPECT_FALSE(label.Failed()) << c.what;
        EXPECT_GT(label.Width(), 0) << c.what;
        EXPECT_LE(label.Width(), TextBitmap::kMaxWidth) << c.what;
        EXPECT_LE(label.Height(), TextBitmap::kMaxHeight) << c.what;
        EXPECT_EQ(label.DataSize(), static_cast<std::uint32_t>(label.Stride() * label.Height())) << c.what;
        EXPECT_EQ(label.PixelAt(0, 0), kBlack) << c.what;  // above the capitals
    }
}
