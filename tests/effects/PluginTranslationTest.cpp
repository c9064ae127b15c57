// Plug-in effects: rows of every kind walked into FCP parameters, layer parameters kept for the
// track's layout, and the filter and transition entry points with their identity and log.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aaf/import/TimelineBuilder.h"
#include "effects/EffectFixture.h"
#include "effects/EffectTranslator.h"
#include "effects/FxPlugUuidMap.h"
#include "effects/plugins/PluginEffects.h"
#include "effects/plugins/PluginParameterCodes.h"
#include "effects/plugins/PluginParameterTranslation.h"
#include "effects/TransitionTranslator.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/NumberText.h"
#include "platform/Registry.h"
#include "records/ValueBase.h"

namespace effecttest {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOperation = "0c3bea40-fc05-11d2-8a29-aaaaaaaaaaaa";

std::string ValueText(const ValueInfo& v)
{
    std::string out = v.text;
    for (const ColorInfo& c : v.colors)
        out += "rgb " + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
    for (const PointInfo& p : v.points)
        out += "xy " + FloatToString(p.horiz) + "," + FloatToString(p.vert);
    return out;
}

std::vector<std::string> ParameterTexts(const EffectInfo& effect)
{
    std::vector<std::string> out;
    for (const ParameterInfo& p : effect.parameters) {
        std::string text = p.name + " " + p.parameterid + ":";
        for (const ValueInfo& v : p.values)
            text += " " + ValueText(v);
        for (const KeyframeInfo& k : p.keyframes)
            text += " @" + std::to_string(k.when) + "=" + (k.values.empty() ? "?" : ValueText(k.values.front()));
        for (const std::string& i : p.interpolations)
            text += " " + i;
        out.push_back(text);
    }
    return out;
}

std::string Pid(int n) { return std::to_string(n) + "0000000-0000-0000-0000-000000000000"; }
std::string PidText(int n) { return AuidToText(AuidFromHexText(Pid(n))); }

// A table from rows written as the two files would hold them.
PluginParameterTable Table(const std::vector<std::string>& avid, const std::vector<std::string>& fcp)
{
    PluginParameterTable table;
    for (const std::string& line : fcp) {
        PluginParameterLine row = ParsePluginDataLine(line);
        table.fcpRows.insert_or_assign(row.fields[0], row);
    }
    for (const std::string& line : avid)
        table.rows.push_back(ParsePluginDataLine(line));
    return table;
}

ParameterRecord Constant(ValueBase* value)
{
    ParameterRecord record;
    record.constantValues.push_back(value);
    return record;
}

ParameterRecord Varying(std::vector<std::pair<int, ValueBase*>> points)
{
    ParameterRecord record;
    for (auto& [numerator, value] : points) {
        ControlPointInfo point;
        point.timeNumerator = numerator;
        point.timeDenominator = 4;
        point.value = value;
        record.controlPoints.push_back(point);
    }
    return record;
}

class PluginTranslation : public EffectTest {
protected:
    void SetUp() override
    {
        EffectTest::SetUp();
        GlobalTimelineBuilder.TrackStack.push_front(TrackInfo(2));
        GlobalTimelineBuilder.TrackStack.front().items.resize(3);  // the clip will be the fourth
        PushClipItem(Clip("Shot", 0, 41));
    }

    std::vector<std::string> Translate(PluginParameterTable table)
    {
        EffectTranslator translator(Context(41, 2, 26), Auid{}, &parameters_);
        translator.effect.name = "Glow";
        TranslatePluginParameters(translator, table);
        return ParameterTexts(translator.effect);
    }

