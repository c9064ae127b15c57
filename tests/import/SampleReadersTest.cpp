// Every sample file read through the wrappers as the import reads it: all mobs registered and sorted,
// every slot of every mob read with the slot queries, every event slot's events, every source mob.
// No required read may fail on a real file.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/EventMobSlotT.h"
#include "aaf/import/EventT.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/SequenceT.h"
#include "aaf/import/SlotSourceReference.h"
#include "aaf/import/SourceMobT.h"
#include "aaf/import/TimelineMobSlotT.h"
#include "import/ImportFileSupport.h"

namespace {

using namespace importtest;

struct Counts {
    int mobs = 0;
    int timelineSlots = 0;
    int references = 0;
    int events = 0;
    int sourceMobs = 0;
};

void ReadEvents(IUnknown* holder, const EventMobSlotT& slot, Counts& counts)
{
    SequenceT sequence(holder);
    if (sequence.status < 0) {
        EventT event;
        if (event.Read(holder) >= 0) {
            event.AddToMarkerMap(*slot.markerMap, slot.info.physicalNumber);
            ++counts.events;
        }
        return;
    }
    for (std::int32_t i = 0; i < sequence.componentCount; ++i) {
        IAAFComponent* component = nullptr;
        if (sequence.sequence->GetComponentAt(static_cast<aafUInt32>(i), &component) != 0)
            continue;
        EventT event;
        if (event.Read(component) >= 0) {
            event.AddToMarkerMap(*slot.markerMap, slot.info.physicalNumber);
            ++counts.events;
        }
        component->Release();
    }
}

void ReadMob(const MobEntry& entry, Counts& counts)
{
    MobtT mob(entry.mobId);
    ASSERT_GE(mob.status, 0) << entry.itemId;
    EXPECT_EQ(mob.info.GetItemId(), entry.itemId);
    ++counts.mobs;
    EventMarkerLists markers;
    for (std::int32_t i = 0; i < mob.slotCount; ++i) {
        const TimelineMobSlotT slot(mob.mob, static_cast<aafUInt32>(i));
        if (slot.status >= 0) {
            ++counts.timelineSlots;
            SourceReference reference;
            if (FindSlotSourceReference(slot, reference) >= 0 ||
                ReadEssenceGroupReference(slot.segment, slot.info, reference) >= 0 ||
                ReadEssenceGroupReference(slot.component, slot.info, reference) >= 0 ||
                ReadSequenceSourceReference(slot.segment, slot.info, reference) >= 0)
                ++counts.references;
            continue;
        }
        const EventMobSlotT events(mob.mob, static_cast<aafUInt32>(i), markers);
        if (events.status >= 0)
            ReadEvents(events.segment, events, counts);
    }
    if (entry.kind != kMobKindComposition && entry.kind != kMobKindMaster) {
        const SourceMobT source(entry);
        EXPECT_GE(source.status, 0) << entry.itemId;
        ++counts.sourceMobs;
    }
}

class SampleReaders : public ImportFileTest {};

TEST_F(SampleReaders, EveryRequiredReadSucceedsOnEverySample)
{
    REQUIRE_SHARED_DIR();
    Counts counts;
    for (const auto& path : testsupport::SampleFiles()) {
        SCOPED_TRACE(path.filename().string());
        ResetImport();
        testing::internal::CaptureStdout();
        try {
            OpenPath(path.string());
            MobLists lists;
            SortMobsByKind(lists);
            for (const auto& [key, entry] : MobRegistry::entries)
                ReadMob(entry, counts);
            file_->CloseFile();
            file_.reset();
        } catch (int code) {
            ADD_FAILURE() << "raised " << code;
        }
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.find("**ERROR"), std::string::npos) << out;
    }
    // The samples hold 1,338 mobs; most slots name their source.
    EXPECT_EQ(counts.mobs, 1338);
    EXPECT_GT(counts.references, counts.timelineSlots / 2);
    EXPECT_GT(counts.sourceMobs, 0);
    RecordProperty("timelineSlots", counts.timelineSlots);
    RecordProperty("references", counts.references);
    RecordProperty("events", counts.events);
}

TEST_F(SampleReaders, CompositionsWithoutUsageAreTopLevelOnlyWhereNothingElseIs)
{
    REQUIRE_SHARED_DIR();
    const struct {
        const char* file;
        std::vector<std::string> topLevel;
    } cases[] = {
        {"LogicPro 10.7.4.5614.AAF", {"LogicProX AAF Test"}},
        {"marker-over-audio.aaf", {}},
        {"essence_group.aaf", {"EssenceGroupTest.Exported.01"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ResetImport();
        OpenPath((testsupport::SharedDir() / "aaf-samples" / c.file).string());
        MobLists lists;
        SortMobsByKind(lists);
        std::vector<std::string> names;
        for (const MobEntry& entry : lists.topLevel)
            names.push_back(entry.name);
        EXPECT_EQ(names, c.topLevel);
    }
}

}  // namespace
