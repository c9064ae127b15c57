#pragma once

#include <map>
#include <string>

#include "effects/EffectTranslator.h"

class FCPClipItemTag;

// The record of a freeze frame's conversion: the head, the clip item it stills (the current item;
// not owned) and the source frame it holds.
struct FreezeFrameTranslator : EffectTranslator {
    FreezeFrameTranslator(const ComponentContext& effectContext, const Auid& operation,
                          std::map<std::string, ParameterRecord>* effectParameters, FCPClipItemTag* item);

    // The clip item plays a nested sequence holding a still of its source frame, for the length of
    // the freeze.
    void TranslateFreezeFrame();

    FCPClipItemTag* clipItem;
    int sourceIn;  // the item's in, plus the start offset of its first subclip
};

// How long the nested sequence of a freeze frame runs, unless the freeze is longer.
inline constexpr int kFreezeFrameLength = 3600;
