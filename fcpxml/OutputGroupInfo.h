#pragma once

#include <vector>

// One "group" of an "outputs" element.
struct OutputGroupInfo {
    int index = 0;
    int numchannels = 0;
    int downmix = 0;
    std::vector<int> channels;  // output channel indexes
};

// {index 1, two channels, downmix, channels 1 and 2}.
OutputGroupInfo MakeDefaultOutputGroup(int downmix);

// One output list as an "outputs" element.
void WriteOutputs(const std::vector<OutputGroupInfo>& groups);
