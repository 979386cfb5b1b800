#pragma once

#include "catalog/datastream.h"

#include <string>
#include <zlib.h>

// A file read or written through zlib's gz interface.
class GzFileStream : public DataStream {
public:
    GzFileStream() = default;
    ~GzFileStream() override;
    GzFileStream(const GzFileStream&) = delete;
    GzFileStream& operator=(const GzFileStream&) = delete;

    // Mode 1 opens for writing ("wb", then ApplyParams); mode 2 opens an existing file for
    // reading after taking its size on disk. Fails when already open.
    bool Open(const std::string& path, std::int32_t openMode);

    bool Close() override;
    bool IsOpen() override;
    bool Write(const void* bytes, std::int32_t count) override;
    bool WriteString(const char* text) override;
    std::int32_t Read(void* destination, std::int32_t count) override;
    // Reads to the end into one buffer of exactly the decompressed size (the stream is
    // decompressed twice: once to count, once to fill). Fails on a read error, on a
    // compressed stream that is cut short, when nothing was decompressed and when the
    // content would exceed maxLength bytes.
    bool ReadAll(std::unique_ptr<char[]>& buffer, std::uint32_t& length) override;
    std::int32_t ApplyParams() override;

    // The largest plausible catalog is a few megabytes.
    static constexpr std::uint64_t kDefaultMaxLength = 64ull << 20;
    static constexpr std::size_t kScratchBytes = 64u << 10;

    gzFile file = nullptr;
    std::uint64_t maxLength = kDefaultMaxLength;  // ReadAll refuses longer content
    std::int32_t compressedSize = 0;  // bytes on disk, taken when opened for reading
};
