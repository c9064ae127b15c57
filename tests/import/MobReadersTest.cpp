// The mob and slot readers over files built in code: what a mob's slots give its record (length,
// rate, marks, timecodes), and the slot queries for source references and timecodes.
#include <cstring>

#include <gtest/gtest.h>

#include "aaf/MobId.h"
#include "aaf/import/EventMobSlotT.h"
#include "aaf/import/MobtT.h"
#include "aaf/import/SlotSourceReference.h"
#include "aaf/import/SlotTimecodes.h"
#include "aaf/import/TimelineMobSlotT.h"
#include "aaf/import/UsageCodes.h"
#include "import/ImportFileSupport.h"

namespace {

using namespace importtest;
using fixture::MakeMobId;
namespace ids = fixture::ids;

class MobReaders : public ImportFileTest {};

TEST_F(MobReaders, MobTakesLengthRateMarksAndTimecodesFromItsSlots)
{
    fixture::AafFileBuilder f;
    const auto mob = f.AddMob("CompositionMob", "Reel 1", MakeMobId(1));
    const auto picture = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
    f.AddFiller(picture, ids::kDataDefPicture, 500);
    SetPhysicalNumber(f, picture, 1);
    const auto sound = f.AddTimelineSlot(mob, 2, "A1", 25, 1);
    f.AddFiller(sound, ids::kDataDefSound, 400);
    f.builder().AddI64(sound, kMarkIn, 10);
    f.builder().AddI64(sound, kMarkOut, 50);
    const auto later = f.AddTimelineSlot(mob, 3, "A2", 25, 1);
    f.AddFiller(later, ids::kDataDefSound, 400);
    f.builder().AddI64(later, kMarkIn, 20);
    f.builder().AddI64(later, kMarkOut, 30);
    AddTimecodeSlot(f, mob, 7, 1, 90000, 25, false, 25, 1);
    AddTimecodeSlot(f, mob, 8, 2, 3600, 24, false, 24, 1);
    Open(f);

    const MobtT read(IdOf(1));
    ASSERT_EQ(read.status, 0);
    EXPECT_EQ(read.slotCount, 5);
    EXPECT_EQ(read.info.name, "Reel 1");
    EXPECT_EQ(read.info.length, 500);
    EXPECT_EQ(read.info.markIn, 10);
    EXPECT_EQ(read.info.markOut, 50);
    EXPECT_EQ(read.info.startTimecode.startFrame, 90000);
    EXPECT_EQ(read.info.startTimecode.framesPerSecond, 25);
    EXPECT_EQ(read.info.startTimecode.rateNumerator, 25);
    EXPECT_EQ(read.info.startTimecode.type, 1);
    EXPECT_EQ(read.info.startTimecode.slotId, 7);
    ASSERT_EQ(read.info.otherTimecodes.count(2), 1u);
    EXPECT_EQ(read.info.otherTimecodes.at(2).startFrame, 3600);
    EXPECT_EQ(read.info.otherTimecodes.at(2).rateNumerator, 24);
    EXPECT_EQ(read.info.otherTimecodes.at(2).slotId, 8);
    EXPECT_EQ(read.info.usageCode, kUsageTopLevel);
    // Not registered yet: no item id, and no kind.
    EXPECT_EQ(read.info.itemId, "");
    EXPECT_EQ(read.info.kind, -1);
}

TEST_F(MobReaders, WithoutSourceTimecodeTheStartIsFrameZeroAtTheFirstSlotRate)
{
    const struct {
        const char* label;
        std::int32_t rateNum, rateDen;  // of slot 0; 0/0 for a mob without slots
        std::int32_t expectNum, expectDen;
        std::uint16_t fps;
        std::int32_t drop;
    } cases[] = {
        {"29.97", 2997, 100, 2997, 100, 30, 1},
        {"25", 25, 1, 25, 1, 25, 0},
        {"no slot", 0, 0, 2997, 100, 30, 1},
        // A damaged rate is never divided by: the slot keeps the default rate.
        {"denominator 0", 25, 0, 2997, 100, 30, 1},
    };
    fixture::AafFileBuilder f;
    std::uint32_t n = 1;
    for (const auto& c : cases) {
        const auto mob = f.AddMob("MasterMob", c.label, MakeMobId(n++));
        if (c.rateDen != 0 || c.rateNum != 0) {
            const auto slot = f.AddTimelineSlot(mob, 1, "V1", c.rateNum, c.rateDen);
            f.AddFiller(slot, ids::kDataDefPicture, 100);
            // A timecode slot that is no source timecode.
            AddTimecodeSlot(f, mob, 2, 3, 1234, 30, true, c.rateNum, c.rateDen);
        }
    }
    Open(f);
    n = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const MobtT read(IdOf(n++));
        ASSERT_EQ(read.status, 0);
        const Timecode& start = read.info.startTimecode;
        EXPECT_EQ(start.startFrame, 0);
        EXPECT_EQ(start.rateNumerator, c.expectNum);
        EXPECT_EQ(start.rateDenominator, c.expectDen);
        EXPECT_EQ(start.framesPerSecond, c.fps);
        EXPECT_EQ(start.dropFrame, c.drop);
        EXPECT_EQ(start.slotId, -1);
    }
}

