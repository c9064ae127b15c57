// The documents that run mode 2 writes for a few reviewed samples, read back: every track's items at
// the places and with the source ranges the AAF file gives them, the master clips they name, the
// clips of the bins, and the markers of the sequences, items and clips (all worked out by hand from
// the dump tool's listing of each file). A source clip plays from its start time in the mob it names
// for its length; its place is the sum of the lengths before it on its track. Clip media is not looked
// at.
#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "run/DocumentReadBack.h"
#include "support/TestSupport.h"

namespace {

using namespace readback;

// A clip of the bins: its name, length, marked range and marker frames.
struct MasterClip {
    std::string name;
    int duration;
    int in = -1;
    int out = -1;
    std::vector<int> markers = {};
};

std::string Describe(const MasterClip& clip)
{
    std::ostringstream text;
    text << clip.name << " duration " << clip.duration << " in " << clip.in << " out " << clip.out << " markers";
    for (int frame : clip.markers)
        text << ' ' << frame;
    return text.str();
}

using Bin = std::vector<MasterClip>;

struct Sample {
    std::string file;
    std::string sequence;  // empty: the document holds no sequence
    std::vector<Track> tracks;
    std::vector<int> sequenceMarkers = {};
    std::optional<Bin> binClips = std::nullopt;  // in any order; unset: not checked
};

std::optional<Element> Convert(const std::string& file)
{
    testsupport::TempDir dir;
    const auto path = testsupport::SharedDir() / "aaf-samples" / file;
    const auto result = testsupport::RunConverter({"2", path.string(), "out.xml", "", "", "log.ini"}, dir.path());
    EXPECT_EQ(result.exitCode, 1) << result.err;
    return ReadDocument(testsupport::ReadFile(dir / "out.xml"));
}

// Checks the sample's conversion against the table; the document read back goes to *written.
void CheckSample(const Sample& sample, Element* written = nullptr)
{
    SCOPED_TRACE(sample.file);
    const std::optional<Element> document = Convert(sample.file);
    ASSERT_TRUE(document);
    if (written)
        *written = *document;
    const std::map<std::string, const Element*> binClips = BinClips(*document);
    if (sample.binClips) {
        std::vector<std::string> found;
        for (const auto& [id, clip] : binClips) {
            std::vector<int> markers = MarkerFrames(*clip);
            found.push_back(Describe({clip->Child("name")->text, clip->Number("duration"), clip->Number("in"),
                                      clip->Number("out"), markers}));
        }
        std::vector<std::string> wanted;
        for (const MasterClip& clip : *sample.binClips)
            wanted.push_back(Describe(clip));
        std::sort(found.begin(), found.end());
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(found, wanted);
    }
    if (sample.sequence.empty()) {
        EXPECT_FALSE(HoldsSequence(*document));
        return;
    }
    const Element* sequence = FindSequence(*document, sample.sequence);
    ASSERT_NE(sequence, nullptr);
    EXPECT_EQ(MarkerFrames(*sequence), sample.sequenceMarkers);
    for (const Track& track : sample.tracks) {
        SCOPED_TRACE(testing::Message() << track.media << " " << track.number);
        const std::vector<const Element*> tracks = Tracks(*sequence, track.media);
        ASSERT_GE(tracks.size(), static_cast<size_t>(track.number));
        CheckTrack(*tracks[track.number - 1], track, binClips);
    }
}

// The master mobs of the OTIO test files, by name.
const std::string kTechFux = "tech.fux (loop)-HD.mp4";    // 720 frames
const std::string kOutB = "out-b (loop)-HD.mp4";          // 722
const std::string kBrokchrd = "brokchrd (loop)-HD.mp4";   // 720
const std::string kTHawk = "t-hawk (loop)-HD.mp4";        // 480
const std::string kKoll = "KOLL-HD.mp4";                  // 640

TEST(SampleTimelines, OneClip)
{
    REQUIRE_SHARED_DIR();
    // Picture slot 9 and sound slot 10 hold one clip of 10 frames each from 0 of the master mob's
    // slots 1 and 2; sound slot 11 only a filler. The marker at 0 describes slot 9; the master mob's
    // own marker at 0 describes its slot 1.
    const std::string master = "ppjoshm_1 (SIM1)";
    CheckSample({"one_clip.aaf",
                 "OTIO_Test_ppjoshm1.Exported.01",
                 {{"video", 1, {{kClip, 0, 10, 0, 10, master, {0}}}},
                  {"audio", 1, {{kClip, 0, 10, 0, 10, master}}},
                  {"audio", 2, {}}},
                 {},
                 Bin{{master, 10, -1, -1, {0}}}});
}

TEST(SampleTimelines, MultitrackLayersAndGaps)
{
    REQUIRE_SHARED_DIR();
    // Slot 9 is a nested scope of three layers: clips of 720, 722 and 720 from 0 with fillers of 83,
    // 432 and 605 between and after; scope references of 482 and 2320 around a clip of 480 from 0; of
    // 1198 and 1444 around a clip of 640 from 0. Markers describe slot 9 at 375 (event slot 1), 665
    // (2) and 1100 (3, over a gap). The two sound slots are pans over eight clips each, some starting
    // inside their master mob (tech.fux at 482, KOLL at 83, out-b at 478).
    const std::vector<Item> sound = {{kClip, 0, 482, 0, 482, kTechFux},      {kClip, 482, 962, 0, 480, kTHawk},
                                     {kClip, 962, 1200, 482, 720, kTechFux}, {kClip, 1200, 1283, 0, 83, kKoll},
                                     {kClip, 1283, 1761, 0, 478, kOutB},     {kClip, 1761, 2318, 83, 640, kKoll},
                                     {kClip, 2318, 2562, 478, 722, kOutB},   {kClip, 2562, 3282, 0, 720, kBrokchrd}};
    CheckSample({"multitrack.aaf",
                 "OTIO TEST - multitrack.Exported.01",
                 {{"video",
                   1,
                   {{kClip, 0, 720, 0, 720, kTechFux, {375}},
                    {kClip, 803, 1525, 0, 722, kOutB},
                    {kClip, 1957, 2677, 0, 720, kBrokchrd}}},
                  {"video", 2, {{kClip, 482, 962, 0, 480, kTHawk, {183}}}},
                  {"video", 3, {{kClip, 1198, 1838, 0, 640, kKoll}}},
                  {"audio", 1, sound},
                  {"audio", 2, sound}},
                 {},
                 Bin{{kTechFux, 720}, {kOutB, 722}, {kBrokchrd, 720}, {kTHawk, 480}, {kKoll, 640}}});
}

TEST(SampleTimelines, NestingTest)
{
    REQUIRE_SHARED_DIR();
    // Slot 9: a clip of 16 from 24, an operation group of 16 over a sequence of two clips of 8 (from
    // 40 and from 24), a clip of 16 from 32.
    const std::string first = "Frame Debugger 0h.mov";
    const std::string second = "Frame Debugger 1h.mov";
    Element document;
    CheckSample({"nesting_test.aaf",
                 "OTIO_Nesting_Test.Exported.01",
                 {{"video", 1, {{kClip, 0, 16, 24, 40, first}, {"", 16, 32, 0, 16}, {kClip, 32, 48, 32, 48, second}}}},
                 {},
                 Bin{{first, 480}, {second, 480}}},
                &document);
    if (HasFatalFailure())
        return;

    // The group is a Submaster: its item plays a nested sequence of the group's length that holds
    // the layer's two clips.
    const Element* timeline = FindSequence(document, "OTIO_Nesting_Test.Exported.01");
    ASSERT_NE(timeline, nullptr);
    const std::vector<const Element*> tracks = Tracks(*timeline, "video");
    ASSERT_FALSE(tracks.empty());
    std::vector<const Element*> items;
    for (const Element& child : tracks[0]->children)
        if (child.name == kClip)
            items.push_back(&child);
    ASSERT_EQ(items.size(), 3u);
    const Element* nested = items[1]->Child("sequence");
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->Child("name")->text, "Nested Seq");
    EXPECT_EQ(nested->Number("duration"), 16);
    const std::vector<const Element*> layers = Tracks(*nested, "video");
    ASSERT_EQ(layers.size(), 1u);
    CheckTrack(*layers[0], {"video", 1, {{kClip, 0, 8, 40, 48, first}, {kClip, 8, 16, 24, 32, second}}},
               BinClips(document));
}

