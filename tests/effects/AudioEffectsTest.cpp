// Clip gain and pan as the FCP audio level and pan filters: the values and keyframes, the clips each
// effect covers, and files built like the real exports (a track pan over a sequence, a pan on one
// clip inside a sequence, a gain inside a pan) converted whole, with every clip where the file puts it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/ImportDriver.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/ValueMakers.h"
#include "effects/AudioLevelsTranslator.h"
#include "effects/AudioPanTranslator.h"
#include "effects/EffectFixture.h"
#include "effects/EffectIds.h"
#include "effects/ParameterLookup.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/NumberText.h"
#include "import/ImportFileSupport.h"
#include "import/SourceFixtures.h"
#include "records/EditUnitConverter.h"

namespace effecttest {
namespace {

inline constexpr aafsdk::Auid kAudioGain = "47c00f7d-fb55-11d3-9ff7-0004ac969f50"_auid;
inline constexpr aafsdk::Auid kPanValue = "e4962322-2267-11d3-8a4c-0050040ef7d2"_auid;
inline constexpr const char* kGain = "9d2ea894-0968-11d3-8a38-0050040ef7d2";

// "effectid: value" or "effectid: when=value ..." per filter of the item, then its log records.
std::string FiltersAndRecords(const FCPClipItemTag& item)
{
    std::string text;
    for (const FilterInfo& filter : item.filters) {
        text += " [" + filter.effect.effectid + ":";
        for (const ParameterInfo& p : filter.effect.parameters) {
            for (const ValueInfo& v : p.values)
                text += " " + v.text;
            for (const KeyframeInfo& k : p.keyframes)
                text += " " + IntToString(k.when) + "=" + (k.values.empty() ? "" : k.values.front().text);
        }
        text += "]";
    }
    for (const TranslationRecord& r : item.log.translations)
        text += " {" + r.fcpName + "/" + r.avidName + "/" + r.action + "}";
    return text;
}

ParameterRecord Constant(ValueBase* value)
{
    ParameterRecord record;
    record.constantValues.push_back(value);
    return record;
}

class AudioEffects : public EffectTest {
protected:
    const FCPClipItemTag& Current() const
    {
        return dynamic_cast<const FCPClipItemTag&>(*GlobalTimelineBuilder.ItemStack.front().get());
    }

    std::string Levels(ParameterMap parameters, int mediaType = 1, int coveredStart = 0)
    {
        EmptyTimelineBuilderStacks();
        PushClipItem(Clip("A", 10, 40, mediaType));
        AudioLevelsTranslator levels(Context(30, 1, 26), Auid{}, &parameters);
        levels.coveredStart = coveredStart;
        TranslateAudioLevels(levels);
        return FiltersAndRecords(Current());
    }

