#pragma once

#include "aaf/import/MobEntry.h"
#include "aaf/import/MobtT.h"

// A composition mob: the mob and its composition interface, queried once the mob was read
// (status := the query's result). Turning it into a sequence is part of the composition import.
struct CompositionMobT : MobtT {
    explicit CompositionMobT(const MobEntry& entry);
    explicit CompositionMobT(IEnumAAFMobs* mobs);
    ~CompositionMobT();

    IAAFCompositionMob* compositionMob = nullptr;

private:
    void QueryComposition();
};
