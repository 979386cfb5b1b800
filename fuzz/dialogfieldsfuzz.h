#pragma once

#include <cstddef>
#include <cstdint>

// Cuts the bytes into texts at every newline and types each into every number field of the
// time and location dialogs through their shared readers; six texts in a row form one set of
// date and time fields. Aborts when a reading breaks its range. Returns how many texts read
// as valid numbers somewhere.
std::size_t FuzzDialogFields(const std::uint8_t* data, std::size_t size);
