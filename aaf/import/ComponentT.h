#pragma once

#include <cstdint>

#include "aaf/AafInterfaces.h"

// Readers of components and sequences of components.
struct ComponentT {
    // The component's length; 0 when the call fails. A null interface raises.
    static std::int64_t GetLength(IAAFComponent* component);
    // The length as the document's 32-bit count: a negative length counts as 0, and one beyond the
    // range stays at its largest value.
    static std::int32_t GetFrameLength(IAAFComponent* component);
    // The sequence's component count; a null interface or a failing call raises.
    static std::int32_t CountComponents(IAAFSequence* sequence);
};
