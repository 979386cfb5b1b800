#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <zlib.h>

// A gzip file read through zlib's gz interface (the catalogs are only ever read); closed
// when it goes.
class GzFileStream {
public:
    // Opens an existing file for reading after taking its size on disk. Fails when already
    // open or when the file cannot be opened.
    bool Open(const std::string& path);
    bool Close();
    bool IsOpen() const { return file_ != nullptr; }
    // Up to count decompressed bytes; 0 when not open or count is negative.
    std::int32_t Read(void* destination, std::int32_t count);
    // Reads to the end into one buffer of exactly the decompressed size (the stream is
    // decompressed twice: once to count, once to fill). The buffer holds one NUL byte past
    // `length` so text can be terminated in place. Fails on a read error, on a compressed
    // stream that is cut short, when nothing was decompressed and when the content would
    // exceed maxLength bytes.
    bool ReadAll(std::unique_ptr<char[]>& buffer, std::uint32_t& length);

    // The largest plausible catalog is a few megabytes.
    static constexpr std::uint64_t kDefaultMaxLength = 64ull << 20;
    static constexpr std::size_t kScratchBytes = 64u << 10;

    std::uint64_t maxLength = kDefaultMaxLength;  // ReadAll refuses longer content
    std::int32_t compressedSize = 0;  // bytes on disk, taken when opened

private:
    struct Closer {
        void operator()(gzFile f) const { gzclose(f); }
    };
    std::unique_ptr<gzFile_s, Closer> file_;
};
