#include "catalog/catalogfile.h"

#include "catalog/gzfilestream.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

// The path buffer the ".gz" name is built in, terminator included.
constexpr std::size_t kMaxPathBytes = 260;
// A catalog larger than this (plain, or once decompressed) is refused as unreadable.
constexpr long kMaxFileBytes = 64L << 20;

}  // namespace

void CatalogFile::Release()
{
    buffer_.reset();
    length_ = 0;
    lines_.clear();
}

bool CatalogFile::ReadLines(const std::string& path)
{
    Release();
    compressed_ = false;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        bool ok = std::fseek(f, 0, SEEK_END) == 0;
        const long size = ok ? std::ftell(f) : -1;
        ok = ok && size >= 0 && size <= kMaxFileBytes && std::fseek(f, 0, SEEK_SET) == 0;
        if (ok) {
            buffer_.reset(new (std::nothrow) char[static_cast<std::size_t>(size) + 1]);
            ok = buffer_ != nullptr;
        }
        if (ok) {
            length_ = static_cast<std::uint32_t>(size);
            ok = std::fread(buffer_.get(), 1, length_, f) == length_;
            buffer_[length_] = '\0';
        }
        std::fclose(f);
        if (!ok) {
            Release();
            return false;
        }
        SplitLines();
        return true;
    }

    if (path.size() + std::strlen(".gz") + 1 > kMaxPathBytes)
        return false;
    GzFileStream stream;
    if (!stream.Open(path + ".gz"))
        return false;
    stream.maxLength = static_cast<std::uint64_t>(kMaxFileBytes);
    if (!stream.ReadAll(buffer_, length_)) {
        Release();
        return false;
    }
    compressed_ = true;
    SplitLines();
    return true;
}

void CatalogFile::Assign(const char* bytes, std::size_t size)
{
    Release();
    if (size > static_cast<std::size_t>(kMaxFileBytes))
        size = static_cast<std::size_t>(kMaxFileBytes);
    buffer_.reset(new char[size + 1]);
    if (size > 0)
        std::memcpy(buffer_.get(), bytes, size);
    buffer_[size] = '\0';
    length_ = static_cast<std::uint32_t>(size);
    SplitLines();
}

void CatalogFile::SplitLines()
{
    lines_.clear();
    if (!buffer_)
        return;
    char* const begin = buffer_.get();
    char* const end = begin + length_;
    char* lineStart = begin;
    for (char* p = begin; p < end; ++p) {
        if (*p == '\r') {
            lines_.push_back(lineStart);
            *p = '\0';
            if (p + 1 < end && p[1] == '\n') {
                ++p;
                *p = '\0';
            }
            lineStart = p + 1;
        } else if (*p == '\n') {
            lines_.push_back(lineStart);
            *p = '\0';
            lineStart = p + 1;
        }
    }
    // A last line without terminator ends at the spare NUL byte past the content.
    if (lineStart != end)
        lines_.push_back(lineStart);
}
