// From a parameter record to an FCP parameter: the numeric rules, the value by parameter kind, the
// frame a control point falls on, keyframes on the current item, and layer values.
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/RegistryAuid.h"
#include "aaf/ValueMakers.h"
#include "effects/ApplyConversionRule.h"
#include "effects/ControlPointFrame.h"
#include "effects/ConvertParameterValue.h"
#include "effects/EffectFixture.h"
#include "effects/ParameterBinding.h"
#include "effects/ParameterLookup.h"
#include "effects/ResolveClipParameter.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/PluginParameterKind.h"
#include "records/FloatToInt.h"

namespace effecttest {
namespace {

TEST(ConversionRules, EveryKind)
{
    const struct {
        float a, b;
        int kind;
        float x, expected;
    } cases[] = {
        {0, 0, 7, 123, 123},  // a of 0 changes nothing, whatever the kind
        {0, 0, 11, 0.3f, 0.3f},
        {5, 0, 1, 2, 7},
        {5, 0, 2, 2, -3},
        {3, 4, 3, 8, 6},
        {4, 0, 4, 2, 0.5f},
        {4, 0, 4, 0, 0},
        {1, 0, 7, 0, 50},
        {1, 0, 7, 1000, 0},
        {1, 0, 7, 1999, -49.95f},
        {1, 0, 7, 2000, 0},
        {1, 0, 7, 3000, -50},
        {1, 0, 7, -500, 25},
        {1, 0, 7, 500, 25},
        {1, 0, 11, 0, -1},
        {1, 0, 11, 0.05f, -0.95f},
        {1, 0, 11, 0.1f, -0.8f},
        {1, 0, 11, 0.25f, -0.5f},
        {1, 0, 11, 0.5f, 0},
        {1, 0, 11, 0.75f, 0.5f},
        {1, 0, 11, 1, 1},
        {1, 0, 9, 42, 42},
    };
    for (const auto& c : cases) {
        float x = c.x;
        ApplyConversionRule(x, ValueConversionRule{c.a, c.b, c.kind});
        EXPECT_FLOAT_EQ(x, c.expected) << "kind " << c.kind << " x " << c.x;
    }
    // Integers truncate toward zero and stay within range.
    int n = 7;
    ApplyConversionRuleToInt(n, ValueConversionRule{2, 0, 4});
    EXPECT_EQ(n, 3);
    n = -7;
    ApplyConversionRuleToInt(n, ValueConversionRule{2, 0, 4});
    EXPECT_EQ(n, -3);
    n = INT_MAX;
    ApplyConversionRuleToInt(n, ValueConversionRule{1e9f, 0, 1});
    EXPECT_EQ(n, INT_MAX);
}

TEST(ConversionRules, FloatsBecomeIntegersWithinRange)
{
    const struct {
        double value;
        IntRounding rounding;
        int expected;
    } cases[] = {
        {2.7, IntRounding::TowardZero, 2},   {-2.7, IntRounding::TowardZero, -2}, {-2.7, IntRounding::Down, -3},
        {1e20, IntRounding::TowardZero, INT_MAX}, {-1e20, IntRounding::Down, INT_MIN},
        {NAN, IntRounding::TowardZero, 0},   {INFINITY, IntRounding::Down, INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToInt(c.value, c.rounding), c.expected) << c.value;
}

class ParameterConversion : public EffectTest {};

TEST_F(ParameterConversion, ValuesByParameterKind)
{
    const IntValue five(5);
    const RatioValue fiveHalves(5, 2);
    const RatioValue huge(INT_MAX, 1);
    const BoolValue yes(1);
    const struct {
        const char* name;
        int kind;
        const ValueBase* value;
        ValueConversionRule rule;
        bool rationalType;
        std::string text;
    } cases[] = {
        {"menu", PluginKindMenu, &five, {2, 0, 1}, false, "7"},
        {"menu takes integers only", PluginKindMenu, &fiveHalves, {}, false, ""},
        {"uint of a ratio is floored", PluginKindUint, &fiveHalves, {}, false, "2"},
        {"uint of an integer", PluginKindUint, &five, {2, 0, 4}, false, "2"},
        {"uint beyond the int range is held to it", PluginKindUint, &huge, {1e9f, 0, 1}, false, "2147483647"},
        {"double", PluginKindDouble, &fiveHalves, {2, 0, 2}, false, "0.5"},
        {"boolean", PluginKindBoolean, &yes, {}, false, "TRUE"},
        {"boolean takes flags only", PluginKindBoolean, &five, {}, false, ""},
        {"a kind without conversion", PluginKindColor, &five, {}, false, ""},
    };
    for (const auto& c : cases) {
        ParameterMapping mapping;
        mapping.avid.kind = c.kind;
        mapping.rule = c.rule;
        EXPECT_EQ(ConvertParameterValue(c.value, mapping).text, c.text) << c.name;
    }
}

TEST_F(ParameterConversion, ControlPointFrames)
{
    const TrimValues item{100, 0, 30, 10, 40};
    const struct {
        int numerator, denominator, frame;
    } cases[] = {
        {1, 1, 39}, {1, 2, 25}, {2, 2, 40}, {0, 1, 10}, {-1, 47, 10}, {5, 0, 10}, {INT_MAX, 1, INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ControlPointFrame(item, c.numerator, c.denominator), c.frame) << c.numerator << "/" << c.denominator;

    std::pair<int, int> time{3, 4};
    EXPECT_EQ(CurrentItemFrame(time, 2), -1);  // no current item
    FCPClipItemTag clip = Clip("A", 10, 40);
    PushClipItem(clip);
    EXPECT_EQ(CurrentItemFrame(time, 2), 32);
    EXPECT_EQ(CurrentItemFrame(time, 5), -1);
    EXPECT_EQ(time.first, 3);
    EXPECT_EQ(CurrentItemFrame(time, 1), 13);
    EXPECT_EQ(time.first, 13);
}

std::vector<std::string> KeyframeTexts(const ParameterInfo& parameter)
{
    std::vector<std::string> out;
    for (const KeyframeInfo& k : parameter.keyframes)
        out.push_back(std::to_string(k.when) + "=" + (k.values.empty() ? "" : k.values.front().text));
    return out;
}

TEST_F(ParameterConversion, RecordsIntoParameters)
{
    ParameterRecord ramp;
    ramp.mapping.avid.kind = PluginKindDouble;
    ramp.controlPoints.push_back(ControlPointAt(0, 1, new RatioValue(1, 2)));
    ramp.controlPoints.push_back(ControlPointAt(1, 2, nullptr));  // no value: no keyframe
    ramp.controlPoints.push_back(ControlPointAt(-1, 2, new IntValue(3)));  // before the item: dropped
    ramp.controlPoints.push_back(ControlPointAt(1, 1, new IntValue(4)));

    ParameterBinding none(&ramp, ParameterInfo("Opacity", "opacity"));
    FillParameterValues(none);
    EXPECT_FALSE(none.parameter.HasValuesOrKeyframes());  // no current item

    PushClipItem(Clip("A", 10, 40));
    ParameterBinding binding(&ramp, ParameterInfo("Opacity", "opacity"));
    FillParameterValues(binding);
    EXPECT_EQ(KeyframeTexts(binding.parameter), (std::vector<std::string>{"10=0.5", "39=4"}));
    EXPECT_EQ(binding.parameter.interpolations, (std::vector<std::string>{"FCPCurve"}));
    EXPECT_TRUE(binding.parameter.values.empty());

    // A constant value wins over control points.
    ParameterRecord both(ramp);
    both.constantValues.push_back(new IntValue(8));
    ParameterBinding constant(&both, ParameterInfo("Opacity", "opacity"));
    FillParameterValues(constant);
    ASSERT_EQ(constant.parameter.values.size(), 1u);
    EXPECT_EQ(constant.parameter.values.front().text, "8");
    EXPECT_TRUE(constant.parameter.keyframes.empty());

    // The first parameter of an id stays in the item's Basic Motion.
    AddToCurrentItemMotion(binding.parameter);
    AddToCurrentItemMotion(constant.parameter);
    AddToCurrentItemMotion(ParameterInfo("Empty", "empty"));
    const auto* item = dynamic_cast<const FCPClipItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
    ASSERT_EQ(item->motionParameters.size(), 1u);
    EXPECT_EQ(item->motionParameters.at("opacity").keyframes.size(), 2u);
}

// A layer value names a track of the current sequence from its end; the item that lies under the
// current item becomes a clip that is no master clip.
TEST_F(ParameterConversion, LayerValuesResolveToTheClipUnderTheItem)
{
    FCPSequenceTag& sequence = PushSequence();
    TrackInfo lower(2);
    lower.items.emplace_back();
    NewFillerCopy(lower.items.back(), FCPFillerTag(20));
    FCPClipItemTag under = Clip("Background", 0, 60);
    under.start = 20;
    under.end = 80;
    lower.items.emplace_back();
    NewClipItemCopy(lower.items.back(), under);
    sequence.AddVideoTrack(lower);
    sequence.AddVideoTrack(TrackInfo(2));

    FCPClipItemTag current = Clip("Key", 0, 30);
    current.start = 30;
    current.end = 60;
    PushClipItem(current);

    ParameterMapping mapping;
    mapping.avid.kind = PluginKindLayer;
    const struct {
        int layer;
        bool found;
    } cases[] = {{1, false}, {2, false}, {3, true}, {4, false}, {INT_MIN, false}};
    for (const auto& c : cases) {
        const IntValue layer(c.layer);
        const ValueInfo value = ConvertParameterValue(&layer, mapping);
        EXPECT_EQ(value.nested != nullptr, c.found) << c.layer;
        if (const auto* clip = dynamic_cast<const FCPClipTag*>(value.nested)) {
            EXPECT_FALSE(clip->ismasterclip);
            EXPECT_EQ(clip->name, "Background");
        }
    }

    // A transition under the item gives a clip with nothing in it, still no master clip.
    FCPTransitionItemTag dissolve(20, 0);
    dissolve.start = 25;
    dissolve.end = 45;
    TrackInfo& last = GlobalTimelineBuilder.SequenceStack.front().video.front().tracks.back();
    last.items.emplace_back();
    NewTransitionItemCopy(last.items.back(), dissolve);
    const IntValue second(2);
    const ValueInfo empty = ConvertParameterValue(&second, mapping);
    const auto* clip = dynamic_cast<const FCPClipTag*>(empty.nested);
    ASSERT_NE(clip, nullptr);
    EXPECT_FALSE(clip->ismasterclip);
    EXPECT_TRUE(clip->name.empty());

    // Over a transition item nothing is resolved.
    ClipParameterValue record;
    const IntValue layer(3);
    record.source = &layer;
    ItemSlot transition;
    NewTransitionItemCopy(transition, FCPTransitionItemTag(10, 0));
    ResolveClipParameter(transition, record);
    EXPECT_EQ(record.trackOffset, 2);
    EXPECT_EQ(record.value.nested, nullptr);
}

// Converters pick parameters by AUID: a mapped parameter carries the rule, also in the effect's own
// record, and replaces what the output held under that FCP name.
TEST_F(ParameterConversion, ParametersAreLookedUpByAuid)
{
    const Auid level = RegistryAuid("{E4962320-2267-11D3-8A4C-0050040EF7D2}");
    const Auid flag = RegistryAuid("{E4962321-2267-11D3-8A4C-0050040EF7D2}");
    const Auid number = RegistryAuid("{E4962322-2267-11D3-8A4C-0050040EF7D2}");
    const Auid varying = RegistryAuid("{E4962323-2267-11D3-8A4C-0050040EF7D2}");
    const Auid absent = RegistryAuid("{E4962324-2267-11D3-8A4C-0050040EF7D2}");
    ParameterMap parameters;
    parameters[AuidToText(level)].constantValues.push_back(new RatioValue(1, 2));
    parameters[AuidToText(flag)].constantValues.push_back(new BoolValue(1));
    parameters[AuidToText(number)].constantValues.push_back(new IntValue(1));
    parameters[AuidToText(varying)].controlPoints.push_back(ControlPointAt(0, 1, new BoolValue(1)));

    ParameterMap output;
    output["level"].constantValues.push_back(new IntValue(9));
    EXPECT_FALSE(MapParameter(parameters, output, absent, "level", {1, 1, 3}));
    ASSERT_EQ(output.size(), 1u);
    EXPECT_TRUE(MapParameter(parameters, output, level, "level", {2, 0, 1}));
    EXPECT_EQ(parameters.at(AuidToText(level)).mapping.rule.a, 2.0f);
    const ParameterRecord& mapped = output.at("level");
    EXPECT_EQ(mapped.mapping.rule.kind, 1);
    ASSERT_EQ(mapped.constantValues.size(), 1u);
    EXPECT_NE(mapped.constantValues.front(), parameters.at(AuidToText(level)).constantValues.front());  // its own
    EXPECT_NE(dynamic_cast<const RatioValue*>(mapped.constantValues.front()), nullptr);

    const struct {
        Auid id;
        bool expected;
    } flags[] = {{flag, true}, {number, false}, {varying, false}, {absent, false}};
    for (const auto& c : flags) {
        EXPECT_EQ(ReadBoolParameter(parameters, c.id), c.expected) << AuidToText(c.id);
        EXPECT_EQ(ReadBoolParameter(parameters, AuidToText(c.id)), c.expected) << AuidToText(c.id);
    }
}

}  // namespace
}  // namespace effecttest
