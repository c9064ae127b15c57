#include "fcpxml/RateInfo.h"

#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(RateInfo, DefaultFollowsTheOutputFrameRate)
{
    const Timecode saved = OutputMediaSettings.timecode;
    const struct {
        int numerator;
        int denominator;
        const char* expected;
    } cases[] = {
        {2997, 100, "TRUE\t30"},  {30000, 1000, "FALSE\t30"}, {25000, 1000, "FALSE\t25"},
        {24000, 1001, "TRUE\t24"}, {5994, 100, "TRUE\t60"},   {50000, 1000, "FALSE\t50"},
    };
    for (const auto& c : cases) {
        OutputMediaSettings.timecode.rateNumerator = c.numerator;
        OutputMediaSettings.timecode.rateDenominator = c.denominator;
        const RateInfo rate;
        const std::string parts = c.expected;
        const std::string ntsc = parts.substr(0, parts.find('\t'));
        const std::string timebase = parts.substr(parts.find('\t') + 1);
        EXPECT_EQ(Capture([&] { WriteRate(rate); }),
                  Lines({"<rate>", ("\t<ntsc>" + ntsc + "</ntsc>").c_str(),
                         ("\t<timebase>" + timebase + "</timebase>").c_str(), "</rate>"}))
            << c.numerator << "/" << c.denominator;
    }
    OutputMediaSettings.timecode = saved;
}

TEST(RateInfo, SetFromRateReplacesBoth)
{
    RateInfo rate;
    rate.SetFromRate(25, 1);
    EXPECT_FALSE(rate.ntsc);
    EXPECT_EQ(rate.timebase, 25);
    rate.SetFromRate(30000, 1001);
    EXPECT_TRUE(rate.ntsc);
    EXPECT_EQ(rate.timebase, 30);
}
