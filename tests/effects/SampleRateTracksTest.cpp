// Sound tracks that a system stores at the audio sample rate: their positions, lengths, source
// starts, transitions, markers and master clip durations land on frames of the composition, and a
// track whose clips meet at odd samples keeps them meeting. Slots at frame rates read as they stand.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/EditRateConversion.h"
#include "aaf/import/ImportBins.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/MasterClipMap.h"
#include "effects/EffectFixture.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/NumberText.h"
#include "fcpxml/XmemlDocument.h"
#include "import/ImportFileSupport.h"
#include "import/SourceFixtures.h"
#include "import/TraversalFixtures.h"

namespace effecttest {
namespace {

namespace ids = fixture::ids;

struct Rate {
    std::int32_t numerator = 0;  // 0: no such slot
    std::int32_t denominator = 1;
};

// Master mob 2 plays sound file mob 3 (1 second at 48 kHz) from a slot at the given rate.
void AddSoundMaster(fixture::AafFileBuilder& f, Rate rate)
{
    const ObjectId master = f.AddMob("MasterMob", "tone", fixture::MakeMobId(2));
    const ObjectId slot = f.AddTimelineSlot(master, 1, "", rate.numerator, rate.denominator);
    f.AddSourceClip(slot, kSound, 48000, fixture::MakeMobId(3), 1, 0);
    importtest::AddSoundFile(f, 3, "tone", 48000, "file:///tone.wav");
}

// Each clip item and transition of the track: "start..end in..out", "T start..end cut N".
std::vector<std::string> Items(const TrackInfo& track)
{
    std::vector<std::string> out;
    for (const ItemSlot& slot : track.items) {
        TrimValues t;
        GetItemTrimValues(slot, t);
        const std::string span = IntToString(t.start) + ".." + IntToString(t.end);
        if (const auto* transition = dynamic_cast<const FCPTransitionItemTag*>(slot.get()))
            out.push_back("T " + span + " align " + IntToString(transition->alignment));
        else if (dynamic_cast<const FCPClipItemTag*>(slot.get()))
            out.push_back(span + " " + IntToString(t.in) + ".." + IntToString(t.out));
    }
    return out;
}

// The import of built files with the effect translation installed.
class SampleRateTracks : public EffectImportFileTest {
protected:
    // A composition with a picture and a timecode slot where their rates are given, and a sound
    // slot at the sound rate whose sequence the test fills.
    ObjectId Composition(Rate picture, Rate timecode, Rate sound)
    {
        mob_ = f_.AddMob("CompositionMob", "Edit", fixture::MakeMobId(1));
        if (timecode.numerator != 0)
            importtest::AddTimecodeSlot(f_, mob_, 1, 1, 0, 30, false, timecode.numerator, timecode.denominator);
        if (picture.numerator != 0)
            picture_ = f_.AddSequence(f_.AddTimelineSlot(mob_, 2, "V1", picture.numerator, picture.denominator),
                                      kPicture, 0);
        const ObjectId slot = f_.AddTimelineSlot(mob_, 3, "A1", sound.numerator, sound.denominator);
        importtest::SetPhysicalNumber(f_, slot, 1);
        AddSoundMaster(f_, sound);
        return f_.AddSequence(slot, kSound, 0);
    }

    const FCPSequenceTag& Import()
    {
        Open(f_);
        ImportProject(EffectTranslationEntryPoints());
        static const FCPSequenceTag none(OutputMediaSettings);
        if (XmemlDocument.bins.empty() || FirstBin().children->sequences.empty()) {
            ADD_FAILURE() << "no sequence";
            return none;
        }
        return FirstBin().children->sequences.front();
    }

    static std::vector<std::string> SoundItems(const FCPSequenceTag& sequence)
    {
        if (sequence.audio.empty() || sequence.audio.front().tracks.empty())
            return {};
        return Items(sequence.audio.front().tracks.front());
    }