TEST(SampleTimelines, TransitionsOverlapTheirNeighbours)
{
    REQUIRE_SHARED_DIR();
    // Slots 9, 19 and 20: filler 12, fade up 12 (cut 0), clip 117 from 0, dissolve 48 (cut 48), clip
    // 137 from 75, dissolve 24 (cut 12), filler 89, dip 48 (cut 24), clip 168 from 31, clip 130 from
    // 0, fade down 48 (cut 48), filler 48. A transition starts its length before the end of the
    // segment before it; the next segment starts with it.
    const std::vector<Item> items = {{kTransition, 0, 12},
                                     {kClip, 0, 117, 0, 117, kTechFux},
                                     {kTransition, 69, 117},
                                     {kClip, 69, 206, 75, 212, kTHawk},
                                     {kTransition, 182, 206},
                                     {kTransition, 223, 271},
                                     {kClip, 223, 391, 31, 199, kKoll},
                                     {kClip, 391, 521, 0, 130, kBrokchrd},
                                     {kTransition, 473, 521}};
    CheckSample({"transitions.aaf",
                 "OTIO TEST - transitions.Exported.01",
                 {{"video", 1, items}, {"audio", 1, items}, {"audio", 2, items}},
                 {},
                 Bin{{kTechFux, 720}, {kTHawk, 480}, {kKoll, 640}, {kBrokchrd, 720}}});
}

