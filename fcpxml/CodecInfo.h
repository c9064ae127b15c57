#pragma once

#include <string>
#include <vector>

#include "fcpxml/AppSpecificData.h"

struct MediaSettings;

// The "codec" element of a video sample description.
struct CodecInfo {
    std::string name;
    std::vector<AppSpecificDataInfo> appspecificdata;

    CodecInfo() = default;
    // One application block in its codec form; the name is that block's first codec name.
    explicit CodecInfo(const MediaSettings& settings);
};

void WriteCodec(const CodecInfo& codec);
