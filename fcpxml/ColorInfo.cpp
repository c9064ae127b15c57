#include "fcpxml/ColorInfo.h"

#include "fcpxml/XmlWriter.h"

void WriteColor(const ColorInfo& color)
{
    WriteXmlIntElement("alpha", color.alpha);
    WriteXmlIntElement("red", color.red);
    WriteXmlIntElement("green", color.green);
    WriteXmlIntElement("blue", color.blue);
}
