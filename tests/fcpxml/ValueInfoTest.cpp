#include "fcpxml/ValueInfo.h"

#include <functional>

#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/ItemTagBase.h"
#include "fcpxml/XmlWriter.h"
#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

// Stand-ins for the two nested classes, each installed in its hook for the test's lifetime.
struct TestClip : ItemTagBase {
    explicit TestClip(std::string n) : ItemTagBase(n) {}
    std::vector<std::string> payload = std::vector<std::string>(8, "heap");
};
struct TestSequence : ItemTagBase {
    explicit TestSequence(std::string n) : ItemTagBase(n) {}
};
struct OtherItem : ItemTagBase {};

template <typename T>
NestedItemHooks HooksFor(const char* element)
{
    static const char* name = element;
    return {[](const ItemTagBase& item) -> ItemTagBase* {
                auto p = dynamic_cast<const T*>(&item);
                return p ? new T(*p) : nullptr;
            },
            [](const ItemTagBase& item) {
                if (!dynamic_cast<const T*>(&item))
                    return false;
                WriteXmlTextElement(name, item.name);
                return true;
            }};
}

class ValueInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedClip_ = NestedClipHooks;
        savedSequence_ = NestedSequenceHooks;
        NestedClipHooks = HooksFor<TestClip>("clip");
        NestedSequenceHooks = HooksFor<TestSequence>("sequence");
    }
    void TearDown() override
    {
        NestedClipHooks = savedClip_;
        NestedSequenceHooks = savedSequence_;
    }

private:
    NestedItemHooks savedClip_;
    NestedItemHooks savedSequence_;
};

TimecodeInfo MakeTimecode(int frame, const char* reel, const char* text = "")
{
    TimecodeInfo tc;
    tc.frame = frame;
    tc.reelname = reel;
    tc.text = text;
    tc.rate.ntsc = false;
    tc.rate.timebase = 25;
    return tc;
}

}  // namespace

TEST_F(ValueInfoTest, WriteValueGolden)
{
    const struct {
        const char* label;
        std::function<ValueInfo()> make;
        std::string expected;
    } cases[] = {
        {"escaped text", [] { return ValueInfo("a<b"); }, Lines({"<value>a&lt;b</value>"})},
        {"raw text",
         [] {
             ValueInfo v("a<b");
             v.raw = true;
             return v;
         },
         Lines({"<value>a<b</value>"})},
        {"text wins over colours",
         [] {
             ValueInfo v("x");
             v.colors.push_back({255, 1, 2, 3});
             return v;
         },
         Lines({"<value>x</value>"})},
        {"default: empty container", [] { return ValueInfo(); }, Lines({"<value>", "</value>"})},
        {"timecode at frame 0 without reel is skipped",
         [] {
             ValueInfo v;
             v.timecodes.push_back(MakeTimecode(0, ""));
             return v;
         },
         Lines({"<value>", "</value>"})},
        {"colour, point, timecode without frame, nested item, in that order",
         [] {
             ValueInfo v;
             v.ReplaceNested(new TestSequence("Seq"));
             v.timecodes.push_back(MakeTimecode(-1, "", "00:00:00:00"));
             v.points.push_back({0.5f, -1.0f});
             v.colors.push_back({0, 255, 127, 0});
             return v;
         },
         Lines({"<value>", "\t<alpha>0</alpha>", "\t<red>255</red>", "\t<green>127</green>",
                "\t<blue>0</blue>", "\t<horiz>0.5</horiz>", "\t<vert>-1</vert>", "\t<timecode>",
                "\t\t<rate>", "\t\t\t<ntsc>FALSE</ntsc>", "\t\t\t<timebase>25</timebase>",
                "\t\t</rate>", "\t\t<string>00:00:00:00</string>", "\t</timecode>",
                "\t<sequence>Seq</sequence>", "</value>"})},
        {"an item of another class writes nothing",
         [] {
             ValueInfo v;
             v.nested = new OtherItem;
             return v;
         },
         Lines({"<value>", "</value>"})},
    };
    for (const auto& c : cases) {
        const ValueInfo value = c.make();
        EXPECT_EQ(Capture([&] { WriteValue(value); }), c.expected) << c.label;
    }
}

