#pragma once

#include "aaf/import/MobEntry.h"
#include "aaf/import/MobtT.h"

// A source mob (file, tape or physical): the mob and its source-mob interface, through which its
// essence descriptor is reached. Following its source chain is part of the master clip import.
struct SourceMobT : MobtT {
    explicit SourceMobT(const MobEntry& entry);
    // The mob is looked up in the file by its MobID; the source-mob interface is queried when the
    // mob was read (status := the query's result).
    explicit SourceMobT(const MobId& id);
    ~SourceMobT();

    IAAFSourceMob* sourceMob = nullptr;
};