TEST_F(MobReaders, SlotsReadTheirValuesAndKinds)
{
    fixture::AafFileBuilder f;
    const auto mob = f.AddMob("MasterMob", "m", MakeMobId(1));
    const auto sound = f.AddTimelineSlot(mob, 4, "A1", 48000, 1);
    f.AddSourceClip(sound, ids::kDataDefSound, 0, MakeMobId(2), 3, 96);
    SetPhysicalNumber(f, sound, 2);
    const auto events = f.AddEventSlot(mob, 9, 24, 1);
    f.AddCommentMarker(events, ids::kDataDefPicture, 12, "note");
    Open(f);

    const MobtT read(IdOf(1));
    const TimelineMobSlotT byIndex(read.mob, 0u);
    const TimelineMobSlotT byId(read.mob, SlotIdKey{4});
    for (const TimelineMobSlotT* slot : {&byIndex, &byId}) {
        EXPECT_EQ(slot->status, 0);
        EXPECT_EQ(slot->info.slotId, 4);
        EXPECT_EQ(slot->info.name, "A1");
        EXPECT_EQ(slot->info.physicalNumber, 2);
        EXPECT_EQ(slot->info.dataKind, 1);
        EXPECT_EQ(slot->info.length, 0);
        EXPECT_EQ(slot->info.editRate.numerator, 48000);
        EXPECT_EQ(slot->info.origin, 0);
        EXPECT_EQ(slot->info.markIn, -1);
    }
    // An event slot is no timeline slot, and a missing slot gives no slot.
    EXPECT_LT(TimelineMobSlotT(read.mob, 1u).status, 0);
    EXPECT_LT(TimelineMobSlotT(read.mob, 2u).status, 0);
    EXPECT_LT(TimelineMobSlotT(read.mob, SlotIdKey{5}).status, 0);
    EventMarkerLists markers;
    const EventMobSlotT eventSlot(read.mob, 1u, markers);
    EXPECT_EQ(eventSlot.status, 0);
    EXPECT_EQ(eventSlot.info.editRate.numerator, 24);
    EXPECT_EQ(eventSlot.info.physicalNumber, -1);
    EXPECT_EQ(eventSlot.markerMap, &markers);
    EXPECT_LT(EventMobSlotT(read.mob, 0u, markers).status, 0);

    // A clip of length 0 directly on the slot takes the slot's length; only the reference is copied.
    SourceReference reference;
    reference.length = 77;
    EXPECT_EQ(FindSlotSourceReference(byIndex, reference), 0);
    EXPECT_EQ(reference.sourceMobId, IdOf(2));
    EXPECT_EQ(reference.sourceSlotId, 3);
    EXPECT_EQ(reference.startTime, 96);
    EXPECT_EQ(reference.length, 77);
}

