#include "platform/Registry.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

struct RegistryKey {
    std::map<std::string, std::string> values;  // by lower-cased name
};

namespace {

RegistryKey rootKey;

// A registry file is a few lines; anything bigger is not one.
constexpr std::streamsize kMaxRegistryFileBytes = 1 << 20;

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// The values of the section keyPath of the file, or false when the file or the section is missing.
bool ReadKey(const std::string& keyPath, RegistryKey& key)
{
    const char* file = std::getenv(kRegistryFileVariable);
    if (file == nullptr || *file == '\0')
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::string bytes(static_cast<std::size_t>(kMaxRegistryFileBytes) + 1, '\0');
    in.read(bytes.data(), kMaxRegistryFileBytes + 1);
    if (in.gcount() > kMaxRegistryFileBytes)
        return false;
    bytes.resize(static_cast<std::size_t>(in.gcount()));

    const std::string wanted = LowerAscii(keyPath);
    bool found = false;
    bool inKey = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            inKey = LowerAscii(line.substr(1, line.size() - 2)) == wanted;
            found = found || inKey;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inKey && equals != std::string_view::npos)
            key.values.insert_or_assign(LowerAscii(line.substr(0, equals)), std::string(line.substr(equals + 1)));
    }
    return found;
}

}  // namespace

const HKEY HKEY_LOCAL_MACHINE = &rootKey;

LSTATUS RegOpenKeyExA(HKEY root, const char* subKey, DWORD options, REGSAM access, HKEY* result)
{
    (void)options;
    (void)access;
    if (result == nullptr)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (root != HKEY_LOCAL_MACHINE || subKey == nullptr)
        return ERROR_FILE_NOT_FOUND;
    auto* key = new RegistryKey;
    if (!ReadKey(subKey, *key)) {
        delete key;
        return ERROR_FILE_NOT_FOUND;
    }
    *result = key;
    return ERROR_SUCCESS;
}

LSTATUS RegGetValueA(HKEY key, const char* subKey, const char* valueName, DWORD flags, DWORD* type, void* data,
                     DWORD* dataSize)
{
    if (key == nullptr || key == HKEY_LOCAL_MACHINE)
        return ERROR_INVALID_HANDLE;
    if ((subKey != nullptr && *subKey != '\0') || (flags & RRF_RT_REG_SZ) == 0)
        return ERROR_FILE_NOT_FOUND;
    const auto found = key->values.find(LowerAscii(valueName == nullptr ? "" : valueName));
    if (found == key->values.end())
        return ERROR_FILE_NOT_FOUND;
    if (type != nullptr)
        *type = REG_SZ;
    const std::size_t needed = found->second.size() + 1;
    if (dataSize == nullptr)
        return data == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
    const DWORD available = *dataSize;
    *dataSize = static_cast<DWORD>(needed);
    if (data == nullptr)
        return ERROR_SUCCESS;
    if (needed > available)
        return ERROR_MORE_DATA;
    std::memcpy(data, found->second.c_str(), needed);
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key)
{
    if (key == nullptr || key == HKEY_LOCAL_MACHINE)
        return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}
