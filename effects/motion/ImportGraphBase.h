#pragma once

#include <map>

#include "effects/motion/MotionGraphRequest.h"
#include "fcpxml/KeyframeInfo.h"

struct ParameterInfo;

// What every motion graph shares: the keyframes by time, the in and out keyframes, the end keyframe
// at the file's duration and the range written back. Held by value for one graph request; nothing
// owns a graph through this base, so its destructor is not virtual.
class ImportGraphBase {
public:
    ImportGraphBase(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                    int clipFileDuration);

    // Marks the keyframe at the in (out) time, or computes one there.
    virtual void AddInKeyframe();
    virtual void AddOutKeyframe();
    // A keyframe at the file's duration, when the file runs past the range.
    virtual void AddEndKeyframe();
    virtual bool ComputeOutKeyframe(KeyframeInfo& keyframe) = 0;
    virtual bool ComputeInKeyframe(KeyframeInfo& keyframe) = 0;
    // Writes the in and out the clip item gets.
    virtual void StoreInOut();
    virtual KeyframeInfo MakeKeyframe(int when, int value);

    ParameterInfo* target;
    std::map<int, KeyframeInfo> keyframes;  // a later keyframe at a time replaces an earlier one
    MotionEffectInfo* motion;
    GraphRange* range;
    int fileDuration;
    int inTime = 0;
    int outTime;
    int inValue = 0;
    int outValue;

protected:
    // The end keyframe at the given time, with that time as its value too: marks the keyframe
    // there, or stores one. Nothing when the file is no longer than the range.
    void AddEndKeyframeAt(int end);

    ~ImportGraphBase() = default;
    ImportGraphBase(const ImportGraphBase&) = default;
    ImportGraphBase& operator=(const ImportGraphBase&) = default;
};

// The drivers of the two-keyframe graphs: the in keyframe, then the out keyframe, each computed.
// The portable match's in keyframe is virtual as well.
void RunPairDriver(ImportGraphBase& graph);
void RunPortableDriver(ImportGraphBase& graph);

// After a pair or portable driver: the end keyframe, the range and the keyframes emitted.
void FinishPairGraph(ImportGraphBase& graph);

// Stores a keyframe under its own time.
void StoreKeyframe(ImportGraphBase& graph, const KeyframeInfo& keyframe);

// The clip item's file duration in the request, 0 without a clip item.
int FileDurationOf(const MotionGraphRequest& request);
