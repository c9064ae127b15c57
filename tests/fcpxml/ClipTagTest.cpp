#include <string>

#include <gtest/gtest.h>

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/IDTagBase.h"
#include "records/MobInfo.h"
#include "support/XmemlValidation.h"
#include "tests/fcpxml/WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class ClipTag : public ::testing::Test {
protected:
    void SetUp() override
    {
        UsedNameCounts.clear();
        UsedItemIds.clear();
        WrittenFileIds.clear();
    }
    void TearDown() override { SetUp(); }
};

TEST_F(ClipTag, FromAMobRecord)
{
    struct Case {
        int markIn;
        int markOut;
        int in;
        int out;
    };
    const Case cases[] = {{-1, -1, -1, -1}, {-1, 50, 0, 50}, {10, -1, 10, 300}, {10, 40, 10, 40}, {0, -1, 0, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.markIn << ".." << c.markOut);
        MobInfo mob;
        mob.name = "Interview";
        mob.length = 300;
        mob.markIn = c.markIn;
        mob.markOut = c.markOut;
        FCPClipTag clip;
        clip.FillFromMobInfo(mob, "MASTER_MOB_1");
        EXPECT_EQ(clip.in, c.in);
        EXPECT_EQ(clip.out, c.out);
        EXPECT_EQ(clip.duration, 300);
        EXPECT_EQ(clip.name, "Interview");
    }
    // The ids are the registry's item id made unique; the alpha slot only when there is one.
    MobInfo mob;
    mob.alphaSlotId = 0;
    FCPClipTag clip;
    clip.FillFromMobInfo(mob, "MASTER_MOB_1");
    EXPECT_EQ(clip.id, "MASTER_MOB_1 5");
    EXPECT_EQ(clip.masterclipid, clip.id);
    EXPECT_EQ(clip.alphaSlotId, -1);
    EXPECT_TRUE(clip.ismasterclip);
    EXPECT_FALSE(clip.referenced);
    EXPECT_EQ(clip.kind, ItemKindClip);
    mob.alphaSlotId = 2;
    clip.FillFromMobInfo(mob, "MASTER_MOB_2");
    EXPECT_EQ(clip.alphaSlotId, 2);
}

TEST_F(ClipTag, AroundOneOwnedItem)
{
    FCPClipItemTag item("Shot");
    item.mediaType = 2;
    item.duration = 200;
    item.in = 20;
    item.out = 80;
    item.start = 5;
    item.end = 65;
    FCPClipTag clip;
    FCPClipTag::InitFromClipItem(item, clip);
    EXPECT_EQ(clip.name, "Shot");
    EXPECT_EQ(clip.id, "Shot");
    EXPECT_EQ(clip.duration, 200);
    EXPECT_EQ(clip.in, 20);
    EXPECT_EQ(clip.out, 80);
    EXPECT_EQ(item.in, 0);
    EXPECT_EQ(item.out, 200);
    EXPECT_EQ(item.start, 0);
    EXPECT_EQ(item.end, 200);
    ASSERT_EQ(clip.items.size(), 1u);
    EXPECT_EQ(GetItemKind(clip.items[0]), ItemKindClipItem);

    FCPClipItemTag audio("Sound");
    audio.mediaType = 1;
    FCPClipTag untouched;
    FCPClipTag::InitFromClipItem(audio, untouched);
    EXPECT_TRUE(untouched.items.empty());
    EXPECT_EQ(untouched.name, "");
}

TEST_F(ClipTag, GeneratorGoesOnAVideoTrack)
{
    FCPClipItemTag source("Title");
    source.in = 0;
    source.out = 50;
    FCPClipTag clip;
    FCPClipTag::InitFromGeneratorItem(clip, ToGeneratorItem(source));
    EXPECT_EQ(clip.duration, 3600);
    EXPECT_EQ(clip.in, -1);
    const std::string text = Capture([&] { clip.WriteClip(); });
    const size_t video = text.find("<video>");
    ASSERT_NE(video, std::string::npos);
    EXPECT_NE(text.find("<track>", video), std::string::npos);
    EXPECT_NE(text.find("<generatoritem id=\"Title\">", video), std::string::npos);
    EXPECT_EQ(text.find("<audio>"), std::string::npos);
    EXPECT_VALID_XMEML(text);
}

TEST_F(ClipTag, MasterClipWritesItsSlotsAndCanBeWrittenAgain)
{
    FCPFileTag file("Interview");
    file.AssignIdFromTagName();
    file.duration = 300;
    FCPClipTag clip;
    clip.name = "Interview";
    clip.SetUniqueId("MASTER_MOB_1");
    clip.masterclipid = clip.id;
    clip.duration = 300;
    for (int slot : {2, 1}) {
        FCPClipItemTag item("Interview");
        item.mediaType = 2;
        item.AssignSlotId(slot, "MASTER_MOB_1");
        item.files.push_back(file);
        clip.videoSlots.emplace(slot, item);
    }
    FCPClipItemTag sound("Interview");
    sound.mediaType = 1;
    sound.AssignSlotId(3, "MASTER_MOB_1");
    sound.files.push_back(file);
    clip.audioSlots.emplace(3, sound);

    const std::string text = Capture([&] { clip.WriteClip(); });
    const size_t slot1 = text.find("<clipitem id=\"Slot: 1 for MASTER_MOB_1\">");
    const size_t slot2 = text.find("<clipitem id=\"Slot: 2 for MASTER_MOB_1\">");
    const size_t slot3 = text.find("<clipitem id=\"Slot: 3 for MASTER_MOB_1\">");
    ASSERT_NE(slot1, std::string::npos);
    ASSERT_NE(slot2, std::string::npos);
    ASSERT_NE(slot3, std::string::npos);
    EXPECT_LT(slot1, slot2);
    EXPECT_LT(slot2, text.find("<audio>"));
    EXPECT_LT(text.find("<audio>"), slot3);
    // The first slot item carries the file; the others refer to it.
    EXPECT_LT(slot1, text.find("<file id=\"Interview\">"));
    EXPECT_LT(text.find("<file id=\"Interview\">"), slot2);
    EXPECT_EQ(text.find("<file id=\"Interview\">", slot2), std::string::npos);
    EXPECT_NE(text.find("<file id=\"Interview\"/>", slot2), std::string::npos);
    EXPECT_EQ(text.rfind(Lines({"<clip id=\"MASTER_MOB_1\">", "><updatebehavior>add</updatebehavior>",
                                "><name>Interview</name>", "><duration>300</duration>"}),
                         0),
              0u);
    EXPECT_TRUE(clip.video.empty());

    // Writing leaves the clip as it was: a second write (all files now written) gives the same
    // tracks again, not twice as many.
    const std::string again = Capture([&] { clip.WriteClip(); });
    EXPECT_EQ(again.find("<file id=\"Interview\">"), std::string::npos);
    size_t tracks = 0;
    for (size_t at = again.find("<track>"); at != std::string::npos; at = again.find("<track>", at + 1))
        ++tracks;
    EXPECT_EQ(tracks, 3u);
    EXPECT_VALID_XMEML(text);
}

}  // namespace
