#include "aaf/import/ChooseMediaPath.h"

#include "config/ImportPreferences.h"

namespace {

// What a physical source names when it names no file at all.
constexpr const char* kEmptyFileUrl = "file:///";

std::string Chosen(const std::string& filePath, const std::string& sourcePath)
{
    if (!ImportPrefs.useSourceExt)
        return {};
    if (ImportPrefs.useMXFSource)
        return filePath;
    if (!ImportPrefs.useAnySource)
        return {};
    if (sourcePath.empty())
        return filePath;
    return sourcePath == kEmptyFileUrl ? std::string() : sourcePath;
}

}  // namespace

void ChooseMediaPath(MobSourceInfo& out)
{
    const std::string filePath = out.mob.mediaPath;
    const std::string sourcePath = out.GetSourceKind() == 63 ? out.physicalSources.front().mob.mediaPath : filePath;
    out.mob.mediaPath = Chosen(filePath, sourcePath);
}
