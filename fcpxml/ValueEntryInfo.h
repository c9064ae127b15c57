#pragma once

#include <string>
#include <vector>

// One entry of a "valuelist".
struct ValueEntryInfo {
    ValueEntryInfo() = default;
    ValueEntryInfo(std::string entryName, int entryValue) : name(std::move(entryName)), value(entryValue)
    {
    }

    std::string name;
    int value = 0;
};

void WriteValueEntry(const ValueEntryInfo& entry);
void WriteValueList(const std::vector<ValueEntryInfo>& entries);
