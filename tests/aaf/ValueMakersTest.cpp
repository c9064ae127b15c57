#include "aaf/ValueMakers.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

using Owned = std::unique_ptr<ValueBase>;

template <class T>
const T& As(const Owned& v)
{
    auto p = dynamic_cast<const T*>(v.get());
    EXPECT_NE(p, nullptr);
    static const T empty{};
    return p ? *p : empty;
}

TEST(ValueMakers, EachMakesItsClassWithItsFields)
{
    ValueBase* slot = nullptr;
    MakeIntValue(-7, &slot);
    EXPECT_EQ(As<IntValue>(Owned(slot)).value, -7);
    MakeRatioValue(&slot, 30000, 1001);
    {
        Owned r(slot);
        EXPECT_EQ(As<RatioValue>(r).numerator, 30000);
        EXPECT_EQ(As<RatioValue>(r).denominator, 1001);
    }
    MakeBoolValue(&slot, true);
    EXPECT_EQ(As<BoolValue>(Owned(slot)).value, 1);
    MakeBoolValue(&slot, false);
    EXPECT_EQ(As<BoolValue>(Owned(slot)).value, 0);
    MakeStringValue(&slot, "Grüße");
    EXPECT_EQ(As<StringValue>(Owned(slot)).text, "Grüße");
    MakeArrayValue({"41 ", "00 "}, &slot, {"A", "."}, 2);
    {
        Owned a(slot);
        EXPECT_EQ(As<ArrayValue>(a).hexBytes, (std::vector<std::string>{"41 ", "00 "}));
        EXPECT_EQ(As<ArrayValue>(a).charBytes, (std::vector<std::string>{"A", "."}));
        EXPECT_EQ(As<ArrayValue>(a).byteCount, 2);
    }
}

TEST(ValueMakers, TaggedAndParameterValuesCopyDeeply)
{
    TaggedValueEntry entry("_COMMENT", "take 2", 7);
    ValueBase* slot = nullptr;
    MakeTaggedValue(&slot, entry);
    Owned tagged(slot);
    const auto& t = As<TaggedValue>(tagged);
    EXPECT_EQ(t.entry.name, "_COMMENT");
    EXPECT_EQ(t.entry.typeCategory, 7);
    ASSERT_NE(t.entry.value, nullptr);
    EXPECT_NE(t.entry.value, entry.value);

    MakeTaggedValueVector({entry, TaggedValueEntry("b", "", -1)}, &slot);
    Owned vector(slot);
    ASSERT_EQ(As<TaggedValueVector>(vector).entries.size(), 2u);
    EXPECT_NE(As<TaggedValueVector>(vector).entries[0].value, entry.value);

    const Auid definition{0x8D56830E, 0x847E, 0x11D5, {0x93, 0x5A, 0x50, 0xF8, 0x57, 0xC1, 0x00, 0x00}};
    const RatioValue half(1, 2);
    MakeParamRefValue(&slot, definition, &half);
    Owned reference(slot);
    const auto& p = As<ParamRefValue>(reference);
    EXPECT_EQ(p.parameterDefinition, definition);
    ASSERT_NE(p.value, nullptr);
    EXPECT_NE(p.value, static_cast<const ValueBase*>(&half));
    EXPECT_EQ(dynamic_cast<const RatioValue&>(*p.value).denominator, 2);
}

TEST(ValueMakers, HasValueByClass)
{
    const IntValue zero(0);
    const StringValue emptyText("");
    const ArrayValue noBytes;
    const ArrayValue oneChar({"A"}, {}, 1);
    const ArrayValue oneHex({}, {"41 "}, 1);
    const TaggedValueVector noEntries;
    const ParamRefValue noParameter;
    const struct {
        const ValueBase* value;
        bool has;
    } cases[] = {
        {nullptr, false}, {&zero, true},    {&emptyText, true},  {&noBytes, false},
        {&oneChar, true}, {&oneHex, true},  {&noEntries, true},  {&noParameter, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasValue(c.value), c.has) << &c - cases;
}

TEST(ValueMakers, FloatAndFlooredIntOfRatiosAndIntegers)
{
    const struct {
        Owned value;
        float asFloat;
        int floored;
    } cases[] = {
        {Owned(new RatioValue(0, 5)), 0.0f, 0},
        {Owned(new RatioValue(5, 0)), 0.0f, 0},
        {Owned(new RatioValue(1, 3)), 1.0f / 3.0f, 0},
        {Owned(new RatioValue(-1, 2)), -0.5f, -1},
        {Owned(new RatioValue(7, 2)), 3.5f, 3},
        {Owned(new IntValue(-4)), -4.0f, -4},
        {Owned(new BoolValue(1)), 0.0f, 0},
        {Owned(new StringValue("2")), 0.0f, 0},
        {Owned(), 0.0f, 0},
        // Beyond int's range the floor saturates instead of overflowing.
        {Owned(new RatioValue(2147483647, 1)), 2147483647.0f, 2147483647},
        {Owned(new IntValue(-2147483647 - 1)), -2147483648.0f, -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_FLOAT_EQ(ValueAsFloat(c.value.get()), c.asFloat);
        EXPECT_EQ(ValueAsFlooredInt(c.value.get()), c.floored);
    }
}

TEST(ValueMakers, ArrayAssignCopiesBothListsAndTheCount)
{
    ArrayValue target({"x"}, {"78 "}, 1);
    target.Assign(ArrayValue({"A", "B"}, {"41 ", "42 "}, 2));
    EXPECT_EQ(target.charBytes, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(target.hexBytes, (std::vector<std::string>{"41 ", "42 "}));
    EXPECT_EQ(target.byteCount, 2);
}

}  // namespace
