#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Writes Windows bitmaps byte by byte for the decoder tests, independently of the decoder.
struct BmpSpec {
    int headerSize = 40;     // 12 (core) or 40; anything else is written as a 40-byte body
    bool fileHeader = true;  // the 14-byte "BM" header
    std::int32_t width = 1;
    std::int32_t height = 1;  // negative: rows written top row first
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::array<std::uint8_t, 3>> palette;  // red, green, blue
    // One value per pixel in file row order: palette index (1-8 bits), the raw 16-bit value,
    // or 0xRRGGBB (24 and 32 bits).
    std::vector<std::uint32_t> values;
};

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
