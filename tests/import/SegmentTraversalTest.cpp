// The segment traversal and the top-level composition import over files built in code: what each
// segment kind becomes where it sits, the tracks, gaps and layers that result, the references kept
// for adjusted clips and subclips, and the sequence, bin and markers of a composition.
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/CheckHResult.h"
#include "aaf/import/BuildTopLevelSequence.h"
#include "aaf/import/ImportBins.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/MobKind.h"
#include "aaf/import/MobtT.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SegmentReader.h"
#include "aaf/import/SourceT.h"
#include "aaf/import/TimelineMobSlotT.h"
#include "aaf/import/UsageCodes.h"
#include "fcpxml/ChildrenInfo.h"
#include "import/TraversalFixtures.h"
#include "support/AafMocks.h"
#include "support/CaptureRaise.h"
#include "support/DefinitionDoubles.h"
#include "support/GenericPropertyFixture.h"

namespace {

using namespace importtest;
namespace ids = fixture::ids;
namespace generic = testsupport::generic;

constexpr std::uint32_t kMissingMob = 7;  // no mob of the file: every clip becomes a slug

// "clip 0-10, gap 10-30": each item's kind and place on the track.
std::string Describe(const TrackInfo& track)
{
    std::string text;
    for (const ItemSlot& item : track.items) {
        const TrimValues t = Trim(item);
        const int kind = GetItemKind(item);
        text += text.empty() ? "" : ", ";
        text += kind == ItemKindClipItem ? "clip" : kind == ItemKindFiller ? "gap" : kind == ItemKindGeneratorItem ? "generator" : "other";
        text += ' ';
        text += std::to_string(t.start) + "-" + std::to_string(t.end);
    }
    return text;
}

std::vector<std::string> VideoTracks(const FCPSequenceTag& sequence)
{
    std::vector<std::string> tracks;
    for (const VideoInfo& video : sequence.video)
        for (const TrackInfo& track : video.tracks)
            tracks.push_back(Describe(track));
    return tracks;
}

class SegmentTraversal : public ImportFileTest {
public:  // the case tables build through it
    // A new file holding only the top-level composition "Cut" (mob 1).
    void Restart()
    {
        if (file_)
            file_->CloseFile();
        file_.reset();
        ResetImport();
        Reset();
        f = fixture::AafFileBuilder();
        mob = f.AddMob("CompositionMob", "Cut", fixture::MakeMobId(1));
    }

    aafsdk::ObjectId Slot(std::uint32_t id, std::uint32_t physical = 1)
    {
        const aafsdk::ObjectId slot = f.AddTimelineSlot(mob, id, "", 25, 1);
        SetPhysicalNumber(f, slot, physical);
        return slot;
    }

    aafsdk::ObjectId Clip(aafsdk::ObjectId owner, std::int64_t length)
    {
        return f.AddSourceClip(owner, ids::kDataDefPicture, length, fixture::MakeMobId(kMissingMob), 1, 0);
    }

    // The composition built into the first bin; returns its sequence there.
    const FCPSequenceTag& Build(std::uint32_t mobNumber = 1)
    {
        if (!file_)
            Open(f);
        if (XmemlDocument.bins.empty())
            AddBin("AAF Import");
        BuildTopLevelSequence(MobEntry(kMobKindComposition, kUsageTopLevel, "", IdOf(mobNumber)));
        EXPECT_TRUE(GlobalTimelineBuilder.SequenceStack.empty());
        EXPECT_TRUE(GlobalTimelineBuilder.TrackStack.empty());
        EXPECT_TRUE(GlobalTimelineBuilder.ItemStack.empty());
        return FirstBin().children->sequences.back();
    }

