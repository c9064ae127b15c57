#include "config/ProjectFormat.h"

#include <string_view>

#include "config/ImportPreferences.h"

namespace {

constexpr ProjectFormatCode kProjectFormats[] = {
    {1, "23.976p NTSC"}, {2, "24p NTSC"},     {3, "30i NTSC"},       {4, "24p PAL"},
    {5, "25p PAL"},      {6, "25i PAL"},      {7, "720p/23.976"},    {8, "720p/59.94"},
    {9, "1080p/23.976"}, {10, "1080p/24"},    {11, "1080i/50"},      {12, "1080i/59.94"},
    {16, "1080p/25"},    {17, "720p/25"},     {18, "720p/29.97"},    {22, "1080p/29.97"},
    {23, "720p/50"},
};

constexpr int kDefaultProjectFormatCode = 3;
constexpr const char* kDefaultProjectFormatName = "30i NTSC";

}  // namespace

std::string ProjectFormatNameFromCode(int code)
{
    for (const ProjectFormatCode& row : kProjectFormats)
        if (row.code == code)
            return row.name;
    return kDefaultProjectFormatName;
}

int ProjectFormatCodeFromName(const std::string& name)
{
    for (const ProjectFormatCode& row : kProjectFormats)
        if (name == std::string_view(row.name))
            return row.code;
    return kDefaultProjectFormatCode;
}

void SetProjectFormatCode(int code)
{
    ImportPrefs.projectFormatCode = code;
}
