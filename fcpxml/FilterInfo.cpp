#include "fcpxml/FilterInfo.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

void WriteFilter(const FilterInfo& filter)
{
    WriteXmlContainer("filter", [&] {
        WriteXmlTextElement("enabled", BoolToText(filter.enabled));
        if (filter.start != -1)
            WriteXmlTextElement("start", IntToString(filter.start));
        if (filter.end != -1)
            WriteXmlTextElement("end", IntToString(filter.end));
        WriteEffect(filter.effect);
    });
}
