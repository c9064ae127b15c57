#pragma once

// The "rate" element of items, sequences and files.
struct RateInfo {
    // The frame rate of the output media settings.
    RateInfo();

    // The drop flag and whole frame count of the timecode base of numerator / denominator.
    void SetFromRate(int numerator, int denominator);

    bool ntsc = false;
    int timebase = 30;
};

void WriteRate(const RateInfo& rate);
