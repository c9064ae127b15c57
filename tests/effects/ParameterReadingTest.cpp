// Parameters read into their records: values decoded by every type the decoder knows, constant and
// varying values, control points with their interpolation and handles, on built files and on the
// samples as the dump tool shows them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "effects/EffectT.h"
#include "effects/ParameterR.h"
#include "effects/TypedValueDecoding.h"
#include "effects/EffectFixture.h"
#include "support/GenericPropertyFixture.h"
#include "support/ValueText.h"
#include "aafsdk/com/StoredValues.h"

namespace effecttest {
namespace {

using testsupport::Describe;

// The parameter definition of case n: each case its own.
aafsdk::Auid CaseDefinition(std::uint8_t n)
{
    aafsdk::Auid id = "7e570000-0000-4000-8000-000000000000"_auid;
    id.bytes[15] = n;
    return id;
}

Auid SystemAuid(const aafsdk::Auid& id) { return ToAuid(aafsdk::com::UidFromAuid(id)); }

std::string PointText(const ControlPointInfo& p)
{
    return std::to_string(p.timeNumerator) + "/" + std::to_string(p.timeDenominator) + " " + Describe(p.value) +
           " kind " + std::to_string(p.interpolationKind) + " handles " + std::to_string(p.firstHandle.xNumerator) +
           "/" + std::to_string(p.firstHandle.xDenominator) + "," + std::to_string(p.firstHandle.yNumerator) + "/" +
           std::to_string(p.firstHandle.yDenominator) + " " + std::to_string(p.secondHandle.xNumerator) + "/" +
           std::to_string(p.secondHandle.xDenominator) + "," + std::to_string(p.secondHandle.yNumerator) + "/" +
           std::to_string(p.secondHandle.yDenominator) + " flag " + std::to_string(p.handleFlag);
}

std::vector<std::string> PointTexts(const ParameterRecord& record)
{
    std::vector<std::string> out;
    for (const ControlPointInfo& p : record.controlPoints)
        out.push_back(PointText(p));
    return out;
}

std::vector<std::uint8_t> Little64(std::uint64_t v)
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 8; ++i)
        bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return bytes;
}

class ParameterReading : public EffectTest {};

TEST_F(ParameterReading, ConstantValuesOfEveryType)
{
    const struct {
        aafsdk::Auid type;
        std::vector<std::uint8_t> bytes;
        std::string value;
        aafsdk::Auid mappedType;  // the type the record's AAF side keeps
    } cases[] = {
        {kRational, RationalBytes(3, 4), "ratio 3/4", kRational},
        {kBoolean, {2}, "bool 1", kBoolean},
        {kUInt8, {200}, "int 200", kUInt8},
        {kUInt16, {0xff, 0xff}, "int 65535", kUInt16},
        {kUInt32, {0xff, 0xff, 0xff, 0xff}, "int -1", kUInt32},
        {kUInt64, Little64((1ull << 32) + 5), "int 5", kUInt64},
        {kInt8, {0xc8}, "int -56", kInt8},
        {kInt16, {0x00, 0x80}, "int -32768", kInt16},
        {kInt32, Int32Bytes(-7), "int -7", kInt32},
        {kInt64, Little64((1ull << 32) + 5), "int 5", kInt64},
        {kPosition, Little64(~0ull), "int -1", kPosition},
        {kLength, Little64((1ull << 33) + 12), "int 12", kLength},
        // Bytes of 0x80 and above print as two hex digits.
        {kUInt8Array, {0x41, 0x00, 0x80, 0xff}, "bytes 4 41 00 80 ff |A...", kUInt8Array},
        {kBagOfBits, {0x45, 0x46, 0x7e, 0x20, 0x0a}, "bytes 5 45 46 7e 20 0a |EF~ .", kUInt8Array},
        // A type the decoder does not know keeps its place with no value.
        {kString, {'x', 0, 0, 0}, "null", kString},
    };
    EffectFile file;
    file.DefineBagOfBits();
    const ObjectId group = file.Group(kBlur);
    std::uint8_t n = 0;
    for (const auto& c : cases)
        file.Constant(group, CaseDefinition(++n), c.type, c.bytes);
    FileEffects effects(file.Save(dir_));
    ASSERT_EQ(effects.groups.size(), 1u);

    Ref<IEnumAAFParameters> parameters;
    ASSERT_EQ(effects.groups[0]->GetParameters(parameters.out()), 0);
    n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        ParameterR parameter(parameters.get());
        ASSERT_GE(parameter.ReadValue(), 0);
        const ParameterRecord& record = parameter.record;
        EXPECT_EQ(record.mapping.avid.parameterDefId, SystemAuid(CaseDefinition(++n)));
        EXPECT_EQ(record.mapping.avid.typeDefId, SystemAuid(c.mappedType));
        ASSERT_EQ(record.constantValues.size(), 1u);
        EXPECT_EQ(Describe(record.constantValues.front()), c.value);
        EXPECT_TRUE(record.controlPoints.empty());
    }
    EXPECT_EQ(ParameterR(parameters.get()).status, AAFRESULT_NO_MORE_OBJECTS);

    // Variable arrays of these element types are known by their array types, which decode to
    // nothing; each file states its byte-array type over one element type.
    const struct {
        aafsdk::Auid element;
        aafsdk::Auid array;
    } arrays[] = {
        {kUInt32, "04010900-0000-0000-060e-2b3401040101"_auid},
        {kInt32, "04010300-0000-0000-060e-2b3401040101"_auid},
        {kInt64, "04010400-0000-0000-060e-2b3401040101"_auid},
    };
    for (const auto& a : arrays) {
        SCOPED_TRACE(AuidToText(SystemAuid(a.array)));
        EffectFile arrayFile;
        arrayFile.DefineBagOfBits(a.element);
        arrayFile.Constant(arrayFile.Group(kBlur), CaseDefinition(1), kBagOfBits, Little64(7));
        FileEffects arrayEffects(arrayFile.Save(dir_, "array.aaf"));
        ASSERT_EQ(arrayEffects.groups.size(), 1u);
        Ref<IEnumAAFParameters> arrayParameters;
        ASSERT_EQ(arrayEffects.groups[0]->GetParameters(arrayParameters.out()), 0);
        ParameterR parameter(arrayParameters.get());
        ASSERT_GE(parameter.ReadValue(), 0);
        EXPECT_EQ(parameter.record.mapping.avid.typeDefId, SystemAuid(a.array));
        ASSERT_EQ(parameter.record.constantValues.size(), 1u);
        EXPECT_EQ(Describe(parameter.record.constantValues.front()), "null");
    }

    ValueBase* none = nullptr;
    EXPECT_EQ(DecodeTypedValue(SystemAuid(kRational), static_cast<IAAFConstantValue*>(nullptr), &none),
              AAFRESULT_BADINDEX);
    EXPECT_EQ(none, nullptr);
}

