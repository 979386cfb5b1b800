#include "image/dibimage.h"

#include "image/messagesink.h"

#include <QFile>
#include <QString>
#include <new>

const char* const kDibOpenFailedFormat = "Failed to open DIB file %s.\n";
const char* const kDibUnknownFormat = "Unknown DIB file format.";
const char* const kDibConversionError = "Image file conversion error.";
const char* const kDibOutOfMemory = "Out of memory.";

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Larger pictures than this are taken for damaged headers rather than read.
constexpr std::int64_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

std::uint16_t U16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

std::int32_t I32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(U32(p));
}

// 5-bit channel widened to 8 bits by repeating its top bits, so 31 becomes 255.
std::uint8_t Widen5(unsigned v)
{
    return static_cast<std::uint8_t>((v << 3) | (v >> 2));
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored top row first
    unsigned bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t colourCount = 0;
    std::size_t colourEntrySize = 4;  // three bytes in a core header's table
};

std::unique_ptr<DibImage> Fail(MessageSink& sink, const char* text)
{
    sink.Report(text);
    return nullptr;
}

std::unique_ptr<DibImage> Decode(const std::uint8_t* data, std::size_t size, MessageSink& sink)
{
    const bool hasFileHeader = size >= 2 && data[0] == 'B' && data[1] == 'M';
    const std::size_t headerOffset = hasFileHeader ? kFileHeaderSize : 0;
    if (size < headerOffset + 4)
        return Fail(sink, kDibConversionError);
    const std::uint8_t* h = data + headerOffset;
    const std::uint32_t headerSize = U32(h);
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize)
        return Fail(sink, kDibUnknownFormat);
    if (size - headerOffset < headerSize)
        return Fail(sink, kDibConversionError);

    Header info;
    if (headerSize == kCoreHeaderSize) {
        info.width = U16(h + 4);
        info.height = U16(h + 6);
        info.bitCount = U16(h + 10);
        info.colourEntrySize = 3;
    } else {
        info.width = I32(h + 4);
        info.height = I32(h + 8);
        info.bitCount = U16(h + 14);
        info.compression = U32(h + 16);
        info.colourCount = U32(h + 32);
    }
    if (info.colourCount == 0) {
        switch (info.bitCount) {
        case 1: info.colourCount = 2; break;
        case 4: info.colourCount = 16; break;
        case 8: info.colourCount = 256; break;
        default: info.colourCount = 0; break;
        }
    }
    info.colourCount %= 65536;

    const std::size_t tableOffset = headerOffset + headerSize;
    const std::size_t tableSize = info.colourCount * info.colourEntrySize;
    if (size - tableOffset < tableSize)
        return Fail(sink, kDibConversionError);

    const unsigned bits = info.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return Fail(sink, kDibConversionError);
    // Run-length and bit-field bitmaps are not read.
    if (info.compression != 0)
        return Fail(sink, kDibConversionError);
    const std::int64_t width = info.width;
    const std::int64_t rows = info.height < 0 ? -info.height : info.height;
    if (width <= 0 || rows <= 0 || width > kMaxSide || rows > kMaxSide ||
        width * rows > kMaxPixels)
        return Fail(sink, kDibConversionError);

    const std::size_t pixelOffset = hasFileHeader ? U32(data + 10) : tableOffset + tableSize;
    const std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    const std::size_t rowBytes = static_cast<std::size_t>((width * bits + 7) / 8);
    // The last row may lack its padding; everything else must lie inside the file.
    if (pixelOffset > size ||
        size - pixelOffset < stride * static_cast<std::size_t>(rows - 1) + rowBytes)
        return Fail(sink, kDibConversionError);

    const std::uint8_t* table = data + tableOffset;
    auto paletteColour = [&](unsigned index, std::uint8_t* out) {
        if (index < info.colourCount) {
            const std::uint8_t* e = table + index * info.colourEntrySize;
            out[0] = e[2];
            out[1] = e[1];
            out[2] = e[0];
        } else {
            out[0] = out[1] = out[2] = 0;
        }
    };

    std::unique_ptr<DibImage> image(new (std::nothrow) DibImage);
    if (!image)
        return Fail(sink, kDibOutOfMemory);
    try {
        image->pixels.resize(static_cast<std::size_t>(width * rows * 3));
    } catch (const std::bad_alloc&) {
        return Fail(sink, kDibOutOfMemory);
    }
    image->width = static_cast<std::int32_t>(width);
    image->height = static_cast<std::int32_t>(rows);

    for (std::int64_t r = 0; r < rows; ++r) {
        const std::int64_t fileRow = info.height < 0 ? rows - 1 - r : r;
        const std::uint8_t* src = data + pixelOffset + static_cast<std::size_t>(fileRow) * stride;
        std::uint8_t* dst = image->pixels.data() + static_cast<std::size_t>(r * width * 3);
        for (std::int64_t x = 0; x < width; ++x, dst += 3) {
            switch (bits) {
            case 1:
                paletteColour((src[x >> 3] >> (7 - (x & 7))) & 1, dst);
                break;
            case 4:
                paletteColour((x & 1) ? (src[x >> 1] & 0x0f) : (src[x >> 1] >> 4), dst);
                break;
            case 8:
                paletteColour(src[x], dst);
                break;
            case 16: {
                const unsigned v = U16(src + 2 * x);
                dst[0] = Widen5((v >> 10) & 0x1f);
                dst[1] = Widen5((v >> 5) & 0x1f);
                dst[2] = Widen5(v & 0x1f);
                break;
            }
            case 24:
                dst[0] = src[3 * x + 2];
                dst[1] = src[3 * x + 1];
                dst[2] = src[3 * x];
                break;
            case 32:
                dst[0] = src[4 * x + 2];
                dst[1] = src[4 * x + 1];
                dst[2] = src[4 * x];
                break;
            }
        }
    }
    return image;
}

}  // namespace

std::string DibOpenFailedMessage(const std::string& path)
{
    return "Failed to open DIB file " + path + ".\n";
}

std::unique_ptr<DibImage> DecodeDibImage(const std::uint8_t* data, std::size_t size,
                                         MessageSink& sink)
{
    return Decode(data, size, sink);
}

std::unique_ptr<DibImage> LoadDibImage(const std::string& path, MessageSink& sink)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        sink.Report(DibOpenFailedMessage(path));
        return nullptr;
    }
    const qint64 size = file.size();
    uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    if (!mapped) {
        sink.Report(DibOpenFailedMessage(path));
        return nullptr;
    }
    std::unique_ptr<DibImage> image = Decode(mapped, static_cast<std::size_t>(size), sink);
    file.unmap(mapped);
    return image;
}
