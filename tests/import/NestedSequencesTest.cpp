#include "aaf/import/NestedSequences.h"

#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "fcpxml/FCPFileTag.h"
#include "tests/fcpxml/WriteCapture.h"

using namespace importtest;

namespace {

using NestedSequencesTest = ImportTest;

TEST_F(NestedSequencesTest, SequencesGetUniqueIdsFromTheirNames)
{
    const FCPSequenceTag first = MakeSequenceTag(OutputMediaSettings, "Cut", 250);
    const FCPSequenceTag second = MakeSequenceTag(OutputMediaSettings, "Cut", 10);
    EXPECT_EQ(first.name, "Cut");
    EXPECT_EQ(first.id, "Cut");
    EXPECT_EQ(first.duration, 250);
    EXPECT_EQ(second.id, "Cut 1");
    EXPECT_EQ(first.video.size(), 1u);
    EXPECT_EQ(first.audio.size(), 1u);
}

TEST_F(NestedSequencesTest, SlugsStandInForMissingMedia)
{
    struct Case {
        int length;
        int dataKind;
        int fileDuration;
        std::size_t videos;
        std::size_t audios;
    };
    const Case cases[] = {
        {120, 2, 3600, 1, 0},
        {120, 1, 3600, 0, 1},
        {5000, 2, 5000, 1, 0},  // the file is long enough for the slug
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const FCPClipItemTag slug = MakeSlugClipItem(Context(c.length, c.dataKind, 2), "Filler");
        EXPECT_EQ(slug.name, "Filler");
        EXPECT_EQ(slug.log.itemId, slug.id);
        EXPECT_EQ(slug.in, 0);
        EXPECT_EQ(slug.out, c.length);
        EXPECT_EQ(slug.duration, c.fileDuration);
        EXPECT_EQ(slug.mediaType, c.dataKind);
        EXPECT_EQ(slug.layerIndex, 2);
        ASSERT_EQ(slug.sourcetracks.size(), 1u);
        EXPECT_EQ(slug.sourcetracks[0].mediatype, c.dataKind);
        EXPECT_EQ(slug.sourcetracks[0].trackindex, 1);
        ASSERT_EQ(slug.files.size(), 1u);
        EXPECT_EQ(slug.files[0].mediaSource, "Slug");
        EXPECT_EQ(slug.files[0].video.size(), c.videos);
        EXPECT_EQ(slug.files[0].audio.size(), c.audios);
    }
    // Ids stay unique over the run.
    UsedNameCounts.clear();
    UsedItemIds.clear();
    EXPECT_EQ(MakeSlugClipItem(Context(10, 2), "Filler").id, "Filler");
    EXPECT_EQ(MakeSlugClipItem(Context(10, 2), "Filler").id, "Filler 1");
}

TEST_F(NestedSequencesTest, ReplaceMediaWithSlugKeepsTheLength)
{
    FCPClipItemTag title = Clip("Title", 200, 290);
    title.files.emplace_back("media.mov");
    ReplaceMediaWithSlug(title);
    ASSERT_EQ(title.files.size(), 1u);
    EXPECT_EQ(title.files[0].mediaSource, "Slug");
    EXPECT_EQ(title.files[0].video.size(), 1u);
    EXPECT_EQ(title.duration, 3600);
    EXPECT_EQ((std::array{title.in, title.out, title.start, title.end}), (std::array{0, 90, 0, 90}));
}

TEST_F(NestedSequencesTest, NestingAnItemWrapsItInASequenceOfTheLength)
{
    struct Case {
        int length;
        int copyOut;
        int copyEnd;
        bool filler;
    };
    const Case cases[] = {{100, 60, 50, true}, {30, 40, 30, false}, {50, 60, 50, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        FCPClipItemTag item = Clip("Shot", 10, 60);
        item.files.emplace_back("shot.mov");
        item.filters.emplace_back(EffectInfo());
        item.masterclipid = "masterclip-1";
        item.syncoffset = 4;
        item.AssignIdFromName();
        NestClipItemInSequence(c.length, item);

        EXPECT_TRUE(item.files.empty());
        EXPECT_TRUE(item.masterclipid.empty());
        EXPECT_EQ(item.syncoffset, -1);
        EXPECT_EQ((std::array{item.in, item.out, item.duration}),
                  (std::array{0, c.length, c.length}));
        ASSERT_EQ(item.nestedSequences.size(), 1u);
        const FCPSequenceTag& sequence = item.nestedSequences[0];
        EXPECT_EQ(sequence.name, "Shot");
        EXPECT_EQ(sequence.duration, c.length);
        EXPECT_EQ(sequence.timecode.text, "00:00:00:00");
        EXPECT_EQ(sequence.timecode.frame, 0);
        ASSERT_EQ(sequence.video.front().tracks.size(), 1u);
        const TrackInfo& track = sequence.video.front().tracks[0];
        EXPECT_EQ(track.index, 1);
        EXPECT_EQ(track.mediaType, 2);
        ASSERT_EQ(track.items.size(), c.filler ? 2u : 1u);
        const auto* copy = dynamic_cast<const FCPClipItemTag*>(track.items[0].get());
        EXPECT_NE(copy->id, item.id);
        EXPECT_EQ(copy->log.itemId, copy->id);
        EXPECT_EQ(copy->out, c.copyOut);
        EXPECT_EQ(copy->start, 0);
        EXPECT_EQ(copy->end, c.copyEnd);
        EXPECT_TRUE(copy->filters.empty());
        EXPECT_EQ(copy->files.size(), 1u);
        if (c.filler) {
            const auto* slug = dynamic_cast<const FCPClipItemTag*>(track.items[1].get());
            EXPECT_EQ(slug->name, "Filler");
            EXPECT_EQ((std::array{slug->start, slug->end}), (std::array{50, 100}));
        }
    }
}

TEST_F(NestedSequencesTest, DropFrameSequencesAndSoundItems)
{
    OutputMediaSettings.timecode.dropFrame = 1;
    FCPClipItemTag sound = Clip("Voice", 0, 40, 1);
    const FCPSequenceTag sequence = NestItemCopyInSequence(40, sound);
    EXPECT_EQ(sequence.timecode.text, "00;00;00;00");
    EXPECT_TRUE(sequence.video.front().tracks.empty());
    ASSERT_EQ(sequence.audio.size(), 2u);
    EXPECT_TRUE(sequence.audio[0].tracks.empty());
    ASSERT_EQ(sequence.audio[1].tracks.size(), 1u);
    EXPECT_EQ(sequence.audio[1].tracks[0].mediaType, 1);
    EXPECT_EQ(sequence.audio[1].tracks[0].items.size(), 1u);
}

TEST_F(NestedSequencesTest, NestedItemsAreLoggedWithTheNestedSequence)
{
    FCPClipItemTag item = Clip("Shot", 0, 20);
    item.AddTranslation("Time Remap", "Timewarp", "Applied", kTranslationApplied);
    NestItemCopyInSequence(20, item);
    ASSERT_EQ(TranslationLog.size(), 1u);
    EXPECT_EQ(TranslationLog[0].sequenceName, "Shot");
    EXPECT_EQ(TranslationLog[0].trackName, "V1");
    EXPECT_EQ(TranslationLog[0].clipName, "Shot");
}

}  // namespace
