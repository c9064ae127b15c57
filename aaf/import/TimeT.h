#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"

// A timecode segment and the timecode it holds.
struct TimeT : ObjectT {
    // Queries the timecode interface of the holder; when it has one, the timecode is a required
    // read.
    explicit TimeT(IUnknown* holder);
    ~TimeT();

    IAAFTimecode* timecode = nullptr;
    std::int64_t startFrame = 0;
    std::uint16_t framesPerSecond = 0;
    std::int32_t dropFrame = 0;  // 1 for drop frame
};
