#pragma once

#include <map>
#include <vector>

#include "records/ParameterRecord.h"

// Layer parameters of an item's effects, held until the track is laid out and the clips they name
// are known; keyed by the index of the filter (of the effect, for a transition) they belong to.
class WellLayerBase {
public:
    WellLayerBase() = default;
    WellLayerBase(const WellLayerBase&) = default;
    WellLayerBase& operator=(const WellLayerBase&) = default;
    WellLayerBase(WellLayerBase&&) = default;
    WellLayerBase& operator=(WellLayerBase&&) = default;
    virtual ~WellLayerBase() = default;

    std::map<int, std::vector<ParameterRecord>> layerParameters;
};
