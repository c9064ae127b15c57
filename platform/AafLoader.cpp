#include "platform/AafLoader.h"

std::int32_t AAFLoad(const char* dllPath)
{
    (void)dllPath;
    return 0;
}

std::int32_t AAFUnload()
{
    return 0;
}
