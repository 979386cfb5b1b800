#include "fuzz/sntpreplyfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzSntpReplies(data, size);
    return 0;
}
