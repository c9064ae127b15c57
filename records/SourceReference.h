#pragma once

#include <cstdint>

#include "records/MobId.h"

// The reference of one source clip as the import reads it; copied field by field.
struct SourceReference {
    MobId sourceMobId;
    int32_t sourceSlotId = 0;
    int64_t startTime = 0;
    int32_t length = 0;
    int32_t dataKind = 2;  // picture until set; 12 marks a choice with an alpha picture
    int64_t fadeInLength = 0;
    int32_t fadeInType = 0;
    int32_t fadeInPresent = 0;
    int64_t fadeOutLength = 0;
    int32_t fadeOutType = 0;
    int32_t fadeOutPresent = 0;
};
