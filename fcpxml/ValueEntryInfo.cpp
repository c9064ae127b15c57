#include "fcpxml/ValueEntryInfo.h"

#include "fcpxml/XmlWriter.h"

void WriteValueEntry(const ValueEntryInfo& entry)
{
    WriteXmlContainer("valueentry", [&] {
        WriteXmlTextElement("name", entry.name);
        WriteXmlIntElement("value", entry.value);
    });
}

void WriteValueList(const std::vector<ValueEntryInfo>& entries)
{
    WriteXmlContainer("valuelist", [&] {
        for (const ValueEntryInfo& entry : entries)
            WriteValueEntry(entry);
    });
}
