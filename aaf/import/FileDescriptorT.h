#pragma once

#include <cstdint>

#include "aaf/import/LocatorT.h"
#include "records/DescriptorLists.h"

// The file descriptor of a source mob: a picture (CDCI or RGBA) or a sound descriptor, read into
// the source's descriptor lists.
struct FileDescriptorT : LocatorT {
    // The locators, then status := the query of the file descriptor from the essence descriptor.
    explicit FileDescriptorT(IAAFSourceMob* sourceMob);
    ~FileDescriptorT();

    // Reads the descriptor as a picture, or as a sound when it is no picture; a descriptor that is
    // neither adds nothing. Returns status.
    std::int32_t Read(DescriptorLists& lists);

    IAAFFileDescriptor* fileDescriptor = nullptr;
};
