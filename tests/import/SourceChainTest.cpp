// The source chain of a file mob over files built in code: the media path the preferences choose,
// the start timecode of its tape or physical source, and the one media path run mode 1 records per
// master mob.
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "aaf/import/ImportDriver.h"
#include "aaf/import/MediaPathQuery.h"
#include "aaf/import/SourceMobT.h"
#include "config/SourcePaths.h"
#include "import/SourceFixtures.h"

namespace {

using namespace importtest;
namespace ids = fixture::ids;

class SourceChain : public ImportFileTest {
protected:
    void SetUp() override
    {
        ImportFileTest::SetUp();
        ClearSourcePathMap();
    }
    void TearDown() override
    {
        ClearSourcePathMap();
        ImportFileTest::TearDown();
    }

    // The chain of file mob n, with every mob of the open file registered.
    MobSourceInfo ChainOf(std::uint32_t n)
    {
        MobLists lists;
        SortMobsByKind(lists);
        SourceMobT file(IdOf(n));
        EXPECT_EQ(file.status, 0);
        MobSourceInfo chain;
        file.ReadSourceChain(chain);
        return chain;
    }

    std::map<std::string, std::string> RecordedPaths()
    {
        ClearSourcePathMap();
        CollectMediaPaths(*file_);
        return SourcePathMap;
    }
};

TEST_F(SourceChain, MediaPathFollowsThePreferences)
{
    constexpr const char* kFile = "file:///media/F.mxf";
    constexpr const char* kOriginal = "file:///orig/P%20one.mov";
    enum class Physical { None, WithPath, OnlyScheme, WithoutLocator };
    struct Case {
        Physical physical;
        bool sourceExt, mxf, any;
        const char* expected;
    };
    const Case cases[] = {
        {Physical::WithPath, true, false, true, kOriginal},    // the defaults: the original file
        {Physical::OnlyScheme, true, false, true, ""},         // a physical source that names no file
        {Physical::WithoutLocator, true, false, true, kFile},  // nothing there: the file mob's own
        {Physical::None, true, false, true, kFile},
        {Physical::WithPath, true, true, true, kFile},  // the media files themselves
        {Physical::WithPath, true, true, false, kFile},
        {Physical::WithPath, true, false, false, ""},
        {Physical::None, true, false, false, ""},
        {Physical::WithPath, false, false, true, ""},
        {Physical::None, false, true, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.physical) << c.sourceExt << c.mxf << c.any);
        ResetImport();
        fixture::AafFileBuilder f;
        const bool hasPhysical = c.physical != Physical::None;
        AddPictureFile(f, 2, "F", 100, kFile, hasPhysical ? SourceLink{3, 1, 0} : SourceLink{});
        if (hasPhysical) {
            const char* url = c.physical == Physical::WithPath     ? kOriginal
                              : c.physical == Physical::OnlyScheme ? "file:///"
                                                                   : "";
            AddSourceMob(f, 3, "P", kImport, ids::kDataDefPicture, 100, url);
        }
        Open(f);
        ImportPrefs.useSourceExt = c.sourceExt;
        ImportPrefs.useMXFSource = c.mxf;
        ImportPrefs.useAnySource = c.any;

        const MobSourceInfo chain = ChainOf(2);
        EXPECT_EQ(chain.mob.mediaPath, c.expected);
        EXPECT_EQ(chain.GetSourceKind(), hasPhysical ? 63 : 0);
        EXPECT_EQ(chain.descriptors.cdci.size(), 1u);
        EXPECT_EQ(chain.slot.slotId, 1);
        ASSERT_EQ(chain.slot.sourceRefs.size(), 1u);
        EXPECT_EQ(chain.slot.sourceRefs[0].sourceMobId, hasPhysical ? IdOf(3) : MobId());
    }
}

