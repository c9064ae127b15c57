#include "fcpxml/MarkerInfo.h"

#include <array>
#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "WriteCapture.h"
#include "fcpxml/MarkerColorTables.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class MarkerColors : public ::testing::Test {
protected:
    void SetUp() override { BuildMarkerColorTables(); }
    void TearDown() override
    {
        LabelColorTable.clear();
        AvidMarkerColorTable.clear();
        AvidToFcpColorNames.clear();
    }
};

}  // namespace

TEST_F(MarkerColors, TablesHoldTheirRows)
{
    EXPECT_EQ(LabelColorTable.size(), 10u);
    EXPECT_EQ(AvidMarkerColorTable.size(), 8u);
    EXPECT_EQ(AvidToFcpColorNames.size(), 8u);
    const ColorInfo lightBlue = LabelColorTable.at("Light Blue");
    EXPECT_EQ((std::array{lightBlue.alpha, lightBlue.red, lightBlue.green, lightBlue.blue}),
              (std::array{255, 48, 191, 191}));
    EXPECT_EQ(AvidToFcpColorNames.at("Magenta"), "Pink");
    EXPECT_EQ(AvidColorNameFromRgb({0, 101, 101, 153}), "Yellow");
    EXPECT_EQ(AvidColorNameFromRgb({7, 0, 0, 0}), "Black");  // alpha is not compared
    EXPECT_EQ(AvidColorNameFromRgb({255, 1, 2, 3}), "");
    BuildMarkerColorTables();  // a second build overwrites, it does not add
    EXPECT_EQ(LabelColorTable.size(), 10u);
}

TEST_F(MarkerColors, RgbToFcpColor)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double red, green, blue;
        ColorInfo expected;
    } cases[] = {
        {255.0, 102.0, 164.0, {0, 255, 0, 0}},      // Avid Red -> Red
        {254.9, 255.0, 255.0, {0, 255, 127, 0}},    // truncated to Avid White -> Orange
        {255.0, 255.0, 255.0, {0, 48, 191, 72}},    // no Avid colour -> Green
        {51.7, 204.2, 204.9, {0, 48, 191, 191}},    // Cyan -> Light Blue
        {0.0, 0.0, 0.0, {0, 255, 127, 0}},          // Black -> Orange
        {nan, 1e300, -1e300, {0, 48, 191, 72}},     // unusable components -> Green
    };
    for (const auto& c : cases) {
        MarkerInfo marker;
        SetMarkerColorFromRgb(c.red, c.green, c.blue, marker);
        ASSERT_EQ(marker.colors.size(), 1u) << c.red;
        const ColorInfo& got = marker.colors[0];
        EXPECT_EQ((std::array{got.alpha, got.red, got.green, got.blue}),
                  (std::array{c.expected.alpha, c.expected.red, c.expected.green, c.expected.blue}))
            << c.red << " " << c.green << " " << c.blue;
    }
}

TEST_F(MarkerColors, SetMarkerColorAppendsKnownNamesOnly)
{
    MarkerInfo marker(12, "M", "");
    SetMarkerColor(marker, "Cyan");  // an Avid name, not a label colour
    EXPECT_TRUE(marker.colors.empty());
    SetMarkerColor(marker, "Purple");
    SetMarkerColor(marker, "Purple");
    ASSERT_EQ(marker.colors.size(), 2u);
    EXPECT_EQ(marker.colors[1].alpha, 0);
    EXPECT_EQ(marker.colors[1].blue, 255);
}

TEST_F(MarkerColors, WriteMarkerGolden)
{
    const struct {
        const char* label;
        std::function<MarkerInfo()> make;
        std::string expected;
    } cases[] = {
        {"built from a frame: empty texts, out -1", [] { return MarkerInfo(30, "", ""); },
         Lines({"<marker>", "\t<name/>", "\t<comment/>", "\t<in>30</in>", "\t<out>-1</out>",
                "</marker>"})},
        {"texts and two colours",
         [] {
             MarkerInfo m(0, "Cut & go", "look <here>");
             m.out = 5;
             SetMarkerColor(m, "Red");
             SetMarkerColor(m, "Black");
             return m;
         },
         Lines({"<marker>", "\t<name>Cut &amp; go</name>", "\t<comment>look &lt;here&gt;</comment>",
                "\t<color>", "\t\t<alpha>0</alpha>", "\t\t<red>255</red>", "\t\t<green>0</green>",
                "\t\t<blue>0</blue>", "\t</color>", "\t<color>", "\t\t<alpha>0</alpha>",
                "\t\t<red>0</red>", "\t\t<green>0</green>", "\t\t<blue>0</blue>", "\t</color>",
                "\t<in>0</in>", "\t<out>5</out>", "</marker>"})},
    };
    for (const auto& c : cases) {
        const MarkerInfo marker = c.make();
        EXPECT_EQ(Capture([&] { WriteMarker(marker); }), c.expected) << c.label;
    }
}
