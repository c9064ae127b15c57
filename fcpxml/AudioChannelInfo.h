#pragma once

#include <string>

// The "audiochannel" element.
struct AudioChannelInfo {
    std::string channellabel;
    int sourcechannel = 0;
};

// "sourcechannel", then "channellabel" (also when empty).
void WriteAudioChannel(const AudioChannelInfo& channel);
