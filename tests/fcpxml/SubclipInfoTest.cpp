#include "fcpxml/SubclipInfo.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(SubclipInfo, WriteSubclipInfoGolden)
{
    const struct {
        SubclipInfo info;
        std::string expected;
    } cases[] = {
        {{10, 20, 70},
         Lines({"<subclipinfo>", "\t<startoffset>10</startoffset>", "\t<endoffset>20</endoffset>",
                "</subclipinfo>"})},
        {{0, -5, 1},
         Lines({"<subclipinfo>", "\t<startoffset>0</startoffset>", "\t<endoffset>-5</endoffset>",
                "</subclipinfo>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteSubclipInfo(c.info); }), c.expected);
}
