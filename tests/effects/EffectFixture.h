#pragma once

// Effects built in code: a composition whose sequence holds operation groups and transitions with
// constant and varying parameters, saved and opened through the interfaces; and the per-test state
// of a conversion (builder stacks, log, preferences, catalogue) with the effect translation as the
// import's entry points.

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "effects/EffectTranslationEntryPoints.h"
#include "effects/FCPEffectCatalogue.h"
#include "effects/TranslationTables.h"
#include "import/ImportFileSupport.h"
#include "import/ImportTestSupport.h"
#include "records/ControlPointInfo.h"
#include "support/GenericPropertyFixture.h"
#include "support/InterfaceWalk.h"
#include "support/TestSupport.h"

namespace effecttest {

namespace fixture = aafsdk::fixture;
using aafsdk::ObjectId;
using testsupport::Ref;
using testsupport::generic::Int32Bytes;
using testsupport::generic::RationalBytes;
using namespace aafsdk::literals;

inline const char* const kPicture = fixture::ids::kDataDefPicture;
inline const char* const kSound = fixture::ids::kDataDefSound;

// Types of parameter values.
inline constexpr aafsdk::Auid kRational = "03010100-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kBoolean = "01040100-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kUInt8 = "01010100-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kUInt16 = "01010200-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kUInt32 = "01010300-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kUInt64 = "01010400-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kInt8 = "01010500-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kInt16 = "01010600-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kInt32 = "01010700-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kInt64 = "01010800-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kPosition = "01012001-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kLength = "01012002-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kString = "01100200-0000-0000-060e-2b3401040101"_auid;
inline constexpr aafsdk::Auid kUInt8Array = "04010100-0000-0000-060e-2b3401040101"_auid;
// The editing system's byte array, a variable array of UInt8 its files define.
inline constexpr aafsdk::Auid kBagOfBits = "ccaa73d1-f538-11d3-a081-006094eb75cb"_auid;

// Interpolations.
inline constexpr aafsdk::Auid kLinear = "5b6c85a4-0ede-11d3-80a9-006008143e6f"_auid;
inline constexpr aafsdk::Auid kBezier = "df394eda-6ac6-4566-8dbe-f28b0bdd781a"_auid;

// Parameter definitions.
inline constexpr aafsdk::Auid kLevel = "e4962320-2267-11d3-8a4c-0050040ef7d2"_auid;
inline constexpr aafsdk::Auid kWipeNumber = "e4962323-2267-11d3-8a4c-0050040ef7d2"_auid;

// Operations.
inline constexpr const char* kVideoDissolve = "0c3bea40-fc05-11d2-8a29-0050040ef7d2";
inline constexpr const char* kVideoDissolve2 = "89d9b67e-5584-302d-9abd-8bd330c46841";
inline constexpr const char* kAudioDissolve = "0c3bea41-fc05-11d2-8a29-0050040ef7d2";
inline constexpr const char* kDip = "d94e75c8-6adf-11d3-80cf-006008143e6f";
inline constexpr const char* kFadeUp = "a3479fae-4715-38b8-b020-907ae09e8769";
inline constexpr const char* kFadeDown = "624e04b0-8063-3d9f-8172-6ea7cf0bed6d";
inline constexpr const char* kWipe = "0c3bea44-fc05-11d2-8a29-0050040ef7d2";
inline constexpr const char* kSubmaster = "f1db0f3d-8d64-11d3-80df-006008143e6f";
inline constexpr const char* kPan = "9d2ea893-0968-11d3-8a38-0050040ef7d2";
inline constexpr const char* kSpeedControl = "9d2ea890-0968-11d3-8a38-0050040ef7d2";
inline constexpr const char* kAudioSpeedControl = "f1db0f27-8d64-11d3-80df-006008143e6f";
inline constexpr const char* kRepeat = "9d2ea891-0968-11d3-8a38-0050040ef7d2";
inline constexpr const char* kBlur = "5a1b0c2d-0000-4000-8000-00000000b1a2";  // no converter knows it

// The bytes of an indirect value: byte order, type, value. (Element by element: the inlined range
// insert of the shared helper trips a false bounds warning here.)
inline std::vector<std::uint8_t> Typed(const aafsdk::Auid& type, const std::vector<std::uint8_t>& value)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(1 + type.bytes.size() + value.size());
    bytes.push_back(0x4c);
    for (const std::uint8_t b : type.bytes)
        bytes.push_back(b);
    for (const std::uint8_t b : value)
        bytes.push_back(b);
    return bytes;
}

