#include "aaf/import/ClassifyDescriptors.h"

int ClassifyDescriptors(const DescriptorLists& lists)
{
    if (!lists.cdci.empty())
        return 2;
    if (!lists.rgba.empty())
        return ClassifyRgbaLayout(lists.rgba.front().pixelLayout);
    return lists.sounds.empty() && lists.otherSounds.empty() ? 0 : 1;
}

int ClassifyRgbaLayout(const std::vector<RgbaComponent>& layout)
{
    for (const RgbaComponent& entry : layout)
        if (GetRgbaComponentName(entry.code) == "ALPHA")
            return 12;
    return 2;
}

std::string GetRgbaComponentName(int32_t code)
{
    switch (code) {
    case 0:
        return "NULL";
    case 48:
        return "NONE";
    case 65:
        return "ALPHA";
    case 66:
        return "BLUE";
    case 70:
        return "FILL";
    case 71:
        return "GREEN";
    case 80:
        return "PALETTE";
    case 82:
        return "RED";
    default:
        return "UNKNOWN";
    }
}
