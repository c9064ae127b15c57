#include "fcpxml/ColorInfo.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

void WriteColor(const ColorInfo& color)
{
    WriteXmlTextElement("alpha", IntToString(color.alpha));
    WriteXmlTextElement("red", IntToString(color.red));
    WriteXmlTextElement("green", IntToString(color.green));
    WriteXmlTextElement("blue", IntToString(color.blue));
}
