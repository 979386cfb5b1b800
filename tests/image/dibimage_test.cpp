#include "bmpbuilder.h"
#include "image/dibimage.h"
#include "image/messagesink.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

class CollectingSink : public MessageSink {
public:
    void Report(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

using Rgb = std::array<std::uint8_t, 3>;

Rgb PixelOf(const DibImage& image, int x, int rowFromBottom)
{
    const std::size_t i = (static_cast<std::size_t>(rowFromBottom) * image.width + x) * 3;
    return {image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]};
}

std::unique_ptr<DibImage> Decode(const std::vector<std::uint8_t>& bytes, CollectingSink& sink)
{
    return DecodeDibImage(bytes.data(), bytes.size(), sink);
}

const std::vector<Rgb> kPalette16 = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

}  // namespace

TEST(DibImage, OneByOne24BitGivesRedGreenBlue)
{
    BmpSpec spec;
    spec.values = {0x102030};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 1);
    EXPECT_EQ(image->height, 1);
    ASSERT_EQ(image->pixels.size(), 3u);
    EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{0x10, 0x20, 0x30}));
    EXPECT_TRUE(sink.texts.empty());
}

TEST(DibImage, ThreePixelRowsArePackedWithoutPadding)
{
    BmpSpec spec;
    spec.width = 3;
    spec.height = 2;
    // File rows are bottom row first and padded to 12 bytes.
    spec.values = {0xff0000, 0x00ff00, 0x0000ff, 0x010203, 0x040506, 0x070809};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->pixels.size(), 18u);
    const std::vector<std::uint8_t> expected = {255, 0, 0, 0, 255, 0, 0, 0, 255,
                                                1,   2, 3, 4, 5,   6, 7, 8, 9};
    EXPECT_EQ(image->pixels, expected);
}

TEST(DibImage, EightBitUsesColourTable)
{
    BmpSpec spec;
    spec.bitCount = 8;
    spec.width = 5;
    spec.height = 1;
    spec.palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    spec.coloursUsed = 3;
    spec.values = {0, 1, 2, 1, 0};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{10, 20, 30}));
    EXPECT_EQ(PixelOf(*image, 1, 0), (Rgb{40, 50, 60}));
    EXPECT_EQ(PixelOf(*image, 2, 0), (Rgb{70, 80, 90}));
    EXPECT_EQ(PixelOf(*image, 3, 0), (Rgb{40, 50, 60}));
}

TEST(DibImage, IndexPastColourTableIsBlack)
{
    BmpSpec spec;
    spec.bitCount = 8;
    spec.width = 2;
    spec.palette = {{10, 20, 30}};
    spec.coloursUsed = 1;
    spec.values = {0, 200};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelOf(*image, 1, 0), (Rgb{0, 0, 0}));
}

