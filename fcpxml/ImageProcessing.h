#pragma once

#include <string>

struct MediaSettings;

// The "fcpimageprocessing" hints of a video format.
struct FcpImageProcessingInfo {
    std::string rendermode;
    bool useyuv = false;
    bool usesuperwhite = false;
};

// Render mode from the settings' codec; YUV always; super-white only for the one preset that asks
// for it.
FcpImageProcessingInfo MakeImageProcessing(const MediaSettings& settings);

void WriteFcpImageProcessing(const FcpImageProcessingInfo& info);
