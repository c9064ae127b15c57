#include "effects/motion/MixRateEndKeyframe.h"

#include "fcpxml/NumberText.h"

void AddMixRateEndKeyframe(ImportGraphBase& graph, const MixRateScaling& scaling)
{
    if (graph.fileDuration == graph.range->length)
        return;
    const int end = scaling.Scale(graph.fileDuration);
    if (const auto found = graph.keyframes.find(end); found != graph.keyframes.end()) {
        found->second.speedvirtualkf = true;
        found->second.speedkfend = true;
        return;
    }
    KeyframeInfo keyframe(end);
    keyframe.values.emplace_back(IntToString(end));
    keyframe.speedkfend = true;
    keyframe.speedvirtualkf = true;
    StoreKeyframe(graph, keyframe);
}
