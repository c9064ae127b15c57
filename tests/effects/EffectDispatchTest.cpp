// Operation groups through the import chain: where they sit, which converter takes them, what the
// current item's log records, and Submasters as nested sequences.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/TimelineBuilder.h"
#include "aafsdk/com/StoredValues.h"
#include "effects/EffectT.h"
#include "effects/EffectFixture.h"
#include "effects/EffectTranslator.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "support/ValueText.h"

namespace effecttest {
namespace {

std::vector<std::string> Records(const ItemTagBase& item)
{
    std::vector<std::string> out;
    for (const TranslationRecord& r : item.log.translations)
        out.push_back(std::to_string(r.status) + " " + r.fcpName + " / " + r.avidName + " / " + r.action);
    return out;
}

std::vector<std::string> CurrentRecords()
{
    const auto& items = GlobalTimelineBuilder.ItemStack;
    return items.empty() ? std::vector<std::string>{} : Records(*items.front().get());
}

enum class Top { None, Clip, Generator, Transition, Filler };

void PushTop(Top top, int mediaType)
{
    FCPClipItemTag clip("Shot");
    clip.mediaType = mediaType;
    clip.in = 0;
    clip.out = 50;
    switch (top) {
    case Top::Clip: PushClipItem(clip); break;
    case Top::Generator: PushGeneratorItem(FCPGeneratorItemTag::FromClipItem(clip)); break;
    case Top::Transition: PushTransitionItem(FCPTransitionItemTag(10, 5)); break;
    case Top::Filler: PushFillerItem(FCPFillerTag(50)); break;
    case Top::None: break;
    }
}

class EffectDispatch : public EffectTest {
protected:
    // Imports the file's first operation group as a sequence component of the given data kind.
    std::int32_t ImportFirstGroup(const EffectFile& file, int dataKind, int parentKind = 26, int length = 50)
    {
        FileEffects effects(file.Save(dir_, "dispatch" + std::to_string(++saved_) + ".aaf"));
        EXPECT_FALSE(effects.groups.empty());
        if (effects.groups.empty())
            return -1;
        EffectT effect(effects.groups[0], Context(length, dataKind, parentKind));
        return effect.Import();
    }

