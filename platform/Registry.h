#pragma once

#include <cstdint>

// The three registry calls the program makes, on a platform without a registry. Keys and values
// come from a small text file named by the environment variable AAF2XMEML_REGISTRY_FILE:
//
//   [SOFTWARE\Some Maker\Some Product]
//   Name=Value
//
// one "[KEY PATH]" line per key (matched without regard to ASCII case, as key paths are) and
// "Name=Value" lines under it; blank lines and lines that begin with ";" are skipped, and a line
// break may be CR LF. Every key lies under HKEY_LOCAL_MACHINE; there is one view, so the view flags
// of the access mask change nothing.

using LSTATUS = std::int32_t;
using DWORD = std::uint32_t;
using REGSAM = std::uint32_t;
struct RegistryKey;
using HKEY = RegistryKey*;

inline constexpr LSTATUS ERROR_SUCCESS = 0;
inline constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
inline constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
inline constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
inline constexpr LSTATUS ERROR_MORE_DATA = 234;

inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WOW64_32KEY = 0x0200;
inline constexpr REGSAM KEY_WOW64_64KEY = 0x0100;
inline constexpr DWORD RRF_RT_REG_SZ = 0x00000002;
inline constexpr DWORD REG_SZ = 1;

// The environment variable that names the registry file.
inline constexpr const char* kRegistryFileVariable = "AAF2XMEML_REGISTRY_FILE";

// The root key; the only one there is.
extern const HKEY HKEY_LOCAL_MACHINE;

// Opens the key at subKey under root. ERROR_FILE_NOT_FOUND when the variable is unset, the file
// cannot be read or holds no such key; *result is then null.
LSTATUS RegOpenKeyExA(HKEY root, const char* subKey, DWORD options, REGSAM access, HKEY* result);

// Reads the string value valueName of key (subKey must be null or empty) into data, with its
// terminating NUL, when *dataSize bytes hold it; *dataSize becomes the bytes the value takes. A
// value the key lacks gives ERROR_FILE_NOT_FOUND, one too long for the buffer ERROR_MORE_DATA; data
// is left as it was in both cases. Only RRF_RT_REG_SZ values exist.
LSTATUS RegGetValueA(HKEY key, const char* subKey, const char* valueName, DWORD flags, DWORD* type, void* data,
                     DWORD* dataSize);

// Closes a key that RegOpenKeyExA opened.
LSTATUS RegCloseKey(HKEY key);
