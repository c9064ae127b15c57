#include "fcpxml/FilterInfo.h"

#include "fcpxml/XmlWriter.h"

void WriteFilter(const FilterInfo& filter)
{
    WriteXmlContainer("filter", [&] {
        WriteXmlTextElement("enabled", BoolToText(filter.enabled));
        if (filter.start != -1)
            WriteXmlIntElement("start", filter.start);
        if (filter.end != -1)
            WriteXmlIntElement("end", filter.end);
        WriteEffect(filter.effect);
    });
}
