#include "fcpxml/KeyframeInfo.h"

#include <functional>

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(KeyframeInfo, WriteKeyframeGolden)
{
    const struct {
        const char* label;
        std::function<KeyframeInfo()> make;
        std::string expected;
    } cases[] = {
        {"default", [] { return KeyframeInfo(); },
         Lines({"<keyframe>", "\t<when>-1</when>", "</keyframe>"})},
        {"values, two in-handles, no out-handles",
         [] {
             KeyframeInfo k(12);
             k.values.emplace_back("0.5");
             k.inbez = {{1.5f, -2.0f}, {0.1f, 100.0f}};
             return k;
         },
         Lines({"<keyframe>", "\t<when>12</when>", "\t<value>0.5</value>", "\t<inbez>",
                "\t\t<horiz>1.5</horiz>", "\t\t<vert>-2</vert>", "\t\t<horiz>0.1</horiz>",
                "\t\t<vert>100</vert>", "\t</inbez>", "</keyframe>"})},
        {"every speed flag, in their order",
         [] {
             KeyframeInfo k(0);
             k.outbez = {{0, 0}};
             k.speedvirtualkf = k.speedkfin = k.speedkfout = k.speedkfstart = k.speedkfend = true;
             return k;
         },
         Lines({"<keyframe>", "\t<when>0</when>", "\t<outbez>", "\t\t<horiz>0</horiz>",
                "\t\t<vert>0</vert>", "\t</outbez>", "\t<speedkfin>TRUE</speedkfin>",
                "\t<speedkfout>TRUE</speedkfout>", "\t<speedkfstart>TRUE</speedkfstart>",
                "\t<speedkfend>TRUE</speedkfend>", "\t<speedvirtualkf>TRUE</speedvirtualkf>",
                "</keyframe>"})},
        {"speedkfin before speedvirtualkf",
         [] {
             KeyframeInfo k(4);
             k.speedkfin = k.speedvirtualkf = true;
             return k;
         },
         Lines({"<keyframe>", "\t<when>4</when>", "\t<speedkfin>TRUE</speedkfin>",
                "\t<speedvirtualkf>TRUE</speedvirtualkf>", "</keyframe>"})},
    };
    for (const auto& c : cases) {
        const KeyframeInfo keyframe = c.make();
        EXPECT_EQ(Capture([&] { WriteKeyframe(keyframe); }), c.expected) << c.label;
    }
}
