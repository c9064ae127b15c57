#pragma once

// The "sourcetrack" element of clip and generator items.
struct SourceTrackInfo {
    int mediatype = 2;  // 1 audio, 2 video
    int trackindex = -1;
};

// "mediatype", then "trackindex" for audio only.
void WriteSourceTrack(const SourceTrackInfo& track);
