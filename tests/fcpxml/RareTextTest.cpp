#include "fcpxml/RareText.h"

#include <sstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "fcpxml/CommentsInfo.h"

namespace {

TEST(RareText, HoldsTextLikeAString)
{
    struct Case {
        const char* label;
        RareText text;
        std::string expected;
    };
    const Case cases[] = {
        {"default", RareText(), ""},
        {"from a literal", RareText("Scene 12"), "Scene 12"},
        {"from a string", RareText(std::string(40, 'x')), std::string(40, 'x')},
        {"from an empty string", RareText(std::string()), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.text.str(), c.expected);
        EXPECT_EQ(c.text, c.expected);
        EXPECT_EQ(c.text.empty(), c.expected.empty());
        EXPECT_EQ(c.text.size(), c.expected.size());
        EXPECT_STREQ(c.text.c_str(), c.expected.c_str());
        const std::string& read = c.text;
        EXPECT_EQ(read, c.expected);
        std::ostringstream out;
        out << c.text;
        EXPECT_EQ(out.str(), c.expected);
    }
}

TEST(RareText, CopiesAreIndependentAndAssignmentReplaces)
{
    RareText a("first");
    RareText b = a;
    b.edit() += " changed";
    EXPECT_EQ(a, "first");
    EXPECT_EQ(b, "first changed");
    a = b;
    EXPECT_EQ(a, b);
    a = "";
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(b, "first changed");
    a = std::string("again");
    EXPECT_EQ(a, "again");
    a = a.str();  // its own text
    EXPECT_EQ(a, "again");
    RareText moved = std::move(a);
    EXPECT_EQ(moved, "again");
    moved.clear();
    EXPECT_TRUE(moved.empty());
    RareText empty;
    EXPECT_EQ(empty.edit(), "");
    EXPECT_TRUE(empty.empty());
}

TEST(RareText, CommaJoiningMatchesTheStringForm)
{
    const char* steps[][2] = {{"", ""}, {"", "a"}, {"a", ""}, {"a", "b"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step[0]) + "|" + step[1]);
        std::string plain = step[0];
        RareText rare(step[0]);
        const std::string fromPlain = AppendCommaJoined(step[1], plain);
        const std::string fromRare = AppendCommaJoined(step[1], rare);
        EXPECT_EQ(fromRare, fromPlain);
        EXPECT_EQ(rare, plain);
    }
}

}  // namespace
