#include "effects/motion/ImportGraphBase.h"

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/NumberText.h"

ImportGraphBase::ImportGraphBase(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                                 int clipFileDuration)
    : target(graphTarget),
      motion(graphMotion),
      range(graphRange),
      fileDuration(clipFileDuration),
      outTime(graphRange->length),
      outValue(graphRange->length)
{
}

void ImportGraphBase::AddInKeyframe()
{
    if (const auto found = keyframes.find(inTime); found != keyframes.end()) {
        found->second.speedkfin = true;
        inValue = found->second.when;
        return;
    }
    KeyframeInfo keyframe;
    if (ComputeInKeyframe(keyframe)) {
        inValue = keyframe.when;
        keyframe.speedkfin = true;
        StoreKeyframe(*this, keyframe);
    }
}

void ImportGraphBase::AddOutKeyframe()
{
    if (const auto found = keyframes.find(outTime); found != keyframes.end()) {
        found->second.speedkfout = true;
        outValue = found->second.when;
    } else {
        KeyframeInfo keyframe;
        if (ComputeOutKeyframe(keyframe)) {
            outValue = keyframe.when;
            keyframe.speedkfout = true;
            StoreKeyframe(*this, keyframe);
        }
    }
    AddEndKeyframe();
}

void ImportGraphBase::AddEndKeyframe()
{
    AddEndKeyframeAt(fileDuration);
}

void ImportGraphBase::AddEndKeyframeAt(int end)
{
    if (fileDuration == range->length)
        return;
    if (const auto found = keyframes.find(end); found != keyframes.end()) {
        found->second.speedvirtualkf = true;
        found->second.speedkfend = true;
        return;
    }
    KeyframeInfo keyframe(end);
    keyframe.values.emplace_back(IntToString(end));
    keyframe.speedkfend = true;
    keyframe.speedvirtualkf = true;
    StoreKeyframe(*this, keyframe);
}

void ImportGraphBase::StoreInOut()
{
    range->in = inValue;
    range->out = outValue;
}

KeyframeInfo ImportGraphBase::MakeKeyframe(int when, int value)
{
    KeyframeInfo keyframe(when);
    keyframe.values.emplace_back(IntToString(value));
    return keyframe;
}

namespace {

void AddComputedPair(ImportGraphBase& graph, bool virtualIn)
{
    KeyframeInfo in;
    if (graph.ComputeInKeyframe(in)) {
        graph.inValue = in.when;
        in.speedkfin = true;
        in.speedvirtualkf = virtualIn;
        StoreKeyframe(graph, in);
    }
    KeyframeInfo out;
    if (graph.ComputeOutKeyframe(out)) {
        graph.outValue = out.when;
        out.speedkfout = true;
        StoreKeyframe(graph, out);
    }
}

}  // namespace

void RunPairDriver(ImportGraphBase& graph)
{
    AddComputedPair(graph, false);
}

void RunPortableDriver(ImportGraphBase& graph)
{
    AddComputedPair(graph, true);
}

void FinishPairGraph(ImportGraphBase& graph)
{
    graph.AddEndKeyframe();
    graph.StoreInOut();
    EmitGraphKeyframes(graph.keyframes, *graph.target);
}

void StoreKeyframe(ImportGraphBase& graph, const KeyframeInfo& keyframe)
{
    graph.keyframes[keyframe.when] = keyframe;
}

int FileDurationOf(const MotionGraphRequest& request)
{
    return request.clipItem ? request.clipItem->GetFileDuration() : 0;
}