    int saved_ = 0;
};

// The groups carry no input here, so the effect applies to the item already on top.
TEST_F(EffectDispatch, EachOperationReachesItsConverterOrIsLoggedAsNotSupported)
{
    const std::string notSupported = "1 Not Supported / Blur / Ignored";
    const std::string invalidLength = "3 Time Remap / Motion Effects/Timewarp / Error: Invalid file length";
    const struct {
        const char* name;
        const char* operation;
        const char* dataDef;  // the operation definition's
        bool timeWarp;
        Top top;
        int mediaType;
        std::vector<std::string> records;
    } cases[] = {
        {"picture effect on a clip", kBlur, kPicture, false, Top::Clip, 2, {notSupported}},
        {"on a generator", kBlur, kPicture, false, Top::Generator, 2, {notSupported}},
        {"sound effect on a clip", kBlur, kSound, false, Top::Clip, 1, {notSupported}},
        {"a filler takes no record", kBlur, kPicture, false, Top::Filler, 2, {}},
        {"no current item: nothing", kBlur, kPicture, false, Top::None, 2, {}},
        {"a time warp that is neither speed control nor repeat leaves no record", kBlur, kPicture, true, Top::Clip,
         2, {}},
        // Speed controls and repeats have their converters; this clip item has no file to retime.
        {"speed control", kSpeedControl, kPicture, true, Top::Clip, 2, {invalidLength}},
        {"sound speed control", kAudioSpeedControl, kSound, true, Top::Clip, 1, {invalidLength}},
        {"repeat", kRepeat, kPicture, true, Top::Clip, 2, {"2 Freeze Frame / Video Repeat (Freeze Frame) / Applied"}},
        {"speed control on a generator: nothing", kSpeedControl, kPicture, true, Top::Generator, 2, {}},
        {"repeat on a generator: nothing", kRepeat, kPicture, true, Top::Generator, 2, {}},
        {"speed control without a current item: nothing", kSpeedControl, kPicture, true, Top::None, 2, {}},
        // The pan goes to its converter even as a time warp, which finds no pan value here and
        // leaves the clip as it is: no record, not even a not-supported one.
        {"pan", kPan, kSound, true, Top::Clip, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        EffectFile file;
        file.Operation(c.operation, "Blur", c.dataDef, 1, c.timeWarp);
        file.Group(c.operation, c.dataDef);
        PushTop(c.top, c.mediaType);
        EXPECT_GE(ImportFirstGroup(file, 2), 0);
        EXPECT_EQ(CurrentRecords(), c.records);
    }
}

TEST_F(EffectDispatch, FiltersGoOntoTheCurrentItem)
{
    const struct {
        const char* name;
        Top top;
        int mediaType;
        bool onCurrentItem;  // what AttachFilterToCurrentItem answers: whether the item kept it
        bool onClipItem;     // what AttachFilterToClipItem answers
    } cases[] = {
        {"clip item", Top::Clip, 2, true, true},
        // An audio clip item refuses a filter without data in its range.
        {"audio clip item", Top::Clip, 1, false, false},
        {"generator item", Top::Generator, 2, true, false},
        {"transition item", Top::Transition, 2, false, false},
        // A filler is a current item but holds no filters.
        {"filler", Top::Filler, 2, false, false},
        {"empty stack", Top::None, 2, false, false},
    };
    for (const auto& c : cases) {
        for (const bool clipOnly : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (clipOnly ? ", clip items only" : ", current item"));
            EmptyTimelineBuilderStacks();
            PushTop(c.top, c.mediaType);
            EffectTranslator translator(Context(50, 2, 26), Auid{}, nullptr);
            translator.effect.effectid = "probe";
            const bool attached = clipOnly ? AttachFilterToClipItem(translator) : AttachFilterToCurrentItem(translator);
            EXPECT_EQ(attached, clipOnly ? c.onClipItem : c.onCurrentItem);
            std::vector<std::string> filters;
            if (!GlobalTimelineBuilder.ItemStack.empty()) {
                const ItemTagBase* item = GlobalTimelineBuilder.ItemStack.front().get();
                if (const auto* clip = dynamic_cast<const FCPClipItemTag*>(item))
                    for (const FilterInfo& f : clip->filters)
                        filters.push_back(f.effect.effectid);
                if (const auto* generator = dynamic_cast<const FCPGeneratorItemTag*>(item))
                    for (const FilterInfo& f : generator->filters)
                        filters.push_back(f.effect.effectid);
            }
            EXPECT_EQ(filters, attached ? std::vector<std::string>{"probe"} : std::vector<std::string>{});
        }
    }
}

TEST_F(EffectDispatch, WhereTheGroupSits)
{
    EffectFile file;
    file.Operation(kBlur, "Blur", kPicture, 1);
    file.Group(kBlur);
    const struct {
        int parentKind;
        std::vector<std::string> records;
    } cases[] = {
        {19, {"1 Not Supported / Blur / Ignored"}},
        {26, {"1 Not Supported / Blur / Ignored"}},
        // A layer of a nested scope, the input of a pan or a Submaster layer, a transition's effect,
        // an event: not imported at all.
        {17, {}},
        {20, {}},
        {33, {}},
        {69, {}},
        // Inside an adjusted clip the effect is not translated.
        {28, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.parentKind);
        EmptyTimelineBuilderStacks();
        PushTop(Top::Clip, 2);
        EXPECT_GE(ImportFirstGroup(file, 2, c.parentKind), 0);
        EXPECT_EQ(CurrentRecords(), c.records);
    }

    // Not an operation group: the status says so and nothing happens.
    FileEffects effects(file.Save(dir_, "other.aaf"));
    EffectT notAGroup(effects.file.header.get(), Context(50, 2, 26));
    EXPECT_LT(notAGroup.Import(), 0);
}

std::string TagsText(const MotionEffectTags& t)
{
    return "graph " + std::to_string(t.graphEnabled) + " view " + std::to_string(t.speedViewTop) + "/" +
           std::to_string(t.speedViewBottom) + " ratio " + std::to_string(t.numerator) + "/" +
           std::to_string(t.denominator) + " adapter " + std::to_string(t.motionAdapter) + " match " +
           std::to_string(t.portableMatch);
}

// The time warp of the generic-property file, with its speed ratio 3/2 and the tags of each case.
TEST_F(EffectDispatch, MotionEffectTagsAndCommentsOfATimeWarp)
{
    namespace generic = testsupport::generic;
    const struct {
        const char* name;
        std::vector<generic::TaggedInput> tags;
        const char* expected;
    } cases[] = {
        {"every tag",
         {{"_MFX_GRAPH_ENABLED", kInt32, Int32Bytes(1)},
          {"_MFX_VIEW_SPD_TOP", kInt32, Int32Bytes(300)},
          {"_MFX_VIEW_SPD_BOTTOM", kInt32, Int32Bytes(-100)},
          {"_MIXMATCH_MOTIONADAPTER", kInt32, Int32Bytes(2)},
          {"_MATCH", kString, generic::TextBytes("__PortableObject")}},
         "graph 1 view 300/-100 ratio 3/2 adapter 2 match 1"},
        {"names and texts compare exactly; values of other types are skipped",
         {{"_mfx_graph_enabled", kInt32, Int32Bytes(1)},
          {"_MFX_VIEW_SPD_TOP", kString, generic::TextBytes("300")},
          {"_MIXMATCH_MOTIONADAPTER ", kInt32, Int32Bytes(2)},
          {"_MATCH", kString, generic::TextBytes("__PortableObjects")},
          {"_MATCH", kInt32, Int32Bytes(1)}},
         "graph 0 view 0/0 ratio 3/2 adapter 0 match 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        generic::GenericPropertyFile built;
        built.AddTagged(built.warp, generic::kPidComponentAttributes, "ComponentAttributeList", c.tags);
        const auto path = dir_ / "tags.aaf";
        fixture::SaveBytes(path, fixture::WriteAaf(built.f.graph()).bytes);
        FileEffects effects(path);
        ASSERT_EQ(effects.groups.size(), 2u);
        EffectT warp(effects.groups[0], Context(10, 2, 26));
        ASSERT_EQ(warp.motionEffectTags.size(), 1u);
        EXPECT_EQ(TagsText(warp.motionEffectTags[0]), c.expected);
    }

    // The comments of a time warp go to the item it applies to; those of another effect do not.
    generic::GenericPropertyFile built;
    const std::vector<generic::TaggedInput> comment{{"_COMMENT", kString, generic::TextBytes("Slow here")}};
    built.AddTagged(built.warp, generic::kPidComponentAttributes, "ComponentAttributeList", comment);
    built.AddTagged(built.bare, generic::kPidComponentAttributes, "ComponentAttributeList", comment);
    const auto path = dir_ / "comments.aaf";
    fixture::SaveBytes(path, fixture::WriteAaf(built.f.graph()).bytes);
    FileEffects effects(path);
    ASSERT_EQ(effects.groups.size(), 2u);
    for (const bool timeWarp : {true, false}) {
        SCOPED_TRACE(timeWarp);
        EmptyTimelineBuilderStacks();
        PushSequence();
        PushTop(Top::Clip, 2);
        EffectT effect(effects.groups[timeWarp ? 0 : 1], Context(10, 2, 26));
        ASSERT_EQ(effect.isTimeWarp, timeWarp);
        EXPECT_GE(effect.Import(), 0);
        ASSERT_FALSE(GlobalTimelineBuilder.ItemStack.empty());
        const auto* item = dynamic_cast<const FCPClipItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->comments.clipcommenta, timeWarp ? "Slow here" : "");
    }
}

TEST_F(EffectDispatch, AnAdjustedClipsEffectGivesItsLengthToThePendingReference)
{
    EffectFile file;
    file.Group(kBlur);
    const struct {
        int pendingLength;
        int expected;
    } cases[] = {{0, 75}, {40, 40}};
    for (const auto& c : cases) {
        ClearImportTraversalLists();
        SourceReference reference;
        reference.length = c.pendingLength;
        PushPendingSourceReference(reference);
        EXPECT_GE(ImportFirstGroup(file, 2, 28, 75), 0);
        EXPECT_EQ(GlobalImportTraversalLists.PendingSourceReferences.front().length, c.expected);
    }
    ClearImportTraversalLists();
    EXPECT_GE(ImportFirstGroup(file, 2, 28, 75), 0);
    EXPECT_TRUE(GlobalImportTraversalLists.PendingSourceReferences.empty());
}

TEST_F(EffectDispatch, SubmasterBecomesANestedSequence)
{
    for (const bool dropFrame : {false, true}) {
        SCOPED_TRACE(dropFrame);
        Reset();
        OutputMediaSettings.timecode.dropFrame = dropFrame ? 1 : 0;
        EffectFile file;
        file.Operation(kSubmaster, "Submaster", kPicture, -1);
        const ObjectId submaster = file.Group(kSubmaster, kPicture, 60);
        // Each layer is a sequence of one clip; the clips' sources are not in the file.
        for (int i = 0; i < 3; ++i)
            file.f.AddSourceClip(file.Input(submaster, kPicture, 60), kPicture, 20 + 10 * i, fixture::MakeMobId(70 + i), 1, 0);
        PushSequence();
        TaggedValueEntry tag("_MIXMATCH_RATE_NUM", "24", 0);
        GlobalImportTraversalLists.TaggedValueMaps.push_back({{tag.name, tag}});
        EXPECT_GE(ImportFirstGroup(file, 2, 26, 60), 0);

        ASSERT_EQ(GlobalTimelineBuilder.ItemStack.size(), 1u);
        const auto* item = dynamic_cast<const FCPClipItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(Records(*item), (std::vector<std::string>{
                                      "2 Nested Sequence / Submaster/Collapsed Layers / Applied"}));
        EXPECT_EQ(item->in, 0);
        EXPECT_EQ(item->out, 60);
        ASSERT_EQ(item->nestedSequences.size(), 1u);
        const FCPSequenceTag& nested = item->nestedSequences.front();
        EXPECT_EQ(nested.name, item->id + " Seq");
        EXPECT_EQ(nested.duration, 60);
        EXPECT_EQ(nested.timecode.text, dropFrame ? "00;00;00;00" : "00:00:00:00");
        EXPECT_EQ(nested.timecode.frame, 0);
        ASSERT_FALSE(nested.video.empty());
        ASSERT_EQ(nested.video.front().tracks.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            const TrackInfo& track = nested.video.front().tracks[i];
            EXPECT_EQ(track.index, i + 1);
            ASSERT_EQ(track.items.size(), 1u);
            TrimValues placed;
            GetItemTrimValues(track.items[0], placed);
            EXPECT_EQ(placed.end - placed.start, 20 + 10 * i);
        }
        // The nested sequence went into the item; the timeline's is the one left.
        EXPECT_EQ(GlobalTimelineBuilder.SequenceStack.size(), 1u);
        EXPECT_TRUE(GlobalImportTraversalLists.TaggedValueMaps.empty());
    }
}

// An effect without a converter and a speed change, with the record each leaves on its clip.
struct CoveringEffect {
    const char* operation;
    const char* name;
    bool timeWarp;
    const char* record;
};
const CoveringEffect kEffectAndTimeWarp[] = {
    {kBlur, "Blur", false, "1 Not Supported / Blur / Ignored"},
    {kSpeedControl, "Motion Control", true, "2 Time Remap / Motion Effects/Timewarp / Applied"}};

// The clip an effect or a time warp applies to keeps its place; the effect's record goes onto it.
TEST_F(EffectDispatch, OnlyTheLastInputIsImported)
{
    for (const auto& c : kEffectAndTimeWarp) {
        SCOPED_TRACE(c.name);
        Reset();
        EffectFile file;
        file.Operation(c.operation, c.name, kPicture, 3, c.timeWarp);
        const ObjectId group = file.Group(c.operation, kPicture, 30);
        for (int i = 0; i < 3; ++i)
            file.f.AddSourceClip(file.Input(group, kPicture, 30), kPicture, 10 * (i + 1), fixture::MakeMobId(80 + i),
                                 1, 0);
        PushSequence();
        EXPECT_GE(ImportFirstGroup(file, 2, 26, 30), 0);
        ASSERT_EQ(GlobalTimelineBuilder.ItemStack.size(), 1u);
        const ItemSlot& item = GlobalTimelineBuilder.ItemStack.front();
        TrimValues trim;
        GetItemTrimValues(item, trim);
        EXPECT_EQ(trim.out - trim.in, 30);
        // The input's own record (its source is unknown), then the effect's.
        const std::vector<std::string> records = CurrentRecords();
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.back(), c.record);
    }
}

// An input of several components pushes an item for each; the effect covers each clip of them as it
// would cover one, and leaves the transition among them and the item waiting below them alone.
TEST_F(EffectDispatch, AnInputOfSeveralComponentsIsCoveredClipByClip)
{
    const std::vector<std::string> unknown = {
        "3 --- / Error: Unknown Mob Ref (type: Unknown, usage: Unknown) / Clip replaced with Slug"};
    for (const auto& c : kEffectAndTimeWarp) {
        SCOPED_TRACE(c.name);
        Reset();
        EffectFile file;
        file.Operation(c.operation, c.name, kPicture, 1, c.timeWarp);
        file.Operation(kVideoDissolve, "", kPicture, 2);
        const ObjectId group = file.Group(c.operation, kPicture, 61);
        const ObjectId input = file.Input(group, kPicture, 61);
        file.f.AddSourceClip(input, kPicture, 10, fixture::MakeMobId(80), 1, 0);
        file.f.AddTransition(input, kPicture, 4, 2, kVideoDissolve);
        file.f.AddSourceClip(input, kPicture, 20, fixture::MakeMobId(81), 1, 0);
        file.f.AddFiller(input, kPicture, 5);
        file.f.AddSourceClip(input, kPicture, 30, fixture::MakeMobId(82), 1, 0);
        PushSequence();
        PushClipItem(Clip("Waiting", 0, 50));
        EXPECT_GE(ImportFirstGroup(file, 2, 26, 61), 0);

        const std::string effect = c.record;
        std::vector<std::string> covered = unknown;
        covered.push_back(effect);
        // Top first: clip, the filler's slug, clip, the dissolve, clip, and the item that waited.
        const std::vector<std::vector<std::string>> expected = {
            covered, {effect}, covered, {"2 Cross Dissolve / Video Dissolve / Applied"}, covered, {}};
        std::vector<std::vector<std::string>> records;
        std::vector<int> lengths;
        for (const ItemSlot& item : GlobalTimelineBuilder.ItemStack) {
            records.push_back(Records(*item.get()));
            TrimValues trim;
            GetItemTrimValues(item, trim);
            lengths.push_back(trim.out - trim.in);
        }
        EXPECT_EQ(records, expected);
        EXPECT_EQ(lengths, (std::vector<int>{30, 5, 20, 4, 10, 50}));
    }
}

TEST_F(EffectDispatch, ParametersUnderOneDefinitionKeepTheLater)
{
    EffectFile file;
    const ObjectId group = file.Group(kBlur);
    file.Constant(group, kLevel, kRational, RationalBytes(1, 2));
    file.Constant(group, kLevel, kRational, RationalBytes(3, 4));
    FileEffects effects(file.Save(dir_));
    EffectT effect(effects.groups.at(0), Context(50, 2, 26));
    effect.ReadParameters();
    ASSERT_EQ(effect.parameters.size(), 1u);
    const ParameterRecord& level = effect.parameters.begin()->second;
    EXPECT_EQ(level.mapping.avid.name, "Level");
    ASSERT_EQ(level.constantValues.size(), 1u);
    EXPECT_EQ(testsupport::Describe(level.constantValues[0]), "ratio 3/4");
}

TEST_F(EffectDispatch, MixMatchRatesOfTheInput)
{
    EffectFile file;
    file.Group(kBlur);
    FileEffects effects(file.Save(dir_));
    const struct {
        const char* numerator;  // nullptr: the tag is absent
        const char* denominator;
        int rateNumerator;
        int rateDenominator;
    } cases[] = {
        {"24000", "1001", 24000, 1001},
        {"abc", nullptr, 0, 1},
        {"99999999999", "-7x", 2147483647, -7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.numerator);
        EffectT effect(effects.groups.at(0), Context(50, 2, 26));
        effect.motionEffectTags.emplace_back();
        std::map<std::string, TaggedValueEntry> tags;
        tags["_MIXMATCH_RATE_NUM"] = TaggedValueEntry("_MIXMATCH_RATE_NUM", c.numerator, 0);
        if (c.denominator)
            tags["_MIXMATCH_RATE_DENOM"] = TaggedValueEntry("_MIXMATCH_RATE_DENOM", c.denominator, 0);
        ClearImportTraversalLists();
        GlobalImportTraversalLists.TaggedValueMaps.push_back(tags);
        effect.ReadMixMatchRates();
        EXPECT_EQ(effect.motionEffectTags[0].rateNumerator, c.rateNumerator);
        EXPECT_EQ(effect.motionEffectTags[0].rateDenominator, c.rateDenominator);
    }
}

}  // namespace
}  // namespace effecttest
