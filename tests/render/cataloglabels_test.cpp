// The catalog labels are rendered from the loaded names with the label fonts and colours.
#include "catalog/catalogparser.h"
#include "catalog/catalogset.h"
#include "catalog/loadcatalogs.h"
#include "image/messagesink.h"
#include "render/cataloglabels.h"

#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

namespace {

QFont PixelFont(const char* family, int pixels)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    return font;
}

// Two star names and the 110 Messier objects, as the loader leaves them.
class CatalogLabelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        catalogs.starNames.push_back(StarName("시리우스", SphericalCoord(1.77, -0.29)));
        catalogs.starNames.push_back(StarName("직녀", SphericalCoord(4.87, 0.68)));
        for (int i = 0; i < 110; ++i)
            catalogs.messier.push_back(MessierObject(i + 1, SphericalCoord(1.0, 0.5)));
    }

    CatalogLabels Make() const
    {
        return MakeCatalogLabels(catalogs, PixelFont("NanumGothic", 14),
                                 PixelFont("Liberation Sans", 12));
    }

    CatalogSet catalogs;
};

}  // namespace

TEST_F(CatalogLabelsTest, LabelsAreRenderedWithTheirFontsAndColours)
{
    const CatalogLabels labels = Make();
    ASSERT_EQ(labels.starNames.size(), 2u);
    ASSERT_EQ(labels.messier.size(), 110u);
    QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics nameMetrics(PixelFont("NanumGothic", 14), &device);
    const QFontMetrics messierMetrics(PixelFont("Liberation Sans", 12), &device);
    // "직녀": two syllables, four code page 949 bytes, six average widths.
    const TextBitmap& vega = labels.starNames[1];
    EXPECT_EQ(vega.Width(), nameMetrics.averageCharWidth() * 6);
    EXPECT_EQ(vega.Height(), nameMetrics.height());
    const TextBitmap& m110 = labels.messier[109];
    EXPECT_EQ(m110.Width(), static_cast<int>(messierMetrics.averageCharWidth() * 4 * 1.5));
    EXPECT_EQ(m110.Height(), messierMetrics.height());
    EXPECT_EQ(m110.PixelAt(m110.Width() - 1, 0), 0u);  // black background

    // Text is blended over black, so its strongest pixel is the label colour scaled by its
    // coverage; small text may have no pixel of full coverage.
    constexpr int kChannelTolerance = 3;
    auto expectTextColour = [&](const TextBitmap& label, std::uint32_t colour) {
        std::uint32_t strongest = 0;
        for (int y = 0; y < label.Height(); ++y)
            for (int x = 0; x < label.Width(); ++x)
                if ((label.PixelAt(x, y) & 0xff) > (strongest & 0xff))
                    strongest = label.PixelAt(x, y);
        const double coverage = (strongest & 0xff) / double(colour & 0xff);
        EXPECT_GT(coverage, 0.6);
        EXPECT_NEAR(double((strongest >> 8) & 0xff), coverage * ((colour >> 8) & 0xff), kChannelTolerance);
        EXPECT_NEAR(double((strongest >> 16) & 0xff), coverage * ((colour >> 16) & 0xff), kChannelTolerance);
    };
    expectTextColour(vega, kStarNameLabelColour);
    expectTextColour(m110, kMessierLabelColour);
}

TEST_F(CatalogLabelsTest, WorkerThreadGivesTheSameLabels)
{
    const CatalogLabels labels = Make();
    CatalogLabels other;
    std::thread worker([&] { other = Make(); });
    worker.join();
    ASSERT_EQ(other.starNames.size(), labels.starNames.size());
    for (std::size_t i = 0; i < other.starNames.size(); ++i) {
        const TextBitmap& a = labels.starNames[i];
        const TextBitmap& b = other.starNames[i];
        ASSERT_EQ(a.DataSize(), b.DataSize());
        EXPECT_TRUE(std::equal(a.Data(), a.Data() + a.DataSize(), b.Data())) << i;
    }
    ASSERT_EQ(other.messier.size(), 110u);
    EXPECT_EQ(other.messier[42].DataSize(), labels.messier[42].DataSize());
}

TEST_F(CatalogLabelsTest, StarNameOfMegabytesHasItsLabelCapped)
{
    std::string name;
    for (int i = 0; i < 1000000; ++i)
        name += "별";  // 3 MB of UTF-8
    const StarNameFields fields = ReadStarNameLine(("064509-164258" + name).c_str());
    catalogs.starNames[0] = StarName(fields.name, fields.position);
    const CatalogLabels labels = Make();
    EXPECT_GT(labels.starNames[0].Width(), 0);
    EXPECT_LE(labels.starNames[0].Width(), TextBitmap::kMaxWidth);
    EXPECT_FALSE(labels.starNames[0].Failed());
}

TEST(CatalogLabelsShipped, EveryShippedStarNameHasALabel)
{
    CatalogSet catalogs;
    SilentMessageSink sink;
    ASSERT_TRUE(LoadCatalogs(catalogs, KOSMIRA_SOURCE_DIR, sink));
    const CatalogLabels labels = MakeCatalogLabels(catalogs, PixelFont("NanumGothic", 14),
                                                   PixelFont("Liberation Sans", 12));
    ASSERT_EQ(labels.starNames.size(), catalogs.starNames.size());
    for (std::size_t i = 0; i < labels.starNames.size(); ++i)
        EXPECT_GT(labels.starNames[i].Width(), 0) << catalogs.starNames[i].name;
    EXPECT_EQ(labels.messier.size(), 110u);
}