// A composition with one sequence on a slot of 25 fps, to which groups and transitions are added.
class EffectFile {
public:
    fixture::AafFileBuilder f;
    ObjectId mob = 0;
    ObjectId sequence = 0;

    explicit EffectFile(const char* dataDef = kPicture)
    {
        testsupport::generic::MetaDictionary meta(f);  // the type definitions a file may add
        mob = f.AddMob("CompositionMob", "Effects", fixture::MakeMobId(1));
        const ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
        sequence = f.AddSequence(slot, dataDef, 100);
        dataDefTag_ = f.builder().AddReferencedPath({0x0002, 0x3b04, 0x2605});
        interpolationTag_ = f.builder().AddReferencedPath({0x0002, 0x3b04, 0x2609});
        typeTag_ = f.builder().AddReferencedPath({0x0001, 0x0004});
    }

    // An operation definition, stated once per AUID.
    void Operation(const char* auid, std::string_view name, const char* dataDef, std::int32_t inputs,
                   bool timeWarp = false)
    {
        if (!definedOperations_.insert(auid).second)
            return;
        const ObjectId d = f.AddOperationDefinition(auid, name, dataDef, inputs);
        if (timeWarp)
            f.builder().property(d, 0x1e02).value = {1};
    }

    ObjectId Group(const char* operation, const char* dataDef = kPicture, std::int64_t length = 50)
    {
        Operation(operation, "", dataDef, 1);
        return f.AddOperationGroup(sequence, dataDef, length, operation);
    }

    ObjectId Transition(const char* operation, std::int64_t length, std::int64_t cutPoint,
                        const char* dataDef = kPicture)
    {
        Operation(operation, "", dataDef, 2);
        const ObjectId transition = f.AddTransition(sequence, dataDef, length, cutPoint, operation);
        return transition;
    }

    // The operation group a transition holds.
    ObjectId GroupOf(ObjectId transition) { return f.builder().property(transition, 0x1801).elements[0].object; }

    // A sequence of the given length as the group's next input segment.
    ObjectId Input(ObjectId group, const char* dataDef, std::int64_t length)
    {
        fixture::GraphBuilder& b = f.builder();
        if (!b.graph().object(group).Find(0x0b02))
            b.AddStrongVector(group, 0x0b02, fixture::StorageName("InputSegments", 0x0b02, true));
        const ObjectId input = b.AddVectorElement(group, 0x0b02, fixture::ids::ClassOf("Sequence"));
        b.AddWeakReference(input, 0x0201, dataDefTag_, 0x1b01, fixture::AuidOf(dataDef).bytes);
        b.AddI64(input, 0x0202, length);
        b.AddStrongVector(input, 0x1001, fixture::StorageName("Components", 0x1001, true));
        return input;
    }

    // A source clip of mob sourceMob's slot 1 as the group's next input segment.
    ObjectId InputClip(ObjectId group, const char* dataDef, std::int64_t length, std::uint32_t sourceMob,
                       std::int64_t start = 0)
    {
        fixture::GraphBuilder& b = f.builder();
        if (!b.graph().object(group).Find(0x0b02))
            b.AddStrongVector(group, 0x0b02, fixture::StorageName("InputSegments", 0x0b02, true));
        const ObjectId clip = b.AddVectorElement(group, 0x0b02, fixture::ids::ClassOf("SourceClip"));
        b.AddWeakReference(clip, 0x0201, dataDefTag_, 0x1b01, fixture::AuidOf(dataDef).bytes);
        b.AddI64(clip, 0x0202, length);
        const fixture::MobIdBytes source = fixture::MakeMobId(sourceMob);
        b.AddData(clip, 0x1101, {source.begin(), source.end()});
        b.AddU32(clip, 0x1102, 1);
        b.AddI64(clip, 0x1201, start);
        return clip;
    }

