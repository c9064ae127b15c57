#include "fcpxml/OutputGroupInfo.h"

#include "fcpxml/XmlWriter.h"

OutputGroupInfo MakeDefaultOutputGroup(int downmix) { return OutputGroupInfo{1, 2, downmix, {1, 2}}; }

void WriteOutputs(const std::vector<OutputGroupInfo>& groups)
{
    WriteXmlContainer("outputs", [&] {
        for (const OutputGroupInfo& group : groups) {
            WriteXmlContainer("group", [&] {
                WriteXmlIntElement("index", group.index);
                WriteXmlIntElement("numchannels", group.numchannels);
                WriteXmlIntElement("downmix", group.downmix);
                for (int channel : group.channels)
                    WriteXmlContainer("channel",
                                      [&] { WriteXmlIntElement("index", channel); });
            });
        }
    });
}
