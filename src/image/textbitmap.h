#pragma once

#include <QFont>
#include <cstdint>
#include <string>
#include <vector>

// A text rendered once into a 24-bit label image; the rendering side copies it into OpenGL
// scenes (render/labeldrawing.h, render/labelatlas.h).
// Pixels are stored as bottom-up rows of blue, green, red bytes, each row padded to a
// multiple of 4 bytes. Width = trunc(average character width x n x 1.5), n the text's
// length in code page 949 bytes; height = the font's height (ascent + descent). Neither
// exceeds its cap (kMaxWidth, kMaxHeight): a longer text is cut at the right edge. When the
// image cannot be allocated the label is empty (0 x 0, drawing nothing) and Failed() says so.
class TextBitmap {
public:
    static constexpr std::int32_t kMaxWidth = 4096;
    static constexpr std::int32_t kMaxHeight = 512;

    // Colours hold red in the lowest byte, green next, blue third. The text is a stored name
    // (UTF-8 or code page 949) and is shown through DisplayText.
    TextBitmap(const std::string& text, const QFont& font, std::uint32_t textColour,
               std::uint32_t backgroundColour);
    // The same with the application's default font.
    TextBitmap(const std::string& text, std::uint32_t textColour, std::uint32_t backgroundColour);

    const std::uint8_t* Data() const { return data_.data(); }
    std::uint32_t DataSize() const { return dataSize_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    // True when the label's pixels could not be allocated.
    bool Failed() const { return failed_; }
    // Bytes per stored row (3 x width rounded up to a multiple of 4).
    std::int32_t Stride() const { return (width_ * 3 + 3) / 4 * 4; }

    // The pixel at column x, row y counted from the top, as a colour value (red in the
    // lowest byte); 0 outside the bitmap.
    std::uint32_t PixelAt(int x, int yFromTop) const;

private:
    void Render(const std::string& text, const QFont& font, std::uint32_t textColour,
                std::uint32_t backgroundColour);

    void MakeEmpty();

    std::vector<std::uint8_t> data_;
    bool failed_ = false;
    std::uint32_t dataSize_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
