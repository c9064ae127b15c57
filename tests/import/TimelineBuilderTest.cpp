#include "aaf/import/TimelineBuilder.h"

#include <string>

#include <gtest/gtest.h>

#include "ImportTestSupport.h"

using namespace importtest;

namespace {

using TimelineBuilderTest = ImportTest;

TimelineBuilder& B() { return GlobalTimelineBuilder; }

TEST_F(TimelineBuilderTest, PushesStoreCopiesWithTheNewestOnTopAndMovesNeedATrack)
{
    FCPClipItemTag a = Clip("A", 0, 10);
    PushClipItem(a);
    a.name = "changed after the push";
    PushTransitionItem(FCPTransitionItemTag(10, 5));
    PushFillerItem(FCPFillerTag(7));
    PushGeneratorItem(ToGeneratorItem(Clip("G", 0, 10)));
    ASSERT_EQ(B().ItemStack.size(), 4u);
    EXPECT_EQ(GetItemKind(B().ItemStack.front()), ItemKindGeneratorItem);
    EXPECT_EQ(B().ItemStack.back().get()->name, "A");

    // No track: the item stays where it is.
    MoveItemToTrack();
    EXPECT_EQ(B().ItemStack.size(), 4u);

    OpenTrack(Context(100, 2));
    MoveItemToTrack();
    MoveCurrentItemToTrack();
    ASSERT_EQ(B().ItemStack.size(), 2u);
    const TrackInfo& track = B().TrackStack.front();
    ASSERT_EQ(track.items.size(), 2u);
    EXPECT_EQ(GetItemKind(track.items[0]), ItemKindGeneratorItem);
    EXPECT_EQ(GetItemKind(track.items[1]), ItemKindFiller);
}

TEST_F(TimelineBuilderTest, OpenTrackNumbersAfterTheCurrentSequenceAndCarriesTheSlot)
{
    ComponentContext context = Context(100, 2);
    context.slot = SlotIdentity{7, 3, 100, "V slot"};
    OpenTrack(context);  // no sequence: no number
    EXPECT_EQ(B().TrackStack.front().index, -1);

    FCPSequenceTag& sequence = PushSequence("S");
    sequence.AddVideoTrack(TrackInfo(2));
    OpenTrack(context);
    context.dataKind = 1;
    OpenTrack(context);
    ASSERT_EQ(B().TrackStack.size(), 3u);
    const TrackInfo& sound = B().TrackStack.front();
    const TrackInfo& picture = *std::next(B().TrackStack.begin());
    EXPECT_EQ(picture.mediaType, 2);
    EXPECT_EQ(picture.index, 2);
    EXPECT_EQ(sound.mediaType, 1);
    EXPECT_EQ(sound.index, 1);
    EXPECT_EQ(picture.slot.slotId, 7);
    EXPECT_EQ(picture.slot.physicalNumber, 3);
    EXPECT_EQ(picture.slot.name, "V slot");
}

TEST_F(TimelineBuilderTest, CloseTrackFilesByMediaTypeAndPreferences)
{
    struct Case {
        int mediaType;
        bool ignoreAudio;
        bool ignoreVideo;
        std::size_t videoTracks;
        std::size_t audioTracks;
    };
    const Case cases[] = {
        {2, false, false, 1, 0}, {1, false, false, 0, 1}, {1, true, false, 0, 0},
        {2, false, true, 0, 0},  {1, false, true, 0, 1},  {6, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "media " << c.mediaType << " ignore audio "
                                        << c.ignoreAudio << " video " << c.ignoreVideo);
        EmptyTimelineBuilderStacks();
        ImportPrefs.ignoreAudio = c.ignoreAudio;
        ImportPrefs.ignoreVideo = c.ignoreVideo;
        PushSequence("S");
        OpenTrack(Context(50, c.mediaType));
        PushClipItem(Clip("A", 10, 60, c.mediaType));
        MoveItemToTrack();
        CloseTrack();
        EXPECT_TRUE(B().TrackStack.empty());
        const FCPSequenceTag& sequence = B().SequenceStack.front();
        EXPECT_EQ(sequence.video.front().tracks.size(), c.videoTracks);
        EXPECT_EQ(sequence.audio.front().tracks.size(), c.audioTracks);
        for (const auto* tracks : {&sequence.video.front().tracks, &sequence.audio.front().tracks}) {
            for (const TrackInfo& filed : *tracks) {
                EXPECT_TRUE(filed.laidOut);
                EXPECT_EQ(Trim(filed.items.front()).end, 50);
            }
        }
    }
}

TEST_F(TimelineBuilderTest, CloseTrackWithoutASequenceKeepsTheTrack)
{
    OpenTrack(Context(50, 2));
    CloseTrack();
    EXPECT_EQ(B().TrackStack.size(), 1u);
}

TEST_F(TimelineBuilderTest, GapFillersAfterTransitions)
{
    struct Case {
        int transitionDuration;  // 0: no transition before the gap
        int transitionCut;
        int gap;
        int fillerLength;
        int alignmentAfter;
    };
    const Case cases[] = {
        {0, 0, 100, 100, 0},
        {20, 10, 100, 80, kAlignEnd},    // cut inside: the transition now ends at the gap
        {20, 0, 100, 80, kAlignStart},   // cut at the start: shortened, code kept
        {20, 20, 100, 80, kAlignEnd},
        {20, 10, 20, 0, kAlignEnd},      // nothing left of the gap
        {20, 0, 10, 0, kAlignStart},     // never below 0 frames
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.transitionDuration << "/" << c.transitionCut << " gap "
                                        << c.gap);
        EmptyTimelineBuilderStacks();
        OpenTrack(Context(200, 2));
        if (c.transitionDuration > 0) {
            PushTransitionItem(FCPTransitionItemTag(c.transitionDuration, c.transitionCut));
            MoveItemToTrack();
        }
        AddGapFiller(Context(c.gap, 2, 4));
        ASSERT_EQ(B().ItemStack.size(), 1u);
        const auto* filler = dynamic_cast<const FCPFillerTag*>(B().ItemStack.front().get());
        ASSERT_NE(filler, nullptr);
        EXPECT_EQ(filler->duration, c.fillerLength);
        EXPECT_EQ(filler->out - filler->in, c.fillerLength);
        EXPECT_EQ(filler->mediaType, 2);
        EXPECT_EQ(filler->layerIndex, 4);
        if (c.transitionDuration > 0) {
            const auto* transition = dynamic_cast<const FCPTransitionItemTag*>(
                B().TrackStack.front().items.back().get());
            EXPECT_EQ(transition->alignment, c.alignmentAfter);
        }
    }
}

