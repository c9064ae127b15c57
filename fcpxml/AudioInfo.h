#pragma once

#include <string>
#include <vector>

#include "fcpxml/AudioChannelInfo.h"
#include "fcpxml/FilterInfo.h"
#include "fcpxml/FormatInfo.h"
#include "fcpxml/OutputGroupInfo.h"
#include "fcpxml/SampleCharacteristics.h"
#include "fcpxml/TrackInfo.h"

struct MediaSettings;

// The "audio" element of a media block.
struct AudioInfo {
    AudioInfo() = default;
    // The defaults with one audio format and the default output group of the settings.
    explicit AudioInfo(const MediaSettings& settings);

    // channelcount := count; an audio without channels becomes "mono" with channels 1..count
    // labelled "discrete".
    void SetChannelCount(int count);

    std::string layout;
    std::vector<AudioChannelInfo> channels;
    std::vector<FilterInfo> filters;
    std::vector<FormatInfo> formats;
    std::vector<std::vector<OutputGroupInfo>> outputs;  // each list is one "outputs" element
    std::vector<TrackInfo> tracks;
    int in = -1;
    int out = -1;
    int channelcount = -1;  // -1: not set
    std::vector<SampleCharacteristicsInfo> samplecharacteristics;
};

// With formats: formats, outputs, in, out, tracks, filters. Without: the audio sample
// descriptions, channelcount, layout, channels, tracks.
void WriteAudio(const AudioInfo& audio);