TEST_F(ValueInfoTest, IsSet)
{
    EXPECT_FALSE(ValueInfo().IsSet());
    EXPECT_FALSE(ValueInfo("").IsSet());
    EXPECT_TRUE(ValueInfo("0").IsSet());
    ValueInfo withTimecode;
    withTimecode.timecodes.emplace_back();
    EXPECT_TRUE(withTimecode.IsSet());
    ValueInfo withNested;
    withNested.ReplaceNested(new TestClip("c"));
    EXPECT_TRUE(withNested.IsSet());
}

TEST_F(ValueInfoTest, NestedItemsCopyDeeplyAndReleaseOnAssignment)
{
    ValueInfo first;
    first.ReplaceNested(new TestSequence("Seq"));
    {
        ValueInfo copy(first);
        ASSERT_NE(copy.nested, nullptr);
        EXPECT_NE(copy.nested, first.nested);
        copy.nested->name = "changed";
    }  // the copy and its sequence are gone
    EXPECT_EQ(first.nested->name, "Seq");

    ValueInfo target;
    target.ReplaceNested(new TestClip("Old"));
    target = first;
    ASSERT_NE(dynamic_cast<TestSequence*>(target.nested), nullptr);
    EXPECT_NE(target.nested, first.nested);

    ValueInfo& self = target;
    target = self;  // self-assignment keeps the item
    ASSERT_NE(target.nested, nullptr);
    EXPECT_EQ(target.nested->name, "Seq");

    target = ValueInfo("text");  // a source without a nested item releases the old one
    EXPECT_EQ(target.nested, nullptr);
    EXPECT_EQ(target.text, "text");

    ValueInfo foreign;
    foreign.nested = new OtherItem;
    const ValueInfo foreignCopy(foreign);
    EXPECT_EQ(foreignCopy.nested, nullptr);  // only clips and sequences are copied

    ValueInfo twice;
    twice.ReplaceNested(new TestClip("A"));
    twice.ReplaceNested(new TestClip("B"));
    EXPECT_EQ(twice.nested->name, "B");

    ValueInfo moved(std::move(twice));  // a move hands the item over
    EXPECT_EQ(twice.nested, nullptr);
    EXPECT_EQ(moved.nested->name, "B");
    moved = std::move(target);
    EXPECT_EQ(moved.nested, nullptr);

    std::vector<ValueInfo> many(3, first);  // copies inside containers stay independent
    many.erase(many.begin());
    EXPECT_EQ(many[1].nested->name, "Seq");
}

TEST(ValueInfo, WithoutHooksCopiesCarryNoNestedItem)
{
    const NestedItemHooks saved = NestedClipHooks;
    NestedClipHooks = {};
    ValueInfo v;
    v.ReplaceNested(new TestClip("c"));
    const ValueInfo copy(v);
    EXPECT_EQ(copy.nested, nullptr);
    EXPECT_EQ(Capture([&] { WriteValue(v); }), Lines({"<value>", "</value>"}));
    NestedClipHooks = saved;
}

TEST(ValueInfo, OwnsRealClipsAndSequences)
{
    ValueInfo value;
    FCPClipTag first;
    first.name = "First";
    FCPClipTag second;
    second.name = "Second";
    value.SetNestedClip(first);
    value.SetNestedClip(second);  // the first copy is released
    ASSERT_NE(dynamic_cast<FCPClipTag*>(value.nested), nullptr);
    EXPECT_EQ(value.nested->name, "Second");

    ValueInfo withSequence;
    withSequence.ReplaceNested(new FCPSequenceTag(OutputMediaSettings));
    withSequence.nested->name = "Seq";
    {
        const ValueInfo copy(withSequence);
        ASSERT_NE(dynamic_cast<FCPSequenceTag*>(copy.nested), nullptr);
        EXPECT_NE(copy.nested, withSequence.nested);
        value = copy;
    }
    ASSERT_NE(dynamic_cast<FCPSequenceTag*>(value.nested), nullptr);
    EXPECT_EQ(value.nested->name, "Seq");
    EXPECT_EQ(withSequence.nested->name, "Seq");
    value = ValueInfo();
    EXPECT_EQ(value.nested, nullptr);
}
