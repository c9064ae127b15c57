#pragma once

#include <string>
#include <vector>

#include "fcpxml/ParameterInfo.h"

// The "effect" element: an FCP filter, transition or generator with its parameters.
struct EffectInfo {
    EffectInfo() = default;
    EffectInfo(std::string effectName, std::string id, std::string category, std::string type,
               int wipe, int media);

    // Each assigns the member and returns a copy of the new text.
    std::string SetName(const std::string& text);
    std::string SetEffectId(const std::string& text);
    std::string SetEffectType(const std::string& text);
    std::string SetEffectClass(const std::string& text);

    // Some parameter has a value, or a keyframe whose time lies in first..last (both included).
    bool HasDataInRange(int first, int last) const;

    int wipecode = -1;  // -1: not set
    int wipeaccuracy = 100;
    float startratio = -1.0f;  // -1.0: not set
    float endratio = -1.0f;
    bool reverse = false;
    std::string name;
    std::string effectid;
    std::string effecttype;
    std::string effectcategory;
    std::string effectclass;
    std::vector<ParameterInfo> parameters;
    int mediatype = 2;  // 1 audio, 2 video
};

void WriteEffect(const EffectInfo& effect);
