#pragma once

#include "aaf/import/MobtT.h"
#include "records/MobEntry.h"
#include "records/MobSourceInfo.h"

// A source mob (file, tape or physical): the mob and its source-mob interface, through which its
// essence descriptor is reached.
struct SourceMobT : MobtT {
    explicit SourceMobT(const MobEntry& entry);
    // The mob is looked up in the file by its MobID; the source-mob interface is queried when the
    // mob was read (status := the query's result).
    explicit SourceMobT(const MobId& id);
    ~SourceMobT();

    // The chain of a file source mob: its record, and, through the reference of its first slot, its
    // descriptors, its first locator path, its slot and the tape or physical source one level on;
    // then the media path chosen by the preferences and the start timecode of the source. A mob that
    // was not read, or has no slot, gives its record alone.
    void ReadSourceChain(MobSourceInfo& out);

    IAAFSourceMob* sourceMob = nullptr;
};
