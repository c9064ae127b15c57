#include "fcpxml/LabelsInfo.h"

#include "fcpxml/XmlWriter.h"

void WriteLabels(const LabelsInfo& labels)
{
    WriteXmlContainer("labels", [&] {
        if (!labels.label.empty())
            WriteXmlTextElement("label", labels.label);
        if (labels.label2.empty())
            WriteXmlEmptyElement("label2");
        else
            WriteXmlTextElement("label2", labels.label2);
    });
}