    fixture::AafFileBuilder f_;
    ObjectId mob_ = 0;
    ObjectId picture_ = 0;
};

// Clip A 0..100100, clip B right after it (100100..200201, from sample 12345), a gap of 99799 and
// clip C at 300000 for 48000 samples from 24000: each boundary rounds to its nearest frame, each
// clip runs from its first boundary to its second, so A and B still meet and the gap stays a gap.
TEST_F(SampleRateTracks, SampleRateSoundSlotsLandOnTheCompositionsFrames)
{
    struct Case {
        const char* name;
        Rate picture, timecode, sound, output;
        std::vector<std::string> items;
        int masterDuration;  // 48000 samples in frames
    };
    const Case cases[] = {
        {"48 kHz at 24 fps", {24, 1}, {24, 1}, {48000, 1}, {24, 1}, {"0..50 0..50", "50..100 6..56", "150..174 12..36"}, 24},
        {"48 kHz at 25 fps", {25, 1}, {25, 1}, {48000, 1}, {25, 1}, {"0..52 0..52", "52..104 6..58", "156..181 13..38"}, 25},
        {"48 kHz at 29.97 fps", {30000, 1001}, {30000, 1001}, {48000, 1}, {2997, 100},
         {"0..63 0..63", "63..125 8..70", "187..217 15..45"}, 30},
        {"44.1 kHz at 24 fps", {24, 1}, {0, 1}, {44100, 1}, {24, 1}, {"0..54 0..54", "54..109 7..62", "163..189 13..39"}, 26},
        // No picture: the timecode slot's 30 fps, not the output's 29.97.
        {"48 kHz, sound only, 30 fps timecode", {0, 1}, {30, 1}, {48000, 1}, {2997, 100},
         {"0..63 0..63", "63..125 8..70", "188..218 15..45"}, 30},
        // No picture and no timecode: the output settings' rate.
        {"48 kHz, sound only, no timecode", {0, 1}, {0, 1}, {48000, 1}, {25, 1},
         {"0..52 0..52", "52..104 6..58", "156..181 13..38"}, 25},
        // A sound slot at a frame rate reads frame for frame, as before.
        {"sound at 25 fps", {25, 1}, {0, 1}, {25, 1}, {25, 1},
         {"0..100100 0..100100", "100100..200201 12345..112446", "300000..348000 24000..72000"}, 48000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetImport();
        f_ = fixture::AafFileBuilder();
        OutputMediaSettings.timecode.rateNumerator = c.output.numerator;
        OutputMediaSettings.timecode.rateDenominator = c.output.denominator;
        const ObjectId sequence = Composition(c.picture, c.timecode, c.sound);
        f_.AddSourceClip(sequence, kSound, 100100, fixture::MakeMobId(2), 1, 0);
        f_.AddSourceClip(sequence, kSound, 100101, fixture::MakeMobId(2), 1, 12345);
        f_.AddFiller(sequence, kSound, 99799);
        f_.AddSourceClip(sequence, kSound, 48000, fixture::MakeMobId(2), 1, 24000);

        const FCPSequenceTag& built = Import();
        EXPECT_EQ(SoundItems(built), c.items);
        ASSERT_EQ(MasterClipMap.size(), 1u);
        EXPECT_EQ(MasterClipMap.begin()->second.duration, c.masterDuration);
    }
}

// A dissolve on a 48 kHz track of a 29.97 fps composition: its length and cut are frames between
// the boundaries it has in the file, the clip after it starts where the dissolve starts, and a
// marker of a 48 kHz event slot lands on its frame.
TEST_F(SampleRateTracks, TransitionsAndMarkersOnASampleRateTrackAreFrames)
{
    const ObjectId sequence = Composition({30000, 1001}, {30000, 1001}, {48000, 1});
    f_.AddSourceClip(sequence, kSound, 100100, fixture::MakeMobId(2), 1, 0);
    f_.AddOperationDefinition(kAudioDissolve, "", kSound, 2);
    f_.AddTransition(sequence, kSound, 20000, 10000, kAudioDissolve);
    f_.AddSourceClip(sequence, kSound, 100000, fixture::MakeMobId(2), 1, 48000);
    const ObjectId eventSlot = f_.AddEventSlot(mob_, 4, 48000, 1);
    importtest::SetPhysicalNumber(f_, eventSlot, 1);
    const ObjectId events = f_.AddSequence(eventSlot, importtest::kDataDefDescriptive, 0);
    f_.AddCommentMarker(events, importtest::kDataDefDescriptive, 100001, "at 50");

    const FCPSequenceTag& built = Import();
    // A 0..100100 (frame 62.5 rounds to 63), the dissolve 80100..100100 (frames 50..63: 13, where
    // its 20000 samples alone would give 12) with its cut at 90100 (frame 56), B 80100..180100.
    EXPECT_EQ(SoundItems(built), (std::vector<std::string>{"0..63 0..63", "T 50..63 align 2", "50..112 30..92"}));
    ASSERT_EQ(built.markers.size(), 1u);
    EXPECT_EQ(built.markers[0].in, 62);
}

// A picture slot at a rate that no preset offers (120 fps) keeps the frame-for-frame reading (its
// clip, whose mob the file lacks, becomes a slug); so does a slot whose edit rate is invalid.
TEST_F(SampleRateTracks, FrameRateSlotsReadAsTheyStand)
{
    const ObjectId sequence = Composition({120, 1}, {0, 1}, {48000, 1});
    f_.AddSourceClip(sequence, kSound, 48000, fixture::MakeMobId(2), 1, 0);
    f_.AddFiller(picture_, kPicture, 37);
    f_.AddSourceClip(picture_, kPicture, 250, fixture::MakeMobId(9), 1, 10);
    const FCPSequenceTag& built = Import();
    ASSERT_FALSE(built.video.empty());
    ASSERT_FALSE(built.video.front().tracks.empty());
    EXPECT_EQ(Items(built.video.front().tracks.front()), std::vector<std::string>{"37..287 0..250"});
    // One second of sound is 120 frames of that composition.
    EXPECT_EQ(SoundItems(built), std::vector<std::string>{"0..120 0..120"});

    EXPECT_FALSE(EditUnitConverter(48000, 0, 24, 1).Converts());
    EXPECT_FALSE(EditUnitConverter(0, 1, 24, 1).Converts());
    EXPECT_FALSE(EditUnitConverter(48000, 1, 0, 1).Converts());
    EXPECT_FALSE(EditUnitConverter(48000, 1, 24, 0).Converts());
    EXPECT_FALSE(EditUnitConverter(999, 1, 24, 1).Converts());
    EXPECT_EQ(EditUnitConverter(999, 1, 24, 1).Span(5, 7), 7);
}

// Positions far past 32 bits scale without overflow, halves round away from zero, and a span's
// frames are the difference of its converted ends.
TEST_F(SampleRateTracks, ConversionIsExactForLargeAndNegativePositions)
{
    const EditUnitConverter ntsc(48000, 1, 30000, 1001);
    EXPECT_EQ(ntsc.Frame(std::int64_t{48048} * 1000000000000), std::int64_t{30} * 1000000000000);
    EXPECT_EQ(ntsc.Frame(-100100), -63);
    EXPECT_EQ(ntsc.Frame(100100), 63);
    EXPECT_EQ(ntsc.Frame(INT64_MAX), 5758848674359875);  // (2^63 - 1) * 5 / 8008, rounded
    EXPECT_EQ(ntsc.Span(100100, 100101), 125 - 63);
    EXPECT_EQ(ntsc.Span(INT64_MAX, INT64_MAX), 0);
}

}  // namespace
}  // namespace effecttest
