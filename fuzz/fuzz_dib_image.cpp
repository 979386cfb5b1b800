#include "fuzz/dibimagefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzDibImage(data, size);
    return 0;
}
