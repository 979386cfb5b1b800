#include "catalog/gzfilestream.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <new>
#include <vector>

bool GzFileStream::Open(const std::string& path)
{
    if (IsOpen())
        return false;
    if (std::FILE* plain = std::fopen(path.c_str(), "rb")) {
        long size = -1;
        if (std::fseek(plain, 0, SEEK_END) == 0)
            size = std::ftell(plain);
        std::fclose(plain);
        // A chunk of the compressed size must be countable in 32 bits.
        if (size >= 0 && size <= std::numeric_limits<std::int32_t>::max()) {
            compressedSize = static_cast<std::int32_t>(size);
            file_.reset(gzopen(path.c_str(), "rb"));
        }
    }
    return IsOpen();
}

bool GzFileStream::Close()
{
    if (!IsOpen())
        return false;
    return gzclose(file_.release()) == Z_OK;
}

std::int32_t GzFileStream::Read(void* destination, std::int32_t count)
{
    if (!IsOpen() || count < 0)
        return 0;
    return gzread(file_.get(), destination, static_cast<unsigned>(count));
}

bool GzFileStream::ReadAll(std::unique_ptr<char[]>& buffer, std::uint32_t& length)
{
    length = 0;
    if (!IsOpen() || compressedSize == 0)
        return false;

    // First pass: count the decompressed bytes through a small scratch buffer, giving up
    // past the cap; second pass: decompress again into one buffer of exactly that size.
    // Working memory is thus the output plus the scratch buffer.
    const z_off_t start = gztell(file_.get());  // what was read before stays read
    if (start < 0)
        return false;
    std::vector<char> scratch(kScratchBytes);
    std::uint64_t total = 0;
    for (;;) {
        const int n = gzread(file_.get(), scratch.data(), static_cast<unsigned>(scratch.size()));
        if (n < 0)
            return false;
        if (n == 0)
            break;
        total += static_cast<std::uint64_t>(n);
        if (total > maxLength)
            return false;
    }
    // zlib reports a stream cut short as a plain end of data and keeps the error aside.
    int error = Z_OK;
    gzerror(file_.get(), &error);
    if (error != Z_OK || total == 0 || gzseek(file_.get(), start, SEEK_SET) != start)
        return false;

    std::unique_ptr<char[]> joined(new (std::nothrow) char[total + 1]);
    if (!joined)
        return false;
    std::uint64_t done = 0;
    while (done < total) {
        const std::uint64_t want = std::min<std::uint64_t>(total - done, kScratchBytes * 16);
        const int n = gzread(file_.get(), joined.get() + done, static_cast<unsigned>(want));
        if (n <= 0)
            return false;
        done += static_cast<std::uint64_t>(n);
    }
    joined[total] = '\0';
    length = static_cast<std::uint32_t>(total);
    buffer = std::move(joined);
    return true;
}
