#include "config/NamedParameters.h"

std::map<std::string, std::string> NamedParameters;
std::string PrefFilePath;

void SetNamedParameter(const char* name, const char* value)
{
    NamedParameters[name ? name : ""] = value ? value : "";
}

std::string GetNamedParameter(const char* name)
{
    auto it = NamedParameters.find(name ? name : "");
    return it == NamedParameters.end() ? std::string() : it->second;
}
