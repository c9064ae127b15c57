#include "fcpxml/SampleCharacteristics.h"

#include "config/MediaSettings.h"
#include "fcpxml/XmlWriter.h"

namespace {

SampleCharacteristicsInfo FromOutputSettings()
{
    SampleCharacteristicsInfo info;
    info.width = OutputMediaSettings.width;
    info.height = OutputMediaSettings.height;
    info.samplerate = OutputMediaSettings.sampleRate;
    info.depth = OutputMediaSettings.depth;
    info.anamorphic = OutputMediaSettings.anamorphic;
    info.pixelaspectratio = OutputMediaSettings.pixelAspectRatio;
    info.fielddominance = OutputMediaSettings.fieldDominance;
    return info;
}

}  // namespace

SampleCharacteristicsInfo MakeSampleCharacteristics(const MediaSettings& settings, int kind)
{
    SampleCharacteristicsInfo info;
    info.width = settings.width;
    info.height = settings.height;
    info.samplerate = settings.sampleRate;
    info.depth = OutputMediaSettings.depth;
    info.anamorphic = settings.anamorphic;
    info.pixelaspectratio = settings.pixelAspectRatio;
    info.fielddominance = settings.fieldDominance;
    if (kind == 2)
        info.codecs.emplace_back(settings);
    return info;
}

SampleCharacteristicsInfo InitVideoSampleCharacteristics(int width, int height)
{
    SampleCharacteristicsInfo info = FromOutputSettings();
    info.width = width;
    info.height = height;
    return info;
}

SampleCharacteristicsInfo InitAudioSampleCharacteristics(int depth, int samplerate, int /*reserved*/)
{
    SampleCharacteristicsInfo info = FromOutputSettings();
    info.depth = depth;
    info.samplerate = samplerate;
    return info;
}

void WriteAudioSampleCharacteristics(const SampleCharacteristicsInfo& info)
{
    WriteXmlContainerOpen("samplecharacteristics");
    WriteXmlIntElement("depth", info.depth);
    WriteXmlIntElement("samplerate", info.samplerate);
    WriteXmlContainerClose("samplecharacteristics");
}

void WriteFrameSize(const SampleCharacteristicsInfo& info)
{
    if (info.width != -1)
        WriteXmlIntElement("width", info.width);
    if (info.height != -1)
        WriteXmlIntElement("height", info.height);
}

void WriteVideoSampleCharacteristics(const SampleCharacteristicsInfo& info)
{
    WriteXmlTextElement("anamorphic", BoolToText(info.anamorphic));
    WriteXmlTextElement("pixelaspectratio", info.pixelaspectratio);
    WriteXmlTextElement("fielddominance", info.fielddominance);
    WriteXmlIntElement("colordepth", info.colordepth);
    for (const CodecInfo& codec : info.codecs)
        WriteCodec(codec);
}
