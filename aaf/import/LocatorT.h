#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aaf/ObjectT.h"

// One locator of an essence descriptor: its path, and its name when it is a text locator.
struct LocatorRecord {
    std::string path;
    std::string name;
};

// The essence descriptor of a source mob with the paths of all its locators. The descriptor
// wrappers build on it to reach the descriptor's own interfaces.
struct LocatorT : ObjectT {
    // status := the result of getting the mob's essence descriptor (AAFRESULT_BADINDEX for a null
    // mob); when that succeeds, the locators are counted (a failed count raises) and read in turn.
    explicit LocatorT(IAAFSourceMob* sourceMob);
    ~LocatorT();

    // The locator's path; a null locator raises through ReportZeroObject.
    static std::string GetLocatorPath(IAAFLocator* locator);
    // The path of the first record, or the empty text when there is none.
    std::string FirstLocatorPath() const;

    IAAFEssenceDescriptor* essenceDescriptor = nullptr;
    IAAFLocator* locator = nullptr;  // the locator read last
    std::int32_t locatorCount = 0;
    std::vector<LocatorRecord> records;

private:
    void ReadLocators();
};
