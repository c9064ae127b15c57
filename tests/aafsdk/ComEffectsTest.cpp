// Effects through the interfaces on sample files: operation groups and their definitions,
// parameters (constant and varying, stored as vectors and as sets), control points and
// interpolation definitions, with the values the dump tool shows for them.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/ComObject.h"
#include "aafsdk/com/StoredValues.h"
#include "aafsdk/include/AAF.h"
#include "support/InterfaceWalk.h"
#include "support/TestSupport.h"

namespace {

using namespace aafsdk::literals;
using testsupport::OpenedFile;
using testsupport::Query;
using testsupport::Ref;

std::filesystem::path Sample(const char* name)
{
    return testsupport::SharedDir() / "aaf-samples" / name;
}

std::string Text(const aafUID_t& id)
{
    std::string text(1, '{');
    text += aafsdk::com::AuidFromUid(id).ToString();
    text += '}';
    return text;
}

std::string Ratio(const aafRational_t& r)
{
    return std::to_string(r.numerator) + "/" + std::to_string(r.denominator);
}

// "name {auid}" of a definition read as IAAFDefObject.
std::string Definition(IUnknown* definition)
{
    Ref<IAAFDefObject> d;
    if (Query(definition, IID_IAAFDefObject, &d) != 0)
        return "(no IAAFDefObject)";
    aafUID_t id{};
    EXPECT_EQ(d->GetAUID(&id), 0);
    aafUInt32 bytes = 0;
    std::u16string name;
    if (d->GetNameBufLen(&bytes) == 0) {
        name.assign(bytes / 2, u'\0');
        EXPECT_EQ(d->GetName(name.data(), bytes), 0);
        name.pop_back();
    }
    return aafsdk::Utf16ToUtf8(name) + " " + Text(id);
}

std::string OperationOf(IAAFOperationGroup* group)
{
    Ref<IAAFOperationDef> op;
    return group->GetOperationDefinition(op.out()) == 0 ? Definition(op.get()) : "(none)";
}

std::string ParameterOf(IAAFParameter* parameter)
{
    Ref<IAAFParameterDef> def;
    return parameter->GetParameterDefinition(def.out()) == 0 ? Definition(def.get()) : "(none)";
}

// A Rational value through GetTypeDefinition and GetValue, as the parameter reader reads it.
template <class Holder>
std::string RationalValue(Holder* holder)
{
    Ref<IAAFTypeDef> type;
    Ref<IAAFMetaDefinition> meta;
    aafUID_t typeId{};
    if (holder->GetTypeDefinition(type.out()) != 0 || Query(type.get(), IID_IAAFMetaDefinition, &meta) != 0 ||
        meta->GetAUID(&typeId) != 0 || Text(typeId) != "{03010100-0000-0000-060e-2b3401040101}")
        return "(not a Rational)";
    aafUInt32 size = 0, read = 0;
    aafRational_t r{};
    EXPECT_EQ(holder->GetValueBufLen(&size), 0);
    EXPECT_EQ(size, sizeof r);
    EXPECT_EQ(holder->GetValue(sizeof r, reinterpret_cast<aafDataBuffer_t>(&r), &read), 0);
    EXPECT_EQ(read, sizeof r);
    return Ratio(r);
}

// "time value hint" of each control point.
std::vector<std::string> Points(IAAFVaryingValue* varying)
{
    std::vector<std::string> out;
    aafUInt32 n = 0;
    EXPECT_EQ(varying->CountControlPoints(&n), 0);
    for (aafUInt32 i = 0; i < n; ++i) {
        Ref<IAAFControlPoint> point;
        EXPECT_EQ(varying->GetControlPointAt(i, point.out()), 0);
        aafRational_t time{};
        EXPECT_EQ(point->GetTime(&time), 0);
        aafEditHint_t hint = -1;
        const std::string hintText = point->GetEditHint(&hint) == 0 ? std::to_string(hint) : "none";
        out.push_back(Ratio(time) + " " + RationalValue(point.get()) + " " + hintText);
    }
    Ref<IAAFControlPoint> beyond;
    EXPECT_EQ(varying->GetControlPointAt(n, beyond.out()), AAFRESULT_BADINDEX);
    return out;
}

// Every operation group of a file, in walk order.
struct Groups {
    OpenedFile file;
    std::vector<IAAFOperationGroup*> all;

