#pragma once

#include <vector>

#include "aafsdk/com/ComObject.h"

namespace aafsdk::com {

// The mobs of the header's content storage that are of a kind, in the order of its index. A mob's
// kind is its class; a source mob's is the class of its essence descriptor (file, tape, film or
// physical), through ancestry. kAAFAllMob gives every mob. CountMobs and GetMobs both use this.
[[nodiscard]] HRESULT MobsOfKind(const ModelObject& header, aafMobKind_t kind, std::vector<ObjectId>* out);

// The mob with this MobID; AAFRESULT_MOB_NOT_FOUND when there is none.
[[nodiscard]] HRESULT FindMob(const ModelObject& header, const aafMobID_t& id, ObjectId* out);

}  // namespace aafsdk::com