    std::string Pan(ParameterMap parameters, int coveredStart = 0)
    {
        EmptyTimelineBuilderStacks();
        PushClipItem(Clip("A", 10, 40, 1));
        AudioPanTranslator pan(Context(30, 1, 26), Auid{}, &parameters);
        pan.coveredStart = coveredStart;
        pan.panParameterIds.push_back(kPanParameter);
        ReadPanParameter(pan);
        TranslateAudioPan(pan);
        return FiltersAndRecords(Current());
    }
};

TEST_F(AudioEffects, LevelsOfAClip)
{
    const std::string gain = AuidToText(kAudioGainParameter);
    const std::string amplitude = AuidToText(kAmplitudeParameter);
    const std::string applied = " {Audio Levels/Audio Levels/Gain/Applied}";
    ParameterRecord ramp;
    ramp.controlPoints = {ControlPointAt(0, 30, new RatioValue(1, 1)), ControlPointAt(13, 30, new RatioValue(1, 4)),
                          ControlPointAt(30, 30, new RatioValue(2, 1))};
    const struct {
        const char* name;
        ParameterMap parameters;
        int mediaType;
        std::string out;
        int coveredStart = 0;
    } cases[] = {
        {"a constant gain", {{gain, Constant(new RatioValue(1, 2))}}, 1, " [audiolevels: 0.5]" + applied},
        {"an integer gain", {{gain, Constant(new IntValue(3))}}, 1, " [audiolevels: 3]" + applied},
        {"Amplitude when there is no Audio Gain", {{amplitude, Constant(new RatioValue(3, 4))}}, 1,
         " [audiolevels: 0.75]" + applied},
        {"Audio Gain before Amplitude",
         {{amplitude, Constant(new RatioValue(3, 4))}, {gain, Constant(new RatioValue(1, 4))}}, 1,
         " [audiolevels: 0.25]" + applied},
        // On an audio item a point's numerator counts from the item's in point.
        {"a varying gain on the item's own frames", {{gain, ramp}}, 1, " [audiolevels: 10=1 23=0.25 40=2]" + applied},
        // On a picture item the time is a fraction of the item.
        {"a varying gain on a picture item", {{gain, ramp}}, 2, " [audiolevels: 10=1 23=0.25 40=2]" + applied},
        // The second of several clips a gain covers, 13 units into the gain: its points count
        // from there (one before the clip is left out).
        {"a gain over several clips", {{gain, ramp}}, 1, " [audiolevels: 10=0.25 27=2]" + applied, 13},
        // The clip item refuses a filter without data, and then nothing is logged.
        {"no gain parameter", {}, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Levels(c.parameters, c.mediaType, c.coveredStart), c.out) << c.name;

    const ParameterRecord& level = Constant(new RatioValue(1, 2));
    ParameterMap parameters{{gain, level}};
    AudioLevelsTranslator levels(Context(30, 1, 26), Auid{}, &parameters);
    EXPECT_EQ(levels.effect.effectid, "audiolevels");
    TranslateAudioLevels(levels);
    ASSERT_EQ(levels.effect.parameters.size(), 1u);
    const ParameterInfo& written = levels.effect.parameters.front();
    EXPECT_EQ(written.name + " " + written.parameterid + " " + written.valuemin + " " + written.valuemax,
              "level level 0 3.98109");

    // A generator item takes no gain and no record.
    EmptyTimelineBuilderStacks();
    PushGeneratorItem(FCPGeneratorItemTag::FromClipItem(Clip("G", 0, 30, 1)));
    AudioLevelsTranslator onGenerator(Context(30, 1, 26), Auid{}, &parameters);
    TranslateAudioLevels(onGenerator);
    const auto& generator = dynamic_cast<const FCPGeneratorItemTag&>(*GlobalTimelineBuilder.ItemStack.front().get());
    EXPECT_TRUE(generator.filters.empty());
    EXPECT_TRUE(generator.log.translations.empty());
}

TEST_F(AudioEffects, PanValuesOfAClip)
{
    const std::string pan = AuidToText(kPanParameter);
    const std::string applied = " {Audio Pan/Audio Pan/Applied}";
    ParameterRecord sweep;
    sweep.controlPoints = {ControlPointAt(0, 30, new RatioValue(0, 1)), ControlPointAt(15, 30, new RatioValue(1, 2)),
                           ControlPointAt(31, 30, new RatioValue(1, 1))};
    const struct {
        const char* name;
        ParameterMap parameters;
        std::string out;
        int coveredStart = 0;
    } cases[] = {
        {"hard left", {{pan, Constant(new RatioValue(0, 1))}}, " [audiopan: -1]" + applied},
        {"a quarter", {{pan, Constant(new RatioValue(1, 4))}}, " [audiopan: -0.5]" + applied},
        {"centre", {{pan, Constant(new RatioValue(1, 2))}}, " [audiopan: 0]" + applied},
        {"three quarters", {{pan, Constant(new RatioValue(3, 4))}}, " [audiopan: 0.5]" + applied},
        {"hard right", {{pan, Constant(new RatioValue(1, 1))}}, " [audiopan: 1]" + applied},
        // A pan on one clip starts with it; a point after its end is left out.
        {"varying over the clip", {{pan, sweep}}, " [audiopan: 10=-1 25=0]" + applied},
        // The clip a pan covers starts 15 units into it: the points from there to its end.
        {"the second clip of a pan", {{pan, sweep}}, " [audiopan: 10=0 26=1]" + applied, 15},
        {"no pan value", {{pan, Constant(nullptr)}}, ""},
        {"no pan parameter", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Pan(c.parameters, c.coveredStart), c.out) << c.name;
}

// On a sound track that counts samples (48000/1 in a 25 fps composition) a point's numerator is a
// sample offset into the effect, which begins 1000 samples into its slot: it lands on the frame its
// time falls on, and of points that meet on one frame the later stays.
TEST_F(AudioEffects, PointsOnASampleRateTrackLandOnFrames)
{
    ComponentContext samples = Context(60, 1, 26);
    samples.frames = EditUnitConverter(48000, 1, 25, 1);
    samples.position = 1000;
    ParameterRecord ramp;
    ramp.controlPoints = {ControlPointAt(0, 48000, new RatioValue(1, 1)),
                          ControlPointAt(23000, 48000, new RatioValue(1, 4)),
                          ControlPointAt(23001, 48000, new RatioValue(1, 2)),
                          ControlPointAt(47000, 48000, new RatioValue(2, 1))};
    ParameterMap gain{{AuidToText(kAudioGainParameter), ramp}};
    PushClipItem(Clip("A", 10, 40, 1));
    AudioLevelsTranslator levels(samples, Auid{}, &gain);
    TranslateAudioLevels(levels);
    // Samples 1000, 24000, 24001 and 48000 of the slot are frames 0.52, 12.5, 12.50052 and 25.
    EXPECT_EQ(FiltersAndRecords(Current()), " [audiolevels: 10=1 22=0.5 34=2] {Audio Levels/Audio Levels/Gain/Applied}");

    ParameterMap pan{{AuidToText(kPanParameter), ramp}};
    EmptyTimelineBuilderStacks();
    PushClipItem(Clip("A", 10, 40, 1));
    AudioPanTranslator panned(samples, Auid{}, &pan);
    panned.panParameterIds.push_back(kPanParameter);
    ReadPanParameter(panned);
    TranslateAudioPan(panned);
    EXPECT_EQ(FiltersAndRecords(Current()), " [audiopan: 10=1 22=0 34=3] {Audio Pan/Audio Pan/Applied}");
}

// The pan of a track covers every clip item on it, each with the part of the curve in its place on
// the track, in its own source time.
TEST_F(AudioEffects, TrackPanCoversEachClipOfTheTrack)
{
    ParameterMap parameters;
    ParameterRecord& curve = parameters[AuidToText(kPanParameter)];
    curve.controlPoints = {ControlPointAt(0, 100, new RatioValue(0, 1)), ControlPointAt(50, 100, new RatioValue(1, 2)),
                           ControlPointAt(100, 100, new RatioValue(1, 1))};
    const auto placed = [](FCPClipItemTag clip, int start, int end) {
        clip.start = start;
        clip.end = end;
        return clip;
    };
    PushSequence();
    OpenTrack(Context(100, 1, 71));
    PushClipItem(placed(Clip("A", 10, 50, 1), 0, 40));
    MoveItemToTrack();
    PushClipItem(placed(Clip("B", 0, 60, 1), 40, 100));
    MoveItemToTrack();
    PushGeneratorItem(FCPGeneratorItemTag::FromClipItem(placed(Clip("G", 0, 10, 1), 100, 110)));
    MoveItemToTrack();

    AudioPanTranslator pan(Context(100, 1, 71), Auid{}, &parameters);
    pan.panParameterIds.push_back(kPanParameter);
    ReadPanParameter(pan);
    TranslateAudioPan(pan);
    std::vector<std::string> items;
    for (const ItemSlot& slot : GlobalTimelineBuilder.TrackStack.front().items)
        if (const auto* clip = dynamic_cast<const FCPClipItemTag*>(slot.get()))
            items.push_back(clip->name + FiltersAndRecords(*clip));
    EXPECT_EQ(items, (std::vector<std::string>{"A [audiopan: 10=-1] {Audio Pan/Audio Pan/Applied}",
                                               "B [audiopan: 10=0 60=1] {Audio Pan/Audio Pan/Applied}"}));
    const auto& generator =
        dynamic_cast<const FCPGeneratorItemTag&>(*GlobalTimelineBuilder.TrackStack.front().items.back().get());
    EXPECT_TRUE(generator.filters.empty());
}

// Whole imports of built files: master clips A, B, C (mobs 21 to 23) over sound files, one sound
// track each time, read back as "name start..end in N" with the item's filters and records.
class AudioEffectFiles : public EffectImportFileTest {
protected:
    void SetUp() override
    {
        EffectImportFileTest::SetUp();
        for (std::uint32_t n = kA; n < kA + 3; ++n) {
            const std::string name(1, static_cast<char>('A' + n - kA));
            importtest::AddMasterMob(file.f, n, name, 500, {{1, kSound, 10 + n}});
            importtest::AddSoundFile(file.f, 10 + n, name, 500, "file:///" + name + ".wav", {}, 25);
        }
        file.Operation(kPan, "Audio Pan", kSound, 1);
        file.Operation(kGain, "Audio Gain", kSound, 1);
    }
    // A second sound slot whose segment is the operation group.
    ObjectId SlotGroup(const char* operation, std::int64_t length)
    {
        const ObjectId slot = file.f.AddTimelineSlot(file.mob, 2, "A2", 25, 1);
        return file.f.AddOperationGroup(slot, kSound, length, operation);
    }

    void SetPan(ObjectId group, const std::vector<std::pair<int, std::pair<int, int>>>& points)
    {
        const ObjectId varying = file.Varying(group, kPanValue, kLinear);
        for (const auto& [time, value] : points)
            file.Point(varying, time, 100, kRational, RationalBytes(value.first, value.second));
    }

    // Every sound track of the one sequence.
    std::vector<std::vector<std::string>> Convert()
    {
        Open(file.f);
        ImportProject(EffectTranslationEntryPoints());
        std::vector<std::vector<std::string>> tracks;
        const FCPSequenceTag& sequence = XmemlDocument.bins.at(0).children->sequences.at(0);
        for (const AudioInfo& audio : sequence.audio)
            for (const TrackInfo& track : audio.tracks) {
                tracks.emplace_back();
                for (const ItemSlot& slot : track.items)
                    if (const auto* clip = dynamic_cast<const FCPClipItemTag*>(slot.get()))
                        tracks.back().push_back(clip->name + " " + IntToString(clip->start) + ".." +
                                                IntToString(clip->end) + " in " + IntToString(clip->in) +
                                                FiltersAndRecords(*clip));
            }
        return tracks;
    }

    static constexpr std::uint32_t kA = 21, kB = 22, kC = 23;
    EffectFile file{kSound};
};

const std::string kPanned = " {Audio Pan/Audio Pan/Applied}";
const std::string kLevelled = " {Audio Levels/Audio Levels/Gain/Applied}";

// As in the track pans of multitrack.aaf and trims.aaf: the pan is the slot's segment and its input
// a sequence of clips and gaps; its points count edit units from the track's start.
TEST_F(AudioEffectFiles, TrackPanOverASequence)
{
    const ObjectId pan = SlotGroup(kPan, 120);
    SetPan(pan, {{0, {0, 1}}, {50, {1, 2}}, {100, {1, 1}}});
    const ObjectId input = file.Input(pan, kSound, 120);
    file.f.AddSourceClip(input, kSound, 40, fixture::MakeMobId(kA), 1, 10);
    file.f.AddSourceClip(input, kSound, 60, fixture::MakeMobId(kB), 1, 0);
    file.f.AddFiller(input, kSound, 20);
    const auto tracks = Convert();
    EXPECT_EQ(tracks, (std::vector<std::vector<std::string>>{
                          {},
                          {"A 0..40 in 10 [audiopan: 10=-1]" + kPanned, "B 40..100 in 0 [audiopan: 10=0 60=1]" + kPanned},
                      }));
}

// A pan on one clip inside a sequence covers that clip alone, which stays between its neighbours on
// the track (read as the pan's own track, it would have gone to a track of its own).
TEST_F(AudioEffectFiles, PanOnOneClipInsideASequence)
{
    file.f.AddSourceClip(file.sequence, kSound, 30, fixture::MakeMobId(kA), 1, 0);
    const ObjectId pan = file.Group(kPan, kSound, 20);
    file.Constant(pan, kPanValue, kRational, RationalBytes(1, 4));
    file.InputClip(pan, kSound, 20, kB, 5);
    file.f.AddSourceClip(file.sequence, kSound, 30, fixture::MakeMobId(kC), 1, 0);
    EXPECT_EQ(Convert(), (std::vector<std::vector<std::string>>{
                             {"A 0..30 in 0", "B 30..50 in 5 [audiopan: -0.5]" + kPanned, "C 50..80 in 0"}}));
}

// A track pan over a single clip keeps it on the pan's track.
TEST_F(AudioEffectFiles, TrackPanOverOneClip)
{
    const ObjectId single = SlotGroup(kPan, 30);
    SetPan(single, {{0, {1, 1}}});
    file.InputClip(single, kSound, 30, kC, 0);
    EXPECT_EQ(Convert(), (std::vector<std::vector<std::string>>{{}, {"C 0..30 in 0 [audiopan: 0=1]" + kPanned}}));
}

// Each effect on the clips it covers.
TEST_F(AudioEffectFiles, GainInsideATrackPan)
{
    const ObjectId pan = SlotGroup(kPan, 80);
    SetPan(pan, {{0, {1, 2}}, {60, {1, 1}}});
    const ObjectId input = file.Input(pan, kSound, 80);
    const ObjectId gain = file.f.AddOperationGroup(input, kSound, 40, kGain);
    file.Constant(gain, kAudioGain, kRational, RationalBytes(1, 2));
    file.InputClip(gain, kSound, 40, kA, 0);
    file.f.AddSourceClip(input, kSound, 40, fixture::MakeMobId(kB), 1, 0);
    EXPECT_EQ(Convert(), (std::vector<std::vector<std::string>>{
                             {},
                             {"A 0..40 in 0 [audiolevels: 0.5] [audiopan: 0=0]" + kLevelled + kPanned,
                              "B 40..80 in 0 [audiopan: 20=1]" + kPanned}}));
}

// A gain over a sequence of two clips puts a level filter on each, its points on that clip's own
// frames: the second clip starts 40 into the gain and plays from source frame 100. Each keeps the
// points beyond its ends, so the curve runs on over its edges as in the file.
TEST_F(AudioEffectFiles, GainOverASequenceOfTwoClips)
{
    file.f.AddSourceClip(file.sequence, kSound, 10, fixture::MakeMobId(kC), 1, 0);
    const ObjectId gain = file.Group(kGain, kSound, 70);
    const ObjectId varying = file.Varying(gain, kAudioGain, kLinear);
    for (const auto& [time, level] : std::vector<std::pair<int, int>>{{0, 1}, {30, 2}, {50, 3}, {70, 4}})
        file.Point(varying, time, 70, kRational, RationalBytes(level, 4));
    const ObjectId input = file.Input(gain, kSound, 70);
    file.f.AddSourceClip(input, kSound, 40, fixture::MakeMobId(kA), 1, 0);
    file.f.AddSourceClip(input, kSound, 30, fixture::MakeMobId(kB), 1, 100);
    EXPECT_EQ(Convert(), (std::vector<std::vector<std::string>>{
                             {"C 0..10 in 0", "A 10..50 in 0 [audiolevels: 0=0.25 30=0.5 50=0.75 70=1]" + kLevelled,
                              "B 50..80 in 100 [audiolevels: 60=0.25 90=0.5 110=0.75 130=1]" + kLevelled}}));
}

// A pan over a sequence inside a sequence covers each clip of its input from where it starts, and
// those clips stay between the clips around the pan.
TEST_F(AudioEffectFiles, PanOverASequenceInsideASequence)
{
    file.f.AddSourceClip(file.sequence, kSound, 10, fixture::MakeMobId(kC), 1, 0);
    const ObjectId pan = file.Group(kPan, kSound, 60);
    const ObjectId varying = file.Varying(pan, kPanValue, kLinear);
    for (const auto& [time, value] : std::vector<std::pair<int, int>>{{0, 0}, {20, 2}, {40, 4}})
        file.Point(varying, time, 60, kRational, RationalBytes(value, 4));
    const ObjectId input = file.Input(pan, kSound, 60);
    file.f.AddSourceClip(input, kSound, 30, fixture::MakeMobId(kA), 1, 0);
    file.f.AddSourceClip(input, kSound, 30, fixture::MakeMobId(kB), 1, 5);
    file.f.AddSourceClip(file.sequence, kSound, 10, fixture::MakeMobId(kC), 1, 50);
    EXPECT_EQ(Convert(), (std::vector<std::vector<std::string>>{
                             {"C 0..10 in 0", "A 10..40 in 0 [audiopan: 0=-1 20=0]" + kPanned,
                              "B 40..70 in 5 [audiopan: 15=1]" + kPanned, "C 70..80 in 50"}}));
}

// MC_Audio_Levels.aaf, checked by hand against the dump tool's listing: the second gain of track A1
// carries Amplitude 758350319/536870912 and Audio Gain (AvidControlClipRatio) points at 0, 11, 20
// and 29 of 30, with values 1, 16191/536870912, 1541511980/536870912 and 1; its clip plays from
// source frame 40. Audio Gain wins, and the levels land on the clip's own frames 40 to 69.
TEST_F(AudioEffectFiles, VaryingGainOfASampleLandsOnItsClipsFrames)
{
    REQUIRE_SHARED_DIR();
    OpenPath((testsupport::SharedDir() / "aaf-samples" / "MC_Audio_Levels.aaf").string());
    ImportProject(EffectTranslationEntryPoints());
    const FCPSequenceTag& sequence = XmemlDocument.bins.at(0).children->sequences.at(0);
    const auto& items = sequence.audio.at(0).tracks.at(0).items;
    ASSERT_GE(items.size(), 2u);
    const auto& clip = dynamic_cast<const FCPClipItemTag&>(*items[1].get());
    EXPECT_EQ(clip.id, "1000hz-18dbs16b44.1k.wav 2");
    EXPECT_EQ(IntToString(clip.start) + ".." + IntToString(clip.end) + " in " + IntToString(clip.in) +
                  FiltersAndRecords(clip),
              "30..60 in 40 [audiolevels: 40=1 51=3.01581e-05 60=2.87129 69=1]" + kLevelled);
}

}  // namespace
}  // namespace effecttest