TEST_F(SourceChain, StartTimecodeIsTheSourcesMovedOnByTheSlotOffset)
{
    enum class Source { Tape, Physical, Unregistered };
    struct Case {
        Source source;
        std::int64_t startFrame;
        const char* reel;
    };
    const Case cases[] = {
        {Source::Tape, 1100, "Reel 7"},
        {Source::Physical, 1100, ""},
        {Source::Unregistered, 100, ""},  // the file mob's own, frame 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.source));
        ResetImport();
        fixture::AafFileBuilder f;
        AddPictureFile(f, 2, "F", 200, "file:///F.mxf", SourceLink{c.source == Source::Unregistered ? 9u : 3u, 1, 100});
        const BuiltSource source = AddSourceMob(f, 3, "Reel 7", c.source == Source::Tape ? kTape : kImport,
                                                ids::kDataDefPicture, 5000, "");
        if (c.source == Source::Tape) {
            f.builder().AddString(source.descriptor, 0x3a05, "Maker");
            f.builder().AddString(source.descriptor, 0x3a06, "Model 9");
            f.builder().AddU8(source.descriptor, 0x3a01, 2);
            f.builder().AddU8(source.descriptor, 0x3a02, 1);
            f.builder().AddU8(source.descriptor, 0x3a03, 3);
        }
        AddTimecodeSlot(f, source.mob, 2, 1, 1000, 25, false, 25, 1);
        if (c.source == Source::Unregistered)
            f.graph().objects[source.mob].classId = ids::ClassOf("CompositionMob");
        Open(f);

        const MobSourceInfo chain = ChainOf(2);
        EXPECT_EQ(chain.mob.startTimecode.startFrame, c.startFrame);
        EXPECT_EQ(chain.mob.startTimecode.reelName, c.reel);
        EXPECT_EQ(chain.mob.startTimecode.rateNumerator, 25);
        EXPECT_EQ(chain.tapeSources.size(), c.source == Source::Tape ? 1u : 0u);
        EXPECT_EQ(chain.physicalSources.size(), c.source == Source::Physical ? 1u : 0u);
        if (c.source == Source::Tape) {
            const TapeSourceEntry& tape = chain.tapeSources[0];
            EXPECT_EQ(tape.tape.tapeManufacturer, "Maker");
            EXPECT_EQ(tape.tape.tapeModel, "Model 9");
            EXPECT_EQ(tape.tape.tapeFormFactor, 2);
            EXPECT_EQ(tape.tape.signalType, 1);
            EXPECT_EQ(tape.tape.tapeFormat, 3);
            EXPECT_EQ(tape.slot.slotId, 1);
            EXPECT_EQ(tape.slot.length, 5000);
            EXPECT_EQ(tape.slot.sourceRefs.size(), 1u);
            // The tape's own record keeps its timecode where it starts.
            EXPECT_EQ(tape.tape.mob.startTimecode.startFrame, 1000);
        }
        if (c.source == Source::Physical) {
            EXPECT_EQ(chain.physicalSources[0].slot.slotId, 1);
        }
    }
}

TEST_F(SourceChain, SoundFileMovesTheTimecodeOnByFramesOfItsRate)
{
    // A 48 kHz file starts some samples into its source: those samples last so many frames of the
    // source's timecode, whatever the sample rate.
    struct Case {
        const char* label;
        std::int64_t startSample;
        bool sourceTimecode;  // the source's timecode slot is its start timecode
        std::int64_t startFrame;
        std::int32_t rate;
        const char* text;
    };
    const Case cases[] = {
        {"10 s into a 25 fps timecode at 1 h", 480000, true, 90250, 25, "01.00.10.00"},
        {"half a frame rounds up", 480960, true, 90251, 25, "01.00.10.01"},
        {"a time of day past 32 bits of samples", 14LL * 3600 * 48000, true, 15LL * 3600 * 25, 25, "15.00.00.00"},
        // No start timecode: the source counts in its own frames (its 24 fps timecode slot), not in
        // the samples of its first slot.
        {"no start timecode", 480000, false, 240, 24, "00.00.10.00"},
    };
    const auto atSampleRate = [](fixture::AafFileBuilder& f, aafsdk::ObjectId mob) {
        const auto slot = f.graph().object(mob).Find(0x4403)->elements[0].object;
        RemoveProperty(f, slot, kEditRate);
        f.builder().AddRational(slot, kEditRate, 48000, 1);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ResetImport();
        fixture::AafFileBuilder f;
        atSampleRate(f, AddSoundFile(f, 2, "F", 96000, "file:///F.wav", SourceLink{3, 1, c.startSample}).mob);
        const BuiltSource source = AddSourceMob(f, 3, "P", kImport, ids::kDataDefSound, 1LL << 40, "");
        atSampleRate(f, source.mob);
        if (c.sourceTimecode)
            AddTimecodeSlot(f, source.mob, 2, 1, 90000, 25, false, 25, 1);
        else
            AddTimecodeSlot(f, source.mob, 2, 2, 0, 24, false, 24, 1);
        Open(f);

        const Timecode start = ChainOf(2).mob.startTimecode;
        EXPECT_EQ(start.startFrame, c.startFrame);
        EXPECT_EQ(start.rateNumerator, c.rate);
        EXPECT_EQ(start.rateDenominator, 1);
        EXPECT_EQ(start.framesPerSecond, c.rate);
        EXPECT_EQ(TimecodeToText(start), c.text);
    }
}

