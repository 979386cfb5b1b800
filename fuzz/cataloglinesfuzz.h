#pragma once

#include <cstddef>
#include <cstdint>

// Splits the bytes into lines and hands every line to every catalog line parser, then runs
// the constellation lookup and the triangulation on what came out. Returns the number of
// lines. Shared by the libFuzzer target and the seed replay test.
std::size_t FuzzCatalogLines(const std::uint8_t* data, std::size_t size);
