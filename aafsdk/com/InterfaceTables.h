#pragma once

// The dispatch rows of each group of interfaces, one function per source file. QueryInterface
// looks through all of them in this order; the first row whose interface and class match answers.

#include <span>

#include "aafsdk/com/ComObject.h"

namespace aafsdk::com {

std::span<const InterfaceEntry> MobInterfaceRows();         // header, dictionary, mobs
std::span<const InterfaceEntry> ValueInterfaceRows();       // tagged values, KLV data, type definitions
std::span<const InterfaceEntry> SlotInterfaceRows();        // slots and data definitions
std::span<const InterfaceEntry> SegmentInterfaceRows();     // components, segments, events, transitions
std::span<const InterfaceEntry> DescriptorInterfaceRows();  // essence descriptors and locators
// Effects, parameters, definitions and generic property access (GenericInterfaces.cpp).
std::span<const InterfaceEntry> GenericInterfaceRows();

}  // namespace aafsdk::com