TEST_F(SourceChain, FileMobWithoutReadableReferenceGivesItsRecordAlone)
{
    fixture::AafFileBuilder f;
    // A file mob whose only slot holds a filler, which names no source.
    const auto file = f.AddMob("SourceMob", "F", fixture::MakeMobId(2));
    f.AddFiller(f.AddTimelineSlot(file, 1, "", 25, 1), ids::kDataDefPicture, 100);
    const auto descriptor = f.AddDescriptor(file, "CDCIDescriptor");
    f.AddNetworkLocator(descriptor, "file:///F.mxf");
    f.AddMob("SourceMob", "no slots", fixture::MakeMobId(4));
    Open(f);

    for (const std::uint32_t n : {2u, 4u}) {
        const MobSourceInfo chain = ChainOf(n);
        EXPECT_EQ(chain.mob.mediaPath, "");
        EXPECT_TRUE(chain.descriptors.cdci.empty());
        EXPECT_EQ(chain.slot.slotId, -1);
        EXPECT_EQ(chain.GetSourceKind(), 0);
    }
}

TEST_F(SourceChain, MediaQueryRecordsOnePathPerMasterMob)
{
    fixture::AafFileBuilder f;
    // A picture slot on B and a sound slot on A.
    AddMasterMob(f, 1, "both", 100, {{1, ids::kDataDefPicture, 2}, {2, ids::kDataDefSound, 3}});
    AddPictureFile(f, 2, "B", 100, "file:///B.mov");
    AddSoundFile(f, 3, "A", 100, "file:///A.wav");
    // A slot without a path beside one with a path.
    AddMasterMob(f, 4, "half", 100, {{1, ids::kDataDefPicture, 5}, {2, ids::kDataDefSound, 6}});
    AddPictureFile(f, 5, "none", 100, "");
    AddSoundFile(f, 6, "only", 100, "file:///only%20one.wav");
    // No path at all.
    AddMasterMob(f, 7, "pathless", 100, {{1, ids::kDataDefSound, 8}});
    AddSoundFile(f, 8, "none", 100, "");
    // A slot whose segment is a sequence around its source clip.
    const auto master = f.AddMob("MasterMob", "sequence", fixture::MakeMobId(9));
    const auto sequence = f.AddSequence(f.AddTimelineSlot(master, 1, "", 25, 1), ids::kDataDefSound, 100);
    f.AddFiller(sequence, ids::kDataDefSound, 0);
    f.AddSourceClip(sequence, ids::kDataDefSound, 100, fixture::MakeMobId(10), 1, 0);
    AddSoundFile(f, 10, "in sequence", 100, "file:///seq.wav");
    Open(f);

    const auto self = [](std::initializer_list<const char*> paths) {
        std::map<std::string, std::string> map;
        for (const char* p : paths)
            map[p] = p;
        return map;
    };
    EXPECT_EQ(RecordedPaths(), self({"file:///A.wav", "file:///only%20one.wav", "file:///seq.wav"}));
    ImportPrefs.useMXFSource = true;
    EXPECT_EQ(RecordedPaths(), self({"file:///B.mov", "file:///only%20one.wav", "file:///seq.wav"}));
}

}  // namespace
