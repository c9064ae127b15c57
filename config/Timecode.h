#pragma once

#include <array>
#include <cstdint>
#include <string>

// A position in frames together with the rate that gives it meaning.
struct Timecode {
    std::int64_t startFrame = 0;
    std::int32_t dropFrame = 0;          // 1 for drop-frame counting
    std::uint16_t framesPerSecond = 30;  // the timecode base
    std::int32_t rateNumerator = 2997;
    std::int32_t rateDenominator = 100;
    std::string reelName;
    std::int32_t type = 1;     // physical number of the timecode slot it came from
    std::int32_t slotId = -1;  // slot id of that timecode slot

    Timecode() = default;
    Timecode(std::int64_t startFrame_, std::int32_t dropFrame_, std::uint16_t framesPerSecond_,
             std::int32_t rateNumerator_, std::int32_t rateDenominator_)
        : startFrame(startFrame_),
          dropFrame(dropFrame_),
          framesPerSecond(framesPerSecond_),
          rateNumerator(rateNumerator_),
          rateDenominator(rateDenominator_)
    {
    }
};

// Frames per unit of each timecode digit: ten hours, hours, ten minutes, minutes, ten seconds,
// seconds, ten frames, frames.
using TimecodeRateRow = std::array<std::int32_t, 8>;
extern const std::array<TimecodeRateRow, 10> TimecodeRateTable;

// The timecode base of a rate: start frame (always 0), drop flag and frames per second.
struct TimecodeBase {
    std::int64_t startFrame = 0;
    std::int32_t dropFrame = 0;
    std::uint16_t framesPerSecond = 30;
};

// The digit fields of a frame count; the frame field counts frame pairs above 30 fps, with oddFrame
// telling which frame of the pair.
struct TimecodeFields {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int frames = 0;
    bool oddFrame = false;
};

// Sets rate and frames per second from one of the host's frame-rate words ("60", "59.94", "50", "30",
// "29.97", "25", "24", "23.98"); any other word changes nothing. The drop flag is never touched.
void SetTimecodeRateFromText(Timecode& timecode, const std::string& frameRate);

// A rate with a zero denominator, or one whose whole frame count is not a usable timecode base, is
// read as the default 2997/100.
TimecodeBase TimecodeBaseFromRate(std::int32_t rateNumerator, std::int32_t rateDenominator);

TimecodeFields SplitTimecodeFrames(const Timecode& timecode);

// "hh:mm:ss:ff" with ":", ";" (drop frame) or "." (24, 25, 50 fps) separators, "-" in front of
// negative counts; hours take more digits when they reach 100.
std::string TimecodeToText(const Timecode& timecode);

// The frame count of a timecode text at the timecode's frames per second and drop flag.
int TimecodeTextToFrames(const std::string& text, const Timecode& timecode);
