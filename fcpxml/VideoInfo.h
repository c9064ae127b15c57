#pragma once

#include <string>
#include <vector>

#include "fcpxml/FormatInfo.h"
#include "fcpxml/SampleCharacteristics.h"
#include "fcpxml/TrackInfo.h"

struct MediaSettings;

// The "video" element of a media block.
struct VideoInfo {
    VideoInfo() = default;
    // The defaults with one video format built from the settings.
    explicit VideoInfo(const MediaSettings& settings);

    int duration = -1;    // -1: not set
    int layerindex = -1;  // set by the media writer to the video's position
    bool stillframe = false;
    std::string alphatype;
    std::vector<SampleCharacteristicsInfo> samplecharacteristics;  // only the frame size is written
    std::vector<FormatInfo> formats;
    std::vector<TrackInfo> tracks;
};

void WriteVideo(const VideoInfo& video);
