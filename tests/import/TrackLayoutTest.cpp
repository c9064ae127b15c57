#include "aaf/import/TrackLayout.h"

#include <gtest/gtest.h>

#include <vector>

#include "aaf/import/EffectEntryPoints.h"
#include "ImportTestSupport.h"
#include "records/ValueBase.h"
#include "tests/fcpxml/WriteCapture.h"

using namespace importtest;

namespace {

using TrackLayoutTest = ImportTest;

// One item of a track: C clip and G generator of length n, T transition of duration n with the
// cut point given, F filler of length n.
struct Planned {
    char kind;
    int length;
    int cut = 0;
};

// Where an item lands, and for clips and generators the transitions over their edges.
struct Placed {
    int start;
    int end;
    TransitionEdge startTransition = {};
    TransitionEdge endTransition = {};
};

TrackInfo MakeTrack(const std::vector<Planned>& planned)
{
    TrackInfo track(2);
    int n = 0;
    for (const Planned& p : planned) {
        track.items.emplace_back();
        const std::string name = std::string(1, p.kind) + std::to_string(n++);
        switch (p.kind) {
        case 'C': NewClipItemCopy(track.items.back(), Clip(name, 100, 100 + p.length)); break;
        case 'G': NewGeneratorItemCopy(track.items.back(), ToGeneratorItem(Clip(name, 0, p.length))); break;
        case 'T': NewTransitionItemCopy(track.items.back(), FCPTransitionItemTag(p.length, p.cut)); break;
        default: NewFillerCopy(track.items.back(), FCPFillerTag(p.length)); break;
        }
        track.items.back().get()->name = name;
        if (auto* clip = dynamic_cast<FCPClipItemTag*>(track.items.back().get()))
            clip->AssignIdFromName();
    }
    return track;
}

const TrimTagBase* TrimOf(const ItemSlot& slot)
{
    return dynamic_cast<const TrimTagBase*>(slot.get());
}

bool operator==(const TransitionEdge& a, const TransitionEdge& b)
{
    return a.alignment == b.alignment && a.length == b.length;
}

TEST_F(TrackLayoutTest, ItemsAndTransitionsLandWhereTheCutsAre)
{
    struct Case {
        const char* what;
        std::vector<Planned> items;
        std::vector<Placed> placed;
        std::vector<int> alignments;  // of the transitions, in order, after the layout
    };
    const TransitionEdge none{};
    const Case cases[] = {
        {"two clips", {{'C', 50}, {'C', 30}}, {{0, 50}, {50, 80}}, {}},
        // The clip before ends at the cut, the transition's start: the file overlaps its tail.
        {"cut at the transition's start",
         {{'C', 50}, {'T', 10, 0}, {'C', 30}},
         {{0, 40, none, none}, {40, 50}, {40, 70, {1, 10}, none}},
         {kAlignStart}},
        {"cut inside",
         {{'C', 50}, {'T', 10, 5}, {'C', 30}},
         {{0, 50, none, {2, 10}}, {40, 50}, {40, 70, {2, 10}, none}},
         {kAlignCentre}},
        {"cut at the end moves to the middle",
         {{'C', 50}, {'T', 10, 10}, {'C', 30}},
         {{0, 50, none, {2, 10}}, {40, 50}, {40, 70, {2, 10}, none}},
         {kAlignCentre}},
        {"a one-frame transition's middle is its start",
         {{'C', 50}, {'T', 1, 1}, {'C', 30}},
         {{0, 49, none, none}, {49, 50}, {49, 79, {1, 1}, none}},
         {kAlignStart}},
        {"cut at the end, last on the track",
         {{'C', 50}, {'T', 10, 10}},
         {{0, 50, none, {3, 10}}, {40, 50}},
         {kAlignEnd}},
        {"into a generator",
         {{'C', 50}, {'T', 10, 5}, {'G', 30}},
         {{0, 50, none, {2, 10}}, {40, 50}, {40, 70, {2, 10}, none}},
         {kAlignCentre}},
        {"clip, gap, clip", {{'C', 10}, {'F', 20}, {'C', 10}}, {{0, 10}, {10, 30}, {30, 40}}, {}},
        {"gap after a transition that ends at it",
         {{'C', 50}, {'T', 10, 10}, {'F', 20}, {'C', 30}},
         {{0, 50, none, {3, 10}}, {40, 50}, {50, 70}, {70, 100}},
         {kAlignEnd}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TrackInfo track = MakeTrack(c.items);
        LayOutTrack(track);
        EXPECT_TRUE(track.laidOut);
        ASSERT_EQ(track.items.size(), c.placed.size());
        std::vector<int> alignments;
        for (std::size_t i = 0; i < c.placed.size(); ++i) {
            SCOPED_TRACE(i);
            const TrimTagBase* trim = TrimOf(track.items[i]);
            EXPECT_EQ(trim->start, c.placed[i].start);
            EXPECT_EQ(trim->end, c.placed[i].end);
            const int kind = GetItemKind(track.items[i]);
            if (kind == ItemKindClipItem || kind == ItemKindGeneratorItem) {
                EXPECT_TRUE(trim->startTransition == c.placed[i].startTransition);
                EXPECT_TRUE(trim->endTransition == c.placed[i].endTransition);
            }
            if (auto* t = dynamic_cast<const FCPTransitionItemTag*>(track.items[i].get()))
                alignments.push_back(t->alignment);
        }
        EXPECT_EQ(alignments, c.alignments);
    }
}

// In the file a transition of length t overlaps the tail of the segment before it and the head of
// the one after it, so the next segment starts t before the previous one ends, wherever the cut
// lies: clip 50, transition 10, clip 40, clip 30 is 110 long. A transition that opens the track
// has nothing before it to overlap and lies over the head of the clip after it.
TEST_F(TrackLayoutTest, ItemsAfterATransitionLandWhereTheFileHasThem)
{
    struct Case {
        const char* what;
        std::vector<Planned> items;
        std::vector<std::pair<int, int>> placed;  // start, end
        int alignment;
        int clipBeforeOut;  // the first clip's out (from 100); -1 when it opens no track
    };
    const Case cases[] = {
        {"cut at the start", {{'C', 50}, {'T', 10, 0}, {'C', 40}, {'C', 30}},
         {{0, 40}, {40, 50}, {40, 80}, {80, 110}}, kAlignStart, 140},
        {"cut in the middle", {{'C', 50}, {'T', 10, 5}, {'C', 40}, {'C', 30}},
         {{0, 50}, {40, 50}, {40, 80}, {80, 110}}, kAlignCentre, 150},
        {"cut at the end", {{'C', 50}, {'T', 10, 10}, {'C', 40}, {'C', 30}},
         {{0, 50}, {40, 50}, {40, 80}, {80, 110}}, kAlignCentre, 150},
        {"a one-frame transition", {{'C', 50}, {'T', 1, 0}, {'C', 40}, {'C', 30}},
         {{0, 49}, {49, 50}, {49, 89}, {89, 119}}, kAlignStart, 149},
        {"into a generator", {{'G', 50}, {'T', 10, 0}, {'G', 40}, {'C', 30}},
         {{0, 40}, {40, 50}, {40, 80}, {80, 110}}, kAlignStart, -1},
        {"opening the track, cut at the start", {{'T', 10, 0}, {'C', 40}, {'C', 30}},
         {{0, 10}, {0, 40}, {40, 70}}, kAlignStart, -1},
        {"opening the track, cut in the middle", {{'T', 10, 5}, {'C', 40}, {'C', 30}},
         {{0, 10}, {0, 40}, {40, 70}}, kAlignStart, -1},
        {"opening the track, cut at the end", {{'T', 10, 10}, {'C', 40}, {'C', 30}},
         {{0, 10}, {0, 40}, {40, 70}}, kAlignStart, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TrackInfo track = MakeTrack(c.items);
        LayOutTrack(track);
        ASSERT_EQ(track.items.size(), c.placed.size());
        for (std::size_t i = 0; i < c.placed.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(TrimOf(track.items[i])->start, c.placed[i].first);
            EXPECT_EQ(TrimOf(track.items[i])->end, c.placed[i].second);
            if (auto* t = dynamic_cast<const FCPTransitionItemTag*>(track.items[i].get())) {
                EXPECT_EQ(t->alignment, c.alignment);
            }
        }
        if (c.clipBeforeOut != -1) {
            EXPECT_EQ(TrimOf(track.items[0])->out, c.clipBeforeOut);
        }
    }
}

// A clip under a speed change shows a source range of another length than the group it fills;
// the clips after it land where the file has them either way.
TEST_F(TrackLayoutTest, ASpeedChangedClipLiesWhereItsGroupDoes)
{
    struct Case {
        const char* what;
        std::vector<Planned> items;
        int recordLength;  // of the first clip
        std::vector<std::pair<int, int>> placed;
        int firstOut;  // the first clip's source out (from 100), unchanged by its place
    };
    const Case cases[] = {
        {"slowed down: less source than track", {{'C', 40}, {'C', 30}}, 100, {{0, 100}, {100, 130}}, 140},
        {"sped up: more source than track", {{'C', 121}, {'C', 30}}, 100, {{0, 100}, {100, 130}}, 221},
        {"into a transition cut at its start", {{'C', 121}, {'T', 10, 0}, {'C', 30}}, 100,
         {{0, 90}, {90, 100}, {90, 120}}, 211},
        {"a group of no length", {{'C', 20}, {'C', 30}}, 0, {{0, 0}, {0, 30}}, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TrackInfo track = MakeTrack(c.items);
        dynamic_cast<TrimTagBase*>(track.items[0].get())->recordLength = c.recordLength;
        LayOutTrack(track);
        ASSERT_EQ(track.items.size(), c.placed.size());
        for (std::size_t i = 0; i < c.placed.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(TrimOf(track.items[i])->start, c.placed[i].first);
            EXPECT_EQ(TrimOf(track.items[i])->end, c.placed[i].second);
        }
        EXPECT_EQ(TrimOf(track.items[0])->in, 100);
        EXPECT_EQ(TrimOf(track.items[0])->out, c.firstOut);
    }
}

TEST_F(TrackLayoutTest, LayingOutTwiceChangesNothing)
{
    TrackInfo track = MakeTrack({{'C', 50}, {'T', 10, 10}, {'C', 30}});
    LayOutTrack(track);
    auto* last = dynamic_cast<FCPClipItemTag*>(track.items[2].get());
    last->out += 100;
    LayOutTrack(track);
    EXPECT_EQ(last->start, 40);
    EXPECT_EQ(last->end, 70);
    EXPECT_EQ(dynamic_cast<const FCPTransitionItemTag*>(track.items[1].get())->alignment, kAlignCentre);
}

TEST_F(TrackLayoutTest, AWrittenTrackLeavesEdgesUnderATransitionOpen)
{
    TrackInfo track = MakeTrack({{'C', 50}, {'T', 10, 5}, {'C', 30}});
    LayOutTrack(track);
    // Only the start, end and transition lines of the written track matter here.
    const std::string text = fcpxmltest::Capture([&] { WriteTrack(track); });
    std::string timing;
    std::size_t from = 0;
    for (std::size_t to; (to = text.find('\n', from)) != std::string::npos; from = to + 1) {
        const std::string line = text.substr(from, to + 1 - from);
        for (const char* tag : {"<start>", "<end>", "<clipitem", "<transitionitem"})
            if (line.find(tag) != std::string::npos)
                timing += line;
    }
    EXPECT_EQ(timing, fcpxmltest::Lines({
                          "><clipitem id=\"C0\">",
                          ">><start>0</start>",
                          ">><end>-1</end>",
                          "><transitionitem>",
                          ">><start>40</start>",
                          ">><end>50</end>",
                          "><clipitem id=\"C2\">",
                          ">><start>-1</start>",
                          ">><end>70</end>",
                      }));
}

TEST_F(TrackLayoutTest, EventMarkersLandOnTheItemsTheyFallOn)
{
    // Two clips on the track of slot 3: 0..40 (in 100) and 40..60 (in 100).
    TrackInfo track = MakeTrack({{'C', 40}, {'C', 20}});
    track.slot.slotId = 3;
    EventMarker inside;
    inside.position = 50;
    inside.name = "inside";
    inside.comment = "note";
    EventMarker boundary;
    boundary.position = 40;
    boundary.name = "boundary";
    EventMarker after;
    after.position = 61;
    EventMarkerMap[3][1] = {inside, boundary, after};
    EventMarker otherLayer;
    otherLayer.position = 10;
    EventMarkerMap[3][2] = {otherLayer};
    EventMarkerMap[4][1] = {otherLayer};

    LayOutTrack(track);
    const auto& first = dynamic_cast<const FCPClipItemTag*>(track.items[0].get())->markers;
    const auto& second = dynamic_cast<const FCPClipItemTag*>(track.items[1].get())->markers;
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].name, "boundary");
    EXPECT_EQ(first[0].in, 140);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].name, "inside");
    EXPECT_EQ(second[0].comment, "note");
    EXPECT_EQ(second[0].in, 110);
    EXPECT_EQ(second[1].name, "boundary");
    EXPECT_EQ(second[1].in, 100);
}

