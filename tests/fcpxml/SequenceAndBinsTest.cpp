#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "fcpxml/BinInfo.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/IDTagBase.h"
#include "records/ValueBase.h"
#include "support/XmemlValidation.h"
#include "tests/fcpxml/WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class SequenceAndBins : public ::testing::Test {
protected:
    void SetUp() override
    {
        UsedNameCounts.clear();
        UsedItemIds.clear();
    }
    void TearDown() override { SetUp(); }
};

std::map<std::string, TaggedValueEntry> Columns(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    std::map<std::string, TaggedValueEntry> columns;
    for (const auto& [name, text] : rows)
        columns.emplace(name, TaggedValueEntry(name, text, 2));
    return columns;
}

TEST_F(SequenceAndBins, SequenceCommentColumns)
{
    struct Case {
        const char* label;
        std::map<std::string, TaggedValueEntry> columns;
        const char* comment1;
        const char* comment2;
        const char* comment3;
        const char* comment4;
    };
    // Columns are taken in name order.
    const Case cases[] = {
        {"comments and two others", Columns({{"Comments", "c"}, {"A", "a"}, {"B", "b"}}), "[Comments] c",
         "[A] a", "[B] b", ""},
        {"further columns share the fourth",
         Columns({{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}, {"E", "e"}}), "", "[A] a", "[B] b",
         "[C] c, [D] d, [E] e"},
        {"an empty value keeps the comment free", Columns({{"A", ""}, {"B", "b"}, {"C", "c"}}), "", "[B] b",
         "[C] c", ""},
        {"the comments column is case-sensitive", Columns({{"comments", "x"}}), "", "[comments] x", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FCPSequenceTag sequence(OutputMediaSettings);
        sequence.AddSequenceAafComments(c.columns);
        EXPECT_EQ(sequence.comments.mastercomment1, c.comment1);
        EXPECT_EQ(sequence.comments.mastercomment2, c.comment2);
        EXPECT_EQ(sequence.comments.mastercomment3, c.comment3);
        EXPECT_EQ(sequence.comments.mastercomment4, c.comment4);
    }
    FCPSequenceTag twice(OutputMediaSettings);
    twice.AddSequenceAafComments(Columns({{"Comments", "one"}}));
    twice.AddSequenceAafComments(Columns({{"Comments", "two"}}));
    EXPECT_EQ(twice.comments.mastercomment1, "[Comments] one, [Comments] two");
}

TEST_F(SequenceAndBins, SequenceFromSettings)
{
    const MediaSettings saved = OutputMediaSettings;
    OutputMediaSettings.timecode = Timecode(90000, 0, 25, 25000, 1000);
    FCPSequenceTag sequence(OutputMediaSettings);
    OutputMediaSettings = saved;
    EXPECT_EQ(sequence.kind, ItemKindSequence);
    EXPECT_EQ(sequence.mediaType, 0);
    EXPECT_EQ(sequence.updatebehavior, "add");
    EXPECT_EQ(sequence.duration, -1);
    EXPECT_EQ(sequence.rate.timebase, 25);
    EXPECT_EQ(sequence.timecode.frame, 90000);
    EXPECT_EQ(sequence.timecode.displayformat, "NDF");
    EXPECT_EQ(sequence.timecode.rate.timebase, 25);
    EXPECT_FALSE(sequence.timecode.rate.ntsc);
    ASSERT_EQ(sequence.video.size(), 1u);
    ASSERT_EQ(sequence.audio.size(), 1u);
    EXPECT_TRUE(sequence.video[0].tracks.empty());
    EXPECT_EQ(sequence.video[0].formats.size(), 1u);
}

BinInfo BinWith(const std::string& name, const ChildrenInfo& children) { return BinInfo(name, children); }

TEST_F(SequenceAndBins, ChildrenAreWrittenBinsSequencesClips)
{
    ChildrenInfo children;
    FCPClipTag clip;
    clip.name = "Clip";
    clip.SetUniqueId("Clip");
    children.clips.push_back(clip);
    FCPSequenceTag sequence(OutputMediaSettings);
    sequence.name = "Edit";
    sequence.AssignIdFromTagName();
    children.sequences.push_back(sequence);
    children.bins.push_back(BinWith("Inner", ChildrenInfo()));
    BinInfo bin("Outer", children);

    const std::string text = Capture([&] { bin.WriteBin(); });
    const size_t inner = text.find("<name>Inner</name>");
    const size_t edit = text.find("<sequence id=\"Edit\">");
    const size_t clipAt = text.find("<clip id=\"Clip\">");
    ASSERT_NE(inner, std::string::npos);
    ASSERT_NE(edit, std::string::npos);
    ASSERT_NE(clipAt, std::string::npos);
    EXPECT_LT(inner, edit);
    EXPECT_LT(edit, clipAt);
    EXPECT_EQ(text.rfind(Lines({"<bin>", "><updatebehavior>add</updatebehavior>", "><name>Outer</name>",
                                "><children>", ">><bin>", ">>><updatebehavior>add</updatebehavior>",
                                ">>><name>Inner</name>", ">>><children>", ">>></children>", ">></bin>"}),
                        0),
              0u);
    EXPECT_VALID_XMEML(text);
}

TEST_F(SequenceAndBins, BinCopiesOwnTheirChildren)
{
    ChildrenInfo children;
    children.bins.push_back(BinWith("Media", ChildrenInfo()));
    auto original = std::make_unique<BinInfo>("AAF Import", children);
    BinInfo copy(*original);
    BinInfo assigned("other", ChildrenInfo());
    assigned = *original;
    original->children->bins.clear();
    original.reset();
    ASSERT_TRUE(copy.children);
    ASSERT_EQ(copy.children->bins.size(), 1u);
    EXPECT_EQ(copy.children->bins[0].name, "Media");
    ASSERT_EQ(assigned.children->bins.size(), 1u);

    // Assigning a bin from inside its own children, and to itself.
    assigned = assigned.children->bins[0];
    EXPECT_EQ(assigned.name, "Media");
    ASSERT_TRUE(assigned.children);
    EXPECT_TRUE(assigned.children->bins.empty());
    const BinInfo& self = assigned;
    assigned = self;
    EXPECT_EQ(assigned.name, "Media");

    // A bin without children writes none and copies as such.
    BinInfo bare("Bare", ChildrenInfo());
    bare.children.reset();
    const BinInfo bareCopy(bare);
    EXPECT_FALSE(bareCopy.children);
    BinInfo target = bareCopy;
    EXPECT_EQ(Capture([&] { target.WriteBin(); }),
              Lines({"<bin>", "><updatebehavior>add</updatebehavior>", "><name>Bare</name>", "</bin>"}));
}

TEST_F(SequenceAndBins, SequenceWritesLabelsAndCommentsButNoLogging)
{
    FCPSequenceTag sequence(OutputMediaSettings);
    sequence.name = "Edit";
    sequence.AssignIdFromTagName();
    sequence.duration = 100;
    sequence.in = 0;
    sequence.out = 100;
    sequence.logginginfo.scene = "1";
    const std::string text = Capture([&] { sequence.WriteSequence(); });
    EXPECT_EQ(text.find("logginginfo"), std::string::npos);
    EXPECT_NE(text.find(Lines({"><labels>", ">><label2/>", "></labels>", "><comments>"})), std::string::npos);
    EXPECT_EQ(text.rfind(Lines({"<sequence id=\"Edit\">", "><updatebehavior>add</updatebehavior>",
                                "><name>Edit</name>", "><duration>100</duration>"}),
                         0),
              0u);
    EXPECT_VALID_XMEML(text);
}

}  // namespace
