#pragma once

#include <map>
#include <string>

#include "fcpxml/EffectInfo.h"
#include "fcpxml/ParameterInfo.h"

// The "Basic Motion" parameters of an item, at most one per parameter id, in id order.
struct BasicMotionBase {
    // Stores a copy unless its id is present already: the first one wins. Answers whether it stored.
    bool AddMotionParameter(const ParameterInfo& parameter);
    // The "Basic Motion" filter with the parameters that hold data; nothing when the map is empty.
    void WriteBasicMotionFilter() const;
    // Appends a copy of the parameter to the effect only when it holds a value or a keyframe.
    static void AddParameterIfSet(const ParameterInfo& parameter, EffectInfo& effect);

    std::map<std::string, ParameterInfo> motionParameters;
};
