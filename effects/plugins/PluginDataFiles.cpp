#include "effects/plugins/PluginDataFiles.h"

#include <algorithm>

#include "effects/plugins/PluginNames.h"
#include "platform/Registry.h"

namespace {

constexpr const char* kRegistryKey = "SOFTWARE\\Tarvo FX, Inc.\\Tarvo Ostrani";
constexpr const char* kRegistryValue = "Tarvo_XML_Data";
constexpr DWORD kRegistryValueBytes = 256;

constexpr const char* kFCPFolders[] = {"Solvane_Complete\\ZRQ7_FCP\\", "Solvane_Complete\\ZRQ6_FCP\\",
                                       "Kelvane\\KVX_FCP\\"};
constexpr const char* kAvidFolders[] = {"Solvane_Complete\\ZRQ7_AAF\\", "Kelvane\\KVX_AAF\\"};

template <std::size_t N>
std::vector<std::string> FoldersUnderRoot(const char* const (&folders)[N])
{
    const std::optional<std::string> root = PluginDataRoot();
    std::vector<std::string> paths;
    for (const char* folder : folders) {
        std::string path = root ? *root + folder : std::string();
        std::replace(path.begin(), path.end(), '\\', '/');
        paths.push_back(std::move(path));
    }
    return paths;
}

}  // namespace

std::optional<std::string> PluginDataRoot()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[kRegistryValueBytes] = {};
    DWORD size = kRegistryValueBytes;
    // A failed read leaves the buffer empty, which is the root then.
    RegGetValueA(key, nullptr, kRegistryValue, RRF_RT_REG_SZ, nullptr, buffer, &size);
    RegCloseKey(key);
    buffer[kRegistryValueBytes - 1] = '\0';
    return std::string(buffer);
}

std::vector<std::string> FCPPluginDataFolders() { return FoldersUnderRoot(kFCPFolders); }
std::vector<std::string> AvidPluginDataFolders() { return FoldersUnderRoot(kAvidFolders); }

bool IsPluginFileNameSafe(const std::string& name)
{
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos && name.find("..") == std::string::npos;
}

std::ifstream OpenPluginDataFile(const std::string& name, const std::vector<std::string>& folders, bool retry,
                                 std::span<const PluginNamePair> aliases)
{
    if (IsPluginFileNameSafe(name)) {
        for (const std::string& folder : folders) {
            std::ifstream in(folder + name + ".txt", std::ios::binary);
            if (in.is_open() && in.good())
                return in;
        }
    }
    if (retry) {
        const std::string alias = PluginNameAlias(name, aliases);
        if (!alias.empty())
            return OpenPluginDataFile(alias, folders, false, aliases);
    }
    return {};
}

std::ifstream OpenFCPPluginDataFile(const std::string& name, std::span<const PluginNamePair> aliases)
{
    return OpenPluginDataFile(name, FCPPluginDataFolders(), true, aliases);
}

std::ifstream OpenAvidPluginDataFile(const std::string& name, std::span<const PluginNamePair> aliases)
{
    return OpenPluginDataFile(name, AvidPluginDataFolders(), true, aliases);
}
