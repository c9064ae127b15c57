#include "records/RecordsState.h"

#include "records/MobRegistry.h"

void ResetRecordsState()
{
    MobRegistry::Clear();
}
