#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/Auid.h"

// A definition named by a descriptor property (compression, gamma, coding equations, primaries).
struct DefinitionRef {
    Auid id;
    int32_t flag = 0;
    std::string name = "None";
};

// The picture properties of a digital image descriptor, with the readers' defaults.
struct DigitalImageInfo {
    int32_t fieldDominance = 2;
    int32_t fieldEndOffset = -1;
    int32_t fieldStartOffset = -1;
    int32_t frameLayout = 1;
    int32_t imageAspectRatioNumerator = 4;
    int32_t imageAspectRatioDenominator = 3;
    int32_t imageAlignmentFactor = -1;
    int32_t storedWidth = -1;
    int32_t storedHeight = -1;
    int32_t storedF2Offset = -1;
    int32_t displayWidth = -1;
    int32_t displayHeight = -1;
    int32_t displayXOffset = 0;
    int32_t displayYOffset = 0;
    int32_t displayF2Offset = -1;
    int32_t sampledWidth = -1;
    int32_t sampledHeight = -1;
    int32_t sampledXOffset = 0;
    int32_t sampledYOffset = 0;
    DefinitionRef compression;
    DefinitionRef transferCharacteristic;
    DefinitionRef codingEquations;
    DefinitionRef colorPrimaries;
    int32_t activeFormatDescriptor = 255;
    int32_t alphaTransparency = 0;
    int32_t signalStandard = 0;
    std::vector<int32_t> videoLineMap;
};

// The properties of a CDCI picture descriptor.
struct CdciInfo {
    int32_t horizontalSubsampling = -1;
    int32_t verticalSubsampling = -1;  // the second subsampling field
    int32_t componentWidth = -1;
    int32_t colorRange = -1;
    int32_t blackReferenceLevel = -1;
    int32_t whiteReferenceLevel = -1;
    int32_t colorSiting = 255;
    int32_t paddingBits = -1;
    int32_t alphaSamplingWidth = -1;
    std::string reversedByteOrder = "NOT_PRESENT";
};

// One entry of an RGBA pixel or palette layout.
struct RgbaComponent {
    int32_t code = 0;  // the SDK's component kind, a character code ('R', 'G', 'B', 'A', ...)
    int32_t size = 0;
};

struct RgbaLayoutInfo {
    std::vector<RgbaComponent> pixelLayout;
    std::vector<RgbaComponent> paletteLayout;
    int32_t values[5] = {0, 0, 0, 0, 0};  // the second-version RGBA properties
};

// The properties of a sound descriptor.
struct SoundInfo {
    int32_t sampleRateNumerator = 48000;
    int32_t sampleRateDenominator = 1;
    int32_t electroSpatialFormulation = 0;
    int32_t dialNorm = -1;
    int32_t locked = 0;
    int32_t audioReferenceLevel = -1;
    int32_t channelCount = 0;
    int32_t quantizationBits = 0;
};

// The essence descriptors of one source mob.
struct DescriptorLists {
    std::vector<DigitalImageInfo> images;
    std::vector<CdciInfo> cdci;
    std::vector<RgbaLayoutInfo> rgba;
    std::vector<SoundInfo> sounds;
    std::vector<SoundInfo> otherSounds;  // no reader fills it; still counts as sound
};