    explicit Groups(const char* sample)
    {
        EXPECT_EQ(file.Open(Sample(sample)), 0);
        if (!file.header)
            return;
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            IAAFOperationGroup* group = nullptr;
            if (o->QueryInterface(IID_IAAFOperationGroup, reinterpret_cast<void**>(&group)) == 0)
                all.push_back(group);
        });
    }
    ~Groups()
    {
        for (IAAFOperationGroup* g : all)
            g->Release();
    }
    IAAFOperationGroup* First(const std::string& operation) const
    {
        for (IAAFOperationGroup* g : all)
            if (OperationOf(g).find(operation) != std::string::npos)
                return g;
        ADD_FAILURE() << "no operation group " << operation;
        return nullptr;
    }
};

// The parameter of a group whose definition is the given one.
void FindParameter(IAAFOperationGroup* group, const std::string& definition, Ref<IAAFParameter>* out)
{
    Ref<IEnumAAFParameters> parameters;
    ASSERT_EQ(group->GetParameters(parameters.out()), 0);
    Ref<IAAFParameter> p;
    while (parameters->NextOne(p.out()) == 0)
        if (ParameterOf(p.get()).find(definition) != std::string::npos) {
            (void)Query(p.get(), IID_IAAFParameter, out);
            return;
        }
    FAIL() << "no parameter " << definition;
}

