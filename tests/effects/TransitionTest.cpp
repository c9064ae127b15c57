// Transitions onto the current track: the cut point against the item before, the FCP transition the
// effect becomes (dissolves, the audio cross fade, dips and fades), the stand-in dissolve for one
// that cannot be translated, and where the neighbours lie when a transition leaves the timeline.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/SegmentReader.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/import/TrackLayout.h"
#include "config/TranslationLog.h"
#include "effects/EffectFixture.h"
#include "effects/TransitionR.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/NumberText.h"

namespace effecttest {
namespace {

enum class Before { Nothing, Clip, Gap };

std::string TransitionText(const FCPTransitionItemTag& t)
{
    std::string out = IntToString(t.duration) + " align " + IntToString(t.alignment) + " as " + t.effectName + " |";
    for (const EffectInfo& e : t.effects) {
        out += " " + e.effectid + " " + FloatToString(e.startratio) + " " + FloatToString(e.endratio) + " media " +
               IntToString(e.mediatype);
        for (const ParameterInfo& p : e.parameters)
            out += " " + p.parameterid;
    }
    for (const TranslationRecord& r : t.log.translations)
        out += " | " + IntToString(r.status) + " " + r.fcpName + " / " + r.avidName + " / " + r.action;
    return out;
}

std::string Placed(const ItemSlot& slot)
{
    TrimValues t;
    GetItemTrimValues(slot, t);
    return IntToString(t.start) + ".." + IntToString(t.end) + " in " + IntToString(t.in);
}

class Transitions : public EffectTest {
protected:
    // A track of the current sequence holding the item before the transition.
    void OpenTrackWith(Before before, int mediaType, int gapLength = 50)
    {
        PushSequence();
        OpenTrack(Context(100, mediaType, 71));
        if (before == Before::Clip)
            PushClipItem(Clip("A", 0, 50, mediaType));
        else if (before == Before::Gap)
            PushFillerItem(FCPFillerTag(gapLength));
        MoveItemToTrack();
    }

    TrackInfo& Track() { return GlobalTimelineBuilder.TrackStack.front(); }

    // Imports the file's only transition as the component of a sequence.
    std::int32_t ImportTransition(const EffectFile& file, int length, int dataKind, int parentKind = 26)
    {
        FileEffects effects(file.Save(dir_, "transition" + std::to_string(++saved_) + ".aaf"));
        EXPECT_EQ(effects.transitions.size(), 1u);
        if (effects.transitions.empty())
            return -1;
        TransitionR transition(effects.transitions[0], Context(length, dataKind, parentKind));
        return transition.Import();
    }

    // Reads the file's sequence as a timeline slot of the given length and gives where the items of
    // its one video track landed, each as "start..end", with " in N" when withIn is set.
    std::vector<std::string> PlaceSequence(const EffectFile& file, const std::string& name, int length, bool withIn)
    {
        testsupport::OpenedFile opened;
        EXPECT_EQ(opened.Open(file.Save(dir_, name)), 0);
        Ref<IAAFSequence> sequence;
        testsupport::ForEachObject(opened.header.get(), [&](IUnknown* o) {
            if (!sequence)
                (void)testsupport::Query(o, IID_IAAFSequence, &sequence);
        });
        if (!sequence) {
            ADD_FAILURE() << "no sequence in " << name;
            return {};
        }
        FCPSequenceTag& timeline = PushSequence();
        ComponentContext slot = Context(length, 2, 71);
        ReadComponent(sequence.get(), slot);
        if (timeline.video.empty() || timeline.video.front().tracks.size() != 1u) {
            ADD_FAILURE() << "not one video track";
            return {};
        }
        std::vector<std::string> placed;
        for (const ItemSlot& item : timeline.video.front().tracks[0].items) {
            TrimValues t;
            GetItemTrimValues(item, t);
            placed.push_back(IntToString(t.start) + ".." + IntToString(t.end) + (withIn ? " in " + IntToString(t.in) : ""));
        }
        return placed;
    }