    std::map<std::string, ParameterRecord> parameters_;
};

TEST_F(PluginTranslation, RowsOfEveryKind)
{
    parameters_[PidText(3)] = Constant(new RatioValue(1, 4));
    parameters_[PidText(5)] = Constant(new IntValue(2));
    parameters_[PidText(20)] = Constant(nullptr);  // present without a usable value: the default
    const auto table = Table(
        {
            "1 " + std::string(kOperation) + " plugin Glow",
            "2 " + Pid(2) + " menu \"Mode\" 0",          // default 0: the FCP value 1
            "3 " + Pid(3) + " double \"Amount\" 0.5",    // the effect's 1/4 wins over the default
            "4 " + Pid(4) + " boolean \"Invert\" 1",
            "5 " + Pid(5) + " menu \"Shape\"",          // the effect's 2: the FCP value 3
            "6 " + Pid(6) + " color Tint",
            "7 " + Pid(7) + " green \"g\" 128",         // members by kind, not by position
            "8 " + Pid(8) + " blue \"b\" 64",
            "9 " + Pid(9) + " red \"r\" 255",
            "10 " + Pid(10) + " pointx \"Centre\" 500",  // 500/1, divided by 1000
            "11 " + Pid(11) + " pointy \"cy\" 250",
            "12 " + Pid(12) + " menu \"Source\" 2",     // FCP type "layer": never a parameter here
            "13 " + Pid(13) + " uint \"Count\" 4",      // no handled kind
            "14 " + Pid(14) + " double \"Hidden\" 1",   // FCP type "nodata"
            "15 " + Pid(15) + " double \"Missing\"",    // no value, no default
            "16 " + Pid(16) + " menu \"Negative\" -3",
            "17 " + Pid(17) + " boolean \"Off\" -1",
            "18 " + Pid(18) + " double \"Unmatched\" 3",  // no FCP-side row
            "20 " + Pid(20) + " double \"Fallback\" 0.257",
        },
        {
            "1 com.example.glow plugin Glow",
            "2 mode popup Mode", "3 amount slider Amount", "4 invert check Invert", "5 shape popup Shape",
            "6 tint color Tint", "10 centre point Centre", "12 source layer Source", "13 count int Count",
            "14 hidden nodata Hidden", "15 missing slider Missing", "16 neg popup Negative", "17 off check Off",
            "20 fallback slider Fallback",
        });
    EXPECT_EQ(Translate(table), (std::vector<std::string>{
                                    "Mode input_Mode: 1",
                                    "Shape input_Shape: 3",
                                    "Amount input_Amount: 0.25",
                                    "Fallback input_Fallback: 0.25",
                                    "Invert input_Invert: TRUE",
                                    "Tint input_Tint: rgb 255,128,64",
                                    "Centre input_Centre_X: xy 0.5,0.25",
                                }));
    // The layer parameter waits on the clip under the index its filter will take, and the track
    // marks the clip's index.
    const auto* clip = dynamic_cast<const FCPClipItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
    ASSERT_NE(clip, nullptr);
    ASSERT_EQ(clip->layerParameters.count(0), 1u);
    ASSERT_EQ(clip->layerParameters.at(0).size(), 1u);
    const ParameterRecord& layer = clip->layerParameters.at(0).front();
    EXPECT_EQ(layer.mapping.avid.kind, 14);
    EXPECT_EQ(layer.mapping.fcp.name, "Source");
    EXPECT_EQ(layer.mapping.rule.kind, 13);
    EXPECT_EQ(dynamic_cast<const IntValue*>(layer.constantValues.front())->value, 2);
    EXPECT_EQ(GlobalTimelineBuilder.TrackStack.front().parameterItems, (std::map<int, bool>{{3, true}}));
}

TEST_F(PluginTranslation, ControlPointsBecomeKeyframes)
{
    parameters_[PidText(3)] = Varying({{0, new RatioValue(1, 2)}, {2, new RatioValue(3, 4)}, {4, nullptr}});
    parameters_[PidText(4)] = Varying({{1, new IntValue(1)}});
    parameters_[PidText(6)] = Varying({{0, new RatioValue(0, 1)}, {4, new RatioValue(200, 1)}});
    const auto table = Table(
        {"1 " + std::string(kOperation) + " plugin Glow", "3 " + Pid(3) + " double Amount",
         "4 " + Pid(4) + " menu \"Mode\" 5", "5 " + Pid(5) + " color Tint", "6 " + Pid(6) + " red r",
         "7 " + Pid(7) + " green \"g\" 10", "8 " + Pid(8) + " blue \"b\" 20"},
        {"1 x plugin Glow", "3 amount slider Amount", "4 mode popup Mode", "5 tint color Tint"});
    EXPECT_EQ(Translate(table), (std::vector<std::string>{
                                    "Mode input_Mode: @10=2 FCPCurve",
                                    "Amount input_Amount: @0=0.5 @20=0.75 FCPCurve",
                                    "Tint input_Tint: @0=rgb 0,10,20 @41=rgb 200,10,20 FCPCurve",
                                }));
}

TEST_F(PluginTranslation, GroupsThatRunPastTheRowsAreDropped)
{
    const std::string plugin = "1 " + std::string(kOperation) + " plugin Glow";
    const std::vector<std::string> fcp = {"1 x plugin Glow", "2 a point A", "4 b point B", "6 tint color Tint",
                                          "9 amount slider Amount"};
    const struct {
        const char* name;
        std::vector<std::string> avid;
        std::vector<std::string> parameters;
    } cases[] = {
        {"two points, each from its row and the one after it",
         {plugin, "2 " + Pid(2) + " pointx \"ax\" 100", "3 " + Pid(3) + " pointy \"ay\" 200",
          "4 " + Pid(4) + " pointx \"bx\" 300", "5 " + Pid(5) + " pointy \"by\" 400"},
         {"A input_A_X: xy 0.1,0.2", "B input_B_X: xy 0.3,0.4"}},
        {"a point as the last row",
         {plugin, "2 " + Pid(2) + " pointx \"ax\" 100", "3 " + Pid(3) + " pointy \"ay\" 200",
          "4 " + Pid(4) + " pointx \"bx\" 300"},
         {"A input_A_X: xy 0.1,0.2"}},
        {"a colour with two channel rows left ends the walk",
         {plugin, "6 " + Pid(6) + " color Tint", "7 " + Pid(7) + " red \"r\" 1", "8 " + Pid(8) + " green \"g\" 2"},
         {}},
        {"rows before the cut group still count",
         {plugin, "9 " + Pid(9) + " double \"Amount\" 2", "6 " + Pid(6) + " color Tint"},
         {"Amount input_Amount: 2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Translate(Table(c.avid, fcp)), c.parameters);
    }
}

// The filter and transition entry points over data files in a temporary root.
class PluginEffects : public EffectTest {
protected:
    void SetUp() override
    {
        EffectTest::SetUp();
        FxPlugUuidMap.clear();
        testsupport::WriteFile(dir_ / "registry.ini", "[SOFTWARE\\Tarvo FX, Inc.\\Tarvo Ostrani]\nTarvo_XML_Data=" +
                                                          (dir_.path() / "data").string() + "/\n");
        setenv(kRegistryFileVariable, (dir_ / "registry.ini").c_str(), 1);
        Files("ZRQ Glow", "1 " + std::string(kOperation) + " plugin Glow\n2 " + Pid(2) + " double \"Amount\" 0.5\n",
              "1 com.example.glow plugin Glow\n67650 com.example.glow2 plugin \"Glow Two\"\n2 amount slider Amount\n");
    }
    void TearDown() override
    {
        unsetenv(kRegistryFileVariable);
        FxPlugUuidMap.clear();
        EffectTest::TearDown();
    }

    void Files(const std::string& name, const std::string& avid, const std::string& fcp)
    {
        fs::create_directories(dir_.path() / "data/Solvane_Complete/ZRQ7_AAF");
        fs::create_directories(dir_.path() / "data/Solvane_Complete/ZRQ7_FCP");
        testsupport::WriteFile(dir_.path() / "data/Solvane_Complete/ZRQ7_AAF" / (name + ".txt"), avid);
        testsupport::WriteFile(dir_.path() / "data/Solvane_Complete/ZRQ7_FCP" / (name + ".txt"), fcp);
    }

    static std::vector<std::string> Records()
    {
        std::vector<std::string> out;
        for (const TranslationRecord& r : GlobalTimelineBuilder.ItemStack.front().get()->log.translations)
            out.push_back(std::to_string(r.status) + " " + r.fcpName + " / " + r.avidName + " / " + r.action);
        return out;
    }

    static std::vector<std::string> Filters()
    {
        std::vector<std::string> out;
        const auto* clip = dynamic_cast<const FCPClipItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
        if (clip)
            for (const FilterInfo& f : clip->filters)
                out.push_back(f.effect.name + " " + f.effect.effectid + " " + f.effect.effectclass + " " +
                              f.effect.effecttype + " " + std::to_string(f.effect.parameters.size()));
        return out;
    }

    std::map<std::string, ParameterRecord> parameters_;
};

TEST_F(PluginEffects, FiltersTakeTheirIdentityFromTheDataFiles)
{
    Files("ZRQ Other", "1 " + std::string(kOperation) + " plugin Other\n", "2 amount slider Amount\n");
    Files("ZRQ Wrong", "1 0c3bea40-fc05-11d2-8a29-bbbbbbbbbbbb plugin Wrong\n", "1 com.example.wrong plugin Wrong\n");
    constexpr PluginNamePair kFixUps[] = {{"Glow", "ZRQ Glow"}};
    const Auid operation = AuidFromHexText(kOperation);
    const Auid alternates[] = {operation};
    const struct {
        const char* name;
        const char* effect;
        PluginTables tables;
        std::vector<std::string> records;
        std::vector<std::string> filters;
    } cases[] = {
        {"the first row; a name no pair fixes stays", "ZRQ Glow", {}, {"2 Glow / ZRQ Glow / Applied"},
         {"Glow FxPlugWrapper:com.example.glow FxPlug filter 1"}},
        {"a fixed-up name", "ZRQ Glow", {.displayNameFixUps = kFixUps}, {"2 ZRQ Glow / ZRQ Glow / Applied"},
         {"ZRQ Glow FxPlugWrapper:com.example.glow FxPlug filter 1"}},
        {"the alternative identity row", "ZRQ Glow", {.alternateIdentityEffects = alternates},
         {"2 Glow Two / ZRQ Glow / Applied"}, {"Glow Two FxPlugWrapper:com.example.glow2 FxPlug filter 1"}},
        {"no data files", "ZRQ Missing", {}, {"1 Not Supported / ZRQ Missing / Ignored"}, {}},
        {"files of another operation", "ZRQ Wrong", {}, {"1 Not Supported / ZRQ Wrong / Ignored"}, {}},
        {"no FCP-side identity row", "ZRQ Other", {}, {"1 Not Supported / ZRQ Other / Ignored"}, {}},
        {"a name that would leave the data folders", "../ZRQ Glow", {}, {"1 Not Supported / ../ZRQ Glow / Ignored"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        PushClipItem(Clip("Shot", 0, 50));
        EffectTranslator translator(Context(50, 2, 26), operation, &parameters_);
        translator.SetName(c.effect);
        TranslatePluginFilter(translator, c.tables);
        EXPECT_EQ(Records(), c.records);
        EXPECT_EQ(Filters(), c.filters);
    }
}

TEST_F(PluginEffects, AFilterOnATransitionItemIsNeitherAttachedNorLogged)
{
    PushTransitionItem(FCPTransitionItemTag(10, 5));
    EffectTranslator translator(Context(10, 2, 26), AuidFromHexText(kOperation), &parameters_);
    translator.SetName("ZRQ Glow");
    TranslatePluginFilter(translator);
    EXPECT_EQ(translator.effect.effectid, "FxPlugWrapper:com.example.glow");
    EXPECT_EQ(translator.effect.parameters.size(), 1u);
    EXPECT_TRUE(Records().empty());
}

TEST_F(PluginEffects, TransitionsUseTheFirstRowAndTheFxPlugMap)
{
    const Auid operation = AuidFromHexText(kOperation);
    const Auid alternates[] = {operation};
    constexpr PluginNamePair kFixUps[] = {{"Glow", "ZRQ Glow"}};
    for (const bool mapped : {false, true}) {
        SCOPED_TRACE(mapped ? "mapped" : "from the data file");
        Reset();
        FxPlugUuidMap.clear();
        if (mapped) {
            const FxPlugUuidRow rows[] = {{operation, "0A1B2C3D_4E5F_6A7B_8C9D_0E1F2A3B4C5D"}};
            StoreFxPlugUuidRows(rows);
        }
        PushTransitionItem(FCPTransitionItemTag(10, 5));
        auto* item = dynamic_cast<FCPTransitionItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
        TransitionTranslator translator(Context(10, 2, 33), operation, &parameters_, item);
        translator.SetName("ZRQ Glow");
        // Neither the fix-ups nor the alternative row reach a transition.
        EXPECT_TRUE(TranslatePluginTransition(translator, {.displayNameFixUps = kFixUps,
                                                           .alternateIdentityEffects = alternates}));
        ASSERT_EQ(item->effects.size(), 1u);
        EXPECT_EQ(item->effects[0].name, "Glow");
        EXPECT_EQ(item->effects[0].effectid, mapped ? "FxPlugWrapper:0A1B2C3D_4E5F_6A7B_8C9D_0E1F2A3B4C5D"
                                                    : "FxPlugWrapper:com.example.glow");
        EXPECT_EQ(item->effects[0].effecttype, "transition");
        EXPECT_EQ(item->effects[0].parameters.size(), 1u);
        EXPECT_EQ(GetTransitionSourceName(*item), "ZRQ Glow");
        EXPECT_EQ(Records(), (std::vector<std::string>{"2 Glow / ZRQ Glow / Applied"}));
    }
    // Not supported: false, and the caller's fallback is the one record.
    Reset();
    PushTransitionItem(FCPTransitionItemTag(10, 5));
    auto* item = dynamic_cast<FCPTransitionItemTag*>(GlobalTimelineBuilder.ItemStack.front().get());
    TransitionTranslator translator(Context(10, 2, 33), operation, &parameters_, item);
    translator.SetName("ZRQ Missing");
    EXPECT_FALSE(TranslatePluginTransition(translator));
    EXPECT_TRUE(item->effects.empty());
    EXPECT_TRUE(Records().empty());
}

}  // namespace
}  // namespace effecttest