TEST_F(TrackLayoutTest, AStillTakesNoMarkers)
{
    ImportPrefs.markMissingEffects = true;
    EventMarker marker;
    marker.position = 5;
    EventMarkerMap[1][1] = {marker};
    for (const bool byOffset : {false, true}) {
        FCPClipItemTag still = Clip("S", 0, 20);
        still.AddTranslation("", "Blur", "Ignored", kTranslationIgnored);
        if (byOffset)
            still.stillframeoffset = 3;
        else
            still.stillframe = true;
        TrackInfo track(2);
        track.items.emplace_back();
        NewClipItemCopy(track.items.back(), still);
        LayOutTrack(track);
        EXPECT_TRUE(dynamic_cast<const FCPClipItemTag*>(track.items[0].get())->markers.empty());
    }
}

TEST_F(TrackLayoutTest, IgnoredEffectsGetAMissingEffectsMarker)
{
    ImportPrefs.markMissingEffects = true;
    FCPClipItemTag clip = Clip("A", 25, 75);
    clip.AddTranslation("", "Blur", "Ignored", kTranslationIgnored);
    clip.AddTranslation("Cross Dissolve", "Dissolve", "Applied", kTranslationApplied);
    FCPGeneratorItemTag generator = ToGeneratorItem(Clip("G", 0, 10));
    generator.AddTranslation("", "Glow", "Ignored", kTranslationIgnored);
    TrackInfo track(2);
    track.items.resize(3);
    NewClipItemCopy(track.items[0], clip);
    NewGeneratorItemCopy(track.items[1], generator);
    NewClipItemCopy(track.items[2], Clip("Plain", 0, 10));
    LayOutTrack(track);

    const auto& marked = dynamic_cast<const FCPClipItemTag*>(track.items[0].get())->markers;
    ASSERT_EQ(marked.size(), 1u);
    EXPECT_EQ(marked[0].name, "Missing Effects");
    EXPECT_EQ(marked[0].comment, "Blur");
    EXPECT_EQ(marked[0].in, 25);
    EXPECT_EQ(dynamic_cast<const FCPGeneratorItemTag*>(track.items[1].get())->markers.size(), 1u);
    EXPECT_TRUE(dynamic_cast<const FCPClipItemTag*>(track.items[2].get())->markers.empty());
}