TEST_F(TimelineBuilderTest, GapFillerNeedsATrack)
{
    AddGapFiller(Context(100, 2));
    EXPECT_TRUE(B().ItemStack.empty());
}

TEST_F(TimelineBuilderTest, AFillerOnlySlotIsOneTrackHoldingOneGap)
{
    PushSequence("S");
    AddGapTrack(Context(120, 2));
    EXPECT_TRUE(B().TrackStack.empty());
    EXPECT_TRUE(B().ItemStack.empty());
    const auto& tracks = B().SequenceStack.front().video.front().tracks;
    ASSERT_EQ(tracks.size(), 1u);
    ASSERT_EQ(tracks[0].items.size(), 1u);
    EXPECT_EQ(GetItemKind(tracks[0].items[0]), ItemKindFiller);
    const TrimValues gap = Trim(tracks[0].items[0]);
    EXPECT_EQ(gap.start, 0);
    EXPECT_EQ(gap.end, 120);
}

TEST_F(TimelineBuilderTest, AFillerClipItemIsAPushedSlug)
{
    PushFillerClipItem(Context(40, 1, 3));
    ASSERT_EQ(B().ItemStack.size(), 1u);
    const auto* slug = dynamic_cast<const FCPClipItemTag*>(B().ItemStack.front().get());
    ASSERT_NE(slug, nullptr);
    EXPECT_EQ(slug->name, "Filler");
    EXPECT_EQ(slug->out, 40);
    EXPECT_EQ(slug->layerIndex, 3);
    EXPECT_EQ(slug->mediaType, 1);
}

