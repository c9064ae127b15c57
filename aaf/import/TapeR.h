#pragma once

#include <string>

#include "aaf/import/LocatorT.h"
#include "records/MobSourceInfo.h"

// The tape descriptor of a tape source mob.
struct TapeR : LocatorT {
    // The locators, then status := the query of the tape descriptor from the essence descriptor.
    explicit TapeR(IAAFSourceMob* sourceMob);
    ~TapeR();

    // The empty text when the wrapper failed; a null tape descriptor raises.
    std::string GetTapeManufacturer();
    std::string GetTapeModel();

    // Manufacturer, model, form factor, signal type and format of the mob's tape descriptor (each of
    // the last three 0 when it cannot be read), and the mob's first locator path.
    static void ReadTapeInfo(IAAFSourceMob* sourceMob, TapeMobInfo& info);

    IAAFTapeDescriptor* tapeDescriptor = nullptr;
};