TEST(DibImage, OneBitPixelsAreReadMostSignificantBitFirst)
{
    BmpSpec spec;
    spec.bitCount = 1;
    spec.width = 10;
    spec.height = 2;
    spec.palette = {{0, 0, 0}, {255, 255, 255}};
    spec.values = {1, 0, 0, 1, 1, 0, 1, 0, 0, 1,  // bottom row
                   0, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    for (int r = 0; r < 2; ++r) {
        for (int x = 0; x < 10; ++x) {
            const std::uint8_t v = spec.values[r * 10 + x] ? 255 : 0;
            EXPECT_EQ(PixelOf(*image, x, r), (Rgb{v, v, v})) << x << "," << r;
        }
    }
}

TEST(DibImage, FourBitPixelsAreReadHighNibbleFirst)
{
    BmpSpec spec;
    spec.bitCount = 4;
    spec.width = 7;
    spec.height = 3;
    spec.palette = kPalette16;
    for (int i = 0; i < 21; ++i)
        spec.values.push_back(static_cast<std::uint32_t>((i * 5) % 16));
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    for (int r = 0; r < 3; ++r)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(PixelOf(*image, x, r), kPalette16[spec.values[r * 7 + x]]) << x << "," << r;
}

TEST(DibImage, SixteenBitIsFiveFiveFive)
{
    BmpSpec spec;
    spec.bitCount = 16;
    spec.width = 5;
    // White, pure red, pure green, pure blue, and the top bit set (ignored) over 16/32 blue.
    spec.values = {0x7fff, 0x7c00, 0x03e0, 0x001f, 0x8010};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelOf(*image, 1, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(PixelOf(*image, 2, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(PixelOf(*image, 3, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(PixelOf(*image, 4, 0), (Rgb{0, 0, 132}));
}

TEST(DibImage, ThirtyTwoBitIgnoresFourthByte)
{
    BmpSpec spec;
    spec.bitCount = 32;
    spec.width = 2;
    spec.height = 2;
    spec.values = {0xa1b2c3, 0x000000, 0xffffff, 0x123456};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{0xa1, 0xb2, 0xc3}));
    EXPECT_EQ(PixelOf(*image, 1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelOf(*image, 0, 1), (Rgb{0xff, 0xff, 0xff}));
    EXPECT_EQ(PixelOf(*image, 1, 1), (Rgb{0x12, 0x34, 0x56}));
}

TEST(DibImage, CoreHeaderWithThreeByteColourTable)
{
    BmpSpec spec;
    spec.headerSize = 12;
    spec.bitCount = 4;
    spec.width = 3;
    spec.height = 2;
    spec.palette = kPalette16;
    spec.values = {15, 9, 12, 0, 10, 14};
    for (bool fileHeader : {true, false}) {
        spec.fileHeader = fileHeader;
        CollectingSink sink;
        auto image = Decode(BuildBmp(spec), sink);
        ASSERT_NE(image, nullptr) << fileHeader;
        EXPECT_EQ(image->width, 3);
        EXPECT_EQ(image->height, 2);
        EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{255, 255, 255}));
        EXPECT_EQ(PixelOf(*image, 1, 0), (Rgb{255, 0, 0}));
        EXPECT_EQ(PixelOf(*image, 2, 0), (Rgb{0, 0, 255}));
        EXPECT_EQ(PixelOf(*image, 1, 1), (Rgb{0, 255, 0}));
    }
}

TEST(DibImage, CoreHeader24BitAndBareInfoHeader)
{
    BmpSpec core;
    core.headerSize = 12;
    core.width = 2;
    core.values = {0x0a0b0c, 0x0d0e0f};
    BmpSpec bare;
    bare.fileHeader = false;
    bare.width = 2;
    bare.values = core.values;
    for (const BmpSpec& spec : {core, bare}) {
        CollectingSink sink;
        auto image = Decode(BuildBmp(spec), sink);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{0x0a, 0x0b, 0x0c}));
        EXPECT_EQ(PixelOf(*image, 1, 0), (Rgb{0x0d, 0x0e, 0x0f}));
    }
}

TEST(DibImage, BareBitmapPixelsFollowItsColourTable)
{
    BmpSpec spec;
    spec.fileHeader = false;
    spec.bitCount = 24;
    spec.coloursUsed = 2;  // a table that a 24-bit bitmap may carry but does not use
    spec.palette = {{1, 1, 1}, {2, 2, 2}};
    spec.values = {0x405060};
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{0x40, 0x50, 0x60}));
}

TEST(DibImage, TopDownRowsComeOutBottomRowFirst)
{
    BmpSpec spec;
    spec.width = 1;
    spec.height = -2;
    spec.values = {0x111111, 0x222222};  // top row first
    CollectingSink sink;
    auto image = Decode(BuildBmp(spec), sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{0x22, 0x22, 0x22}));
    EXPECT_EQ(PixelOf(*image, 0, 1), (Rgb{0x11, 0x11, 0x11}));
}

TEST(DibImage, QtWrittenBitmapsDecodeToTheSamePixels)
{
    QImage source(13, 7, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x * 19, y * 36, (x * y * 7) % 256));

    const std::vector<QImage> images = {
        source,
        source.convertToFormat(QImage::Format_RGB888),
        source.convertToFormat(QImage::Format_Indexed8),
        source.convertToFormat(QImage::Format_Mono),
    };
    for (const QImage& image : images) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "BMP"));
        // What Qt reads back from its own file is the reference.
        QImage reference;
        ASSERT_TRUE(reference.loadFromData(bytes, "BMP"));

        CollectingSink sink;
        auto decoded = DecodeDibImage(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size()), sink);
        ASSERT_NE(decoded, nullptr) << image.format();
        ASSERT_EQ(decoded->width, reference.width());
        ASSERT_EQ(decoded->height, reference.height());
        for (int y = 0; y < reference.height(); ++y) {
            for (int x = 0; x < reference.width(); ++x) {
                const QRgb c = reference.pixel(x, y);
                const Rgb expected{static_cast<std::uint8_t>(qRed(c)),
                                   static_cast<std::uint8_t>(qGreen(c)),
                                   static_cast<std::uint8_t>(qBlue(c))};
                ASSERT_EQ(PixelOf(*decoded, x, reference.height() - 1 - y), expected)
                    << "format " << image.format() << " at " << x << "," << y;
            }
        }
    }
}

TEST(DibImage, LargerHeadersAreUnknownFormat)
{
    for (int headerSize : {108, 124, 64, 0}) {
        BmpSpec spec;
        spec.headerSize = headerSize;
        spec.values = {0};
        CollectingSink sink;
        EXPECT_EQ(Decode(BuildBmp(spec), sink), nullptr);
        ASSERT_EQ(sink.texts.size(), 1u);
        EXPECT_EQ(sink.texts[0], "Unknown DIB file format.") << headerSize;
    }
}

TEST(DibImage, MissingFileReportsThePath)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("absent.bmp").toStdString();
    CollectingSink sink;
    EXPECT_EQ(LoadDibImage(path, sink), nullptr);
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "Failed to open DIB file " + path + ".\n");
}

