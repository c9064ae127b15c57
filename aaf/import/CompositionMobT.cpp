#include "aaf/import/CompositionMobT.h"

CompositionMobT::CompositionMobT(const MobEntry& entry) : MobtT(entry.mobId)
{
    QueryComposition();
}

CompositionMobT::CompositionMobT(IEnumAAFMobs* mobs) : MobtT(mobs)
{
    QueryComposition();
}

CompositionMobT::~CompositionMobT()
{
    ReleaseInterface(compositionMob);
}

void CompositionMobT::QueryComposition()
{
    if (status >= 0)
        status = GetInterface(&compositionMob, IID_IAAFCompositionMob, "IID_IAAFCompositionMob", mob);
}
