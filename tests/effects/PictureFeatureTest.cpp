// Picture effects split into features: crop and opacity filters and the Basic Motion's scale, centre
// and rotation on the current clip item, the features FCP has no counterpart for logged as not
// supported, matte keys' alpha, and flips.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/RegistryAuid.h"
#include "effects/CompositePictureEffects.h"
#include "effects/EffectFixture.h"
#include "effects/EffectIds.h"
#include "effects/ParameterLookup.h"
#include "effects/PictureFeatureFilters.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"
#include "records/ValueBase.h"
#include "support/XmemlValidation.h"

namespace effecttest {
namespace {

// Parameters of the features, by the AUID the operation carries them under.
constexpr Auid kCropLeft = RegistryAuid("{8D56812E-847E-11D5-935A-50F857C10000}");
constexpr Auid kCropRight = RegistryAuid("{8D56812F-847E-11D5-935A-50F857C10000}");
constexpr Auid kMatteCropTop = RegistryAuid("{1F99097E-13B8-4AE8-98FD-C3512850EDFF}");
constexpr Auid kWarpCropFlag = RegistryAuid("{8D5681CB-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpCropLeft = RegistryAuid("{8D5681CC-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpCropTop = RegistryAuid("{8D5681CE-847E-11D5-935A-50F857C10000}");
constexpr Auid kOpacity = RegistryAuid("{8D56813D-847E-11D5-935A-50F857C10000}");
constexpr Auid kScaleX = RegistryAuid("{8D568129-847E-11D5-935A-50F857C10000}");
constexpr Auid kScaleY = RegistryAuid("{8D56812A-847E-11D5-935A-50F857C10000}");
constexpr Auid kCenterX = RegistryAuid("{8D568125-847E-11D5-935A-50F857C10000}");
constexpr Auid kCenterY = RegistryAuid("{8D568126-847E-11D5-935A-50F857C10000}");
constexpr Auid kPipBorderWidth = RegistryAuid("{8D568133-847E-11D5-935A-50F857C10000}");
constexpr Auid kAlphaA = RegistryAuid("{8D56813E-847E-11D5-935A-50F857C10000}");
constexpr Auid kAlphaB = RegistryAuid("{8D56813F-847E-11D5-935A-50F857C10000}");
// 3D Warp's groups and flags.
constexpr Auid kWarpShape = RegistryAuid("{8D568196-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpAxis = RegistryAuid("{8D5681BC-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpShadow = RegistryAuid("{8D5681E2-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpScaleOn = RegistryAuid("{8D5681B2-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpScaleX = RegistryAuid("{8D5681B3-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpRotationOn = RegistryAuid("{8D5681B7-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpRx = RegistryAuid("{8D5681B8-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpRz = RegistryAuid("{8D5681BA-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpForegroundOn = RegistryAuid("{8D5681F2-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpSwapSources = RegistryAuid("{8D568153-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpPositionOn = RegistryAuid("{8D5681A9-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpCenterX = RegistryAuid("{8D5681AA-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpCenterY = RegistryAuid("{8D5681AB-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpBorderOn = RegistryAuid("{8D5681DE-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpBorderWidth = RegistryAuid("{8D5681D2-847E-11D5-935A-50F857C10000}");
constexpr Auid kWarpBackgroundOn = RegistryAuid("{8D568206-847E-11D5-935A-50F857C10000}");

// One parameter: a constant rational, a constant flag, or varying from `value` at the start to
// `end` at the end.
struct Param {
    Auid id;
    int value;
    enum { Ratio, Flag, Varying } form = Ratio;
    int end = 0;
};

Param Flag(const Auid& id, bool set = true) { return {id, set ? 1 : 0, Param::Flag}; }

ParameterMap Parameters(const std::vector<Param>& params)
{
    ParameterMap map;
    for (const Param& p : params) {
        ParameterRecord record;
        record.mapping.avid.parameterDefId = p.id;
        if (p.form == Param::Flag) {
            record.constantValues.push_back(new BoolValue(p.value));
        } else if (p.form == Param::Ratio) {
            record.constantValues.push_back(new RatioValue(p.value, 1));
        } else {
            for (const auto& [n, v] : {std::pair{0, p.value}, std::pair{1, p.end}}) {
                ControlPointInfo point;
                point.timeNumerator = n;
                point.timeDenominator = 1;
                point.value = new RatioValue(v, 1);
                record.controlPoints.push_back(point);
            }
        }
        map[AuidToText(p.id)] = record;
    }
    return map;
}

std::string ValueText(const ValueInfo& v)
{
    if (v.points.empty())
        return v.text;
    return "(" + FloatToString(v.points[0].horiz) + "," + FloatToString(v.points[0].vert) + ")";
}

std::string Values(const ParameterInfo& parameter)
{
    std::vector<std::string> parts;
    for (const ValueInfo& v : parameter.values)
        parts.push_back(ValueText(v));
    for (const KeyframeInfo& k : parameter.keyframes)
        parts.push_back("@" + std::to_string(k.when) + ":" + (k.values.empty() ? "" : ValueText(k.values.front())));
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : " ") + part;
    return out;
}

// What the clip item holds afterwards: its records, filters with their parameters, Basic Motion.
std::vector<std::string> Describe(const FCPClipItemTag& clip)
{
    std::vector<std::string> out;
    for (const TranslationRecord& r : clip.log.translations)
        out.push_back(std::to_string(r.status) + " " + r.fcpName + " / " + r.avidName + " / " + r.action);
    for (const FilterInfo& f : clip.filters) {
        std::string line = "filter " + f.effect.effectid;
        for (const ParameterInfo& p : f.effect.parameters)
            line += " " + p.parameterid + "=" + Values(p);
        out.push_back(line);
    }
    for (const auto& [id, p] : clip.motionParameters)
        out.push_back("motion " + id + "=" + Values(p) + " [" + p.valuemin + "," + p.valuemax + "]");
    if (clip.alphareverse)
        out.push_back("alphareverse");
    return out;
}

using Translate = void (*)(EffectTranslator&);

class PictureFeatures : public EffectTest {
protected:
    void SetUp() override
    {
        EffectTest::SetUp();
        PushClipItem(Clip("A", 0, 20));
    }

    static void Run(Translate translate, const Auid& operation, const std::vector<Param>& params)
    {
        ParameterMap map = Parameters(params);
        EffectTranslator translator(Context(20, 2, 26), operation, &map);
        translate(translator);
    }

    static const FCPClipItemTag& Item()
    {
        return *dynamic_cast<const FCPClipItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
    }
};

TEST_F(PictureFeatures, EachEffectBecomesFiltersMotionAndRecords)
{
    const std::string pipScale = "2 Basic Motion - Scale / Picture-In-Picture: Scaling (Fixed Aspect Only) / Applied";
    const struct {
        const char* name;
        Translate translate;
        Auid operation;
        std::vector<Param> params;
        std::vector<std::string> expected;
    } cases[] = {
        {"picture-in-picture without parameters still scales to half", TranslatePictureInPicture,
         kPictureInPictureV2, {}, {pipScale, "motion scale=50 [0,1000]"}},
        {"picture-in-picture crop sides face their own ways; position in thousandths",
         TranslatePictureInPicture,
         kPictureInPictureV2,
         {{kCropLeft, 500}, {kCropRight, -500}, {kCenterX, 500}, {kCenterY, -250}, {kOpacity, 70}},
         {"2 Opacity / Picture-In-Picture: Foreground / Applied", pipScale,
          "2 Basic Motion - Center / Picture-In-Picture: Position / Applied",
          "2 Crop / Picture-In-Picture: Crop / Applied", "filter opacity opacity=70",
          "filter crop left=50 right=50", "motion center=(0.5,-0.25) [,]", "motion scale=50 [0,1000]"}},
        {"scale_x wins over scale_y, keyframed on the item's frames", TranslatePictureInPicture,
         kPictureInPictureV2,
         {{kScaleX, 80, Param::Varying, 40}, {kScaleY, 120}},
         {pipScale, "motion scale=@0:80 @19:40 [0,1000]"}},
        {"a border of width 0 writes nothing", TranslatePictureInPicture, kPictureInPictureV2,
         {{kPipBorderWidth, 0}, {kScaleX, 100}}, {pipScale, "motion scale=100 [0,1000]"}},
        {"a border with a width is not supported", TranslatePictureInPicture, kPictureInPictureV2,
         {{kPipBorderWidth, 5}, {kScaleX, 100}},
         {"1 Not Supported / Picture-In-Picture: Border (Color and Width only) / Ignored", pipScale,
          "motion scale=100 [0,1000]"}},
        {"superimpose", TranslateSuperimpose, kSuperimpose, {{kOpacity, 40}},
         {"2 Opacity / Superimpose: Foreground / Applied", "filter opacity opacity=40"}},
        {"resize without scale has no default", TranslateResize, kResize, {{kCenterX, 100}},
         {"2 Basic Motion - Center / Resize - Position / Applied", "motion center=(0.1,0) [,]"}},
        {"3D Warp: flags in table order, warp crop, scale, z rotation, foreground, upward position",
         Translate3DWarp,
         kSBlendV2,
         {Flag(kWarpShadow), Flag(kWarpAxis), Flag(kWarpShape), Flag(kWarpCropFlag), {kWarpCropLeft, 0},
          {kWarpCropTop, 1000}, Flag(kWarpScaleOn), {kWarpScaleX, 80}, Flag(kWarpRotationOn), {kWarpRx, 45},
          {kWarpRz, 90}, Flag(kWarpForegroundOn), Flag(kWarpSwapSources), Flag(kWarpPositionOn),
          {kWarpCenterX, 500}, {kWarpCenterY, -250}},
         {"1 Not Supported / 3D Warp: Shape / Ignored", "2 Crop / 3D Warp: Crop / Applied",
          "2 Basic Motion - Scale / 3D Warp: Scaling (Fixed Aspect Only) / Applied",
          "1 Not Supported / 3D Warp: Axis / Ignored",
          "2 Basic Motion - Rotation / 3D Warp: Rotation - Z value only / Applied",
          "1 Not Supported / 3D Warp: Foreground- Swap Sources / Ignored",
          "2 Opacity / 3D Warp: Foreground / Applied", "2 Basic Motion - Center / 3D Warp: Position / Applied",
          "1 Not Supported / 3D Warp: Shadow / Ignored", "filter crop left=50 top=0", "filter opacity",
          "motion center=(0.5,0.25) [,]", "motion rotation=90 [-8640,8640]", "motion scale=80 [0,1000]"}},
        {"3D Warp groups that are off do nothing", Translate3DWarp, kSBlend,
         {Flag(kWarpScaleOn, false), {kWarpScaleX, 80}, Flag(kWarpCropFlag, false), {kWarpCropLeft, 0}},
         {}},
        {"3D Warp border and background are not supported", Translate3DWarp, k3DMatteKeyPromoted,
         {Flag(kWarpBorderOn), {kWarpBorderWidth, 5}, Flag(kWarpBackgroundOn)},
         {"1 Not Supported / 3D Warp: Border / Ignored", "1 Not Supported / 3D Warp: Background Color / Ignored"}},
        {"a matte key with one alpha flag reverses alpha; 2D keys crop by the second set",
         TranslateMatteKey,
         k2DMatteKey,
         {Flag(kAlphaA), {kMatteCropTop, 500}, {kCropLeft, 500}},
         {"2 Alpha / Matte Key / Applied", "2 Crop / Matte Key: Crop / Applied", "filter crop top=50",
          "alphareverse"}},
        {"a matte key with both flags keeps alpha", TranslateMatteKey, k3DMatteKey,
         {Flag(kAlphaA), Flag(kAlphaB)}, {"2 Alpha / Matte Key / Applied"}},
        {"3DMatteKey_3 is refused by every feature builder", TranslateMatteKey, k3DMatteKey3,
         {{kCenterX, 1}, {kScaleX, 1}, {kCropLeft, 1}, {kOpacity, 1}},
         {"2 Alpha / Matte Key / Applied", "3 Basic Motion - Center / Matte Key: Position / Error: Unsupported UID",
          "3 Basic Motion - Scale / Matte Key: Scaling / Error: Unsupported UID",
          "3 Crop / Matte Key: Crop / Error: Unsupported UID",
          "3 Opacity / Matte Key: Foreground / Error: Unsupported UID"}},
        {"flip", TranslateFlipFlop, kFlip, {}, {"2 Flop / Flip / Applied", "filter Flop flop=2"}},
        {"flop", TranslateFlipFlop, kFlop, {}, {"2 Flop / Flop / Applied", "filter Flop flop=1"}},
        {"flip and flop", TranslateFlipFlop, kFlipFlop, {}, {"2 Flop / Flip-Flop / Applied", "filter Flop flop=3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        UseEffectEntryPoints(EffectTranslationEntryPoints());
        PushClipItem(Clip("A", 0, 20));
        Run(c.translate, c.operation, c.params);
        EXPECT_EQ(Describe(Item()), c.expected);
    }
}

// The first Scale on an item stays; a later one is neither stored nor logged as applied.
TEST_F(PictureFeatures, ASecondScaleOnTheItemIsNotApplied)
{
    Run(TranslatePictureInPicture, kPictureInPictureV2, {{kScaleX, 80}});
    Run(TranslateResize, kResize, {{kScaleX, 30}});
    EXPECT_EQ(Describe(Item()),
              (std::vector<std::string>{
                  "2 Basic Motion - Scale / Picture-In-Picture: Scaling (Fixed Aspect Only) / Applied",
                  "motion scale=80 [0,1000]"}));
}

// Without an item that can take them, nothing is stored and nothing claims to be applied.
TEST_F(PictureFeatures, ATransitionOrAnEmptyStackTakesNothing)
{
    Reset();
    UseEffectEntryPoints(EffectTranslationEntryPoints());
    Run(TranslatePictureInPicture, kPictureInPictureV2, {{kCropLeft, 500}});
    Run(TranslateMatteKey, k3DMatteKey, {Flag(kAlphaA)});
    EXPECT_TRUE(GlobalTimelineBuilder.ItemStack.empty());
    PushTransitionItem(FCPTransitionItemTag(10, 5));
    Run(TranslatePictureInPicture, kPictureInPictureV2, {{kCropLeft, 500}, {kOpacity, 50}});
    Run(TranslateFlipFlop, kFlip, {});
    EXPECT_TRUE(GlobalTimelineBuilder.ItemStack.front().get()->log.translations.empty());
}

// Crop, opacity and flop filters and a keyframed, point-valued Basic Motion, as the format allows them.
TEST_F(PictureFeatures, TheFiltersAndBasicMotionAreValidXmeml)
{
    Run(Translate3DWarp, kSBlendV2,
        {Flag(kWarpCropFlag), {kWarpCropLeft, 0, Param::Varying, 1000}, Flag(kWarpScaleOn), {kWarpScaleX, 80},
         Flag(kWarpRotationOn), {kWarpRz, 0, Param::Varying, 90}, Flag(kWarpForegroundOn), Flag(kWarpPositionOn),
         {kWarpCenterX, 0, Param::Varying, 500}, {kWarpCenterY, -250}});
    Run(TranslatePictureInPicture, kPictureInPictureV2, {{kOpacity, 50}});
    Run(TranslateFlipFlop, kFlipFlop, {});
    ASSERT_EQ(Item().filters.size(), 4u);
    ASSERT_EQ(Item().motionParameters.size(), 3u);
    XmlStringSink sink;
    {
        ScopedXmlSink redirect(sink);
        XmlIndentDepth = 0;
        FCPClipItemTag copy = Item();
        copy.WriteClipItem();
        XmlIndentDepth = 0;
    }
    EXPECT_VALID_XMEML("<sequence><media><video><track>" + sink.text() + "</track></video></media></sequence>");
}

}  // namespace
}  // namespace effecttest