TEST(SampleTimelines, TrimmedClips)
{
    REQUIRE_SHARED_DIR();
    // Slots 9, 19 and 20: clips of 720 from 0, 359 from 121, 400 from 123, 559 from 0, a filler of
    // 108, a clip of 651 from 69.
    const std::vector<Item> items = {{kClip, 0, 720, 0, 720, kTechFux},      {kClip, 720, 1079, 121, 480, kTHawk},
                                     {kClip, 1079, 1479, 123, 523, kOutB},   {kClip, 1479, 2038, 0, 559, kKoll},
                                     {kClip, 2146, 2797, 69, 720, kBrokchrd}};
    CheckSample({"trims.aaf",
                 "OTIO TEST 1.Exported.01 - trims.Exported.02",
                 {{"video", 1, items}, {"audio", 1, items}, {"audio", 2, items}},
                 {},
                 Bin{{kTechFux, 720}, {kTHawk, 480}, {kOutB, 722}, {kKoll, 640}, {kBrokchrd, 720}}});
}

TEST(SampleTimelines, ClipOfASubclip)
{
    REQUIRE_SHARED_DIR();
    // The master mob "subclip" has one sound slot of 1429 marked in at 1102 and its own marker at 1101.
    // The subclip composition "Subclip.BREATH" cuts 194 frames from 1101 of it, is marked in at 1 and
    // has its own marker at 0. The sequence's sound slot 9 (physical track 2) plays 192 frames from 1
    // of the subclip, with a marker at 0 on event slot 2 describing slot 9. The item plays the
    // subclip's clip; both clips are in the bin, each with its own markers.
    const std::string subclip = "Subclip.BREATH";
    Element document;
    CheckSample({"subclip_sourceclip_references_compositionmob_with_mastermob.aaf",
                 "SubclipTSVNoData_NoVideo.Exported.02",
                 {{"audio", 1, {{kClip, 0, 192, 1, 193, subclip, {0}}}}},
                 {},
                 Bin{{subclip, 194, 1, 194, {0}}, {"subclip", 1429, 1102, 1429, {1101}}}},
                &document);
    if (HasFatalFailure())
        return;

    // The item keeps where the subclip lies in its master's 1429 frames: 1101 after its start and
    // 1429 - 1101 - 194 = 134 before its end.
    const Element* sequence = FindSequence(document, "SubclipTSVNoData_NoVideo.Exported.02");
    ASSERT_NE(sequence, nullptr);
    const std::vector<const Element*> tracks = Tracks(*sequence, "audio");
    ASSERT_FALSE(tracks.empty());
    const Element* item = tracks[0]->Child(kClip);
    ASSERT_NE(item, nullptr);
    const Element* range = item->Child("subclipinfo");
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->Number("startoffset"), 1101);
    EXPECT_EQ(range->Number("endoffset"), 134);
}

