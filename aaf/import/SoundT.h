#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/DescriptorLists.h"

// A sound descriptor, read into one sound record of the receiving lists.
struct SoundT : ObjectT {
    // status := the query of the sound descriptor from the holder.
    SoundT(IUnknown* holder, DescriptorLists& lists);
    ~SoundT();

    // Nothing when status is negative. The sampling rate is required (a failure raises); the other
    // properties keep their defaults when they cannot be read, but a null interface raises at each.
    // Returns status.
    std::int32_t Read();

    IAAFSoundDescriptor* sound = nullptr;
    IAAFPCMDescriptor* pcm = nullptr;  // queried, not read
    DescriptorLists* lists = nullptr;
};
