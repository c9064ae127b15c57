#pragma once

#include <string>
#include <vector>

#include "fcpxml/CodecInfo.h"

struct MediaSettings;

// The "samplecharacteristics" element: frame geometry of video or depth and rate of audio.
struct SampleCharacteristicsInfo {
    int width = -1;
    int height = -1;
    int samplerate = -1;
    int depth = -1;
    int colordepth = 24;
    bool anamorphic = false;
    std::string pixelaspectratio;
    std::string fielddominance;
    std::vector<CodecInfo> codecs;
};

// From a settings record (depth from the output settings); kind 2 (video) adds the codec.
SampleCharacteristicsInfo MakeSampleCharacteristics(const MediaSettings& settings, int kind);

// A picture source of the given frame size; the rest from the output settings, no codec.
SampleCharacteristicsInfo InitVideoSampleCharacteristics(int width, int height);

// A sound source of the given depth and rate; the rest from the output settings, no codec. The third
// value is accepted for the callers' sake and not used.
SampleCharacteristicsInfo InitAudioSampleCharacteristics(int depth, int samplerate, int reserved);

// Container "samplecharacteristics" with depth and samplerate.
void WriteAudioSampleCharacteristics(const SampleCharacteristicsInfo& info);
// "width" and "height", each left out when -1; no container.
void WriteFrameSize(const SampleCharacteristicsInfo& info);
// anamorphic, pixelaspectratio, fielddominance, colordepth and the codecs; no container.
void WriteVideoSampleCharacteristics(const SampleCharacteristicsInfo& info);
