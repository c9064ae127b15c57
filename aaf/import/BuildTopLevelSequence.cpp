#include "aaf/import/BuildTopLevelSequence.h"

#include "aaf/import/CompositionMobT.h"

void BuildTopLevelSequence(const MobEntry& entry)
{
    CompositionMobT composition(entry);
    composition.BuildSequence();
}
