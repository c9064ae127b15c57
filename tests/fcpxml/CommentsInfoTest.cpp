#include "fcpxml/CommentsInfo.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(CommentsInfo, WriteCommentsGolden)
{
    CommentsInfo some;
    some.mastercomment2 = "two";
    some.clipcommentb = std::string("b<");
    CommentsInfo all{"1", "2", "3", "4", "a", "b"};
    const struct {
        const char* label;
        CommentsInfo comments;
        std::string expected;
    } cases[] = {
        {"empty: master comments as empty elements, clip comments left out", CommentsInfo(),
         Lines({"<comments>", "\t<mastercomment1/>", "\t<mastercomment2/>", "\t<mastercomment3/>",
                "\t<mastercomment4/>", "</comments>"})},
        {"some set", some,
         Lines({"<comments>", "\t<mastercomment1/>", "\t<mastercomment2>two</mastercomment2>",
                "\t<mastercomment3/>", "\t<mastercomment4/>", "\t<clipcommentb>b&lt;</clipcommentb>",
                "</comments>"})},
        {"all set", all,
         Lines({"<comments>", "\t<mastercomment1>1</mastercomment1>",
                "\t<mastercomment2>2</mastercomment2>", "\t<mastercomment3>3</mastercomment3>",
                "\t<mastercomment4>4</mastercomment4>", "\t<clipcommenta>a</clipcommenta>",
                "\t<clipcommentb>b</clipcommentb>", "</comments>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteComments(c.comments); }), c.expected) << c.label;
}

TEST(CommentsInfo, AppendCommaJoined)
{
    std::string field;
    EXPECT_EQ(AppendCommaJoined("first", field), "first");
    EXPECT_EQ(AppendCommaJoined("second", field), "first, second");
    EXPECT_EQ(field, "first, second");
}
