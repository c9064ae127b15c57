#include "records/ValueBase.h"

#include <memory>

#include <gtest/gtest.h>

#include "fcpxml/CommentText.h"
#include "records/ParameterRecord.h"

namespace {

using Owned = std::unique_ptr<ValueBase>;

Owned Clone(const ValueBase* source)
{
    ValueBase* copy = nullptr;
    CloneValue(&copy, &source);
    return Owned(copy);
}

class ForeignValue : public ValueBase {};

}  // namespace

TEST(ValueBase, CloneValueCopiesEveryClassDeeply)
{
    EXPECT_EQ(dynamic_cast<IntValue&>(*Clone(Owned(new IntValue(7)).get())).value, 7);
    auto ratio = Clone(Owned(new RatioValue(3, 2)).get());
    EXPECT_EQ(dynamic_cast<RatioValue&>(*ratio).numerator, 3);
    EXPECT_EQ(dynamic_cast<RatioValue&>(*ratio).denominator, 2);
    EXPECT_EQ(dynamic_cast<BoolValue&>(*Clone(Owned(new BoolValue(1)).get())).value, 1);
    EXPECT_EQ(dynamic_cast<StringValue&>(*Clone(Owned(new StringValue("x")).get())).text, "x");

    auto array = Clone(Owned(new ArrayValue({"a", "."}, {"61 ", "00 "}, 2)).get());
    EXPECT_EQ(dynamic_cast<ArrayValue&>(*array).hexBytes[1], "00 ");
    EXPECT_EQ(dynamic_cast<ArrayValue&>(*array).byteCount, 2);

    // Nested values are new objects, not shared pointers.
    TaggedValueEntry entry("Scene", "12", 3);
    TaggedValue tagged(entry);
    auto taggedCopy = Clone(&tagged);
    const auto& copiedEntry = dynamic_cast<TaggedValue&>(*taggedCopy).entry;
    EXPECT_EQ(copiedEntry.name, "Scene");
    EXPECT_EQ(copiedEntry.typeCategory, 3);
    EXPECT_NE(copiedEntry.value, tagged.entry.value);
    EXPECT_EQ(dynamic_cast<StringValue&>(*copiedEntry.value).text, "12");

    TaggedValueVector vector({entry, TaggedValueEntry()});
    auto vectorCopy = Clone(&vector);
    EXPECT_EQ(dynamic_cast<TaggedValueVector&>(*vectorCopy).entries.size(), 2u);
    EXPECT_EQ(dynamic_cast<TaggedValueVector&>(*vectorCopy).entries[1].value, nullptr);

    IntValue inner(5);
    ParamRefValue ref(Auid{1, 2, 3, {4}}, &inner);
    auto refCopy = Clone(&ref);
    auto& copiedRef = dynamic_cast<ParamRefValue&>(*refCopy);
    EXPECT_EQ(copiedRef.parameterDefinition, ref.parameterDefinition);
    ASSERT_NE(copiedRef.value, nullptr);
    EXPECT_NE(copiedRef.value, ref.value);
    EXPECT_EQ(dynamic_cast<IntValue&>(*copiedRef.value).value, 5);
}

TEST(ValueBase, CloneValueLeavesTheDestinationForNullOrForeignSources)
{
    IntValue kept(1);
    ValueBase* destination = &kept;
    const ValueBase* none = nullptr;
    EXPECT_EQ(CloneValue(&destination, &none), &destination);
    EXPECT_EQ(destination, &kept);
    ForeignValue foreign;
    const ValueBase* source = &foreign;
    CloneValue(&destination, &source);
    EXPECT_EQ(destination, &kept);
}

TEST(ValueBase, OwnersCopyAssignAndSelfAssignIndependently)
{
    TaggedValueEntry a("A", "one", 1);
    TaggedValueEntry b = a;
    dynamic_cast<StringValue&>(*b.value).text = "changed";
    EXPECT_EQ(dynamic_cast<StringValue&>(*a.value).text, "one");
    TaggedValueEntry& selfEntry = b;  // through a reference: a self-assignment on purpose
    b = selfEntry;
    a = TaggedValueEntry();
    EXPECT_EQ(a.value, nullptr);
    EXPECT_EQ(dynamic_cast<StringValue&>(*b.value).text, "changed");

    ParameterRecord record;
    record.constantValues.push_back(new IntValue(3));
    record.controlPoints.emplace_back();
    record.controlPoints[0].value = new RatioValue(1, 2);
    record.mapping.fcp.name = "opacity";
    ParameterRecord copy(record);
    ParameterRecord assigned;
    assigned.constantValues.push_back(new BoolValue(1));
    assigned = record;
    ParameterRecord& self = assigned;  // through a reference: a self-assignment on purpose
    assigned = self;
    for (const ParameterRecord* r : {&copy, &assigned}) {
        ASSERT_EQ(r->constantValues.size(), 1u);
        EXPECT_NE(r->constantValues[0], record.constantValues[0]);
        EXPECT_EQ(dynamic_cast<IntValue&>(*r->constantValues[0]).value, 3);
        ASSERT_EQ(r->controlPoints.size(), 1u);
        EXPECT_NE(r->controlPoints[0].value, record.controlPoints[0].value);
        EXPECT_EQ(r->controlPoints[0].handleFlag, -1);
        EXPECT_EQ(r->mapping.fcp.name, "opacity");
    }
    ParameterRecord moved(std::move(copy));
    EXPECT_TRUE(copy.constantValues.empty());
    assigned = std::move(moved);
    EXPECT_EQ(dynamic_cast<IntValue&>(*assigned.constantValues.at(0)).value, 3);
}

TEST(CommentText, FormatsOnlyWithNameAndText)
{
    const struct {
        const char* name;
        const char* text;
        const char* expected;
    } cases[] = {
        {"Scene", "12", "[Scene] 12"}, {"", "12", ""}, {"Scene", "", ""}, {"", "", ""},
    };
    for (const auto& c : cases) {
        CommentText comment(c.name);
        comment.text = c.text;
        EXPECT_EQ(comment.Format(), c.expected) << c.name << "/" << c.text;
    }
}

TEST(CommentText, TaggedValueTextByValueClass)
{
    const struct {
        ValueBase* value;
        const char* expected;
    } cases[] = {
        {new StringValue("text"), "text"}, {new IntValue(-4), "-4"},
        {new RatioValue(3, 2), "1.5"},     {new RatioValue(3, 0), "0"},
        {new BoolValue(1), "TRUE"},        {new BoolValue(0), "FALSE"},
        {new TaggedValueVector(), ""},     {nullptr, ""},
    };
    for (const auto& c : cases) {
        TaggedValueEntry entry;
        entry.name = "Col";
        entry.value = c.value;  // owned by the entry from here on
        CommentText comment;
        comment.text = "stale";
        TaggedValueToCommentText(entry, comment);
        EXPECT_EQ(comment.name, "Col");
        EXPECT_EQ(comment.text, c.expected);
    }
}
