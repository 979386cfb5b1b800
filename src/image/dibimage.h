#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class MessageSink;

// A picture as plain 8-bit red, green, blue pixels: rows bottom row first, each row `width`
// pixels of three bytes, packed with no padding between rows (set the unpack alignment to 1
// when 3 * width is not a multiple of 4).
struct DibImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3 bytes
};

// Reads a Windows bitmap file (with or without its 14-byte "BM" file header) of 1, 4, 8,
// 16 (5-5-5), 24 or 32 bits per pixel, uncompressed, with a 12- or 40-byte header. Returns
// null after reporting one of "Failed to open DIB file %s.\n", "Unknown DIB file format.",
// "Image file conversion error." or "Out of memory." to the sink.
std::unique_ptr<DibImage> LoadDibImage(const std::string& path, MessageSink& sink);

// The same decoding of a bitmap already in memory (the file's bytes).
std::unique_ptr<DibImage> DecodeDibImage(const std::uint8_t* data, std::size_t size,
                                         MessageSink& sink);

// The four failure texts.
extern const char* const kDibOpenFailedFormat;  // "Failed to open DIB file %s.\n"
extern const char* const kDibUnknownFormat;
extern const char* const kDibConversionError;
extern const char* const kDibOutOfMemory;

// "Failed to open DIB file <path>.\n"
std::string DibOpenFailedMessage(const std::string& path);