    fixture::AafFileBuilder f;
    aafsdk::ObjectId mob = f.AddMob("CompositionMob", "Cut", fixture::MakeMobId(1));
};

TEST_F(SegmentTraversal, EveryTimelineSlotBecomesATrackOfItsSegments)
{
    const struct {
        const char* label;
        std::function<void(SegmentTraversal&, aafsdk::ObjectId slot)> build;
        std::vector<std::string> tracks;
    } cases[] = {
        {"a filler", [](SegmentTraversal& t, aafsdk::ObjectId slot) { t.f.AddFiller(slot, ids::kDataDefPicture, 100); },
         {"gap 0-100"}},
        {"a source clip", [](SegmentTraversal& t, aafsdk::ObjectId slot) { t.Clip(slot, 40); }, {"clip 0-40"}},
        {"clip, filler, clip",
         [](SegmentTraversal& t, aafsdk::ObjectId slot) {
             const auto sequence = t.f.AddSequence(slot, ids::kDataDefPicture, 60);
             t.Clip(sequence, 10);
             t.f.AddFiller(sequence, ids::kDataDefPicture, 20);
             t.Clip(sequence, 30);
         },
         {"clip 0-10, gap 10-30, clip 30-60"}},
        // The group takes its place on the track as its chosen clip.
        {"clip, essence group, clip",
         [](SegmentTraversal& t, aafsdk::ObjectId slot) {
             const auto sequence = t.f.AddSequence(slot, ids::kDataDefPicture, 60);
             t.Clip(sequence, 10);
             AddEssenceGroup(t.f, sequence, 20, {fixture::MakeMobId(kMissingMob), fixture::MakeMobId(8)});
             t.Clip(sequence, 30);
         },
         {"clip 0-10, clip 10-30, clip 30-60"}},
        {"an essence group",
         [](SegmentTraversal& t, aafsdk::ObjectId slot) { AddEssenceGroup(t.f, slot, 40, {fixture::MakeMobId(8)}); },
         {"clip 0-40"}},
        {"a selector: only the selected clip",
         [](SegmentTraversal& t, aafsdk::ObjectId slot) { AddSelector(t.f, slot, 25, 99); }, {"clip 0-25"}},
        {"scope references stand for gaps",
         [](SegmentTraversal& t, aafsdk::ObjectId slot) {
             const auto sequence = t.f.AddSequence(slot, ids::kDataDefPicture, 35);
             AddScopeReference(t.f, sequence, 15);
             t.Clip(sequence, 10);
             AddScopeReference(t.f, sequence, 10);
         },
         {"gap 0-15, clip 15-25, gap 25-35"}},
        {"a timecode: no track", [](SegmentTraversal& t, aafsdk::ObjectId slot) { AddTimecode(t.f, slot, 0, 25, false); },
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Restart();
        c.build(*this, Slot(2));
        EXPECT_EQ(VideoTracks(Build()), c.tracks);
    }
}

TEST_F(SegmentTraversal, NestedScopeLayersGetTracksNumberedFromThePhysicalNumber)
{
    for (const std::uint32_t physical : {1u, 2u}) {
        SCOPED_TRACE(physical);
        Restart();
        const auto scope = AddNestedScope(f, Slot(2, physical), 30);
        Clip(f.AddSequence(scope, ids::kDataDefPicture, 30), 30);
        Clip(scope, 30);
        f.AddFiller(scope, ids::kDataDefPicture, 30);
        EndNestedScope(f, scope);

        const FCPSequenceTag& sequence = Build();
        EXPECT_EQ(VideoTracks(sequence), (std::vector<std::string>{"clip 0-30", "clip 0-30", "gap 0-30"}));
        std::vector<int> layers;
        for (const TrackInfo& track : sequence.video.front().tracks)
            layers.push_back(track.items.front().get()->layerIndex);
        EXPECT_EQ(layers, physical == 1 ? (std::vector<int>{1, 2, 3}) : (std::vector<int>{-1, 0, 1}));
    }
}

// A group as a layer stands on its own track as its chosen clip, as a clip layer would.
TEST_F(SegmentTraversal, AnEssenceGroupLayerIsItsChosenClip)
{
    const auto scope = AddNestedScope(f, Slot(2), 30);
    AddEssenceGroup(f, scope, 30, {fixture::MakeMobId(kMissingMob), fixture::MakeMobId(8)});
    Clip(scope, 30);
    EndNestedScope(f, scope);

    const FCPSequenceTag& sequence = Build();
    EXPECT_EQ(VideoTracks(sequence), (std::vector<std::string>{"clip 0-30", "clip 0-30"}));
    std::vector<int> layers;
    for (const TrackInfo& track : sequence.video.front().tracks)
        layers.push_back(track.items.front().get()->layerIndex);
    EXPECT_EQ(layers, (std::vector<int>{1, 2}));
}

// A sequence read as an effect's input hands its items to the effect and its attributes to the
// effect's translation.
TEST_F(SegmentTraversal, ASequenceAsEffectInputKeepsItsTaggedValues)
{
    generic::GenericPropertyFile g;
    const auto composition = g.f.AddMob("CompositionMob", "Input", fixture::MakeMobId(2));
    const auto sequence = g.f.AddSequence(g.f.AddTimelineSlot(composition, 1, "V1", 25, 1), ids::kDataDefPicture, 10);
    g.AddTagged(sequence, generic::kPidComponentAttributes, "ComponentAttributeList",
                {{"_MIXMATCH_RATE_NUM", generic::kInt32, generic::Int32Bytes(24)}});
    g.f.AddSourceClip(sequence, ids::kDataDefPicture, 10, fixture::MakeMobId(kMissingMob), 1, 0);
    Open(g.f);
    const MobtT input(IdOf(2));
    TimelineMobSlotT slot(input.mob, 0u);
    ASSERT_GE(slot.status, 0);
    testing::internal::CaptureStdout();  // the attribute trace
    slot.ImportSegment(kParentEffectInput, input.frameRate);
    testing::internal::GetCapturedStdout();

    const auto& maps = GlobalImportTraversalLists.TaggedValueMaps;
    ASSERT_EQ(maps.size(), 1u);
    ASSERT_TRUE(maps.front().contains("_MIXMATCH_RATE_NUM"));
    const auto* rate = dynamic_cast<const IntValue*>(maps.front().at("_MIXMATCH_RATE_NUM").value);
    ASSERT_NE(rate, nullptr);
    EXPECT_EQ(rate->value, 24);
    ASSERT_EQ(GlobalTimelineBuilder.ItemStack.size(), 1u);
    EXPECT_EQ(GetItemKind(GlobalTimelineBuilder.ItemStack.front()), ItemKindClipItem);
    EXPECT_EQ(Trim(GlobalTimelineBuilder.ItemStack.front()).out - Trim(GlobalTimelineBuilder.ItemStack.front()).in, 10);
    EXPECT_TRUE(GlobalTimelineBuilder.TrackStack.empty());
}

TEST_F(SegmentTraversal, AClipOfAMobWithoutClipIsASlugWithAnErrorRecord)
{
    Clip(Slot(2), 40);
    Build();
    ASSERT_EQ(TranslationLog.size(), 1u);
    const TranslationLogEntry& entry = TranslationLog.front();
    EXPECT_EQ(entry.clipName, "Unknown");
    EXPECT_EQ(entry.sequenceName, "Cut");
    EXPECT_EQ(entry.trackName, "V1");
    ASSERT_EQ(entry.translations.size(), 1u);
    EXPECT_EQ(entry.translations[0].status, kTranslationError);
    EXPECT_EQ(entry.translations[0].avidName.rfind("Error: Unknown Mob Ref (type: ", 0), 0u);
}

TEST_F(SegmentTraversal, SlotsOfAdjustedClipsKeepTheirReferencesAndMakeNoItems)
{
    const struct {
        const char* label;
        std::function<void(SegmentTraversal&, aafsdk::ObjectId slot)> build;
        std::vector<int> pendingLengths;  // newest first
    } cases[] = {
        {"a source clip", [](SegmentTraversal& t, aafsdk::ObjectId slot) { t.Clip(slot, 40); }, {40}},
        {"an essence group", [](SegmentTraversal& t, aafsdk::ObjectId slot) { AddEssenceGroup(t.f, slot, 30, {fixture::MakeMobId(8)}); }, {30}},
        {"a sequence of two clips",
         [](SegmentTraversal& t, aafsdk::ObjectId slot) {
             const auto sequence = t.f.AddSequence(slot, ids::kDataDefPicture, 30);
             t.Clip(sequence, 10);
             t.Clip(sequence, 20);
         },
         {20, 10}},
        {"a scope reference: a warning only", [](SegmentTraversal& t, aafsdk::ObjectId slot) { AddScopeReference(t.f, slot, 10); }, {}},
        {"a filler", [](SegmentTraversal& t, aafsdk::ObjectId slot) { t.f.AddFiller(slot, ids::kDataDefPicture, 10); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Restart();
        c.build(*this, Slot(2));
        Open(f);
        const MobtT composition(IdOf(1));
        TimelineMobSlotT slot(composition.mob, 0u);
        ASSERT_GE(slot.status, 0);
        slot.ImportSegment(kParentClipMobSlot, composition.frameRate);
        std::vector<int> lengths;
        for (const SourceReference& reference : GlobalImportTraversalLists.PendingSourceReferences)
            lengths.push_back(reference.length);
        EXPECT_EQ(lengths, c.pendingLengths);
        EXPECT_TRUE(GlobalTimelineBuilder.TrackStack.empty());
        EXPECT_TRUE(GlobalTimelineBuilder.ItemStack.empty());
    }
}

TEST_F(SegmentTraversal, ACompositionIsANamedSequenceInTheFirstBin)
{
    f.AddFiller(Slot(2), ids::kDataDefPicture, 500);
    const FCPSequenceTag& sequence = Build();
    EXPECT_EQ(sequence.name, "Cut");
    EXPECT_EQ(sequence.id, "Cut");
    EXPECT_EQ(sequence.duration, 500);
    EXPECT_EQ(FirstBin().name, "Cut");
    EXPECT_EQ(FirstBin().children->sequences.size(), 1u);
}

TEST_F(SegmentTraversal, MarkersGoOntoTheItemsTheyDescribeAndOntoTheSequence)
{
    AddTimecodeSlot(f, mob, 1, 1, 0, 25, false, 25, 1);
    const auto sequence = f.AddSequence(Slot(2), ids::kDataDefPicture, 30);
    f.AddFiller(sequence, ids::kDataDefPicture, 10);
    Clip(sequence, 20);
    const auto events = AddEventSequence(f, mob, 3, 1);
    AddMarker(f, events, 15, "on the clip", {2});
    AddMarker(f, events, 45, "past the clip", {2});
    AddMarker(f, events, 40, "on the timecode slot", {1});
    // Written so by some systems: it belongs to the sequence.
    AddMarker(f, events, 50, "on no slot", {});

    const FCPSequenceTag& built = Build();
    std::vector<std::pair<int, std::string>> onSequence;
    for (const MarkerInfo& marker : built.markers)
        onSequence.emplace_back(marker.in, marker.comment);
    EXPECT_EQ(onSequence, (std::vector<std::pair<int, std::string>>{{40, "on the timecode slot"}, {50, "on no slot"}}));
    const auto* clip = dynamic_cast<const FCPClipItemTag*>(built.video.front().tracks.front().items[1].get());
    ASSERT_NE(clip, nullptr);
    ASSERT_EQ(clip->markers.size(), 1u);
    EXPECT_EQ(clip->markers[0].in, 5);  // 15 on the track, 10 into the clip, which plays from 0
    EXPECT_TRUE(EventMarkerMap.empty());
}

TEST_F(SegmentTraversal, TwoCompositionsKeepTheirOwnMarkers)
{
    const auto second = f.AddMob("CompositionMob", "Second", fixture::MakeMobId(2));
    for (const auto& [owner, position] : {std::pair{mob, 7}, std::pair{second, 9}}) {
        AddTimecodeSlot(f, owner, 1, 1, 0, 25, false, 25, 1);
        AddMarker(f, AddEventSequence(f, owner, 3, 1), position, "", {1});
    }
    const int first = Build(1).markers.at(0).in;
    const FCPSequenceTag& other = Build(2);
    EXPECT_EQ(first, 7);
    ASSERT_EQ(other.markers.size(), 1u);
    EXPECT_EQ(other.markers[0].in, 9);
    EXPECT_EQ(FirstBin().name, "Second");
}

TEST_F(SegmentTraversal, EveryMobStartsAndEndsOnEmptyBuilderStacks)
{
    const auto sequence = f.AddSequence(Slot(2), ids::kDataDefPicture, 10);
    AddTimecode(f, sequence, 0, 25, false, 0);  // of no kind the traversal reads: it moves what it finds
    Clip(sequence, 10);
    Open(f);
    // What an earlier mob's import might have left.
    GlobalTimelineBuilder.TrackStack.emplace_front(2);
    PushFillerItem(FCPFillerTag(99));

    ImportProject();
    ASSERT_FALSE(XmemlDocument.bins.empty());
    ASSERT_EQ(FirstBin().children->sequences.size(), 1u);
    EXPECT_EQ(VideoTracks(FirstBin().children->sequences.front()), (std::vector<std::string>{"clip 0-10"}));
    EXPECT_TRUE(GlobalTimelineBuilder.TrackStack.empty());
    EXPECT_TRUE(GlobalTimelineBuilder.ItemStack.empty());
}

// What a source clip becomes by its sub-kind, as the effect translation asks for it.
TEST_F(SegmentTraversal, ASourceClipBecomesTheItemItsSubKindAsksFor)
{
    SourceReference reference;
    reference.startTime = 100;
    reference.length = 20;
    for (const int subKind : {int(kSubKindClipItem), int(kSubKindGeneratorItem), int(kSubKindGap), int(kSubKindTitle), 3}) {
        SCOPED_TRACE(subKind);
        Reset();
        PushSequence("Cut");
        ComponentContext context = Context(20, 2, 4);
        context.parentKind = kParentSequenceComponent;
        context.subKind = subKind;
        OpenTrack(context);
        SourceT clip(reference, context);
        EXPECT_EQ(clip.Import(), 0);
        auto& items = GlobalTimelineBuilder.ItemStack;
        if (subKind == 3) {
            EXPECT_TRUE(items.empty());
            continue;
        }
        ASSERT_EQ(items.size(), 1u);
        const ItemSlot& item = items.front();
        EXPECT_EQ(GetItemKind(item), subKind == kSubKindGap             ? ItemKindFiller
                                     : subKind == kSubKindGeneratorItem ? ItemKindGeneratorItem
                                                                        : ItemKindClipItem);
        EXPECT_EQ(Trim(item).out - Trim(item).in, 20);
        if (subKind == kSubKindGeneratorItem) {
            const auto* generator = dynamic_cast<const FCPGeneratorItemTag*>(item.get());
            EXPECT_EQ(generator->log.itemId, generator->id);
        }
        if (subKind == kSubKindTitle) {
            const auto* title = dynamic_cast<const FCPClipItemTag*>(item.get());
            EXPECT_EQ(title->name, "Title");
            EXPECT_EQ(title->id, "Title");
            EXPECT_EQ(title->alphatype, "straight");
            EXPECT_EQ(title->layerIndex, 4);
            EXPECT_EQ(Trim(item).in, 100);
            EXPECT_EQ(Trim(item).duration, 20);
            ASSERT_EQ(title->sourcetracks.size(), 1u);
            EXPECT_EQ(title->sourcetracks[0].mediatype, 2);
            EXPECT_EQ(title->sourcetracks[0].trackindex, 1);
        }
    }
}

TEST(SegmentReader, ASequenceWhoseComponentCountCannotBeReadRaises)
{
    testing::NiceMock<testsupport::MockIAAFSequence> sequence;
    aaftest::RefuseQueries(sequence);
    aaftest::AnswerQuery(sequence, IID_IAAFSequence, static_cast<IAAFSequence*>(&sequence));
    ON_CALL(sequence, CountComponents(testing::_)).WillByDefault(testing::Return(AAFRESULT_BADINDEX));
    SegmentReader reader;
    testsupport::RaisedOutput(kAafCallFailed, [&] { reader.ReadSegment(&sequence); });
}

}  // namespace
