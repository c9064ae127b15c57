#pragma once

#include <vector>

#include "fcpxml/AppSpecificData.h"
#include "fcpxml/SampleCharacteristics.h"

struct MediaSettings;

// The "format" element inside "video" (kind 2) and "audio" (kind 1).
struct FormatInfo {
    std::vector<SampleCharacteristicsInfo> samplecharacteristics;
    std::vector<AppSpecificDataInfo> appspecificdata;
    int kind = 0;

    FormatInfo() = default;
    // One sample description from the settings; a video format also carries the image-processing
    // block.
    FormatInfo(int formatKind, const MediaSettings& settings);
};

void WriteFormat(const FormatInfo& format);
