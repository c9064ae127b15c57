#include "aaf/import/MasterMobT.h"

#include "aaf/import/ClassifyDescriptors.h"
#include "aaf/import/DataT.h"
#include "aaf/import/EditRateConversion.h"
#include "aaf/import/SlotAnyReference.h"
#include "aaf/import/SourceMobT.h"
#include "aaf/import/TimelineMobSlotT.h"

MasterMobT::MasterMobT(const MobEntry& entry) : MobtT(entry.mobId)
{
    if (status >= 0)
        status = GetInterface(&masterMob, IID_IAAFMasterMob, "IID_IAAFMasterMob", mob);
}

MasterMobT::~MasterMobT()
{
    ReleaseInterface(masterMob);
}

bool MasterMobT::ReadSlotSource(std::int32_t index, SlotInfo& slot, SourceReference& reference,
                                MobSourceInfo& chain)
{
    const TimelineMobSlotT& slotReader = SlotAt(static_cast<aafUInt32>(index));
    if (!FindAnySlotReference(slotReader, reference))
        return false;
    SourceMobT source(reference.sourceMobId);
    if (source.status < 0)
        return false;
    source.ReadSourceChain(chain);
    slot = slotReader.info;
    chain.slotId = slot.slotId;
    chain.mob.length = static_cast<std::int32_t>(SlotToFrames(slot.editRate, frameRate).Span(0, slot.length));
    return true;
}

void MasterMobT::ReadSlots()
{
    if (status < 0)
        return;
    for (std::int32_t i = 0; i < slotCount; ++i) {
        SlotInfo slot;
        SourceReference reference;
        MobSourceInfo chain;
        if (!ReadSlotSource(i, slot, reference, chain))
            continue;
        if (!chain.mob.mediaPath.empty())
            mediaPath = chain.mob.mediaPath;
        if (ClassifyDescriptors(chain.descriptors) == kDataKindPictureWithAlpha) {
            info.alphaSlotId = slot.slotId;
            continue;
        }
        if (slot.dataKind == kDataKindPicture)
            pictureSources.push_back(chain);
        else if (slot.dataKind == kDataKindSound)
            soundSources.push_back(chain);
    }
}
