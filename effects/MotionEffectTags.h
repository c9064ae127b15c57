#pragma once

#include <cstdint>

// What a time-warp group carries about its motion effect: the graph view tags, the speed ratio and
// the edit rate of its input. The time-remap converter takes the first record over.
struct MotionEffectTags {
    std::int32_t graphEnabled = 0;     // "_MFX_GRAPH_ENABLED"
    std::int32_t speedViewTop = 0;     // "_MFX_VIEW_SPD_TOP"
    std::int32_t speedViewBottom = 0;  // "_MFX_VIEW_SPD_BOTTOM"
    std::int32_t numerator = 0;        // "Numerator" of the speed ratio
    std::int32_t denominator = 1;      // "Denominator" of the speed ratio
    std::int32_t motionAdapter = 0;    // "_MIXMATCH_MOTIONADAPTER"
    std::int32_t portableMatch = 0;    // 1 when "_MATCH" is "__PortableObject"
    std::int32_t rateNumerator = 0;    // the input's "_MIXMATCH_RATE_NUM"
    std::int32_t rateDenominator = 1;  // the input's "_MIXMATCH_RATE_DENOM"
};
