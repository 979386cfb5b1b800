#pragma once

#include <cstddef>
#include <cstdint>

// Writes the bytes as "<name>.gz" into a temporary folder (the plain file absent), reads it
// back through CatalogFile::ReadLines (zlib's gz reader and the size cap) and hands every
// line to every catalog line parser, the first few also with their labels rendered. Returns
// the number of lines read, 0 when the file was refused. Needs a QGuiApplication for the
// labels. Shared by the libFuzzer target and the seed replay test.
std::size_t FuzzGzCatalog(const std::uint8_t* data, std::size_t size);
