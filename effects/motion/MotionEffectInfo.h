#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "records/ControlPointInfo.h"
#include "records/ParameterRecord.h"

struct MotionEffectTags;

// Which motion graph turns a time warp's points into time-remap keyframes.
enum MotionGraphKind : std::int32_t {
    kNoMotionGraph = 0,
    kSpeedGraph = 1,
    kPositionGraph = 2,
    kSpeedGraphFromOnePoint = 3,
};

// What a time warp's parameters and tags say about its motion.
struct MotionEffectInfo {
    std::int32_t speedRatioNumerator = 1;  // the speed ratio: source frames per frame played, inverted
    std::int32_t speedRatioDenominator = 1;
    std::vector<ControlPointInfo> speedPoints;         // in their stored order
    std::map<int, ControlPointInfo> sourceFrames;      // keyed by frame of the component
    std::vector<ControlPointInfo> positionPoints;      // in their stored order
    std::int32_t graphKind = kNoMotionGraph;
    std::int32_t motionAdapter = 0;                    // 2 and 4 select the adapter graphs
    std::int32_t portableMatch = 0;
    std::int32_t mixMatchRateNumerator = 0;
    std::int32_t mixMatchRateDenominator = 1;
};

// The graph view, adapter, portable flag and input rate of the group's tags.
void ApplyMotionEffectTags(const MotionEffectTags& tags, MotionEffectInfo& motion);

// The speed ratio, the three point lists (source frames re-timed to frames of a component of the
// given length; the first point at a frame wins) and the graph kind. A parameter the effect lacks
// leaves its field as it was.
void ReadMotionEffectInfo(const std::map<std::string, ParameterRecord>& parameters, MotionEffectInfo& motion,
                          int componentLength);

// A graph kind the tags chose stays; otherwise the points decide.
void ChooseMotionGraphKind(MotionEffectInfo& motion);

// The FCP speed in percent of the ratio: 100 times denominator / numerator, rounded down; 0 for a
// numerator of 0.
int SpeedPercent(std::int32_t numerator, std::int32_t denominator);
