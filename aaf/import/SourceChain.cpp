#include "aaf/import/SourceChain.h"

#include "aaf/import/ApplySourceTimecodes.h"
#include "aaf/import/ChooseMediaPath.h"
#include "aaf/import/FileDescriptorT.h"
#include "aaf/import/MobKind.h"
#include "aaf/import/SlotAnyReference.h"
#include "aaf/import/SlotSourceReference.h"
#include "aaf/import/SourceMobT.h"
#include "aaf/import/TapeR.h"
#include "aaf/import/TimelineMobSlotT.h"
#include "records/MobRegistry.h"

namespace {

// The slot of that ID in the mob, with its own reference when it has one; false when the slot
// cannot be read.
bool ReadReferencedSlot(SourceMobT& mob, std::int32_t slotId, SlotInfo& out)
{
    const TimelineMobSlotT* slot = mob.SlotOfId(static_cast<aafSlotID_t>(slotId));
    if (slot == nullptr || slot->status < 0)
        return false;
    SourceReference reference;
    out = slot->info;
    if (FindSlotSourceReference(*slot, reference) >= 0)
        out.sourceRefs.push_back(reference);
    return true;
}

}  // namespace

void SourceMobT::ReadSourceChain(MobSourceInfo& out)
{
    out = MobSourceInfo(info);
    if (status < 0 || slotCount < 1)
        return;
    const TimelineMobSlotT& slotReader = SlotAt(0u);
    SourceReference reference;
    // A file mob may hold its sources as an essence group too (several resolutions of one
    // original), read as it is in a master mob's slot.
    if (FindAnySlotReference(slotReader, reference)) {
        SlotInfo slot = slotReader.info;
        slot.sourceRefs.push_back(reference);
        FileDescriptorT descriptor(sourceMob);
        // The locators belong to the essence descriptor, whatever kind of descriptor it is.
        if (descriptor.essenceDescriptor != nullptr) {
            descriptor.Read(out.descriptors);
            out.mob.mediaPath = descriptor.FirstLocatorPath();
        }
        out.slot = slot;
        ReadSourcesOf(reference, out);
    }
    ChooseMediaPath(out);
    ApplySourceTimecodes(out);
}

void ReadSourcesOf(const SourceReference& reference, MobSourceInfo& out)
{
    const MobEntry entry = MobRegistry::Find(reference.sourceMobId);
    if (entry.kind == kMobKindPhysical) {
        SourceMobT physical(entry);
        ReadPhysicalSource(out.physicalSources, physical, reference.sourceSlotId);
    } else if (entry.kind == kMobKindTape) {
        SourceMobT tape(entry);
        ReadTapeSource(out.tapeSources, tape, reference.sourceSlotId);
    }
}

void ReadPhysicalSource(std::vector<PhysicalSourceEntry>& list, SourceMobT& mob, std::int32_t slotId)
{
    // The wrapper's read has scanned the mob's slots already: its length, marks and timecodes.
    MobInfo record = mob.info;
    const LocatorT locators(mob.sourceMob);
    if (locators.status >= 0)
        record.mediaPath = locators.FirstLocatorPath();
    PhysicalSourceEntry entry(record);
    ReadReferencedSlot(mob, slotId, entry.slot);
    list.push_back(entry);
}

void ReadTapeSource(std::vector<TapeSourceEntry>& list, SourceMobT& mob, std::int32_t slotId)
{
    if (mob.status < 0)
        return;
    TapeMobInfo info(mob.info);
    TapeR::ReadTapeInfo(mob.sourceMob, info);
    AddTapeSource(info, list, mob, slotId);
}

void AddTapeSource(TapeMobInfo& info, std::vector<TapeSourceEntry>& list, SourceMobT& mob, std::int32_t slotId)
{
    info.mob.startTimecode.reelName = mob.info.name;
    TapeSourceEntry entry(info);
    ReadReferencedSlot(mob, slotId, entry.slot);
    list.push_back(entry);
}
