// The toolbar pictures and the program icon, drawn in code.

#include "app/commandicons.h"
#include "app/commandids.h"
#include "app/kosmiraicon.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace {

using namespace CommandId;

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

const int kPictured[] = {FilePrint, ViewEast, ViewWest, ViewSouth, ViewNorth, ViewZenith,
                         ZoomIn,    ZoomOut,  SetTime,  SetLocation, AppAbout};

TEST(ToolbarPictures, SixteenByFifteenAtEveryScale)
{
    for (int id : kPictured) {
        for (qreal scale : {1.0, 2.0, 3.0}) {
            const QImage image = PaintCommandPicture(id, scale);
            EXPECT_EQ(image.size(), QSize(int(16 * scale), int(15 * scale))) << id;
            EXPECT_EQ(image.deviceIndependentSize(), QSizeF(16, 15)) << id;
            EXPECT_GT(OpaquePixels(image), 8 * scale * scale) << id;
        }
    }
}

TEST(ToolbarPictures, AllDifferent)
{
    QSet<QByteArray> seen;
    for (int id : kPictured) {
        const QImage image = PaintCommandPicture(id, 2.0);
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << id;
        seen.insert(bytes);
    }
}

int DarkPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 96;
    return count;
}

TEST(ToolbarPictures, PlusMagnifierHasTheExtraVerticalBar)
{
    const QImage plus = PaintCommandPicture(ZoomIn, 1.0);
    const QImage minus = PaintCommandPicture(ZoomOut, 1.0);
    EXPECT_GT(DarkPixels(plus), DarkPixels(minus));
    EXPECT_EQ(OpaquePixels(plus), OpaquePixels(minus));
}

TEST(ToolbarPictures, HighDensityIconsCarryTheirScale)
{
    const QIcon icon = CommandIcon(ViewEast);
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 15)));
    EXPECT_TRUE(sizes.contains(QSize(32, 30)));
    EXPECT_TRUE(CommandIcon(SetTime + 1000).isNull());
}

TEST(ProgramIcon, SkyWithACrescent)
{
    const QImage icon = PaintKosmiraIcon(64).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(icon.size(), QSize(64, 64));
    // Dark blue sky near the top left, the crescent's yellow in its bright part.
    const QColor sky = icon.pixelColor(6, 24);
    EXPECT_GT(sky.blue(), sky.red());
    EXPECT_LT(sky.value(), 128);
    const QColor crescent = icon.pixelColor(24, 30);
    EXPECT_GT(crescent.red(), 200);
    EXPECT_GT(crescent.green(), 180);
    EXPECT_LT(crescent.blue(), 160);
    // The shadowed part of the disc is sky again.
    const QColor shadow = icon.pixelColor(44, 22);
    EXPECT_LT(shadow.red(), 100);
    EXPECT_EQ(KosmiraIcon().availableSizes().size(), 7);
}

}  // namespace