    ObjectId Constant(ObjectId group, const aafsdk::Auid& definition, const aafsdk::Auid& type,
                      std::vector<std::uint8_t> value)
    {
        const ObjectId p = NewParameter(group, definition, "0d010101-0101-3d00-060e-2b3402060101"_auid);
        f.builder().AddData(p, 0x4d01, Typed(type, value));
        return p;
    }

    ObjectId Varying(ObjectId group, const aafsdk::Auid& definition, const aafsdk::Auid& interpolation)
    {
        fixture::GraphBuilder& b = f.builder();
        if (!b.graph().object(f.dictionary()).Find(0x2609))
            b.AddStrongSet(f.dictionary(), 0x2609, fixture::StorageName("InterpolationDefinitions", 0x2609, true),
                           0x1b01, 16);
        if (definedInterpolations_.insert(interpolation).second) {
            const ObjectId d = b.AddSetElement(f.dictionary(), 0x2609, "0d010101-0101-2100-060e-2b3402060101"_auid,
                                               interpolation.bytes);
            b.AddString(d, 0x1b02, interpolation == kBezier ? "AvidBezierInterpolator" : "LinearInterp");
        }
        const ObjectId p = NewParameter(group, definition, "0d010101-0101-3e00-060e-2b3402060101"_auid);
        b.AddWeakReference(p, 0x4e01, interpolationTag_, 0x1b01, interpolation.bytes);
        b.AddStrongVector(p, 0x4e02, fixture::StorageName("PointList", 0x4e02, true));
        return p;
    }

    ObjectId Point(ObjectId varying, std::int32_t timeNumerator, std::int32_t timeDenominator,
                   const aafsdk::Auid& type, std::vector<std::uint8_t> value)
    {
        fixture::GraphBuilder& b = f.builder();
        const ObjectId p = b.AddVectorElement(varying, 0x4e02, "0d010101-0101-1900-060e-2b3402060101"_auid);
        b.AddData(p, 0x1a02, Typed(type, value));
        b.AddRational(p, 0x1a03, timeNumerator, timeDenominator);
        return p;
    }

    // The editing system's byte-array type, stated in the file's MetaDictionary; a file may state it
    // over another element type.
    void DefineBagOfBits(const aafsdk::Auid& element = kUInt8)
    {
        fixture::GraphBuilder& b = f.builder();
        const ObjectId meta = b.graph().object(aafsdk::StoredGraph::root()).Find(0x0001)->elements[0].object;
        const ObjectId t = b.AddSetElement(meta, 0x0004, "0d010101-0209-0000-060e-2b3402060101"_auid, kBagOfBits.bytes);
        b.AddString(t, 0x0006, "AvidBagOfBits");
        b.AddWeakReference(t, 0x0019, typeTag_, 0x0005, element.bytes);
    }

