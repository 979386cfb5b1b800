#pragma once

#include <cstdint>
#include <memory>

// An abstract byte stream with a mode and the compression parameters of its write side.
class DataStream {
public:
    enum Mode : std::int32_t { kNotOpen = 0, kWrite = 1, kRead = 2 };

    virtual ~DataStream() = default;
    // Stores the mode number; always true.
    virtual bool SetMode(std::int32_t newMode);
    virtual bool Close() = 0;
    virtual bool IsOpen() = 0;
    virtual bool Write(const void* bytes, std::int32_t count) = 0;
    virtual bool WriteString(const char* text) = 0;
    virtual std::int32_t Read(void* destination, std::int32_t count) = 0;
    // A new buffer with the whole remaining content. The buffer holds one NUL byte past
    // `length` so text can be terminated in place.
    virtual bool ReadAll(std::unique_ptr<char[]>& buffer, std::uint32_t& length) = 0;
    virtual std::int32_t ApplyParams() = 0;

    std::int32_t mode = kNotOpen;
    std::int32_t level = -1;    // the compression library's default level
    std::int32_t strategy = 0;  // the compression library's default strategy
};
