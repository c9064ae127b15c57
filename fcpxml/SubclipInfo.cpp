#include "fcpxml/SubclipInfo.h"

#include "fcpxml/XmlWriter.h"

void WriteSubclipInfo(const SubclipInfo& info)
{
    WriteXmlContainer("subclipinfo", [&] {
        WriteXmlIntElement("startoffset", info.startoffset);
        WriteXmlIntElement("endoffset", info.endoffset);
    });
}
