#include "aaf/import/MobtT.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "aaf/CheckHResult.h"
#include "aaf/HeldInterface.h"
#include "aaf/MobId.h"
#include "aaf/Auid.h"
#include "aaf/import/CommonT.h"
#include "aaf/import/DataT.h"
#include "aaf/import/EditRateConversion.h"
#include "aaf/import/FileT.h"
#include "aaf/import/SlotTimecodes.h"
#include "aaf/import/TimelineMobSlotT.h"

MobtT::MobtT(const MobId& id)
{
    if (FileHeader == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    status = FileHeader->LookupMob(ToAafMobId(id), &mob);
    if (status >= 0)
        ReadOrRelease();
}

MobtT::MobtT(IEnumAAFMobs* mobs)
{
    if (mobs == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    status = mobs->NextOne(&mob);
    if (status >= 0)
        ReadOrRelease();
}

MobtT::~MobtT()
{
    made_.clear();
    slots_.clear();
    ReleaseInterface(mob);
}

const TimelineMobSlotT& MobtT::SlotAt(aafUInt32 index)
{
    if (index < slots_.size() && slots_[index])
        return *slots_[index];
    made_.push_back(std::make_unique<TimelineMobSlotT>(mob, index));
    return *made_.back();
}

const TimelineMobSlotT* MobtT::SlotOfId(aafSlotID_t slotId)
{
    // The kept readers answer when each slot was had: the first of that ID is the one the mob's
    // lookup gives, and none of that ID means the lookup finds none.
    bool complete = slots_.size() == static_cast<std::size_t>(std::max(slotCount, 0));
    for (const auto& kept : slots_) {
        if (kept->slot == nullptr) {
            complete = false;
            break;
        }
        if (static_cast<aafSlotID_t>(kept->info.slotId) == slotId)
            return kept.get();
    }
    if (complete)
        return nullptr;
    made_.push_back(std::make_unique<TimelineMobSlotT>(mob, SlotIdKey{slotId}));
    return made_.back().get();
}

void MobtT::ReadOrRelease()
{
    // A constructor that raises never reaches the destructor.
    try {
        Read();
    } catch (...) {
        ReleaseInterface(mob);
        throw;
    }
}

std::int32_t MobtT::Read()
{
    ReadIdAndSlots();
    CommonT::GetComments(mob, info.comments);
    Held<IAAFMob2> second;
    status = GetInterface(second.out(), IID_IAAFMob2, "IID_IAAFMob2", mob);
    if (status >= 0) {
        aafUID_t usage{};
        if (second->GetUsageCode(&usage) == 0)
            info.usageCode = ToAuid(usage);
        CommonT::GetKLVData(second.get(), info.klvData);
        CommonT::GetAttributes(second.get(), info.attributes);
    }
    return status;
}

void MobtT::ReadIdAndSlots()
{
    aafMobID_t id{};
    CheckHResult("GetMobID", CheckNotNull(mob, "MobtT: GetMobID")->GetMobID(&id), kAafCallFailed);
    info.SetMobId(ToMobId(id));
    info.name = CommonT::GetName(mob);
    aafNumSlots_t count = 0;
    CheckHResult("CountSlots", CheckNotNull(mob, "MobtT: GetNumSlots")->CountSlots(&count), kAafCallFailed);
    slotCount = count > static_cast<aafNumSlots_t>(std::numeric_limits<std::int32_t>::max())
                    ? std::numeric_limits<std::int32_t>::max()
                    : static_cast<std::int32_t>(count);
    ScanSlots();
}

void MobtT::ScanSlots()
{
    SlotInfo::EditRate editRate;
    SlotInfo::EditRate marksRate;
    MobFrameRate mobRate;
    bool startFound = false;
    // Readers handed out before stay valid.
    for (auto& kept : slots_)
        made_.push_back(std::move(kept));
    slots_.clear();
    for (std::int32_t i = 0; i < slotCount; ++i) {
        slots_.push_back(std::make_unique<TimelineMobSlotT>(mob, static_cast<aafUInt32>(i)));
        const TimelineMobSlotT& slot = *slots_.back();
        if (slot.status < 0)
            continue;
        mobRate.See(slot.info);
        if (i == 0) {
            info.length = slot.info.length;
            editRate = slot.info.editRate;
        }
        if (info.markIn == -1 || info.markOut == -1) {
            info.markIn = slot.info.markIn;
            info.markOut = slot.info.markOut;
            marksRate = slot.info.editRate;
        }
        if (slot.info.dataKind != kDataKindTimecode)
            continue;
        std::vector<Timecode> timecodes;
        ReadSlotTimecodes(slot, timecodes);
        if (timecodes.empty())
            continue;
        Timecode& first = timecodes.front();
        first.type = slot.info.physicalNumber;
        first.slotId = slot.info.slotId;
        if (slot.info.physicalNumber == 1) {
            info.startTimecode = first;
            startFound = true;
        } else {
            info.otherTimecodes[slot.info.physicalNumber] = first;
        }
    }
    frameRate = mobRate.Rate();
    ConvertToFrames(editRate, marksRate);
    if (!startFound) {
        // A first slot that counts samples gives no timecode rate: the mob's frames count instead.
        const SlotInfo::EditRate timecodeRate =
            IsSampleRate(editRate.numerator, editRate.denominator) ? frameRate : editRate;
        info.startTimecode.rateNumerator = timecodeRate.numerator;
        info.startTimecode.rateDenominator = timecodeRate.denominator;
        const TimecodeBase base = TimecodeBaseFromRate(timecodeRate.numerator, timecodeRate.denominator);
        info.startTimecode.startFrame = base.startFrame;
        info.startTimecode.dropFrame = base.dropFrame;
        info.startTimecode.framesPerSecond = base.framesPerSecond;
    }
}

void MobtT::GetMobIter(IAAFHeader* header, IEnumAAFMobs** mobs, aafSearchCrit_t* criterion)
{
    CheckHResult("GetMobs", CheckNotNull(header, "MobtT: GetMobIter")->GetMobs(criterion, mobs), kAafCallFailed);
}

void MobtT::ConvertToFrames(const SlotInfo::EditRate& lengthRate, const SlotInfo::EditRate& marksRate)
{
    const EditUnitConverter length = SlotToFrames(lengthRate, frameRate);
    info.length = static_cast<std::int32_t>(length.Span(0, info.length));
    const EditUnitConverter marks = SlotToFrames(marksRate, frameRate);
    if (info.markIn != -1)
        info.markIn = static_cast<std::int32_t>(marks.Frame(info.markIn));
    if (info.markOut != -1)
        info.markOut = static_cast<std::int32_t>(marks.Frame(info.markOut));
}
