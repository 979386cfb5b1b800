#pragma once

#include <fstream>
#include <string>
#include <zlib.h>

// Small helpers for writing catalog fixtures.
inline void WriteText(const std::string& path, const std::string& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << bytes;
}

inline void WriteGz(const std::string& path, const std::string& bytes)
{
    gzFile f = gzopen(path.c_str(), "wb");
    gzwrite(f, bytes.data(), static_cast<unsigned>(bytes.size()));
    gzclose(f);
}

inline std::string ShippedPath(const std::string& relative)
{
    return std::string(KOSMIRA_SOURCE_DIR) + "/" + relative;
}

inline bool Exists(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return f.good();
}
