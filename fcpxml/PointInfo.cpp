#include "fcpxml/PointInfo.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

void WritePoint(const PointInfo& point)
{
    WriteXmlTextElement("horiz", FloatToString(point.horiz));
    WriteXmlTextElement("vert", FloatToString(point.vert));
}
