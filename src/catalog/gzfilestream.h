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
    // Reads to the end in chunks of the compressed size and joins them once. Fails on a
    // read error, on a compressed stream that is cut short, and when nothing was
    // decompressed.
    bool ReadAll(std::unique_ptr<char[]>& buffer, std::uint32_t& length) override;
    std::int32_t ApplyParams() override;

    gzFile file = nullptr;
    std::int32_t compressedSize = 0;  // bytes on disk, taken when opened for reading
};
