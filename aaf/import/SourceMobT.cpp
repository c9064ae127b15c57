#include "aaf/import/SourceMobT.h"

SourceMobT::SourceMobT(const MobEntry& entry) : SourceMobT(entry.mobId) {}

SourceMobT::SourceMobT(const MobId& id) : MobtT(id)
{
    if (status >= 0)
        status = GetInterface(&sourceMob, IID_IAAFSourceMob, "IID_IAAFSourceMob", mob);
}

SourceMobT::~SourceMobT()
{
    ReleaseInterface(sourceMob);
}
