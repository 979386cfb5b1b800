#include "catalog/datastream.h"

bool DataStream::SetMode(std::int32_t newMode)
{
    mode = newMode;
    return true;
}