TEST_F(ParameterReading, VaryingValuesWithTheirControlPoints)
{
    EffectFile file;
    const ObjectId group = file.Group(kBlur);
    const ObjectId linear = file.Varying(group, CaseDefinition(1), kLinear);
    file.Point(linear, 0, 1, kRational, RationalBytes(0, 1));
    file.Point(linear, 1, 2, kInt32, Int32Bytes(40));
    file.Point(linear, 1, 1, kRational, RationalBytes(100, 1));
    // Points of a type that decodes to nothing stay, without values.
    const ObjectId strings = file.Varying(group, CaseDefinition(2), kLinear);
    for (int i = 0; i < 3; ++i)
        file.Point(strings, i, 2, kString, {'a', 0, 0, 0});
    FileEffects effects(file.Save(dir_));
    ASSERT_EQ(effects.groups.size(), 1u);

    EffectT effect(effects.groups[0], Context(50, 2, 26));
    ASSERT_GE(effect.status, 0);
    effect.ReadParameters();
    ASSERT_EQ(effect.parameters.size(), 2u);
    const ParameterRecord& ramp = effect.parameters.at(AuidToText(SystemAuid(CaseDefinition(1))));
    EXPECT_TRUE(ramp.constantValues.empty());
    EXPECT_EQ(PointTexts(ramp), (std::vector<std::string>{
                                    "0/1 ratio 0/1 kind 1 handles 0/1,1/1 0/1,1/1 flag -1",
                                    "1/2 int 40 kind 1 handles 0/1,1/1 0/1,1/1 flag -1",
                                    "1/1 ratio 100/1 kind 1 handles 0/1,1/1 0/1,1/1 flag -1",
                                }));
    const ParameterRecord& empty = effect.parameters.at(AuidToText(SystemAuid(CaseDefinition(2))));
    ASSERT_EQ(empty.controlPoints.size(), 3u);
    for (const ControlPointInfo& p : empty.controlPoints)
        EXPECT_EQ(p.value, nullptr);
}