TEST(SampleTimelines, MasterMobThatNoCompositionUses)
{
    REQUIRE_SHARED_DIR();
    // The file holds one master mob (240 frames of sound, markers at 50, 103 and 166) and no
    // composition: nothing names its clip, so no bin holds it and the document has no sequence.
    CheckSample({"marker-over-audio.aaf", "", {}, {}, Bin{}});
}

TEST(SampleTimelines, SpeedChangedClipsLieWhereTheirGroupsDo)
{
    REQUIRE_SHARED_DIR();
    // Every slot holds one time-warp group of 100 frames over a source clip of 121 from 6514: the
    // picture a Motion Control, the sound an Audio Warp. Each clip plays its time remap's range (0 to
    // 100), whose keyframes carry the source range (checked with the other retimed samples).
    const std::string master = "bbb_sunflower_1080p_30fps_normal";
    const Item warped = {kClip, 0, 100, 0, 100, master};
    CheckSample({"MC_Audio_Warp.aaf",
                 "MC_Audio_Warp.Export\xc3\xa9.02",
                 {{"video", 1, {warped}}, {"audio", 1, {warped}}, {"audio", 8, {warped}}}});
}

// The "speed" of each time-remap filter on the track's clip items, in track order.
std::vector<std::string> RemapSpeeds(const Element& track)
{
    std::vector<std::string> speeds;
    for (const Element& item : track.children) {
        if (item.name != "clipitem")
            continue;
        for (const Element& filter : item.children) {
            const Element* effect = filter.name == "filter" ? filter.Child("effect") : nullptr;
            if (!effect || !effect->Child("effectid") || effect->Child("effectid")->text != "timeremap")
                continue;
            for (const Element& parameter : effect->children)
                if (parameter.name == "parameter" && parameter.Child("parameterid")->text == "speed")
                    speeds.push_back(parameter.Child("value")->text);
        }
    }
    return speeds;
}

TEST(SampleTimelines, SpeedControlsRunAtTheirFilesRatios)
{
    REQUIRE_SHARED_DIR();
    const std::optional<Element> document = Convert("linear_speed_effects.aaf");
    ASSERT_TRUE(document);
    const Element* sequence = FindSequence(*document, "OTIO_Speed_Effects_4x5.Exported.01");
    ASSERT_NE(sequence, nullptr);
    const std::vector<const Element*> tracks = Tracks(*sequence, "video");
    ASSERT_EQ(tracks.size(), 1u);
    // The Speed_Ratio of the nineteen Motion Control groups as the dump tool shows them, in track
    // order: 2/1 3/1 4/1 1/1 1/1 3/2 2/1 1/1 1/1 1/1 4/3 1/1 2/3 1/1 1/1 1/1 2/3 3/4 1/1; the speed
    // is 100 times the inverse, rounded down.
    EXPECT_EQ(RemapSpeeds(*tracks[0]),
              (std::vector<std::string>{"50", "33", "25", "100", "100", "66", "50", "100", "100", "100", "75",
                                        "100", "150", "100", "100", "100", "150", "133", "100"}));
}

TEST(SampleTimelines, RetimedClipsSpanTheirGroups)
{
    REQUIRE_SHARED_DIR();
    // A Motion Control of 56 frames over a clip of the same source; its speed points make it a
    // variable speed: the clip plays its time remap over the group's length.
    const std::string master = "96_116_20_03_01.mov";
    CheckSample({"retime_step02.aaf", "spline02.Exported.04", {{"video", 1, {{kClip, 0, 56, 0, 56, master}}}}});
    CheckSample({"retime_linear02.aaf", "spline02.Exported.03", {{"video", 1, {{kClip, 0, 56, 0, 56, master}}}}});
}

