#pragma once

#include <cstdint>

// The AAF SDK's run-time library loader. The project's AAF layer is linked into the program, so
// there is no library to load: both calls succeed and do nothing.

// Loads the AAF library at dllPath; 0 on success.
std::int32_t AAFLoad(const char* dllPath);

// Unloads the library that AAFLoad loaded; 0 on success.
std::int32_t AAFUnload();
