#include "fcpxml/ParameterInfo.h"

#include <functional>

#include <gtest/gtest.h>

#include "fcpxml/FCPValueType.h"
#include "records/ParameterMapping.h"
#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(ParameterInfo, WriteParameterGolden)
{
    const struct {
        const char* label;
        std::function<ParameterInfo()> make;
        std::string expected;
    } cases[] = {
        {"range and names only: nothing",
         [] { return ParameterInfo("Opacity", "opacity", "0", "100"); }, ""},
        {"one keyframe, then both interpolations",
         [] {
             ParameterInfo p("Opacity", "opacity", "0", "100");
             p.keyframes.emplace_back(3);
             p.interpolations = {"linear", "bezier"};
             return p;
         },
         Lines({"<parameter>", "\t<parameterid>opacity</parameterid>", "\t<name>Opacity</name>",
                "\t<valuemin>0</valuemin>", "\t<valuemax>100</valuemax>", "\t<keyframe>",
                "\t\t<when>3</when>", "\t</keyframe>", "\t<interpolation>", "\t\t<name>linear</name>",
                "\t</interpolation>", "\t<interpolation>", "\t\t<name>bezier</name>",
                "\t</interpolation>", "</parameter>"})},
        {"values only: no interpolation; value lists before values; raw and escaped",
         [] {
             ParameterInfo p("Mode", "mode");
             p.interpolations = {"linear"};
             p.valuelists.push_back({ValueEntryInfo("A&B", 1)});
             p.AddValue("a<b");
             p.AddRawValue("<b>");
             return p;
         },
         Lines({"<parameter>", "\t<parameterid>mode</parameterid>", "\t<name>Mode</name>",
                "\t<valuelist>", "\t\t<valueentry>", "\t\t\t<name>A&amp;B</name>",
                "\t\t\t<value>1</value>", "\t\t</valueentry>", "\t</valuelist>",
                "\t<value>a&lt;b</value>", "\t<value><b></value>", "</parameter>"})},
    };
    for (const auto& c : cases) {
        const ParameterInfo parameter = c.make();
        EXPECT_EQ(Capture([&] { WriteParameter(parameter); }), c.expected) << c.label;
    }
}

TEST(ParameterInfo, ValueOperations)
{
    ParameterInfo p;
    p.SetNameIdAndRange("Scale", "scale", "0", "1000");
    EXPECT_EQ(p.valuemax, "1000");
    EXPECT_FALSE(p.HasValuesOrKeyframes());
    p.AddDefaultValue("100");
    p.AddDefaultValue("200");  // ignored: there is a value now
    ASSERT_EQ(p.values.size(), 1u);
    EXPECT_EQ(p.values[0].text, "100");
    EXPECT_FALSE(p.values[0].raw);

    ParameterInfo keyed;
    keyed.keyframes.emplace_back(1);
    keyed.AddDefaultValue("100");
    EXPECT_TRUE(keyed.values.empty());
    keyed.AppendKeyframes({{30, KeyframeInfo(30)}, {-2, KeyframeInfo(-2)}, {10, KeyframeInfo(10)}});
    ASSERT_EQ(keyed.keyframes.size(), 4u);
    EXPECT_EQ(keyed.keyframes[1].when, -2);
    EXPECT_EQ(keyed.keyframes[3].when, 30);
}

TEST(ParameterInfo, MakeInputParameterName)
{
    const struct {
        int type;
        const char* expected;
    } cases[] = {
        {FCPValuePointX, "input_Center_X"}, {FCPValuePointY, "input_Center_Y"},
        {FCPValueDouble, "input_Center"},   {FCPValueNoData, "input_Center"},
    };
    for (const auto& c : cases) {
        FCPParameterSpec spec;
        spec.name = "Center";
        spec.valueType = c.type;
        EXPECT_EQ(MakeInputParameterName(spec), c.expected);
    }
}