TEST(DibImage, EmptyFileCannotBeOpened)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("empty.bmp").toStdString();
    WriteFile(path, {});
    CollectingSink sink;
    EXPECT_EQ(LoadDibImage(path, sink), nullptr);
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "Failed to open DIB file " + path + ".\n");
}

TEST(DibImage, LoadsFromFile)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("one.bmp").toStdString();
    BmpSpec spec;
    spec.width = 2;
    spec.values = {0xff8000, 0x0080ff};
    WriteFile(path, BuildBmp(spec));
    CollectingSink sink;
    auto image = LoadDibImage(path, sink);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelOf(*image, 0, 0), (Rgb{0xff, 0x80, 0x00}));
    EXPECT_EQ(PixelOf(*image, 1, 0), (Rgb{0x00, 0x80, 0xff}));
    EXPECT_TRUE(sink.texts.empty());
}

TEST(DibImage, TruncatedFilesAreRefusedWithConversionError)
{
    BmpSpec spec;
    spec.bitCount = 8;
    spec.width = 4;
    spec.height = 4;
    spec.palette = kPalette16;
    spec.coloursUsed = 16;
    spec.values.assign(16, 3);
    const std::vector<std::uint8_t> whole = BuildBmp(spec);
    CollectingSink ok;
    ASSERT_NE(Decode(whole, ok), nullptr);
    // Cut inside the file header, the information header, the colour table and the pixels.
    for (std::size_t cut : {std::size_t(3), std::size_t(16), std::size_t(30), std::size_t(54),
                            std::size_t(80), whole.size() - 5}) {
        std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + static_cast<long>(cut));
        CollectingSink sink;
        EXPECT_EQ(Decode(bytes, sink), nullptr) << cut;
        ASSERT_EQ(sink.texts.size(), 1u) << cut;
        EXPECT_EQ(sink.texts[0], "Image file conversion error.") << cut;
    }
}

TEST(DibImage, PixelOffsetPastTheEndIsRefused)
{
    BmpSpec spec;
    spec.values = {0};
    std::vector<std::uint8_t> bytes = BuildBmp(spec);
    bytes[10] = 0xf0;
    bytes[11] = 0xff;
    CollectingSink sink;
    EXPECT_EQ(Decode(bytes, sink), nullptr);
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "Image file conversion error.");
}

TEST(DibImage, AbsurdHeadersAreRefusedWithConversionError)
{
    struct Case {
        std::int32_t width;
        std::int32_t height;
        int bitCount;
        std::uint32_t compression;
    };
    const Case cases[] = {
        {0, 1, 24, 0},          {-4, 1, 24, 0},      {1, 0, 24, 0},
        {100000, 1, 24, 0},     {1, -100000, 24, 0}, {30000, 30000, 24, 0},
        {1, 1, 0, 0},           {1, 1, 2, 0},        {1, 1, 7, 0},
        {1, 1, 64, 0},          {1, 1, 8, 1},        {1, 1, 16, 3},
        {0x7fffffff, 0x7fffffff, 32, 0},
    };
    for (const Case& c : cases) {
        BmpSpec spec;
        spec.width = 1;
        spec.height = 1;
        spec.bitCount = 24;
        spec.values = {0};
        std::vector<std::uint8_t> bytes = BuildBmp(spec);
        auto put32 = [&](std::size_t at, std::uint32_t v) {
            for (int k = 0; k < 4; ++k)
                bytes[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
        };
        put32(18, static_cast<std::uint32_t>(c.width));
        put32(22, static_cast<std::uint32_t>(c.height));
        bytes[28] = static_cast<std::uint8_t>(c.bitCount);
        bytes[29] = 0;
        put32(30, c.compression);
        CollectingSink sink;
        EXPECT_EQ(Decode(bytes, sink), nullptr) << c.width << "x" << c.height << "@" << c.bitCount;
        ASSERT_EQ(sink.texts.size(), 1u);
        EXPECT_EQ(sink.texts[0], "Image file conversion error.");
    }
}

TEST(DibImage, HugeColourCountIsRefused)
{
    BmpSpec spec;
    spec.bitCount = 8;
    spec.coloursUsed = 60000;  // a table far past the end of the file
    spec.values = {0};
    CollectingSink sink;
    EXPECT_EQ(Decode(BuildBmp(spec), sink), nullptr);
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "Image file conversion error.");
}

TEST(DibImage, ShippedSymbolImagesLoad)
{
    for (const char* name : {"Galaxy.bmp", "OpenNebular.bmp", "GlobularNebular.bmp",
                             "PlanetaryNebular.bmp", "DiffuseNebular.bmp", "Star.bmp"}) {
        const std::string path = std::string(KOSMIRA_SOURCE_DIR) + "/images/" + name;
        if (!QFile::exists(QString::fromStdString(path)))
            GTEST_SKIP() << path << " is not shipped yet";
        CollectingSink sink;
        auto image = LoadDibImage(path, sink);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_GT(image->width, 0);
        EXPECT_GT(image->height, 0);
        EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height * 3);
        EXPECT_TRUE(sink.texts.empty());
    }
}
