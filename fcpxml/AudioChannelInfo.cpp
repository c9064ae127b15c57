#include "fcpxml/AudioChannelInfo.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

void WriteAudioChannel(const AudioChannelInfo& channel)
{
    WriteXmlContainer("audiochannel", [&] {
        WriteXmlTextElement("sourcechannel", IntToString(channel.sourcechannel));
        WriteXmlTextElement("channellabel", channel.channellabel);
    });
}
