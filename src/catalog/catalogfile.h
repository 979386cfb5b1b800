#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A catalog file in memory, cut into lines. The file is read whole into one buffer (from
// `path`, or from `path` + ".gz" when the plain file is missing) and split in place: each
// line is a NUL-terminated, writable string inside the buffer.
class CatalogFile {
public:
    // Loads the file; true when the plain file or its ".gz" form was read. Paths whose
    // ".gz" form would not fit in 260 bytes are refused when the plain file is missing, and
    // so is content above 64 MiB (plain or decompressed).
    bool ReadLines(const std::string& path);
    // Takes a copy of the bytes as the file's content and splits it.
    void Assign(const char* bytes, std::size_t size);
    // Frees the content; the line list keeps its capacity.
    void Release();

    std::size_t LineCount() const { return lines_.size(); }
    char* Line(std::size_t i) const { return lines_[i]; }
    std::uint32_t Length() const { return length_; }
    // Whether the last ReadLines read the ".gz" form.
    bool Compressed() const { return compressed_; }

    // CR, LF and CR LF each end a line; two ends in a row give an empty line between them;
    // an end at the very end of the buffer adds no empty line.
    void SplitLines();

private:
    // One byte past `length_` stays in the buffer so a last line without terminator still
    // ends in NUL.
    std::unique_ptr<char[]> buffer_;
    std::uint32_t length_ = 0;
    std::vector<char*> lines_;
    bool compressed_ = false;
};
