#pragma once

#include <string>

#include "config/Timecode.h"
#include "fcpxml/RateInfo.h"

// The "timecode" element of sequences, files and parameter values.
struct TimecodeInfo {
    // Fills the record from a timecode value.
    void SetFromTimecode(const Timecode& tc);
    // The timecode text of the record's own frame, display format, timebase and reel name.
    std::string ComputeText() const;

    int frame = -1;             // -1: not set
    std::string displayformat;  // "DF" or "NDF"
    std::string source;         // "source", "aux1" or "aux2"
    std::string text;           // written as "string"
    std::string reelname;
    RateInfo rate;
    Timecode value;  // the timecode last given to SetFromTimecode; never written
};

// Writes the element; an empty text is computed first and kept in the record.
void WriteTimecode(TimecodeInfo& tc);
