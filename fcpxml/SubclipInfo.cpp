#include "fcpxml/SubclipInfo.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

void WriteSubclipInfo(const SubclipInfo& info)
{
    WriteXmlContainer("subclipinfo", [&] {
        WriteXmlTextElement("startoffset", IntToString(info.startoffset));
        WriteXmlTextElement("endoffset", IntToString(info.endoffset));
    });
}