TEST_F(TrackLayoutTest, AnItemHoldingANestedSequencePlaysItFromZero)
{
    for (const bool frozen : {false, true}) {
        FCPClipItemTag nested = Clip("N", 10, 60);
        nested.freezeFrame = frozen;
        nested.markers.emplace_back(12, "m", "");
        nested.nestedSequences.emplace_back(OutputMediaSettings);
        TrackInfo track(2);
        track.items.emplace_back();
        NewClipItemCopy(track.items.back(), nested);
        LayOutTrack(track);
        const auto* item = dynamic_cast<const FCPClipItemTag*>(track.items[0].get());
        SCOPED_TRACE(frozen);
        EXPECT_EQ(item->end, 50);
        EXPECT_EQ(item->in, frozen ? 10 : 0);
        EXPECT_EQ(item->out, frozen ? 60 : 50);
        EXPECT_EQ(item->duration, 50);
        EXPECT_EQ(item->nestedSequences[0].markers.size(), frozen ? 0u : 1u);
    }
}

// Stands in for the effect translation: names the clip as the parameter's value.
void ResolveToText(ItemSlot& item, ClipParameterValue& record)
{
    record.value.text = item.get()->name + " layer " +
                        std::to_string(dynamic_cast<const IntValue*>(record.source)->value);
}

