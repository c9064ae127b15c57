#include "fcpxml/AudioChannelInfo.h"

#include "fcpxml/XmlWriter.h"

void WriteAudioChannel(const AudioChannelInfo& channel)
{
    WriteXmlContainer("audiochannel", [&] {
        WriteXmlIntElement("sourcechannel", channel.sourcechannel);
        WriteXmlTextElement("channellabel", channel.channellabel);
    });
}
