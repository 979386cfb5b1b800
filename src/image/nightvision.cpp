#include "image/nightvision.h"

#include <QPainter>
#include <QPixmap>
#include <QPaintDevice>

#include <algorithm>
#include <atomic>

namespace NightVision {
namespace {

std::atomic<bool> nightOn{false};

// Red of a pixel's brightness: (77 R + 150 G + 29 B) / 256 scaled to kMaxRed.
constexpr int kWeightRed = 77;
constexpr int kWeightGreen = 150;
constexpr int kWeightBlue = 29;

inline QRgb MapPixel(QRgb p, unsigned maxRed = kMaxRed)
{
    const unsigned luma = (kWeightRed * qRed(p) + kWeightGreen * qGreen(p) + kWeightBlue * qBlue(p)) >> 8;
    const unsigned red = (luma * maxRed) / 255;
    return (p & 0xff000000u) | (red << 16);
}

QColor Red(int value) { return QColor(value, 0, 0); }

}  // namespace

bool On() { return nightOn.load(std::memory_order_relaxed); }

void SetOn(bool on) { nightOn.store(on, std::memory_order_relaxed); }

QRgb Map(QRgb rgb) { return MapPixel(rgb); }

QColor Map(const QColor& colour)
{
    QColor mapped = QColor::fromRgb(MapPixel(colour.rgb()));
    mapped.setAlpha(colour.alpha());
    return mapped;
}

void Map(QImage& image, int maxRed)
{
    const auto limit = static_cast<unsigned>(std::clamp(maxRed, 0, 255));
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // Premultiplied pixels map alike: the brightness of a premultiplied colour is premultiplied.
    const int height = image.height();
    const int width = image.width();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = MapPixel(line[x], limit);
    }
}

QImage Mapped(const QImage& image)
{
    QImage copy = image.copy();
    Map(copy);
    return copy;
}

QImage MappedIcon(const QImage& icon)
{
    QImage copy = icon.convertToFormat(QImage::Format_ARGB32);
    // Mean brightness of the pixels that show (alpha-weighted), 0 to 255.
    double weighted = 0.0;
    double coverage = 0.0;
    for (int y = 0; y < copy.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(copy.constScanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            const double alpha = qAlpha(line[x]) / 255.0;
            weighted += alpha * qGray(line[x]);
            coverage += alpha;
        }
    }
    constexpr double kHalfBrightness = 127.5;
    if (coverage > 0.0 && weighted / coverage < kHalfBrightness) {
        for (int y = 0; y < copy.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
            for (int x = 0; x < copy.width(); ++x)
                line[x] = qRgba(255 - qRed(line[x]), 255 - qGreen(line[x]), 255 - qBlue(line[x]),
                                qAlpha(line[x]));
        }
    }
    Map(copy);
    return copy;
}

QIcon NightIcon(const QIcon& day, const QSize& fallbackSize)
{
    QIcon night;
    const QList<QSize> sizes = day.availableSizes();
    for (const QSize& size : sizes.isEmpty() ? QList<QSize>{fallbackSize} : sizes)
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
            night.addPixmap(QPixmap::fromImage(MappedIcon(day.pixmap(size, mode).toImage())), mode);
    return night;
}

QPalette Palette()
{
    QPalette p;
    const struct {
        QPalette::ColorRole role;
        int active;    // red of the role, active and inactive
        int disabled;  // red of the role, disabled
    } roles[] = {
        // Base and Highlight black: a text caret is drawn by inverting the pixels under it,
        // and only black inverts to a colour with no more green or blue than red (white).
        {QPalette::Window, 26, 26},        {QPalette::WindowText, 170, 90},
        {QPalette::Base, 0, 0},          {QPalette::AlternateBase, 30, 30},
        {QPalette::Text, 170, 90},         {QPalette::Button, 38, 30},
        {QPalette::ButtonText, 170, 90},   {QPalette::BrightText, 220, 120},
        {QPalette::Light, 70, 50},         {QPalette::Midlight, 50, 40},
        {QPalette::Mid, 30, 25},           {QPalette::Dark, 16, 14},
        {QPalette::Shadow, 0, 0},          {QPalette::Highlight, 0, 0},
        {QPalette::HighlightedText, 230, 120}, {QPalette::Link, 200, 110},
        {QPalette::LinkVisited, 150, 90},  {QPalette::ToolTipBase, 26, 26},
        {QPalette::ToolTipText, 170, 90},  {QPalette::PlaceholderText, 90, 60},
    };
    for (const auto& r : roles) {
        p.setColor(QPalette::Active, r.role, Red(r.active));
        p.setColor(QPalette::Inactive, r.role, Red(r.active));
        p.setColor(QPalette::Disabled, r.role, Red(r.disabled));
    }
    return p;
}

QString StyleSheet()
{
    // Widgets that carry colours of their own (message labels, marked fields, the MDI area)
    // follow the palette too; nothing may show green or blue.
    return QStringLiteral(
        "QMdiArea { background: #0a0000; }"
        "QToolTip { color: #aa0000; background-color: #1a0000; border: 1px solid #400000; }"
        "QMenu { color: #aa0000; background-color: #1a0000; }"
        "QMenu::item:selected { background-color: #640000; color: #e60000; }"
        "QMenuBar { color: #aa0000; background-color: #1a0000; }"
        "QMenuBar::item:selected { background-color: #640000; }");
}

void Paint(QPaintDevice& device, const QRect& exposed, const QColor& background,
           const std::function<void(QPainter&)>& paint, int maxRed)
{
    if (!On()) {
        QPainter painter(&device);
        paint(painter);
        return;
    }
    const qreal ratio = device.devicePixelRatioF();
    QImage image((QSizeF(exposed.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.translate(-exposed.topLeft());
        painter.setClipRect(exposed);
        paint(painter);
    }
    Map(image, maxRed);
    QPainter painter(&device);
    painter.drawImage(exposed.topLeft(), image);
}

}  // namespace NightVision
