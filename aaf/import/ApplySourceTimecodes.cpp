#include "aaf/import/ApplySourceTimecodes.h"

void ApplySourceTimecodes(MobSourceInfo& out)
{
    const std::int32_t offset =
        out.slot.sourceRefs.empty() ? 0 : static_cast<std::int32_t>(out.slot.sourceRefs.front().startTime);
    const MobInfo* source = nullptr;
    if (!out.physicalSources.empty())
        source = &out.physicalSources.front().mob;
    else if (!out.tapeSources.empty())
        source = &out.tapeSources.front().tape.mob;
    if (source != nullptr) {
        out.mob.startTimecode = source->startTimecode;
        out.mob.otherTimecodes = source->otherTimecodes;
    }
    if (offset != 0)
        out.mob.startTimecode.startFrame += offset;
}