    std::filesystem::path Save(const testsupport::TempDir& dir, const std::string& name = "effects.aaf") const
    {
        const auto path = dir / name;
        fixture::SaveBytes(path, fixture::WriteAaf(f.graph()).bytes);
        return path;
    }

private:
    ObjectId NewParameter(ObjectId group, const aafsdk::Auid& definition, const aafsdk::Auid& classId)
    {
        fixture::GraphBuilder& b = f.builder();
        if (!b.graph().object(group).Find(0x0b03))
            b.AddStrongVector(group, 0x0b03, fixture::StorageName("Parameters", 0x0b03, true));
        if (!b.graph().object(f.dictionary()).Find(0x2604))
            b.AddStrongSet(f.dictionary(), 0x2604, fixture::StorageName("ParameterDefinitions", 0x2604, true), 0x1b01,
                           16);
        if (definedParameters_.insert(definition).second) {
            const ObjectId d = b.AddSetElement(f.dictionary(), 0x2604, "0d010101-0101-1d00-060e-2b3402060101"_auid,
                                               definition.bytes);
            b.AddString(d, 0x1b02, "");
        }
        const ObjectId p = b.AddVectorElement(group, 0x0b03, classId);
        b.AddAuid(p, 0x4c01, definition);
        return p;
    }

    std::uint16_t dataDefTag_ = 0, interpolationTag_ = 0, typeTag_ = 0;
    std::set<std::string> definedOperations_;
    std::set<aafsdk::Auid> definedInterpolations_;
    std::set<aafsdk::Auid> definedParameters_;
};

// The operation groups and transitions of an opened file, in walk order; a transition's group is
// listed among the groups after it.
struct FileEffects {
    testsupport::OpenedFile file;
    std::vector<IAAFOperationGroup*> groups;
    std::vector<IAAFTransition*> transitions;

    explicit FileEffects(const std::filesystem::path& path)
    {
        EXPECT_EQ(file.Open(path), 0) << path;
        if (!file.header)
            return;
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            IAAFOperationGroup* group = nullptr;
            if (o->QueryInterface(IID_IAAFOperationGroup, reinterpret_cast<void**>(&group)) == 0)
                groups.push_back(group);
            IAAFTransition* transition = nullptr;
            if (o->QueryInterface(IID_IAAFTransition, reinterpret_cast<void**>(&transition)) == 0)
                transitions.push_back(transition);
        });
    }
    ~FileEffects()
    {
        for (IAAFOperationGroup* g : groups)
            g->Release();
        for (IAAFTransition* t : transitions)
            t->Release();
    }
    FileEffects(const FileEffects&) = delete;
    FileEffects& operator=(const FileEffects&) = delete;
};

// A control point at numerator/denominator of the effect; it owns value.
inline ControlPointInfo ControlPointAt(int numerator, int denominator, ValueBase* value)
{
    ControlPointInfo point;
    point.timeNumerator = numerator;
    point.timeDenominator = denominator;
    point.value = value;
    return point;
}

// The state a conversion starts from, with the catalogue built and the effect translation as the import's entry points.
class EffectTest : public importtest::ImportTest {
protected:
    void SetUp() override
    {
        Reset();
        UseEffectEntryPoints(EffectTranslationEntryPoints());
    }
    void TearDown() override { Reset(); }

    // A fresh run: the import's state, then the translation tables emptied and built again.
    static void Reset()
    {
        importtest::ImportTest::Reset();
        ClearTranslationTables();
        BuildEffectCatalogue();
    }

    static ComponentContext Context(int length, int dataKind, int parentKind)
    {
        ComponentContext context = importtest::Context(length, dataKind);
        context.parentKind = parentKind;
        return context;
    }

    static FCPSequenceTag& PushSequence() { return importtest::PushSequence("Timeline"); }

    static FCPClipItemTag Clip(const std::string& name, int in, int out, int mediaType = 2)
    {
        return importtest::Clip(name, in, out, mediaType);
    }

    testsupport::TempDir dir_;
};

// Whole imports of files built in code, with the effect translation as the import's entry points.
class EffectImportFileTest : public importtest::ImportFileTest {
protected:
    void SetUp() override
    {
        ImportFileTest::SetUp();
        ClearTranslationTables();
        BuildEffectCatalogue();
        UseEffectEntryPoints(EffectTranslationEntryPoints());
    }
    void TearDown() override
    {
        ImportFileTest::TearDown();
        ClearTranslationTables();
    }
};

}  // namespace effecttest