// The generic-property file's time warp: Bezier handles read through the point's parameter
// references, a parameter of a type no one defines, and a second Level whose value is cut short,
// which replaces the first in the map.
TEST_F(ParameterReading, BezierHandlesAndParametersThatDoNotRead)
{
    testsupport::generic::GenericPropertyFile built;
    const auto path = dir_ / "generic.aaf";
    fixture::SaveBytes(path, fixture::WriteAaf(built.f.graph()).bytes);
    FileEffects effects(path);
    ASSERT_EQ(effects.groups.size(), 2u);

    EffectT warp(effects.groups[0], Context(10, 2, 26));
    ASSERT_GE(warp.status, 0);
    EXPECT_TRUE(warp.isTimeWarp);
    ASSERT_EQ(warp.motionEffectTags.size(), 1u);
    EXPECT_EQ(warp.motionEffectTags[0].numerator, 3);
    EXPECT_EQ(warp.motionEffectTags[0].denominator, 2);

    // The Level read directly: the Bezier points with their handles.
    Ref<IEnumAAFParameters> parameters;
    ASSERT_EQ(effects.groups[0]->GetParameters(parameters.out()), 0);
    ParameterR ratio(parameters.get());
    ASSERT_GE(ratio.ReadValue(), 0);
    EXPECT_EQ(ratio.record.mapping.avid.name, "Speed_Ratio");
    EXPECT_EQ(ratio.displayUnits, "ratio");
    ParameterR level(parameters.get());
    ASSERT_GE(level.ReadValue(), 0);
    EXPECT_EQ(PointTexts(level.record), (std::vector<std::string>{
                                            "0/1 ratio 1/2 kind 2 handles -3/1,1/1 0/1,1/1 flag 1",
                                            "1/1 ratio 1/1 kind 2 handles 0/1,1/1 0/1,1/1 flag -1",
                                        }));

    // A parameter whose definition no dictionary holds keeps the empty mapping; its value, of a type
    // no one defines, keeps its place without a value.
    warp.ReadParameters();
    ASSERT_EQ(warp.parameters.size(), 3u);
    const ParameterRecord& unknown = warp.parameters.at(AuidToText(Auid{}));
    EXPECT_EQ(unknown.mapping.avid.name, "");
    ASSERT_EQ(unknown.constantValues.size(), 1u);
    EXPECT_EQ(unknown.constantValues[0], nullptr);
    const ParameterRecord& later = warp.parameters.at(AuidToText(SystemAuid(kLevel)));
    EXPECT_TRUE(later.constantValues.empty());
    EXPECT_TRUE(later.controlPoints.empty());
}

TEST_F(ParameterReading, SampleParametersAsTheDumpShowsThem)
{
    REQUIRE_SHARED_DIR();
    const auto samples = testsupport::SharedDir() / "aaf-samples";
    const struct {
        const char* file;
        const char* parameter;  // a parameter definition of the file's first group that has it
        std::vector<std::string> constants;
        std::vector<std::string> points;
    } cases[] = {
        // A fade's opacity ramp is linear: its handle tags are there but not read.
        {"transitions.aaf", "{0x8d56813d, 0x847e, 0x11d5, {0x93, 0x5a, 0x50, 0xf8, 0x57, 0xc1, 0x00, 0x00}}", {},
         {"0/1 ratio 0/1 kind 1 handles 0/1,1/1 0/1,1/1 flag -1",
          "12/11 ratio 100/1 kind 1 handles 0/1,1/1 0/1,1/1 flag -1"}},
        {"transitions.aaf", "{0x8d56814d, 0x847e, 0x11d5, {0x93, 0x5a, 0x50, 0xf8, 0x57, 0xc1, 0x00, 0x00}}",
         {"bool 0"}, {}},
        {"transitions.aaf", "{0xc0038672, 0xa8cf, 0x11d3, {0xa0, 0x5b, 0x00, 0x60, 0x94, 0xeb, 0x75, 0xcb}}",
         {"int 18761"}, {}},
        {"transitions.aaf", "{0x93994bd6, 0xa81d, 0x11d3, {0xa0, 0x5b, 0x00, 0x60, 0x94, 0xeb, 0x75, 0xcb}}",
         {"bytes 19 45 46 46 32 5f 42 4c 45 4e 44 5f 46 41 44 45 5f 55 50 00 |EFF2_BLEND_FADE_UP."}, {}},
        {"normal_bezier.aaf", "{0x8d5681ab, 0x847e, 0x11d5, {0x93, 0x5a, 0x50, 0xf8, 0x57, 0xc1, 0x00, 0x00}}", {},
         {"0/1 ratio 0/1 kind 2 handles -58553859/25000000,-51564771/125000 62397541/12500000,879194631/1000000 flag 1",
          "23/1 ratio 0/1 kind 2 handles -15727459/6250000,419463087/500000 52764107/10000000,-175907271/100000 flag 1"}},
        {"PR_Fades.aaf", "{0xe4962320, 0x2267, 0x11d3, {0x8a, 0x4c, 0x00, 0x50, 0x04, 0x0e, 0xf7, 0xd2}}", {},
         {"0/100000 ratio 0/1000000000 kind 6 handles 0/1,1/1 0/1,1/1 flag -1",
          "100000/100000 ratio 0/1000000000 kind 6 handles 0/1,1/1 0/1,1/1 flag -1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.parameter);
        FileEffects effects(samples / c.file);
        bool found = false;
        for (IAAFOperationGroup* group : effects.groups) {
            EffectT effect(group, Context(10, 2, 26));
            effect.ReadParameters();
            const auto record = effect.parameters.find(c.parameter);
            if (record == effect.parameters.end())
                continue;
            found = true;
            std::vector<std::string> constants;
            for (const ValueBase* v : record->second.constantValues)
                constants.push_back(Describe(v));
            EXPECT_EQ(constants, c.constants);
            EXPECT_EQ(PointTexts(record->second), c.points);
            break;
        }
        EXPECT_TRUE(found);
    }
}

}  // namespace
}  // namespace effecttest
