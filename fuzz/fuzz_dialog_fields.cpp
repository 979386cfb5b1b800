#include "fuzz/dialogfieldsfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzDialogFields(data, size);
    return 0;
}
