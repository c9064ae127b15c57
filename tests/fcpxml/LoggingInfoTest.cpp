#include "fcpxml/LoggingInfo.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(LoggingInfo, WriteLoggingInfoGolden)
{
    const struct {
        const char* label;
        LoggingInfo info;
        std::string expected;
    } cases[] = {
        {"empty", LoggingInfo(),
         Lines({"<logginginfo>", "\t<description/>", "\t<scene/>", "\t<shottake/>", "\t<lognote/>",
                "\t<good>FALSE</good>", "</logginginfo>"})},
        {"every field set; take is not written, good stays FALSE",
         {"desc", "note", "[Scene] 12", "shot", "take 3"},
         Lines({"<logginginfo>", "\t<description>desc</description>", "\t<scene>[Scene] 12</scene>",
                "\t<shottake>shot</shottake>", "\t<lognote>note</lognote>", "\t<good>FALSE</good>",
                "</logginginfo>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteLoggingInfo(c.info); }), c.expected) << c.label;
}
