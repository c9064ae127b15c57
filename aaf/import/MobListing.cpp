#include "aaf/import/MobListing.h"

#include "aaf/Auid.h"
#include "aaf/CheckHResult.h"
#include "aaf/HeldInterface.h"
#include "aaf/MobId.h"
#include "aaf/ObjectT.h"
#include "aaf/import/CommonT.h"

MobListing::MobListing(IEnumAAFMobs* mobs)
{
    if (mobs == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    Held<IAAFMob> mob;
    status = mobs->NextOne(mob.out());
    if (status < 0)
        return;
    aafMobID_t id{};
    CheckHResult("GetMobID", CheckNotNull(mob.get(), "MobtT: GetMobID")->GetMobID(&id), kAafCallFailed);
    mobId = ToMobId(id);
    name = CommonT::GetName(mob.get());
    Held<IAAFMob2> second;
    status = GetInterface(second.out(), IID_IAAFMob2, "IID_IAAFMob2", mob.get());
    if (status < 0)
        return;
    aafUID_t usage{};
    if (second->GetUsageCode(&usage) == 0)
        usageCode = ToAuid(usage);
}
