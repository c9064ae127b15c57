#include "fcpxml/OutputGroupInfo.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

OutputGroupInfo MakeDefaultOutputGroup(int downmix) { return OutputGroupInfo{1, 2, downmix, {1, 2}}; }

void WriteOutputs(const std::vector<OutputGroupInfo>& groups)
{
    WriteXmlContainer("outputs", [&] {
        for (const OutputGroupInfo& group : groups) {
            WriteXmlContainer("group", [&] {
                WriteXmlTextElement("index", IntToString(group.index));
                WriteXmlTextElement("numchannels", IntToString(group.numchannels));
                WriteXmlTextElement("downmix", IntToString(group.downmix));
                for (int channel : group.channels)
                    WriteXmlContainer("channel",
                                      [&] { WriteXmlTextElement("index", IntToString(channel)); });
            });
        }
    });
}
