#pragma once

#include <string>

// The frame and audio options as the host's display texts; MediaSettings turns them into numbers
// and FCP terms.
struct MediaPreset {
    std::string width = "720";
    std::string height = "480";
    std::string frameRate = "29.97";
    std::string pixelAspectRatio = "NTSC - CCIR 601 / DV (720x480)";
    std::string fieldDominance = "Lower (Even)";
    std::string compressor = "DV/DVCPRO - NTSC";
    bool anamorphic = false;
    std::string sampleRate = "48 kHz";
    std::string depth = "16-bit";
};
