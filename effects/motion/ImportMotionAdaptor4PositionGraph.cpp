#include "effects/motion/ImportMotionAdaptor4PositionGraph.h"

#include "effects/motion/BezierKeyframe.h"

ImportMotionAdaptor4PositionGraph::ImportMotionAdaptor4PositionGraph(ParameterInfo* graphTarget,
                                                                     MotionEffectInfo* graphMotion,
                                                                     GraphRange* graphRange, int clipFileDuration,
                                                                     int clipTimebase)
    : ImportPositionGraph(graphTarget, graphMotion, graphRange, clipFileDuration), scaling(*graphMotion, clipTimebase)
{
}

void ImportMotionAdaptor4PositionGraph::AddEndKeyframe()
{
    // At the file's duration scaled to the clip's timebase, a value not scaled again.
    AddEndKeyframeAt(scaling.Scale(fileDuration));
}

KeyframeInfo ImportMotionAdaptor4PositionGraph::MakeKeyframe(int when, int value)
{
    return ImportPositionGraph::MakeKeyframe(when, scaling.Scale(value));
}

KeyframeInfo ImportMotionAdaptor4PositionGraph::AddControlPoint(int when, int value, const ControlPointHandles& handles,
                                                                bool descending)
{
    ControlPointHandles scaled = handles;
    for (RationalPoint* handle : {&scaled.firstHandle, &scaled.secondHandle}) {
        handle->xNumerator = scaling.Scale(handle->xNumerator);
        handle->yNumerator = scaling.Scale(handle->yNumerator);
    }
    return MakeBezierKeyframe(scaled, when, scaling.Scale(value), descending);
}
