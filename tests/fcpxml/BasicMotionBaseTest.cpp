#include "fcpxml/BasicMotionBase.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(BasicMotionBase, WriteBasicMotionFilterGolden)
{
    BasicMotionBase empty;
    BasicMotionBase withoutValues;
    withoutValues.AddMotionParameter(ParameterInfo("Scale", "scale"));
    BasicMotionBase valued;
    ParameterInfo rotation("Rotation", "rotation");
    rotation.AddValue("90");
    ParameterInfo second("Rotation", "rotation");
    second.AddValue("45");
    ParameterInfo center("Center", "center");
    center.AddValue("0");
    valued.AddMotionParameter(rotation);
    valued.AddMotionParameter(second);  // the first one under an id wins
    valued.AddMotionParameter(ParameterInfo("Scale", "scale"));
    valued.AddMotionParameter(center);
    const char* head[] = {"<filter>", "\t<enabled>TRUE</enabled>", "\t<effect>",
                          "\t\t<name>Basic Motion</name>", "\t\t<effectid>basic</effectid>",
                          "\t\t<effectcategory>motion</effectcategory>",
                          "\t\t<effecttype>motion</effecttype>", "\t\t<mediatype>video</mediatype>"};
    auto filter = [&](std::initializer_list<const char*> parameters) {
        std::string text;
        for (const char* line : head)
            text += Lines({line});
        for (const char* line : parameters)
            text += Lines({line});
        return text + Lines({"\t</effect>", "</filter>"});
    };
    const struct {
        const char* label;
        const BasicMotionBase& motion;
        std::string expected;
    } cases[] = {
        {"empty map: nothing", empty, ""},
        {"parameters without data: the filter alone", withoutValues, filter({})},
        {"in id order, empty ones left out", valued,
         filter({"\t\t<parameter>", "\t\t\t<parameterid>center</parameterid>", "\t\t\t<name>Center</name>",
                 "\t\t\t<value>0</value>", "\t\t</parameter>", "\t\t<parameter>",
                 "\t\t\t<parameterid>rotation</parameterid>", "\t\t\t<name>Rotation</name>",
                 "\t\t\t<value>90</value>", "\t\t</parameter>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { c.motion.WriteBasicMotionFilter(); }), c.expected) << c.label;
}