ParameterRecord LayerRecord(int layer)
{
    ParameterRecord record;
    record.constantValues.push_back(new IntValue(layer));
    record.mapping.fcp.name = "Layer";
    return record;
}

TEST_F(TrackLayoutTest, DeferredLayerParametersAreResolvedAfterThePlacement)
{
    RegisteredEffectEntryPoints.resolveClipParameter = ResolveToText;
    FCPClipItemTag clip = Clip("A", 0, 10);
    clip.filters.emplace_back(EffectInfo());
    clip.layerParameters[0] = {LayerRecord(2), ParameterRecord()};  // no value: nothing
    clip.layerParameters[1] = {LayerRecord(3)};                     // no such filter
    clip.layerParameters[-1] = {LayerRecord(4)};
    FCPTransitionItemTag bare(10, 0);
    bare.layerParameters[0] = {LayerRecord(2)};
    FCPTransitionItemTag withEffect(10, 0);
    withEffect.name = "T2";
    withEffect.effects.emplace_back();
    withEffect.layerParameters[0] = {LayerRecord(5)};
    FCPClipItemTag unflagged = Clip("U", 0, 10);
    unflagged.filters.emplace_back(EffectInfo());
    unflagged.layerParameters[0] = {LayerRecord(2)};

    TrackInfo track(2);
    track.items.resize(4);
    NewClipItemCopy(track.items[0], clip);
    NewTransitionItemCopy(track.items[1], bare);
    NewTransitionItemCopy(track.items[2], withEffect);
    NewClipItemCopy(track.items[3], unflagged);
    track.parameterItems = {{0, true}, {1, true}, {2, true}, {3, false}, {9, true}};
    LayOutTrack(track);
    RegisteredEffectEntryPoints.resolveClipParameter = nullptr;

    const auto& parameters =
        dynamic_cast<const FCPClipItemTag*>(track.items[0].get())->filters[0].effect.parameters;
    ASSERT_EQ(parameters.size(), 1u);
    EXPECT_EQ(parameters[0].name, "Layer");
    EXPECT_EQ(parameters[0].parameterid, "input_Layer");
    ASSERT_EQ(parameters[0].values.size(), 1u);
    EXPECT_EQ(parameters[0].values[0].text, "A layer 2");
    const auto& transitionParameters =
        dynamic_cast<const FCPTransitionItemTag*>(track.items[2].get())->effects[0].parameters;
    ASSERT_EQ(transitionParameters.size(), 1u);
    EXPECT_EQ(transitionParameters[0].values[0].text, "T2 layer 5");
    EXPECT_TRUE(dynamic_cast<const FCPClipItemTag*>(track.items[3].get())
                    ->filters[0].effect.parameters.empty());
}

