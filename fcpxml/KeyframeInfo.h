#pragma once

#include <vector>

#include "fcpxml/PointInfo.h"
#include "fcpxml/ValueInfo.h"

// The "keyframe" element.
struct KeyframeInfo {
    KeyframeInfo() = default;
    explicit KeyframeInfo(int time) : when(time) {}

    int when = -1;  // frames
    bool speedvirtualkf = false;
    bool speedkfin = false;
    bool speedkfout = false;
    bool speedkfstart = false;
    bool speedkfend = false;
    std::vector<ValueInfo> values;
    std::vector<PointInfo> inbez;
    std::vector<PointInfo> outbez;
};

void WriteKeyframe(const KeyframeInfo& keyframe);
