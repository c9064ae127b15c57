#pragma once

#include <string>

// Loads one AAF SDK library (such as "AAFCOAPI.dll") from the current directory, with the C locale
// switched to "pt_PT.UTF-8" for the load. Returns the C locale in force before the call; the caller
// unloads the library and then restores that locale. A missing locale or library is not reported.
std::string LoadAafLibrary(const char* name);
