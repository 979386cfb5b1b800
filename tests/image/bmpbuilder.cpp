#include "bmpbuilder.h"

#include <fstream>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec)
{
    std::vector<std::uint8_t> header;
    const int headerBytes = spec.headerSize;
    Put32(header, static_cast<std::uint32_t>(headerBytes));
    if (headerBytes == 12) {
        Put16(header, static_cast<std::uint32_t>(spec.width));
        Put16(header, static_cast<std::uint32_t>(spec.height));
        Put16(header, 1);
        Put16(header, static_cast<std::uint32_t>(spec.bitCount));
    } else {
        Put32(header, static_cast<std::uint32_t>(spec.width));
        Put32(header, static_cast<std::uint32_t>(spec.height));
        Put16(header, 1);
        Put16(header, static_cast<std::uint32_t>(spec.bitCount));
        Put32(header, spec.compression);
        Put32(header, 0);     // image size
        Put32(header, 2835);  // 72 dpi
        Put32(header, 2835);
        Put32(header, spec.coloursUsed);
        Put32(header, 0);
        while (header.size() < static_cast<std::size_t>(headerBytes))
            header.push_back(0);
    }
    for (const auto& c : spec.palette) {
        header.push_back(c[2]);
        header.push_back(c[1]);
        header.push_back(c[0]);
        if (headerBytes != 12)
            header.push_back(0);
    }

    const int rows = spec.height < 0 ? -spec.height : spec.height;
    const std::size_t stride = (static_cast<std::size_t>(spec.width) * spec.bitCount + 31) / 32 * 4;
    std::vector<std::uint8_t> pixels(stride * rows, 0);
    for (int r = 0; r < rows; ++r) {
        std::uint8_t* row = pixels.data() + r * stride;
        for (int x = 0; x < spec.width; ++x) {
            const std::uint32_t v = spec.values[static_cast<std::size_t>(r) * spec.width + x];
            switch (spec.bitCount) {
            case 1: row[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8)); break;
            case 4: row[x / 2] |= static_cast<std::uint8_t>((v & 15) << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = static_cast<std::uint8_t>(v); break;
            case 16:
                row[2 * x] = static_cast<std::uint8_t>(v);
                row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                break;
            case 24:
                row[3 * x] = static_cast<std::uint8_t>(v);
                row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
                break;
            case 32:
                row[4 * x] = static_cast<std::uint8_t>(v);
                row[4 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                row[4 * x + 2] = static_cast<std::uint8_t>(v >> 16);
                row[4 * x + 3] = 0x5a;  // unused byte, must be ignored
                break;
            }
        }
    }

    std::vector<std::uint8_t> out;
    if (spec.fileHeader) {
        const std::uint32_t offset = 14 + static_cast<std::uint32_t>(header.size());
        out.push_back('B');
        out.push_back('M');
        Put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
        Put32(out, 0);
        Put32(out, offset);
    }
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
