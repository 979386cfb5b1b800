#include "fuzz/cataloglinesfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzCatalogLines(data, size);
    return 0;
}
