#pragma once

#include <vector>

#include "fcpxml/AudioInfo.h"
#include "fcpxml/VideoInfo.h"

struct MediaSettings;

// The "media" content of sequences, clips and files.
struct MediaTagBase {
    // A copy of the track (or the track itself, moved) in the first video entry, made first when
    // there is none.
    void AddVideoTrack(const TrackInfo& track);
    void AddVideoTrack(TrackInfo&& track);
    // The same with the first audio entry.
    void AddAudioTrack(const TrackInfo& track);
    void AddAudioTrack(TrackInfo&& track);
    // Appends a copy of the audio; beside video its channel count is applied first.
    void AddAudio(const AudioInfo& entry);
    // One video and one audio entry built from the settings.
    void InitFromMediaSettings(const MediaSettings& settings);
    // "media" with every video (its layerindex set to its position) and every audio.
    void WriteMedia();

    std::vector<VideoInfo> video;
    std::vector<AudioInfo> audio;
};
