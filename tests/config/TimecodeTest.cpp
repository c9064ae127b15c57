#include <climits>
#include <cstdint>
#include <ostream>

#include <gtest/gtest.h>

#include "config/Timecode.h"

namespace {

struct TextCase {
    std::int64_t frame;
    std::int32_t drop;
    std::int32_t numerator;
    std::int32_t denominator;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.frame << (c.drop ? " DF @ " : " @ ") << c.numerator << "/" << c.denominator;
}

class TimecodeToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TimecodeToTextTest, WritesText)
{
    const TextCase& c = GetParam();
    const Timecode tc(c.frame, c.drop, 30, c.numerator, c.denominator);
    EXPECT_EQ(TimecodeToText(tc), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, TimecodeToTextTest,
    testing::Values(
        TextCase{0, 0, 2997, 100, "00:00:00:00"},
        TextCase{108000, 0, 2997, 100, "01:00:00:00"},
        TextCase{90000, 0, 25000, 1000, "01.00.00.00"},
        TextCase{0, 0, 25, 1, "00.00.00.00"},
        TextCase{9000000, 0, 25, 1, "100.00.00.00"},  // past two digits of hours
        TextCase{86399, 0, 24000, 1000, "00.59.59.23"},
        TextCase{1440, 0, 24000, 1001, "00:01:00:00"},
        TextCase{1440, 1, 24000, 1001, "00;01;00;00"},
        TextCase{1799, 0, 30000, 1000, "00:00:59:29"},
        TextCase{1800, 1, 30000, 1000, "00;01;00;00"},  // a drop flag on exact 30 counts non-drop
        // Drop frame at 29.97: the first two numbers of each minute but every tenth are skipped.
        TextCase{1797, 1, 2997, 100, "00;00;59;27"},
        TextCase{1798, 1, 2997, 100, "00;00;59;28"},
        TextCase{1799, 1, 2997, 100, "00;00;59;29"},
        TextCase{1800, 1, 2997, 100, "00;01;00;02"},
        TextCase{17981, 1, 2997, 100, "00;09;59;29"},
        TextCase{17982, 1, 2997, 100, "00;10;00;00"},
        TextCase{107892, 1, 2997, 100, "01;00;00;00"},
        // 50 and 60 fps count frame pairs; an odd frame flips the last separator.
        TextCase{1, 0, 50000, 1000, "00.00.00:00"},
        TextCase{2, 0, 50000, 1000, "00.00.00.01"},
        TextCase{180000, 0, 50000, 1000, "01.00.00.00"},
        TextCase{216001, 0, 60000, 1000, "01:00:00.00"},
        // Drop frame at 59.94 skips four frame numbers (two pairs) a minute.
        TextCase{3595, 1, 5994, 100, "00;00;59,27"},
        TextCase{3596, 1, 5994, 100, "00;00;59;28"},
        TextCase{3599, 1, 5994, 100, "00;00;59,29"},
        TextCase{3600, 1, 5994, 100, "00;01;00;02"},
        TextCase{35964, 1, 5994, 100, "00;10;00;00"},
        TextCase{215784, 1, 5994, 100, "01;00;00;00"},
        // Negative counts, wide hours, the most negative count, a zero denominator (default rate).
        TextCase{-30, 0, 30000, 1000, "-00:00:01:00"},
        TextCase{-1800, 1, 2997, 100, "-00;01;00;02"},
        TextCase{9000000, 0, 25000, 1000, "100.00.00.00"},
        TextCase{INT32_MIN, 0, 30000, 1000, "-19884:06:28:08"},
        TextCase{100, 0, 2997, 0, "00:00:03:10"},
        TextCase{100, 1, 2997, 0, "00;00;03;10"}));

struct FramesCase {
    const char* text;
    std::uint16_t framesPerSecond;
    std::int32_t drop;
    int frames;
};

void PrintTo(const FramesCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" @ " << c.framesPerSecond << (c.drop ? " DF" : "");
}

class TimecodeTextToFramesTest : public testing::TestWithParam<FramesCase> {};

TEST_P(TimecodeTextToFramesTest, ReadsFrames)
{
    const FramesCase& c = GetParam();
    const Timecode tc(0, c.drop, c.framesPerSecond, 2997, 100);
    EXPECT_EQ(TimecodeTextToFrames(c.text, tc), c.frames);
}

INSTANTIATE_TEST_SUITE_P(
    Bases, TimecodeTextToFramesTest,
    testing::Values(FramesCase{"01:00:00:00", 30, 0, 108000}, FramesCase{"01:00:00:00", 30, 1, 107892},
                    FramesCase{"01:00:00:00", 25, 0, 90000}, FramesCase{"01:00:00:00", 24, 0, 86400},
                    FramesCase{"01:00:00:00", 24, 1, 86400}, FramesCase{"01:00:00:00", 50, 0, 180000},
                    FramesCase{"01:00:00:00", 60, 0, 216000}, FramesCase{"01:00:00:00", 60, 1, 215784},
                    FramesCase{"00;01;00;02", 30, 1, 1800}, FramesCase{"00;10;00;00", 30, 1, 17982},
                    FramesCase{"23:59:59:29", 30, 0, 2591999},
                    // Fields are read from the end whatever the separators; short texts lack fields.
                    FramesCase{"00:00:01", 25, 0, 1}, FramesCase{"12", 25, 0, 0}, FramesCase{"", 30, 0, 0},
                    FramesCase{"1x:00:00:00", 30, 0, 108000}, FramesCase{"-01:00:00:00", 25, 0, 90000},
                    // A base without a row counts plainly.
                    FramesCase{"00:00:01:05", 48, 0, 53}, FramesCase{"99:99:99:99", 65535, 0, INT_MAX}));

TEST(Timecode, DropFrameTextRoundTripsUpTo30Fps)
{
    for (std::int64_t frame : {0, 1, 1797, 1798, 1799, 1800, 3597, 3598, 17981, 17982, 17983, 107891, 107892}) {
        const Timecode tc(frame, 1, 30, 2997, 100);
        EXPECT_EQ(TimecodeTextToFrames(TimecodeToText(tc), tc), frame) << frame;
    }
}

TEST(Timecode, RateWords)
{
    struct Case {
        const char* word;
        std::int32_t numerator, denominator;
        std::uint16_t fps;
    } const cases[] = {
        {"60", 60000, 1000, 60}, {"59.94", 5994, 100, 60}, {"50", 50000, 1000, 50},
        {"30", 30000, 1000, 30}, {"29.97", 2997, 100, 30}, {"25", 25000, 1000, 25},
        {"24", 24000, 1000, 24}, {"23.98", 24000, 1001, 24},
        // Not one of the words: nothing changes.
        {"29.976", 1234, 5, 7},  {"30.0", 1234, 5, 7},      {"", 1234, 5, 7},
    };
    for (const Case& c : cases) {
        Timecode tc(0, 1, 7, 1234, 5);
        SetTimecodeRateFromText(tc, c.word);
        EXPECT_EQ(tc.rateNumerator, c.numerator) << c.word;
        EXPECT_EQ(tc.rateDenominator, c.denominator) << c.word;
        EXPECT_EQ(tc.framesPerSecond, c.fps) << c.word;
        EXPECT_EQ(tc.dropFrame, 1) << c.word;
    }
}

TEST(Timecode, BaseFromRate)
{
    struct Case {
        std::int32_t numerator, denominator;
        std::int32_t drop;
        std::uint16_t fps;
    } const cases[] = {
        {2997, 100, 1, 30}, {30000, 1001, 1, 30}, {24000, 1001, 1, 24}, {5994, 100, 1, 60},
        {25, 1, 0, 25},     {24, 1, 0, 24},       {30, 1, 0, 30},       {50, 1, 0, 50},
        {60, 1, 0, 60},     {25000, 1000, 0, 25},
        // Damaged rates fall back to the default 29.97.
        {25, 0, 1, 30},     {0, 1, 1, 30},        {-30, 1, 1, 30},      {INT32_MAX, 1, 1, 30},
    };
    for (const Case& c : cases) {
        const TimecodeBase base = TimecodeBaseFromRate(c.numerator, c.denominator);
        EXPECT_EQ(base.startFrame, 0);
        EXPECT_EQ(base.dropFrame, c.drop) << c.numerator << "/" << c.denominator;
        EXPECT_EQ(base.framesPerSecond, c.fps) << c.numerator << "/" << c.denominator;
    }
}

TEST(Timecode, Defaults)
{
    const Timecode tc;
    EXPECT_EQ(tc.startFrame, 0);
    EXPECT_EQ(tc.dropFrame, 0);
    EXPECT_EQ(tc.framesPerSecond, 30);
    EXPECT_EQ(tc.rateNumerator, 2997);
    EXPECT_EQ(tc.rateDenominator, 100);
    EXPECT_EQ(tc.reelName, "");
    EXPECT_EQ(tc.type, 1);
    EXPECT_EQ(tc.slotId, -1);
    const Timecode five(5, 1, 25, 25000, 1000);
    EXPECT_EQ(five.type, 1);
    EXPECT_EQ(five.slotId, -1);
}

}  // namespace
