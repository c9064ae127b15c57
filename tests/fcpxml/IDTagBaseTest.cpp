#include "fcpxml/IDTagBase.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class IDTagBaseTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear()
    {
        UsedNameCounts.clear();
        UsedItemIds.clear();
    }
};

}  // namespace

TEST_F(IDTagBaseTest, IdsFollowTheRunWideSequences)
{
    const struct {
        const char* name;
        const char* id;
    } sequence[] = {
        {"Clip", "Clip"}, {"Clip", "Clip 1"}, {"Clip", "Clip 2"}, {"Clip 1", "Clip 1 1"},
        {"", ""},         {"", " 1"},         {"Nested", "Nested"}, {"Clip", "Clip 3"},
    };
    for (const auto& step : sequence) {
        IDTagBase tag;
        EXPECT_EQ(tag.SetUniqueId(step.name), step.id) << step.name;
        EXPECT_EQ(tag.id, step.id);
        EXPECT_TRUE(UsedItemIds.count(step.id));
    }
}

TEST_F(IDTagBaseTest, TestAndMarkId)
{
    IdRegistry registry;
    EXPECT_FALSE(IDTagBase::TestAndMarkId(registry, "a"));
    EXPECT_TRUE(IDTagBase::TestAndMarkId(registry, "a"));
    EXPECT_FALSE(IDTagBase::TestAndMarkId(registry, "b"));
}

TEST_F(IDTagBaseTest, OpenAndReferenceTagsCarryTheEscapedId)
{
    IDTagBase tag;
    tag.SetUniqueId("A&B");
    EXPECT_EQ(Capture([&] {
                  tag.WriteOpenTag("clipitem");
                  tag.WriteRefTag("file");
                  WriteXmlContainerClose("clipitem");
              }),
              Lines({"<clipitem id=\"A&amp;B\">", "\t<file id=\"A&amp;B\"/>", "</clipitem>"}));
}
