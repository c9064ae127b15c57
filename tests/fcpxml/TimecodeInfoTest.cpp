#include "fcpxml/TimecodeInfo.h"

#include <functional>

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

Timecode DropFrame(int64_t frame, int type)
{
    Timecode tc(frame, 1, 30, 2997, 100);
    tc.type = type;
    tc.reelName = "Reel 1";
    return tc;
}

}  // namespace

TEST(TimecodeInfo, SetFromTimecode)
{
    const struct {
        int type;
        const char* source;
    } cases[] = {{1, "source"}, {3, "aux1"}, {4, "aux2"}, {2, "kept"}};
    for (const auto& c : cases) {
        TimecodeInfo info;
        info.source = "kept";
        info.SetFromTimecode(DropFrame(1800, c.type));
        EXPECT_EQ(info.source, c.source) << c.type;
        EXPECT_EQ(info.displayformat, "DF");
        EXPECT_TRUE(info.rate.ntsc);
        EXPECT_EQ(info.rate.timebase, 30);
        EXPECT_EQ(info.frame, 1800);
        EXPECT_EQ(info.text, "00;01;00;02");
        EXPECT_EQ(info.reelname, "Reel 1");
        EXPECT_EQ(info.value.type, c.type);
    }
    TimecodeInfo nonDrop;
    nonDrop.SetFromTimecode(Timecode(90000, 0, 25, 25, 1));
    EXPECT_EQ(nonDrop.displayformat, "NDF");
    EXPECT_FALSE(nonDrop.rate.ntsc);
}

TEST(TimecodeInfo, WriteTimecodeGolden)
{
    auto base = [] {
        TimecodeInfo tc;
        tc.rate.ntsc = false;
        tc.rate.timebase = 25;
        return tc;
    };
    const struct {
        const char* label;
        std::function<TimecodeInfo()> make;
        std::string expected;
        const char* textAfter;
    } cases[] = {
        {"text computed from frame, format and timebase, and kept",
         [&] {
             TimecodeInfo tc = base();
             tc.frame = 90000;
             tc.displayformat = "NDF";
             tc.source = "source";
             tc.reelname = "A&B";
             return tc;
         },
         Lines({"<timecode>", "\t<rate>", "\t\t<ntsc>FALSE</ntsc>", "\t\t<timebase>25</timebase>",
                "\t</rate>", "\t<string>01.00.00.00</string>", "\t<frame>90000</frame>",
                "\t<source>source</source>", "\t<displayformat>NDF</displayformat>", "\t<reel>",
                "\t\t<name>A&amp;B</name>", "\t</reel>", "</timecode>"}),
         "01.00.00.00"},
        {"a stored text is written unchanged; frame -1 and empty reel left out",
         [&] {
             TimecodeInfo tc = base();
             tc.text = "stored";
             return tc;
         },
         Lines({"<timecode>", "\t<rate>", "\t\t<ntsc>FALSE</ntsc>", "\t\t<timebase>25</timebase>",
                "\t</rate>", "\t<string>stored</string>", "</timecode>"}),
         "stored"},
        {"drop frame computed only for exactly DF",
         [&] {
             TimecodeInfo tc = base();
             tc.rate.timebase = 30;
             tc.frame = 1800;
             tc.displayformat = "DF";
             return tc;
         },
         Lines({"<timecode>", "\t<rate>", "\t\t<ntsc>FALSE</ntsc>", "\t\t<timebase>30</timebase>",
                "\t</rate>", "\t<string>00;01;00;02</string>", "\t<frame>1800</frame>",
                "\t<displayformat>DF</displayformat>", "</timecode>"}),
         "00;01;00;02"},
    };
    for (const auto& c : cases) {
        TimecodeInfo tc = c.make();
        EXPECT_EQ(Capture([&] { WriteTimecode(tc); }), c.expected) << c.label;
        EXPECT_EQ(tc.text, c.textAfter) << c.label;
    }
}

TEST(TimecodeInfo, ComputeTextCountsAnythingButDfAsNonDrop)
{
    TimecodeInfo tc;
    tc.frame = 1800;
    tc.rate.timebase = 30;
    for (const char* format : {"NDF", "", "df"}) {
        tc.displayformat = format;
        EXPECT_EQ(tc.ComputeText(), "00:01:00:00") << format;
    }
}
