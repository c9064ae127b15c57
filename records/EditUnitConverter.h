#pragma once

#include <cstdint>

// Turns edit units of one slot into frames of the composition. Only a slot at a sample rate (1000
// edit units a second and up) converts, by the exact ratio of the two rates with rounding to the
// nearest frame: such a slot counts samples, never frames. Every other slot, and any rate with a 0
// or negative part, reads frame for frame as it stands.
struct EditUnitConverter {
    EditUnitConverter() = default;
    EditUnitConverter(std::int64_t slotNumerator, std::int64_t slotDenominator, std::int64_t frameNumerator,
                      std::int64_t frameDenominator);

    bool Converts() const { return multiplier != 0; }
    // The frame nearest a position (halves away from zero).
    std::int64_t Frame(std::int64_t position) const;
    // The frames of the span [start, start + length): the difference of its converted boundaries,
    // so spans that meet in the slot still meet in frames.
    std::int64_t Span(std::int64_t start, std::int64_t length) const;

    // frames = position * multiplier / divisor; 0 and 1 while nothing converts.
    std::int64_t multiplier = 0;
    std::int64_t divisor = 1;
};

// 1000 edit units a second and up: a sound sample rate, above every frame rate.
bool IsSampleRate(std::int64_t numerator, std::int64_t denominator);