    int saved_ = 0;
};

TEST_F(Transitions, EffectsAndCutPoints)
{
    const std::string noItem = "no transition";
    const struct {
        const char* name;
        const char* operation;
        int dataKind;
        int length;
        int cutPoint;
        Before before;
        int wipeNumber;  // -1: no wipe number
        bool levelPoints;
        bool replace;  // Import_ReplaceWithDissolve
        int parentKind;
        std::string transition;
        int gapAfter;  // the gap before the transition afterwards; -1 when there is none
    } cases[] = {
        {"dissolve after a clip: cut in the middle, ratios 0 to 1", kVideoDissolve, 2, 20, 0, Before::Clip, -1, false,
         false, 26, "20 align 2 as Video Dissolve | Cross Dissolve 0 1 media 2 | 2 Cross Dissolve / Video Dissolve / Applied",
         -1},
        {"the other video dissolve, with Level ratios", kVideoDissolve2, 2, 20, 0, Before::Clip, -1, true, false, 26,
         "20 align 2 as Video Dissolve | Cross Dissolve 2 0 media 2 | 2 Cross Dissolve / Video Dissolve / Applied", -1},
        {"audio dissolve keeps unset ratios", kAudioDissolve, 1, 10, 0, Before::Clip, -1, false, false, 26,
         "10 align 2 as Audio Dissolve | KGAudioTransCrossFade0dB -1 -1 media 1 | 2 Cross Fade ( 0dB) / Audio Dissolve / Applied",
         -1},
        {"dip to black", kDip, 2, 20, 0, Before::Clip, -1, false, false, 26,
         "20 align 2 as Dip to Color | Dip to Color Dissolve 0 1 media 2 dipcolor | 2 Dip to Color Dissolve / Dip to Color / Applied",
         -1},
        {"fade up out of a gap", kFadeUp, 2, 20, 0, Before::Gap, -1, false, false, 26,
         "20 align 1 as Fade to Color | Dip to Color Dissolve 0 1 media 2 dipcolor | 2 Dip to Color Dissolve / Fade to Color / Applied",
         30},
        {"fade down", kFadeDown, 2, 20, 20, Before::Clip, -1, false, false, 26,
         "20 align 3 as Fade from Color | Dip to Color Dissolve 0 1 media 2 dipcolor | 2 Dip to Color Dissolve / Fade from Color / Applied",
         -1},
        {"a wipe is dropped with its record", kWipe, 2, 20, 0, Before::Clip, 3, false, false, 26, noItem, -1},
        {"a wipe replaced by a dissolve", kWipe, 2, 20, 0, Before::Clip, 3, false, true, 26,
         "20 align 2 as Unknown SMPTE Wipe | Cross Dissolve 0 1 media 2 | 2 Not Supported / Unknown SMPTE Wipe / Replaced with Dissolve",
         -1},
        {"a named wipe replaced", kWipe, 2, 20, 0, Before::Clip, 1, false, true, 26,
         "20 align 2 as Horizontal | Cross Dissolve 0 1 media 2 | 2 Not Supported / Horizontal / Replaced with Dissolve", -1},
        {"an unknown sound transition replaced", kBlur, 1, 10, 0, Before::Clip, -1, false, true, 26,
         "10 align 2 as Blur | KGAudioTransCrossFade0dB -1 -1 media 1 | 2 Not Supported / Blur / Replaced with Dissolve",
         -1},
        {"an unknown picture transition dropped", kBlur, 2, 10, 0, Before::Clip, -1, false, false, 26, noItem, -1},
        {"inside an adjusted clip: nothing", kVideoDissolve, 2, 20, 0, Before::Clip, -1, false, true, 28, noItem, -1},
        {"first on its track: the cut stays", kVideoDissolve, 2, 20, 5, Before::Nothing, -1, false, false, 26,
         "20 align 2 as Video Dissolve | Cross Dissolve 0 1 media 2 | 2 Cross Dissolve / Video Dissolve / Applied", -1},
        {"after a gap the cut moves to the start", kVideoDissolve, 2, 20, 5, Before::Gap, -1, false, false, 26,
         "20 align 1 as Video Dissolve | Cross Dissolve 0 1 media 2 | 2 Cross Dissolve / Video Dissolve / Applied", 30},
        // A cut at (or beyond) the transition's end after a gap moves to its start as well: the gap
        // gives up the transition's length, so the next item starts where the file has it.
        {"after a gap, a cut at the end", kVideoDissolve, 2, 20, 20, Before::Gap, -1, false, false, 26,
         "20 align 1 as Video Dissolve | Cross Dissolve 0 1 media 2 | 2 Cross Dissolve / Video Dissolve / Applied", 30},
        {"after a gap, a cut beyond the end", kVideoDissolve, 2, 20, 25, Before::Gap, -1, false, false, 26,
         "20 align 1 as Video Dissolve | Cross Dissolve 0 1 media 2 | 2 Cross Dissolve / Video Dissolve / Applied", 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        ImportPrefs.replaceWithDissolve = c.replace;
        const char* dataDef = c.dataKind == 1 ? kSound : kPicture;
        EffectFile file(dataDef);
        file.Operation(kBlur, "Blur", dataDef, 2);
        const ObjectId transition = file.Transition(c.operation, c.length, c.cutPoint, dataDef);
        const ObjectId group = file.GroupOf(transition);
        if (c.wipeNumber != -1)
            file.Constant(group, kWipeNumber, kInt32, Int32Bytes(c.wipeNumber));
        if (c.levelPoints) {
            const ObjectId level = file.Varying(group, kLevel, kLinear);
            file.Point(level, 0, 1, kRational, RationalBytes(2, 1));
            file.Point(level, 1, 2, kRational, RationalBytes(7, 1));
            file.Point(level, 1, 1, kRational, RationalBytes(1, 2));
        }
        OpenTrackWith(c.before, c.dataKind);

        EXPECT_GE(ImportTransition(file, c.length, c.dataKind, c.parentKind), 0);
        const auto& items = GlobalTimelineBuilder.ItemStack;
        const auto* item = items.empty() ? nullptr : dynamic_cast<const FCPTransitionItemTag*>(items.front().get());
        EXPECT_EQ(item ? TransitionText(*item) : noItem, c.transition);
        if (c.gapAfter != -1) {
            const auto* gap = dynamic_cast<const FCPFillerTag*>(Track().items.back().get());
            ASSERT_NE(gap, nullptr);
            EXPECT_EQ(gap->duration, c.gapAfter);
            EXPECT_EQ(gap->out - gap->in, c.gapAfter);
        }
        // What is dropped takes its record with it.
        MoveItemToTrack();
        CloseTrack();
        PopSequence();
        EXPECT_EQ(TranslationLog.size(), item ? 1u : 0u);
    }
}

// The file's clips overlap a transition by its whole length; one that leaves the timeline must not
// move the clips after it. The clip before ends at the cut and the clip after starts there.
TEST_F(Transitions, NeighboursKeepTheirPlacesWhenATransitionIsDropped)
{
    const struct {
        const char* name;
        const char* operation;
        Before before;
        int cutPoint;
        std::vector<std::string> placed;  // the track's items after layout
    } cases[] = {
        {"a dissolve stays over the clips", kVideoDissolve, Before::Clip, 0, {"0..50 in 0", "40..50 in 0", "40..70 in 0"}},
        {"a wipe cut in its middle", kWipe, Before::Clip, 0, {"0..45 in 0", "45..70 in 5"}},
        {"a wipe cut at its end", kWipe, Before::Clip, 10, {"0..50 in 0", "50..70 in 10"}},
        {"a wipe cut at its start", kWipe, Before::Clip, 1, {"0..41 in 0", "41..70 in 1"}},
        {"a wipe out of a gap", kWipe, Before::Gap, 0, {"0..40 in 0", "40..70 in 0"}},
        {"a dissolve out of a gap cut at its end", kVideoDissolve, Before::Gap, 10,
         {"0..40 in 0", "40..50 in 0", "40..70 in 0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        EffectFile file;
        file.Transition(c.operation, 10, c.cutPoint);
        OpenTrackWith(c.before, 2);
        EXPECT_GE(ImportTransition(file, 10, 2), 0);
        MoveItemToTrack();
        PushClipItem(Clip("B", 0, 30));
        MoveItemToTrack();
        TrackInfo& track = Track();
        LayOutTrack(track);
        std::vector<std::string> placed;
        for (const ItemSlot& slot : track.items)
            placed.push_back(Placed(slot));
        EXPECT_EQ(placed, c.placed);
    }
}

// The same through the traversal, on a timeline slot of a built file: clip, wipe, clip.
TEST_F(Transitions, ADroppedWipeOnATimeline)
{
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        Reset();
        ImportPrefs.replaceWithDissolve = replace;
        EffectFile file;
        file.f.AddSourceClip(file.sequence, kPicture, 50, fixture::MakeMobId(90), 1, 0);
        file.Transition(kWipe, 10, 0);
        file.f.AddSourceClip(file.sequence, kPicture, 30, fixture::MakeMobId(91), 1, 0);
        const std::vector<std::string> placed = PlaceSequence(file, replace ? "replaced.aaf" : "dropped.aaf", 80, true);
        const std::vector<std::string> kept = {"0..50 in 0", "40..50 in 0", "40..70 in 0"};
        const std::vector<std::string> cut = {"0..45 in 0", "45..70 in 5"};
        EXPECT_EQ(placed, replace ? kept : cut);
    }
}

// A kept transition on a timeline built in code: clip 50, dissolve, clip 40, clip 30. The file has
// the dissolve over the tail of the first clip and the head of the second, so the second starts the
// dissolve's length before the first ends, wherever the cut lies. One that opens the track lies over
// the head of the clip after it.
TEST_F(Transitions, ClipsAfterADissolveLandWhereTheFileHasThem)
{
    const struct {
        const char* name;
        bool first;  // the dissolve opens the track
        int length;
        int cutPoint;
        std::vector<std::string> placed;
    } cases[] = {
        {"cut at the start", false, 10, 0, {"0..50", "40..50", "40..80", "80..110"}},
        {"cut in the middle", false, 10, 5, {"0..50", "40..50", "40..80", "80..110"}},
        {"cut at the end", false, 10, 10, {"0..50", "40..50", "40..80", "80..110"}},
        {"one frame, cut at the start", false, 1, 0, {"0..49", "49..50", "49..89", "89..119"}},
        {"one frame, cut at the end", false, 1, 1, {"0..49", "49..50", "49..89", "89..119"}},
        {"opening the track, cut at the start", true, 10, 0, {"0..10", "0..40", "40..70"}},
        {"opening the track, cut in the middle", true, 10, 5, {"0..10", "0..40", "40..70"}},
        {"opening the track, cut at the end", true, 10, 10, {"0..10", "0..40", "40..70"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        EffectFile file;
        if (!c.first)
            file.f.AddSourceClip(file.sequence, kPicture, 50, fixture::MakeMobId(90), 1, 0);
        file.Transition(kVideoDissolve, c.length, c.cutPoint);
        file.f.AddSourceClip(file.sequence, kPicture, 40, fixture::MakeMobId(91), 1, 0);
        file.f.AddSourceClip(file.sequence, kPicture, 30, fixture::MakeMobId(92), 1, 0);
        const std::vector<std::string> placed =
            PlaceSequence(file, "kept" + std::to_string(++saved_) + ".aaf", 100, false);
        EXPECT_EQ(placed, c.placed);
    }
}

}  // namespace
}  // namespace effecttest