TEST_F(MobReaders, SlotQueriesFindTheFirstClipOfASequenceAndTheChosenEssence)
{
    fixture::AafFileBuilder f;
    const auto mob = f.AddMob("MasterMob", "m", MakeMobId(1));
    const auto cut = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
    const auto sequence = f.AddSequence(cut, ids::kDataDefPicture, 300);
    f.AddFiller(sequence, ids::kDataDefPicture, 100);
    f.AddSourceClip(sequence, ids::kDataDefPicture, 120, MakeMobId(2), 1, 5);
    f.AddSourceClip(sequence, ids::kDataDefPicture, 80, MakeMobId(3), 1, 0);
    const auto choices = f.AddTimelineSlot(mob, 2, "V2", 25, 1);
    AddEssenceGroup(f, choices, 60, {MakeMobId(4), MakeMobId(5)});
    Open(f);

    const MobtT read(IdOf(1));
    const TimelineMobSlotT slot(read.mob, 0u);
    SourceReference reference;
    EXPECT_LT(FindSlotSourceReference(slot, reference), 0) << "a sequence is no source clip";
    EXPECT_EQ(ReadSequenceSourceReference(slot.segment, slot.info, reference), 0);
    EXPECT_EQ(reference.sourceMobId, IdOf(2));
    EXPECT_EQ(reference.length, 120);
    EXPECT_EQ(reference.startTime, 5);
    EXPECT_EQ(ReadSourceClipReference(nullptr, slot.info, reference), AAFRESULT_BADINDEX);

    const TimelineMobSlotT group(read.mob, 1u);
    EXPECT_LT(ReadSequenceSourceReference(group.segment, group.info, reference), 0);
    EXPECT_EQ(ReadEssenceGroupReference(group.segment, group.info, reference), 0);
    EXPECT_EQ(reference.sourceMobId, IdOf(4));
    EXPECT_EQ(reference.length, 60);
    EXPECT_EQ(reference.dataKind, 2);
}

TEST_F(MobReaders, EssenceGroupPrefersAChoiceWithAnAlphaPicture)
{
    const struct {
        const char* label;
        std::vector<std::uint32_t> choices;
        std::uint32_t chosen;
    } cases[] = {
        {"alpha second", {2, 3}, 3},
        {"alpha first and last", {3, 2, 4}, 3},
        {"no alpha", {2, 5}, 2},
    };
    fixture::AafFileBuilder f;
    AddRgbaSourceMob(f, 2, "RGB");
    AddRgbaSourceMob(f, 3, "RGBA");
    AddRgbaSourceMob(f, 4, "ARGB");
    const auto mob = f.AddMob("MasterMob", "m", MakeMobId(1));
    std::uint32_t slotId = 1;
    for (const auto& c : cases) {
        std::vector<fixture::MobIdBytes> sources;
        for (std::uint32_t n : c.choices)
            sources.push_back(MakeMobId(n));
        AddEssenceGroup(f, f.AddTimelineSlot(mob, slotId++, c.label, 25, 1), 40, sources);
    }
    Open(f);
    const MobtT read(IdOf(1));
    aafUInt32 index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const TimelineMobSlotT slot(read.mob, index++);
        SourceReference reference;
        EXPECT_EQ(ReadEssenceGroupReference(slot.segment, slot.info, reference), 0);
        EXPECT_EQ(reference.sourceMobId, IdOf(c.chosen));
        EXPECT_EQ(reference.dataKind, 2);
    }
}

TEST_F(MobReaders, TimecodeSlotGivesItsFirstTimecodeAtTheSlotRate)
{
    fixture::AafFileBuilder f;
    const auto mob = f.AddMob("CompositionMob", "c", MakeMobId(1));
    const auto single = f.AddTimelineSlot(mob, 1, "TC1", 30000, 1001);
    AddTimecode(f, single, 108000, 30, true);
    const auto listed = f.AddTimelineSlot(mob, 2, "TC2", 50, 1);
    const auto sequence = f.AddSequence(listed, ids::kDataDefTimecode, 2000);
    AddTimecode(f, sequence, 500, 50, false);
    AddTimecode(f, sequence, 900, 50, false);
    const auto picture = f.AddTimelineSlot(mob, 3, "V1", 25, 1);
    f.AddFiller(picture, ids::kDataDefPicture, 10);
    Open(f);

    const MobtT read(IdOf(1));
    const struct {
        aafUInt32 index;
        std::vector<std::int64_t> frames;
        std::int32_t rateNum;
        std::int32_t drop;
    } cases[] = {{0, {108000}, 30000, 1}, {1, {500}, 50, 0}, {2, {}, 0, 0}};
    for (const auto& c : cases) {
        const TimelineMobSlotT slot(read.mob, c.index);
        std::vector<Timecode> list;
        const std::int32_t result = ReadSlotTimecodes(slot, list);
        EXPECT_EQ(result < 0, c.frames.empty());
        ASSERT_EQ(list.size(), c.frames.size());
        if (list.empty())
            continue;
        EXPECT_EQ(list[0].startFrame, c.frames[0]);
        EXPECT_EQ(list[0].rateNumerator, c.rateNum);
        EXPECT_EQ(list[0].dropFrame, c.drop);
    }
}

}  // namespace
