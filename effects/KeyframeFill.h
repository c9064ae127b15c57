#pragma once

#include <cstdint>
#include <iterator>
#include <map>

// The value that a map of keyframes (by frame) gives at a frame: a keyframe's own at that frame,
// else the straight line between the nearest keyframes before and after it, else the nearest one
// held; 0 for no keyframes. read gives a keyframe's number. Computed in single precision.
template <typename Keyframe, typename Read>
float ValueAtFrame(const std::map<int, Keyframe>& keys, int frame, Read read)
{
    if (keys.empty())
        return 0.0f;
    const auto exact = keys.find(frame);
    if (exact != keys.end())
        return read(exact->second);
    const auto next = keys.upper_bound(frame);
    if (next == keys.begin())
        return read(next->second);
    const auto previous = std::prev(next);
    if (next == keys.end())
        return read(previous->second);
    const float before = read(previous->second);
    const float after = read(next->second);
    const auto span = static_cast<float>(static_cast<std::int64_t>(next->first) - previous->first);
    const auto offset = static_cast<float>(static_cast<std::int64_t>(frame) - previous->first);
    return before + (after - before) * offset / span;
}
