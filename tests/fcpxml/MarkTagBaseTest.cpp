#include "fcpxml/MarkTagBase.h"

#include <gtest/gtest.h>

#include "config/ImportPreferences.h"
#include "fcpxml/MarkerColorTables.h"
#include "records/ValueBase.h"

namespace {

class MarkTagBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = ImportPrefs.markMissingEffects;
        ImportPrefs.markMissingEffects = true;
        BuildMarkerColorTables();
    }
    void TearDown() override
    {
        ImportPrefs.markMissingEffects = saved_;
        LabelColorTable.clear();
        AvidMarkerColorTable.clear();
        AvidToFcpColorNames.clear();
    }

private:
    bool saved_ = false;
};

MarkTagBase WithMarkersAt(std::initializer_list<int> frames)
{
    MarkTagBase tag;
    for (int f : frames)
        tag.markers.emplace_back(f, "m", "");
    return tag;
}

}  // namespace

TEST_F(MarkTagBaseTest, MissingEffectsMarkerTakesTheFirstFreeFrame)
{
    const struct {
        const char* label;
        std::initializer_list<int> existing;
        int frame;
        int duration;
        int expectedIn;  // -1: no marker added
    } cases[] = {
        {"free frame", {}, 7, 10, 7},
        {"taken: first free from 1", {5, 1, 2}, 5, 10, 3},
        {"every frame taken", {4, 1, 2, 3}, 4, 5, -1},
        {"duration 1", {0}, 0, 1, -1},
        {"frame -1 adds nothing", {}, -1, 10, -1},
    };
    for (const auto& c : cases) {
        MarkTagBase tag = WithMarkersAt(c.existing);
        const std::size_t before = tag.markers.size();
        tag.AddMissingEffectsMarker(c.frame, c.duration, "Blur, Glow");
        if (c.expectedIn == -1) {
            EXPECT_EQ(tag.markers.size(), before) << c.label;
            continue;
        }
        ASSERT_EQ(tag.markers.size(), before + 1) << c.label;
        const MarkerInfo& added = tag.markers.back();
        EXPECT_EQ(added.in, c.expectedIn) << c.label;
        EXPECT_EQ(added.out, -1);
        EXPECT_EQ(added.name, "Missing Effects");
        EXPECT_EQ(added.comment, "Blur, Glow");
        ASSERT_EQ(added.colors.size(), 1u);
        EXPECT_EQ(added.colors[0].red, 127);  // Purple, alpha 0
        EXPECT_EQ(added.colors[0].alpha, 0);
    }
}

TEST_F(MarkTagBaseTest, MissingEffectsMarkerNeedsThePreferenceAndAText)
{
    MarkTagBase tag;
    tag.AddMissingEffectsMarker(3, 10, "");
    ImportPrefs.markMissingEffects = false;
    tag.AddMissingEffectsMarker(3, 10, "Blur");
    EXPECT_TRUE(tag.markers.empty());
}

TEST_F(MarkTagBaseTest, AafCommentColumnsGoToTheirFields)
{
    auto column = [](const char* name, ValueBase* value) {
        TaggedValueEntry entry;
        entry.name = name;
        entry.value = value;
        return std::pair<const std::string, TaggedValueEntry>(name, entry);
    };
    const std::map<std::string, TaggedValueEntry> first = {
        column("Comments", new StringValue("one")), column("Scene", new IntValue(12)),
        column("TapeID", new StringValue("T1")),    column("Soundroll", new StringValue("S")),
        column("Shoot Date", new StringValue("D")), column("Take", new StringValue("3")),
        column("scene", new StringValue("ignored")), column("Empty", new StringValue("")),
    };
    const std::map<std::string, TaggedValueEntry> second = {
        column("Comments", new StringValue("two")), column("Scene", new StringValue("")),
        column("TapeID", new StringValue("T2")),
    };
    MarkTagBase tag;
    tag.AddAafCommentColumns(first);
    EXPECT_EQ(tag.logginginfo.scene, "[Scene] 12");
    tag.AddAafCommentColumns(second);
    EXPECT_EQ(tag.comments.mastercomment1, "[Comments] one, [Comments] two");
    EXPECT_EQ(tag.logginginfo.description, "[TapeID] T1, [TapeID] T2");
    EXPECT_EQ(tag.logginginfo.lognote, "[Soundroll] S");
    EXPECT_EQ(tag.logginginfo.scene, "");  // replaced by the empty formatted text
    EXPECT_EQ(tag.logginginfo.shottake, "[Shoot Date] D");
    EXPECT_EQ(tag.logginginfo.take, "[Take] 3");
}

TEST_F(MarkTagBaseTest, CopyMarksAndMasterComments)
{
    MarkTagBase source = WithMarkersAt({4});
    source.labels.label = std::string(1, 'L');
    source.logginginfo.take = std::string(1, 'T');
    source.AppendMasterComments("a", "", "c", "d");
    source.AppendMasterComments("a2", "b2", "", "");
    EXPECT_EQ(source.comments.mastercomment1, "a, a2");
    EXPECT_EQ(source.comments.mastercomment2, "b2");
    EXPECT_EQ(source.comments.mastercomment3, "c, ");
    MarkTagBase target;
    target.CopyMarks(source);
    EXPECT_TRUE(target.HasMarkerAt(4));
    EXPECT_FALSE(target.HasMarkerAt(5));
    EXPECT_EQ(target.labels.label, "L");
    EXPECT_EQ(target.logginginfo.take, "T");
    EXPECT_EQ(target.comments.mastercomment4, "d, ");
}
