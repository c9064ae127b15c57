#pragma once

#include <string>

#include "aaf/import/LocatorT.h"

// The tape descriptor of a tape source mob. The source chain reads its form factor, signal type and
// format through tapeDescriptor.
struct TapeR : LocatorT {
    // The locators, then status := the query of the tape descriptor from the essence descriptor.
    explicit TapeR(IAAFSourceMob* sourceMob);
    ~TapeR();

    // The empty text when the wrapper failed; a null tape descriptor raises.
    std::string GetTapeManufacturer();
    std::string GetTapeModel();

    IAAFTapeDescriptor* tapeDescriptor = nullptr;
};