TEST(ComEffectSamples, DissolveLevelControlPoints)
{
    REQUIRE_SHARED_DIR();
    const struct {
        const char* file;
        const char* operation;
        const char* parameter;  // the level the dissolve ramps
        const char* interpolation;
        std::vector<std::string> points;
    } cases[] = {
        // The video dissolve ramps its opacity level, the audio dissolve its Level.
        {"transitions.aaf", "VideoDissolve_2 {89d9b67e", "{8d56813d-847e-11d5-935a-50f857c10000}",
         "LinearInterp {5b6c85a4-0ede-11d3-80a9-006008143e6f}", {"-1/47 0/1 1", "48/47 100/1 1"}},
        {"Resolve 18.5.aaf", "{0c3bea41", "Level {e4962320-2267-11d3-8a4c-0050040ef7d2}",
         "LinearInterp {5b6c85a4-0ede-11d3-80a9-006008143e6f}", {"0/1 0/1 1", "1/1 100/1 1"}},
        {"PR_Fades.aaf", "{0c3bea41", "Level {e4962320-2267-11d3-8a4c-0050040ef7d2}",
         "LogInterp {15829ec3-1f24-458a-960d-c65bb23c2aa1}", {"0/100000 0/1000000000 none", "100000/100000 0/1000000000 none"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Groups groups(c.file);
        IAAFOperationGroup* dissolve = groups.First(c.operation);
        if (!dissolve)
            continue;
        Ref<IAAFParameter> level;
        FindParameter(dissolve, c.parameter, &level);
        Ref<IAAFVaryingValue> varying;
        ASSERT_EQ(Query(level.get(), IID_IAAFVaryingValue, &varying), 0);
        Ref<IAAFInterpolationDef> interpolation;
        ASSERT_EQ(varying->GetInterpolationDefinition(interpolation.out()), 0);
        EXPECT_EQ(Definition(interpolation.get()), c.interpolation);
        EXPECT_EQ(Points(varying.get()), c.points);
    }

    // The video dissolve's definition as the file states it.
    Groups groups("transitions.aaf");
    IAAFOperationGroup* dissolve = groups.First("VideoDissolve_2");
    ASSERT_NE(dissolve, nullptr);
    Ref<IAAFOperationDef> op;
    ASSERT_EQ(dissolve->GetOperationDefinition(op.out()), 0);
    aafInt32 inputs = 0, degrade = -1;
    aafUInt32 bypass = 0;
    aafUID_t category{};
    EXPECT_EQ(op->GetNumberInputs(&inputs), 0);
    EXPECT_EQ(inputs, 2);
    EXPECT_EQ(op->CountDegradeToOperations(&degrade), 0);
    EXPECT_EQ(degrade, 0);
    EXPECT_EQ(op->GetBypass(&bypass), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(op->GetCategory(&category), 0);
    EXPECT_EQ(Text(category), "{0d010102-0101-0100-060e-2b3404010101}");
    Ref<IAAFDataDef> data;
    aafBoolean_t picture = kAAFFalse, timeWarp = kAAFTrue, transition = kAAFFalse;
    ASSERT_EQ(op->GetDataDef(data.out()), 0);
    EXPECT_EQ(data->IsPictureKind(&picture), 0);
    EXPECT_EQ(picture, kAAFTrue);
    EXPECT_EQ(dissolve->IsATimeWarp(&timeWarp), 0);
    EXPECT_EQ(timeWarp, kAAFFalse);
    EXPECT_EQ(dissolve->IsValidTranOperation(&transition), 0);
    EXPECT_EQ(transition, kAAFTrue);
}

TEST(ComEffectSamples, AudioGainAsCurveAndConstantWithParametersStoredAsASet)
{
    REQUIRE_SHARED_DIR();
    Groups groups("DR_Audio_Levels.aaf");
    IAAFOperationGroup* curve = groups.First("{9d2ea894");
    ASSERT_NE(curve, nullptr);
    // This writer stores an effect's parameters as a set.
    Ref<IUnknown> identity;
    ASSERT_EQ(Query(curve, IID_IUnknown, &identity), 0);
    const auto* object = dynamic_cast<aafsdk::com::ModelObject*>(identity.get());
    ASSERT_NE(object, nullptr);
    ASSERT_NE(object->stored()->Find(aafsdk::com::pids::kOperationGroupParameters), nullptr);
    EXPECT_EQ(object->stored()->Find(aafsdk::com::pids::kOperationGroupParameters)->form(),
              aafsdk::StoredForm::StrongReferenceSet);

    aafUInt32 count = 0, inputs = 0;
    ASSERT_EQ(curve->CountParameters(&count), 0);
    EXPECT_EQ(count, 1u);
    Ref<IAAFParameter> amplitude;
    FindParameter(curve, "Amplitude {e4962321-2267-11d3-8a4c-0050040ef7d2}", &amplitude);
    Ref<IAAFVaryingValue> varying;
    ASSERT_EQ(Query(amplitude.get(), IID_IAAFVaryingValue, &varying), 0);
    EXPECT_EQ(Points(varying.get()),
              (std::vector<std::string>{"0/72 536870912/536870912 none", "72/72 536870912/536870912 none"}));

    // The gain curve applies to a gain constant.
    ASSERT_EQ(curve->CountSourceSegments(&inputs), 0);
    ASSERT_EQ(inputs, 1u);
    Ref<IAAFSegment> input;
    ASSERT_EQ(curve->GetInputSegmentAt(0, input.out()), 0);
    Ref<IAAFOperationGroup> constant;
    ASSERT_EQ(Query(input.get(), IID_IAAFOperationGroup, &constant), 0);
    Ref<IAAFParameter> gain;
    FindParameter(constant.get(), "Amplitude", &gain);
    Ref<IAAFConstantValue> value;
    ASSERT_EQ(Query(gain.get(), IID_IAAFConstantValue, &value), 0);
    EXPECT_EQ(RationalValue(value.get()), "6023/536870912");
    Ref<IAAFVaryingValue> notVarying;
    EXPECT_LT(Query(gain.get(), IID_IAAFVaryingValue, &notVarying), 0);
}

TEST(ComEffectSamples, InterpolationDefinitionsOfEveryVaryingValue)
{
    REQUIRE_SHARED_DIR();
    std::map<std::string, int> seen;
    testsupport::ForEachSample(testsupport::SharedDir() / "aaf-samples", [&](const std::filesystem::path& path) {
        OpenedFile file;
        ASSERT_EQ(file.Open(path), 0) << path;
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            Ref<IAAFOperationGroup> group;
            Ref<IEnumAAFParameters> parameters;
            if (Query(o, IID_IAAFOperationGroup, &group) != 0 || group->GetParameters(parameters.out()) != 0)
                return;
            Ref<IAAFParameter> p;
            while (parameters->NextOne(p.out()) == 0) {
                Ref<IAAFVaryingValue> varying;
                Ref<IAAFInterpolationDef> interpolation;
                if (Query(p.get(), IID_IAAFVaryingValue, &varying) == 0 &&
                    varying->GetInterpolationDefinition(interpolation.out()) == 0)
                    ++seen[Definition(interpolation.get())];
            }
        });
    });
    // As the dump tool lists the varying values' interpolations over the samples, but for two in
    // the alternates of a selector, which the walk does not reach, and the stored empty names of
    // the linear interpolation in some files, where the dump shows the built-in name.
    const std::map<std::string, int> expected = {
        {"AvidBezierInterpolator {df394eda-6ac6-4566-8dbe-f28b0bdd781a}", 4},
        {"AvidCubicInterpolator {a04a5439-8a0e-4cb7-975f-a5b255866883}", 42},
        {"ConstantInterp {5b6c85a5-0ede-11d3-80a9-006008143e6f}", 3},
        {" {5b6c85a4-0ede-11d3-80a9-006008143e6f}", 56},
        {"LinearInterp {5b6c85a4-0ede-11d3-80a9-006008143e6f}", 255},
        {"LogInterp {15829ec3-1f24-458a-960d-c65bb23c2aa1}", 6},
        {"PowerInterp {c09153f7-bd18-4e5a-ad09-cbdd654fa001}", 6},
    };
    EXPECT_EQ(seen, expected);
}

TEST(ComEffectSamples, TimeWarpSpeedRatios)
{
    REQUIRE_SHARED_DIR();
    Groups groups("linear_speed_effects.aaf");
    std::map<std::string, int> ratios;
    for (IAAFOperationGroup* g : groups.all) {
        aafBoolean_t warp = kAAFFalse;
        ASSERT_EQ(g->IsATimeWarp(&warp), 0);
        if (!warp)
            continue;
        EXPECT_EQ(OperationOf(g), "Motion Control {9d2ea890-0968-11d3-8a38-0050040ef7d2}");
        aafUInt32 count = 0, inputs = 0, bypass = 0;
        EXPECT_EQ(g->CountParameters(&count), 0);
        EXPECT_EQ(count, 7u);
        EXPECT_EQ(g->CountSourceSegments(&inputs), 0);
        EXPECT_EQ(inputs, 1u);
        EXPECT_EQ(g->GetBypassOverride(&bypass), AAFRESULT_PROP_NOT_PRESENT);
        Ref<IAAFSegment> input, beyond;
        Ref<IAAFSourceClip> clip;
        ASSERT_EQ(g->GetInputSegmentAt(0, input.out()), 0);
        EXPECT_EQ(Query(input.get(), IID_IAAFSourceClip, &clip), 0);
        EXPECT_EQ(g->GetInputSegmentAt(1, beyond.out()), AAFRESULT_BADINDEX);
        Ref<IAAFParameter> ratio;
        FindParameter(g, "SpeedRatio {72559a80-24d7-11d3-8a50-0050040ef7d2}", &ratio);
        Ref<IAAFConstantValue> value;
        ASSERT_EQ(Query(ratio.get(), IID_IAAFConstantValue, &value), 0);
        ++ratios[RationalValue(value.get())];

        Ref<IAAFOperationDef> op;
        ASSERT_EQ(g->GetOperationDefinition(op.out()), 0);
        aafInt32 numberInputs = 0;
        aafUInt32 opBypass = 1;
        EXPECT_EQ(op->GetNumberInputs(&numberInputs), 0);
        EXPECT_EQ(numberInputs, 1);
        EXPECT_EQ(op->GetBypass(&opBypass), 0);
        EXPECT_EQ(opBypass, 0u);
        aafBoolean_t transition = kAAFTrue;
        EXPECT_EQ(g->IsValidTranOperation(&transition), 0);
        EXPECT_EQ(transition, kAAFFalse);
    }
    // Each speed effect twice: in the sequence and in its lower-level composition.
    const std::map<std::string, int> expected = {{"1/1", 20}, {"2/1", 4}, {"2/3", 4}, {"3/1", 2},
                                                 {"3/2", 2},  {"3/4", 2}, {"4/1", 2}, {"4/3", 2}};
    EXPECT_EQ(ratios, expected);
}

}  // namespace