TEST_F(TimelineBuilderTest, TranslationsReachOnlyClipGeneratorAndTransitionItems)
{
    AddTranslationToCurrentItem(kTranslationApplied, "Cross Dissolve", "Dissolve", "Applied");

    PushFillerItem(FCPFillerTag(10));
    AddTranslationToCurrentItem(kTranslationApplied, "Cross Dissolve", "Dissolve", "Applied");
    EXPECT_TRUE(B().ItemStack.front().get()->log.translations.empty());

    PushTransitionItem(FCPTransitionItemTag(10, 5));
    AddTranslationToCurrentItem(kTranslationIgnored, "", "Wipe", "Ignored");
    const auto& records = B().ItemStack.front().get()->log.translations;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].avidName, "Wipe");
    EXPECT_EQ(records[0].action, "Ignored");
    EXPECT_EQ(records[0].status, kTranslationIgnored);
}

TEST_F(TimelineBuilderTest, TransitionCutPoints)
{
    const int cases[][2] = {{0, kAlignStart}, {10, kAlignEnd}, {5, kAlignCentre}};
    for (const auto& c : cases) {
        FCPTransitionItemTag transition(10, 0);
        SetTransitionCutPoint(c[0], transition);
        EXPECT_EQ(transition.alignment, c[1]) << c[0];
    }
}

TEST_F(TimelineBuilderTest, NestedSequenceGoesIntoAClipItemOnly)
{
    PushSequence("Outer");
    PushSequence("Inner");
    PushGeneratorItem(ToGeneratorItem(Clip("G", 0, 10)));
    CloseNestedSequence();
    EXPECT_EQ(B().SequenceStack.size(), 2u);

    PushClipItem(Clip("A", 0, 10));
    CloseNestedSequence();
    ASSERT_EQ(B().SequenceStack.size(), 1u);
    EXPECT_EQ(B().SequenceStack.front().name, "Outer");
    const auto* item = dynamic_cast<const FCPClipItemTag*>(B().ItemStack.front().get());
    ASSERT_EQ(item->nestedSequences.size(), 1u);
    EXPECT_EQ(item->nestedSequences[0].name, "Inner");
}

TEST_F(TimelineBuilderTest, PopSequenceLogsItemsWithTheirPlace)
{
    // {sequence timecode start frame, logged start frame}: a sequence without a start timecode (-1)
    // logs its items at their bare position.
    const int cases[][2] = {{1000, 1120}, {-1, 120}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        TranslationLog.clear();
        FCPSequenceTag& sequence = PushSequence("Cut 3");
        sequence.timecode.frame = c[0];
        OutputMediaSettings.timecode.dropFrame = 1;
        OpenTrack(Context(300, 2));
        PushFillerItem(FCPFillerTag(120));
        MoveItemToTrack();
        FCPClipItemTag logged = Clip("A", 0, 30);
        logged.AddTranslation("", "Blur", "Ignored", kTranslationIgnored);
        PushClipItem(logged);
        MoveItemToTrack();
        PushClipItem(Clip("Plain", 0, 30));
        MoveItemToTrack();
        CloseTrack();
        PopSequence();

        EXPECT_TRUE(B().SequenceStack.empty());
        ASSERT_EQ(TranslationLog.size(), 1u);
        const TranslationLogEntry& entry = TranslationLog[0];
        EXPECT_EQ(entry.clipName, "A");
        EXPECT_EQ(entry.trackName, "V1");
        EXPECT_EQ(entry.sequenceName, "Cut 3");
        EXPECT_EQ(entry.timecode.startFrame, c[1]);
        EXPECT_EQ(entry.timecode.dropFrame, 1);
    }
}

TEST_F(TimelineBuilderTest, ResetsAndPendingReferences)
{
    PushSequence("S");
    OpenTrack(Context(10, 2));
    PushClipItem(Clip("A", 0, 10));
    ResetTimelineBuilder();  // the per-run reset keeps the item stack
    EXPECT_TRUE(B().SequenceStack.empty());
    EXPECT_TRUE(B().TrackStack.empty());
    EXPECT_EQ(B().ItemStack.size(), 1u);

    PushSequence("S");
    OpenTrack(Context(10, 2));
    EmptyTimelineBuilderStacks();  // between mobs nothing is left
    EXPECT_TRUE(B().SequenceStack.empty());
    EXPECT_TRUE(B().TrackStack.empty());
    EXPECT_TRUE(B().ItemStack.empty());

    SourceReference first;
    first.sourceSlotId = 1;
    SourceReference second;
    second.sourceSlotId = 2;
    PushPendingSourceReference(first);
    PushPendingSourceReference(second);
    auto& pending = GlobalImportTraversalLists.PendingSourceReferences;
    ASSERT_EQ(pending.size(), 2u);
    EXPECT_EQ(pending.front().sourceSlotId, 2);
    GlobalImportTraversalLists.TaggedValueMaps.emplace_back();
    ClearImportTraversalLists();
    EXPECT_TRUE(pending.empty());
    EXPECT_TRUE(GlobalImportTraversalLists.TaggedValueMaps.empty());
}

}  // namespace

