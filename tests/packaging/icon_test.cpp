// The scalable icon installed in the hicolor theme (packaging/org.kosmira.Kosmira.svg),
// rendered by Qt's SVG renderer, shows the same picture as the window icon drawn by
// PaintKosmiraIcon, and the desktop entry names that icon.

#include "app/kosmiraicon.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

const QString kPackaging = QStringLiteral(KOSMIRA_SOURCE_DIR "/packaging/");

QImage RenderSvg(int size)
{
    QSvgRenderer renderer(kPackaging + QStringLiteral("org.kosmira.Kosmira.svg"));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

// Mean absolute difference over all channels, in 8-bit levels.
double MeanDifferenceLevels(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

struct Probe {
    const char* what;
    int x, y;  // on the 64 x 64 grid
};

TEST(ScalableIcon, MatchesTheDrawnIcon)
{
    constexpr int kSize = 128;
    // Anti-aliased edges differ between the two renderers; whole shapes do not.
    constexpr double kMeanToleranceLevels = 4.0;
    constexpr int kPixelToleranceLevels = 24;
    const QImage svg = RenderSvg(kSize);
    ASSERT_FALSE(svg.isNull()) << "the SVG does not parse";
    const QImage drawn = PaintKosmiraIcon(kSize).convertToFormat(svg.format());
    EXPECT_LT(MeanDifferenceLevels(svg, drawn), kMeanToleranceLevels);

    // Points inside each shape: the same colour in both.
    const Probe probes[] = {{"sky, top left", 30, 4},      {"crescent", 24, 30},
                            {"star", 12, 12},              {"hills", 10, 60},
                            {"sky under the Moon", 50, 38}, {"transparent corner", 0, 0}};
    const double scale = kSize / 64.0;
    for (const Probe& p : probes) {
        const int x = int(p.x * scale + scale / 2);
        const int y = int(p.y * scale + scale / 2);
        const QRgb a = svg.pixel(x, y);
        const QRgb b = drawn.pixel(x, y);
        EXPECT_LE(std::abs(qRed(a) - qRed(b)), kPixelToleranceLevels) << p.what;
        EXPECT_LE(std::abs(qGreen(a) - qGreen(b)), kPixelToleranceLevels) << p.what;
        EXPECT_LE(std::abs(qBlue(a) - qBlue(b)), kPixelToleranceLevels) << p.what;
        EXPECT_LE(std::abs(qAlpha(a) - qAlpha(b)), kPixelToleranceLevels) << p.what;
    }
}

TEST(ScalableIcon, DesktopEntryAndMetainfoNameTheInstalledIds)
{
    QFile desktop(kPackaging + QStringLiteral("org.kosmira.Kosmira.desktop"));
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(desktop.readAll());
    const QStringList wanted = {
        QStringLiteral("Icon=org.kosmira.Kosmira"), QStringLiteral("Exec=kosmira"),
        QStringLiteral("Categories=Education;Science;Astronomy;")};
    for (const QString& line : wanted)
        EXPECT_TRUE(entry.split(QLatin1Char('\n')).contains(line)) << line.toStdString();
    for (const char* key : {"Name[ko]=", "Comment[ko]=", "Keywords[ko]=", "Comment=", "Name="})
        EXPECT_TRUE(entry.contains(QLatin1Char('\n') + QLatin1String(key))) << key;

    QFile metainfo(kPackaging + QStringLiteral("org.kosmira.Kosmira.metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    const QString info = QString::fromUtf8(metainfo.readAll());
    EXPECT_TRUE(info.contains(QStringLiteral("<id>org.kosmira.Kosmira</id>")));
    EXPECT_TRUE(info.contains(
        QStringLiteral("<launchable type=\"desktop-id\">org.kosmira.Kosmira.desktop</launchable>")));
}

}  // namespace
