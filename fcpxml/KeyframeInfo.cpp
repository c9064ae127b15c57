#include "fcpxml/KeyframeInfo.h"

#include "fcpxml/XmlWriter.h"

namespace {

void WriteHandles(const char* name, const std::vector<PointInfo>& points)
{
    if (points.empty())
        return;
    WriteXmlContainer(name, [&] {
        for (const PointInfo& point : points)
            WritePoint(point);
    });
}

void WriteFlagIfSet(const char* name, bool flag)
{
    if (flag)
        WriteXmlTextElement(name, "TRUE");
}

}  // namespace

void WriteKeyframe(const KeyframeInfo& keyframe)
{
    WriteXmlContainer("keyframe", [&] {
        WriteXmlIntElement("when", keyframe.when);
        for (const ValueInfo& value : keyframe.values)
            WriteValue(value);
        WriteHandles("inbez", keyframe.inbez);
        WriteHandles("outbez", keyframe.outbez);
        WriteFlagIfSet("speedkfin", keyframe.speedkfin);
        WriteFlagIfSet("speedkfout", keyframe.speedkfout);
        WriteFlagIfSet("speedkfstart", keyframe.speedkfstart);
        WriteFlagIfSet("speedkfend", keyframe.speedkfend);
        WriteFlagIfSet("speedvirtualkf", keyframe.speedvirtualkf);
    });
}
