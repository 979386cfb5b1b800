#include "image/textbitmap.h"

#include "image/displaytext.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

QColor ToQColor(std::uint32_t colour)
{
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

}  // namespace

TextBitmap::TextBitmap(const std::string& text, const QFont& font, std::uint32_t textColour,
                       std::uint32_t backgroundColour)
{
    Render(text, font, textColour, backgroundColour);
}

TextBitmap::TextBitmap(const std::string& text, std::uint32_t textColour,
                       std::uint32_t backgroundColour)
{
    Render(text, QFont(), textColour, backgroundColour);
}

void TextBitmap::Render(const std::string& text, const QFont& font, std::uint32_t textColour,
                        std::uint32_t backgroundColour)
{
    // Metrics are taken on an image, the same kind of device the text is drawn on, so that
    // a font given in points measures and renders at one resolution.
    QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &probe);
    const double n = static_cast<double>(Cp949Length(text));
    const double width = metrics.averageCharWidth() * n * 1.5;
    width_ = static_cast<std::int32_t>(std::clamp(width, 0.0, double(kMaxWidth)));
    height_ = std::clamp(metrics.height(), 0, kMaxHeight);
    if (width_ <= 0 || height_ <= 0) {
        MakeEmpty();
        return;
    }

    QImage image(width_, height_, QImage::Format_RGB32);
    if (image.isNull()) {  // the pixels could not be allocated
        MakeEmpty();
        failed_ = true;
        return;
    }
    image.fill(ToQColor(backgroundColour));
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(ToQColor(textColour));
        painter.drawText(0, metrics.ascent(), DisplayText(text));
    }

    const int stride = Stride();
    dataSize_ = static_cast<std::uint32_t>(stride * height_);
    data_.assign(dataSize_, 0);
    for (int row = 0; row < height_; ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(height_ - 1 - row));
        std::uint8_t* dst = data_.data() + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < width_; ++x) {
            dst[3 * x] = static_cast<std::uint8_t>(qBlue(src[x]));
            dst[3 * x + 1] = static_cast<std::uint8_t>(qGreen(src[x]));
            dst[3 * x + 2] = static_cast<std::uint8_t>(qRed(src[x]));
        }
    }
}

void TextBitmap::MakeEmpty()
{
    width_ = 0;
    height_ = 0;
    dataSize_ = 0;
    data_.clear();
}

std::uint32_t TextBitmap::PixelAt(int x, int yFromTop) const
{
    if (x < 0 || x >= width_ || yFromTop < 0 || yFromTop >= height_)
        return 0;
    const std::uint8_t* p =
        data_.data() + static_cast<std::size_t>(height_ - 1 - yFromTop) * Stride() + 3 * x;
    return std::uint32_t(p[2]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[0]) << 16);
}
