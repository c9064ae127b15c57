#include "effects/plugins/PluginNames.h"

#include <string_view>

std::string PluginNameAlias(const std::string& name, std::span<const PluginNamePair> aliases)
{
    for (const PluginNamePair& pair : aliases) {
        if (pair.first == name)
            return std::string(pair.second);
    }
    const PluginNamePair* found = nullptr;
    for (const PluginNamePair& pair : aliases) {
        if (pair.second == name && (found == nullptr || pair.first > found->first))
            found = &pair;
    }
    if (found != nullptr)
        return std::string(found->first);
    return PluginRtNameForm(name);
}

std::string PluginRtNameForm(const std::string& name)
{
    constexpr std::string_view kRtPrefix = "ZRQ  RT ";
    constexpr std::string_view kLinePrefix = "ZRQ ";
    constexpr std::string_view kRtSuffix = " RT";
    if (name.find(kRtPrefix) != std::string::npos)
        return std::string(kLinePrefix) + name.substr(kRtPrefix.size()) + std::string(kRtSuffix);
    if (name.find(kRtSuffix) != std::string::npos) {
        if (name.find(kLinePrefix) == std::string::npos)
            return {};
        // The middle between the line prefix and the suffix; the two may overlap in a short name.
        if (name.size() < kLinePrefix.size() + kRtSuffix.size())
            return {};
        return std::string(kRtPrefix) + name.substr(kLinePrefix.size(), name.size() - kLinePrefix.size() - kRtSuffix.size());
    }
    if (const std::size_t cut = name.find(" TR"); cut != std::string::npos)
        return name.substr(0, cut);
    return {};
}

std::string FixPluginDisplayName(const std::string& name, std::span<const PluginNamePair> fixUps)
{
    for (const PluginNamePair& pair : fixUps) {
        if (pair.first == name)
            return std::string(pair.second);
    }
    return name;
}
