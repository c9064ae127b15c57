#pragma once

#include <cstdint>

// What a component is read as: where it sits in the traversal.
enum ParentKind : std::int32_t {
    kParentNestedScopeLayer = 17,
    kParentEffectInput = 19,
    kParentEffectInputOwnTrack = 20,
    kParentSequenceComponent = 26,
    kParentClipMobSlot = 28,  // the slot of an adjusted clip or subclip mob
    kParentTransitionEffect = 33,
    kParentEventSlot = 69,
    kParentTimelineSlot = 71,
};

// What a source clip becomes.
enum SubKind : std::int32_t {
    kSubKindClipItem = 1,
    kSubKindGeneratorItem = 2,
    kSubKindGap = 4,
    kSubKindTitle = 8,
};
