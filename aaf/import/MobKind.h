#pragma once

#include <array>
#include <cstdint>

// The mob kinds the import sorts by: the SDK's own numbers, used as its search value.
enum MobKind : std::int32_t {
    kMobKindComposition = 0,
    kMobKindMaster = 1,
    kMobKindFile = 2,
    kMobKindTape = 3,
    kMobKindFilm = 4,
    kMobKindPhysical = 7,
};

// The word of a composition's item id.
inline constexpr const char* kCompositionKindWord = "COMP";

// The kinds after the composition, in the order the words are tabled.
struct MobKindWord {
    MobKind kind;
    const char* word;
};
inline constexpr std::array<MobKindWord, 5> kSourceMobKindWords = {{
    {kMobKindMaster, "MASTER"},
    {kMobKindFile, "FILE"},
    {kMobKindTape, "TAPE"},
    {kMobKindFilm, "FILM"},
    {kMobKindPhysical, "PHYS"},
}};