// The "graphdict" keyframes of the first time remap in the document: when -> value.
std::map<int, int> GraphKeyframes(const Element& element)
{
    std::map<int, int> keyframes;
    if (element.name == "parameter" && element.Child("parameterid") && element.Child("parameterid")->text == "graphdict") {
        for (const Element& k : element.children)
            if (k.name == "keyframe")
                keyframes[k.Number("when")] = k.Number("value");
        return keyframes;
    }
    for (const Element& child : element.children) {
        keyframes = GraphKeyframes(child);
        if (!keyframes.empty())
            break;
    }
    return keyframes;
}

TEST(SampleTimelines, VariableSpeedKeyframesFollowTheOffsetMap)
{
    REQUIRE_SHARED_DIR();
    // One retime of each interpolation kind, converted for a 23.98 project as a host would: the
    // source frames count at the clip's own rate. Each keyframe lies on a point of the speed map and
    // shows the clip's source start plus the offset map's value at that frame (the map's points in
    // the dump's listing, a point every half frame), truncated toward zero.
    const struct {
        const char* file;
        std::vector<std::pair<int, int>> keyframes;  // record frame, source frame
    } cases[] = {
        // Source start 2; t=6/1 v=916921909/100000000 (9.17); t=21/1 v=31747689/1000000 (31.75)
        {"retime_linear02.aaf", {{6, 11}, {21, 33}}},
        // Source start 0; t=6/1 v=68719959/20000000 (3.44); t=28/1 v=45842237/1250000 (36.67)
        {"retime_bezier01.aaf", {{6, 3}, {28, 36}}},
        // Source start 1; t=10/1 v=75197597/5000000 (15.04); t=19/1 v=281382061/10000000 (28.14)
        {"retime_spline02.aaf", {{10, 16}, {19, 29}}},
        // Source start 0; t=10/1 v=-925609817/100000000 (-9.26); t=18/1 v=284258831/500000000 (0.57)
        {"retime_step02.aaf", {{10, -9}, {18, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        testsupport::TempDir dir;
        testsupport::WriteFile(dir / "pref.ini", "[General]\nImport_FrameRate=23.98\n");
        const auto path = testsupport::SharedDir() / "aaf-samples" / c.file;
        const auto result =
            testsupport::RunConverter({"2", path.string(), "out.xml", "pref.ini", "", "log.ini"}, dir.path());
        ASSERT_EQ(result.exitCode, 1) << result.err;
        const std::optional<Element> document = ReadDocument(testsupport::ReadFile(dir / "out.xml"));
        ASSERT_TRUE(document.has_value());
        const std::map<int, int> keyframes = GraphKeyframes(*document);
        ASSERT_FALSE(keyframes.empty());
        for (const auto& [when, value] : c.keyframes) {
            ASSERT_TRUE(keyframes.contains(when)) << when;
            EXPECT_EQ(keyframes.at(when), value) << when;
        }
        // The in and out keyframes span the group's 56 frames; no speed point before the group's
        // start or past its end leaves one.
        EXPECT_EQ(keyframes.begin()->first, 0);
        EXPECT_TRUE(keyframes.contains(56));
        EXPECT_EQ(keyframes.rbegin()->first, 57);  // the end of the 57-frame file
    }
}

TEST(SampleTimelines, MarkersWithoutDescribedSlotsAreSequenceMarkers)
{
    REQUIRE_SHARED_DIR();
    // Their event slots hold markers that describe no slot, at these positions.
    CheckSample({"DR_Markers.aaf", "DR_Markers", {{"video", 1, {}}}, {1440, 2160}});
    CheckSample({"Resolve 18.5.aaf", "Resolve 18.5", {}, {480, 720, 960}});
}

}  // namespace