namespace {

// Clip (50), transition (10, cut inside), a gap, clip (30), built the way the traversal builds a
// sequence: the second clip begins where the AAF sequence puts it, the gap's length after the
// transition's start.
TEST_F(TimelineBuilderTest, AGapAfterATransitionKeepsTheTrackInSync)
{
    const int cases[][2] = {{20, 60}, {10, 50}, {4, 50}};
    for (const auto& [gap, secondStart] : cases) {
        SCOPED_TRACE(gap);
        EmptyTimelineBuilderStacks();
        PushSequence("S");
        OpenTrack(Context(200, 2));
        PushClipItem(Clip("A", 0, 50));
        MoveItemToTrack();
        PushTransitionItem(FCPTransitionItemTag(10, 5));
        MoveItemToTrack();
        AddGapFiller(Context(gap, 2));
        MoveItemToTrack();
        PushClipItem(Clip("B", 0, 30));
        MoveItemToTrack();
        CloseTrack();
        const TrackInfo& track = B().SequenceStack.front().video.front().tracks.at(0);
        ASSERT_EQ(track.items.size(), 4u);
        EXPECT_EQ(Trim(track.items[1]).start, 40);
        EXPECT_EQ(Trim(track.items[1]).end, 50);
        EXPECT_GE(Trim(track.items[2]).duration, 0);
        EXPECT_EQ(Trim(track.items[3]).start, secondStart);
    }
}

}  // namespace

// The names of the items on the stack, top first, and on the current track, in track order.
std::string StackNames()
{
    std::string names;
    for (const ItemSlot& item : B().ItemStack)
        names += item.get()->name + " ";
    return names;
}

std::string TrackNames()
{
    std::string names;
    for (const ItemSlot& item : B().TrackStack.front().items)
        names += item.get()->name + " ";
    return names;
}

TEST_F(TimelineBuilderTest, AComponentsItemsAreThoseAboveTheDepthTakenBeforeIt)
{
    PushClipItem(Clip("Waiting", 0, 10));
    const std::size_t depth = ItemStackDepth();
    PushClipItem(Clip("A", 0, 10));
    PushClipItem(Clip("B", 0, 10));
    PushClipItem(Clip("C", 0, 10));
    EXPECT_EQ(ItemsPushedSince(depth), 3u);
    EXPECT_EQ(ItemsPushedSince(9), 0u);

    // Each in turn is the current item, oldest first; afterwards the stack is as it was.
    std::string visited;
    ForEachItemPushedSince(depth, [&] {
        visited += B().ItemStack.front().get()->name + " ";
        AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", "Blur", "Ignored");
    });
    EXPECT_EQ(visited, "A B C ");
    EXPECT_EQ(StackNames(), "C B A Waiting ");
    EXPECT_EQ(B().ItemStack.back().get()->log.translations.size(), 0u);
    EXPECT_EQ(B().ItemStack.front().get()->log.translations.size(), 1u);

    // A visit that takes its item away ends the walk, and nothing is put back.
    visited.clear();
    ForEachItemPushedSince(depth, [&] {
        visited += B().ItemStack.front().get()->name + " ";
        B().ItemStack.pop_front();
    });
    EXPECT_EQ(visited, "A ");
    EXPECT_EQ(StackNames(), "C B Waiting ");

    // Without a track they stay; with one they land in the order they were pushed, and the item that
    // was waiting before them stays.
    MoveItemsToTrack(depth);
    EXPECT_EQ(ItemsPushedSince(depth), 2u);
    OpenTrack(Context(100, 2));
    MoveItemsToTrack(depth);
    EXPECT_EQ(TrackNames(), "B C ");
    EXPECT_EQ(StackNames(), "Waiting ");
    MoveItemsToTrack(depth);
    EXPECT_EQ(TrackNames(), "B C ");
}