TEST_F(TrackLayoutTest, AnUnresolvedLayerParameterAddsNothing)
{
    FCPClipItemTag clip = Clip("A", 0, 10);
    clip.filters.emplace_back(EffectInfo());
    clip.layerParameters[0] = {LayerRecord(2)};
    TrackInfo track(2);
    track.items.emplace_back();
    NewClipItemCopy(track.items.back(), clip);
    track.parameterItems[0] = true;
    LayOutTrack(track);
    EXPECT_TRUE(dynamic_cast<const FCPClipItemTag*>(track.items[0].get())->filters[0].effect.parameters.empty());
}

}  // namespace

namespace {

// The layers of a nested scope each build a track whose items carry the layer's index; markers
// are looked up by that index, so each layer's track gets only its own.
TEST_F(TrackLayoutTest, NestedScopeLayersTakeTheMarkersOfTheirLayerIndex)
{
    PushSequence("S");
    for (const int layer : {-1, 0, 1}) {
        EventMarker marker;
        marker.position = 5;
        marker.name = "layer " + std::to_string(layer);
        EventMarkerMap[1][layer] = {marker};
    }
    for (const int layer : {-1, 0, 1}) {
        const ComponentContext context = Context(20, 2, layer);
        OpenTrack(context);
        FCPClipItemTag clip = Clip("L", 0, 20);
        clip.layerIndex = context.layerIndex;
        PushClipItem(clip);
        MoveItemToTrack();
        CloseTrack();
    }
    AddGapTrack(Context(20, 2, 7));
    const auto& tracks = GlobalTimelineBuilder.SequenceStack.front().video.front().tracks;
    ASSERT_EQ(tracks.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tracks[i].index, i + 1);
        const auto* clip = dynamic_cast<const FCPClipItemTag*>(tracks[i].items.at(0).get());
        EXPECT_EQ(clip->layerIndex, i - 1);
        ASSERT_EQ(clip->markers.size(), 1u);
        EXPECT_EQ(clip->markers[0].name, "layer " + std::to_string(i - 1));
    }
    EXPECT_EQ(tracks[3].items.at(0).get()->layerIndex, 7);
}

}  // namespace
