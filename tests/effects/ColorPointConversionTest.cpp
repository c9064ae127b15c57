// Colours and points made of several AAF parameters: one value for constant inputs, or keyframes at
// every keyframe of every varying input with the other inputs taken exactly, on the line between
// two keyframes, or held.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/ValueMakers.h"
#include "effects/ColorParameterConversion.h"
#include "effects/EffectFixture.h"
#include "effects/PointParameterConversion.h"
#include "fcpxml/FCPValueType.h"
#include "fcpxml/NumberText.h"

namespace effecttest {
namespace {

// A control point at numerator/20 of the effect: on a current item playing 0..20 that is frame
// numerator; a missing value makes a point without a value.
struct Key {
    int numerator;
    float value;
    bool hasValue = true;
};

struct Input {
    std::vector<Key> keys;  // empty: a constant input
    float constant = 0;
    bool hasConstant = true;
};

Input Constant(float value) { return Input{{}, value, true}; }
Input Varying(std::vector<Key> keys) { return Input{std::move(keys), 0, false}; }
Input Empty() { return Input{{}, 0, false}; }

ParameterRecord Record(const Input& input, int valueType, ValueConversionRule rule = {})
{
    ParameterRecord record;
    record.mapping.fcp.valueType = valueType;
    record.mapping.rule = rule;
    if (input.keys.empty() && input.hasConstant)
        record.constantValues.push_back(new RatioValue(static_cast<int>(input.constant * 1000), 1000));
    for (const Key& key : input.keys) {
        ControlPointInfo point;
        point.timeNumerator = key.numerator;
        point.timeDenominator = 20;
        if (key.hasValue)
            point.value = new RatioValue(static_cast<int>(key.value * 1000), 1000);
        record.controlPoints.push_back(point);
    }
    return record;
}

std::string ColorText(const ValueInfo& value)
{
    if (value.colors.empty())
        return "?";
    const ColorInfo& c = value.colors.front();
    return std::to_string(c.alpha) + "/" + std::to_string(c.red) + "/" + std::to_string(c.green) + "/" +
           std::to_string(c.blue);
}

std::vector<std::string> ColorKeyframes(const ParameterInfo& parameter)
{
    std::vector<std::string> out;
    for (const KeyframeInfo& k : parameter.keyframes)
        out.push_back(std::to_string(k.when) + ":" + (k.values.empty() ? "?" : ColorText(k.values.front())));
    return out;
}

class GroupedParameterConversion : public EffectTest {
protected:
    void SetUp() override
    {
        EffectTest::SetUp();
        PushClipItem(Clip("A", 0, 20));
    }
};

TEST_F(GroupedParameterConversion, ColourEveryMode)
{
    const struct {
        const char* name;
        Input red, green, blue;
        int mode;
        std::string value;                  // mode 1
        std::vector<std::string> keyframes;  // modes 2 to 8, alpha/red/green/blue
    } cases[] = {
        {"constants truncate toward zero", Constant(255.9f), Constant(0), Constant(12.5f), 1, "255/255/0/12", {}},
        {"a constant without values is 0", Empty(), Constant(3), Constant(4), 1, "255/0/3/4", {}},
        {"red varies", Varying({{0, 0}, {10, 100}}), Constant(50), Constant(0), 2, "",
         {"0:255/0/50/0", "10:255/100/50/0"}},
        {"green varies", Constant(1), Varying({{5, 60}}), Constant(2), 3, "", {"5:255/1/60/2"}},
        {"blue varies", Constant(1), Constant(2), Varying({{0, 10}, {10, 20}}), 4, "",
         {"0:255/1/2/10", "10:255/1/2/20"}},
        {"red and green: interpolated and held", Varying({{0, 0}, {10, 100}}), Varying({{5, 40}}), Constant(0), 5, "",
         {"0:255/0/40/0", "5:255/50/40/0", "10:255/100/40/0"}},
        {"red and blue", Varying({{0, 0}, {10, 100}}), Constant(7), Varying({{5, 50}}), 6, "",
         {"0:255/0/7/50", "5:255/50/7/50", "10:255/100/7/50"}},
        {"green and blue", Constant(9), Varying({{0, 0}, {10, 100}}), Varying({{10, 30}}), 7, "",
         {"0:255/9/0/30", "10:255/9/100/30"}},
        {"all three", Varying({{0, 0}, {10, 100}}), Varying({{5, 40}}), Varying({{0, 10}, {15, 40}}), 8, "",
         {"0:255/0/40/10", "5:255/50/40/20", "10:255/100/40/30", "15:255/100/40/40"}},
        {"points without values and before the item are left out",
         Varying({{-2, 70}, {4, 0, false}, {6, 80}}), Constant(0), Constant(0), 2, "", {"6:255/80/0/0"}},
        {"the later of two points at one frame wins", Varying({{5, 10}, {5, 20}}), Constant(0), Constant(0), 2, "",
         {"5:255/20/0/0"}},
    };
    for (const auto& c : cases) {
        const ParameterRecord red = Record(c.red, FCPValueRed);
        const ParameterRecord green = Record(c.green, FCPValueGreen);
        const ParameterRecord blue = Record(c.blue, FCPValueBlue);
        ColorParameterConversion conversion(&red, &green, &blue);
        conversion.Build("Color", "color");
        EXPECT_EQ(conversion.mode, c.mode) << c.name;
        EXPECT_EQ(conversion.parameter.name, "Color");
        if (c.mode == 1) {
            ASSERT_EQ(conversion.parameter.values.size(), 1u) << c.name;
            EXPECT_EQ(ColorText(conversion.parameter.values.front()), c.value) << c.name;
            EXPECT_TRUE(conversion.parameter.keyframes.empty()) << c.name;
            continue;
        }
        EXPECT_TRUE(conversion.parameter.values.empty()) << c.name;
        EXPECT_EQ(ColorKeyframes(conversion.parameter), c.keyframes) << c.name;
        EXPECT_EQ(conversion.parameter.interpolations, (std::vector<std::string>{"FCPCurve"})) << c.name;
    }
}

TEST_F(GroupedParameterConversion, ColourWithoutDataOrFramesWritesNothing)
{
    // No data in any channel: only the name and id.
    const ParameterRecord empty = Record(Empty(), FCPValueRed);
    ParameterRecord nullValue;
    nullValue.constantValues.push_back(nullptr);
    ColorParameterConversion none(&empty, &nullValue, nullptr);
    none.Build("Color", "color");
    EXPECT_EQ(none.mode, 0);
    EXPECT_EQ(none.parameter.parameterid, "color");
    EXPECT_FALSE(none.parameter.HasValuesOrKeyframes());

    // Without a current item every keyframe lies before it and is dropped, with no curve.
    EmptyTimelineBuilderStacks();
    const ParameterRecord red = Record(Varying({{0, 10}}), FCPValueRed);
    ColorParameterConversion noItem(&red, &empty, &empty);
    noItem.Build("Color", "color");
    EXPECT_EQ(noItem.mode, 2);
    EXPECT_FALSE(noItem.parameter.HasValuesOrKeyframes());
    EXPECT_TRUE(noItem.parameter.interpolations.empty());
}

std::vector<std::string> PointKeyframes(const ParameterInfo& parameter)
{
    std::vector<std::string> out;
    for (const KeyframeInfo& k : parameter.keyframes) {
        std::string text = std::to_string(k.when) + ":";
        if (!k.values.empty() && !k.values.front().points.empty()) {
            const PointInfo& p = k.values.front().points.front();
            text += FloatToString(p.horiz) + "," + FloatToString(p.vert);
        }
        out.push_back(text);
    }
    return out;
}

TEST_F(GroupedParameterConversion, PointEveryMode)
{
    const ValueConversionRule percent{100, 1, 3};
    const struct {
        const char* name;
        Input x, y;
        ValueConversionRule xRule, yRule;
        int mode;
        std::vector<std::string> out;  // the value for mode 1, else the keyframes
    } cases[] = {
        {"both constant, each under its rule", Constant(0.5f), Constant(0.25f), percent, {}, 1, {"50,0.25"}},
        {"y varies beside a constant x under its rule", Constant(0.5f), Varying({{0, 1}, {10, 2}}), percent, {}, 2,
         {"0:50,1", "10:50,2"}},
        {"x varies under its rule", Varying({{0, 1}}), Constant(3), {10, 0, 1}, {}, 3, {"0:11,3"}},
        {"both vary: interpolated and held", Varying({{0, 0}, {10, 100}}), Varying({{5, 40}}), {}, {}, 4,
         {"0:0,40", "5:50,40", "10:100,40"}},
        {"keyframes before the item are kept", Constant(1), Varying({{-2, 5}, {4, 6}}), {}, {}, 2,
         {"-2:1,5", "4:1,6"}},
    };
    for (const auto& c : cases) {
        const ParameterRecord x = Record(c.x, FCPValuePointX, c.xRule);
        const ParameterRecord y = Record(c.y, FCPValuePointY, c.yRule);
        PointParameterConversion conversion(&x, &y);
        conversion.Build("Center", "center");
        EXPECT_EQ(conversion.mode, c.mode) << c.name;
        if (c.mode == 1) {
            ASSERT_EQ(conversion.parameter.values.size(), 1u) << c.name;
            const PointInfo& p = conversion.parameter.values.front().points.at(0);
            EXPECT_EQ(FloatToString(p.horiz) + "," + FloatToString(p.vert), c.out.front()) << c.name;
            continue;
        }
        EXPECT_EQ(PointKeyframes(conversion.parameter), c.out) << c.name;
        EXPECT_EQ(conversion.parameter.interpolations, (std::vector<std::string>{"FCPCurve"})) << c.name;
    }

    const ParameterRecord empty = Record(Empty(), FCPValuePointX);
    PointParameterConversion none(&empty, nullptr);
    none.Build("Center", "center");
    EXPECT_EQ(none.mode, 0);
    EXPECT_FALSE(none.parameter.HasValuesOrKeyframes());
}

}  // namespace
}  // namespace effecttest
