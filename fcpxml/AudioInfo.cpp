#include "fcpxml/AudioInfo.h"

#include <algorithm>

#include "config/MediaSettings.h"
#include "fcpxml/XmlWriter.h"

namespace {

// The channel count may come from a file's sound descriptor; no real source has more channels
// than this, and numbering billions of them would exhaust memory.
constexpr int kMaxNumberedChannels = 1024;

}  // namespace

AudioInfo::AudioInfo(const MediaSettings& settings)
{
    formats.emplace_back(1, settings);
    outputs.push_back({MakeDefaultOutputGroup(settings.downmix)});
}

void AudioInfo::SetChannelCount(int count)
{
    channelcount = count;
    if (!channels.empty())
        return;
    layout = "mono";
    const int numbered = std::min(count, kMaxNumberedChannels);
    for (int i = 1; i <= numbered; ++i)
        channels.push_back(AudioChannelInfo{"discrete", i});
}

void WriteAudio(const AudioInfo& audio)
{
    WriteXmlContainer("audio", [&] {
        if (!audio.formats.empty()) {
            for (const FormatInfo& format : audio.formats)
                WriteFormat(format);
            for (const auto& groups : audio.outputs)
                WriteOutputs(groups);
            WriteXmlIntElement("in", audio.in);
            WriteXmlIntElement("out", audio.out);
            for (const TrackInfo& track : audio.tracks)
                WriteTrack(track);
            for (const FilterInfo& filter : audio.filters)
                WriteFilter(filter);
            return;
        }
        for (const SampleCharacteristicsInfo& sample : audio.samplecharacteristics)
            WriteAudioSampleCharacteristics(sample);
        if (audio.channelcount != -1)
            WriteXmlIntElement("channelcount", audio.channelcount);
        if (!audio.channels.empty() && !audio.layout.empty() && audio.tracks.empty())
            WriteXmlTextElement("layout", audio.layout);
        for (const AudioChannelInfo& channel : audio.channels)
            WriteAudioChannel(channel);
        for (const TrackInfo& track : audio.tracks)
            WriteTrack(track);
    });
}
