#include "aaf/import/ProjectFormatQuery.h"

#include <set>
#include <vector>

#include "aaf/Auid.h"
#include "aaf/HeldInterface.h"
#include "aaf/import/CompositionMobT.h"
#include "aaf/import/FileT.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/SourceClipReferences.h"
#include "aaf/import/UsageCodes.h"
#include "aaf/MobId.h"
#include "aaf/PropertyValues.h"
#include "config/ProjectFormat.h"
#include "records/ValueBase.h"

namespace {

// The mob's own list of tagged values, which carries the sequence format.
constexpr Auid kMobAttributeListId = {0x60958183, 0x47B1, 0x11D4, {0xA0, 0x1C, 0x00, 0x04, 0xAC, 0x96, 0x9F, 0x50}};

// The composition mobs of the file in enumeration order, each read by its wrapper; visit returns
// false to stop.
template <class Visit>
void ForEachComposition(Visit visit)
{
    Held<IEnumAAFMobs> mobs;
    const aafNumSlots_t count = CountAndEnumerateMobs(kMobKindComposition, mobs.out());
    for (aafNumSlots_t i = 0; i < count; ++i) {
        CompositionMobT mob(mobs.get());
        if (!visit(mob))
            return;
    }
}

}  // namespace

void ReadProjectFormat()
{
    FindProjectFormat();
}

void FindProjectFormat()
{
    int code = 0;
    bool anyTopLevel = false;
    ForEachComposition([&](CompositionMobT& mob) {
        if (!AuidEquals(mob.info.usageCode, kUsageTopLevel))
            return true;
        anyTopLevel = true;
        code = ReadSequenceFormatType(mob);
        return code == 0;
    });
    // Without any Top Level usage, the compositions that stand at the top of the file are those
    // without a usage code that no source clip names, as the import files them.
    if (!anyTopLevel) {
        const std::set<std::string> referenced = CollectMobsReferencedBySourceClips();
        ForEachComposition([&](CompositionMobT& mob) {
            if (mob.status < 0 || !AuidEquals(mob.info.usageCode, Auid()) ||
                referenced.count(MobIdToText(mob.info.mobId)) != 0)
                return true;
            code = ReadSequenceFormatType(mob);
            return code == 0;
        });
    }
    SetProjectFormatCode(code);
}

int ReadSequenceFormatType(CompositionMobT& mob)
{
    ReleaseInterface(mob.object);
    if (GetInterface(&mob.object, IID_IAAFObject, "IID_IAAFObject", mob.mob) >= 0)
        mob.CountProperties();
    PropertyValueList list;
    mob.CollectPropertyValues(list, kMobAttributeListId);
    int result = 0;
    for (const ValueBase* value : list.values) {
        const auto* tagged = dynamic_cast<const TaggedValue*>(value);
        if (tagged == nullptr || !IsSequenceFormatName(tagged->entry.name))
            continue;
        if (const auto* number = dynamic_cast<const IntValue*>(tagged->entry.value))
            result = number->value;
    }
    return result;
}

bool IsSequenceFormatName(const std::string& name)
{
    static const std::string kMisspelt = "SEQUERNCE_FORMAT_TYPE";
    static const std::string kSpelt = "SEQUENCE_FORMAT_TYPE";
    return kMisspelt.find(name) != std::string::npos || kSpelt.find(name) != std::string::npos;
}
