#pragma once

#include <cstddef>
#include <cstdint>

// Decodes the bytes as a bitmap file; 1 when a picture came out. Shared by the libFuzzer
// target and the seed replay test.
int FuzzDibImage(const std::uint8_t* data, std::size_t size);
