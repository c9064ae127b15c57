#pragma once

// A small AAF file built in code that carries what the generic property readers look at: the
// extension properties that editing systems add (attribute lists of mobs and components, a comment
// marker's name and colour, a time warp's offset ratio, a control point's handles) declared in its
// MetaDictionary as those systems declare them, a descriptive marker's described slots, and an
// effect with constant and varying parameters.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/FixtureText.h"
#include "aafsdk/model/AuidLiteral.h"

namespace testsupport::generic {

using aafsdk::Auid;
using aafsdk::ObjectId;
using aafsdk::fixture::AafFileBuilder;
using aafsdk::fixture::GraphBuilder;
using aafsdk::fixture::StorageName;
using namespace aafsdk::literals;

// The generic properties the readers look for.
inline constexpr Auid kComponentAttributes = "60958184-47b1-11d4-a01c-0004ac969f50"_auid;
inline constexpr Auid kMobAttributes = "60958183-47b1-11d4-a01c-0004ac969f50"_auid;
inline constexpr Auid kDescribedSlots = "01070105-0000-0000-060e-2b3401010104"_auid;
inline constexpr Auid kMarkerName = "c4c45d9a-0967-11d4-a08a-006094eb75cb"_auid;
inline constexpr Auid kMarkerColour = "e96e6d44-c383-11d3-a069-006094eb75cb"_auid;
inline constexpr Auid kSpeedOffsetRatio = "77ad6841-08fc-4f53-bd0a-2a6b0b5f94d9"_auid;
inline constexpr Auid kPointHandles = "3c1b48d0-c32c-4ea9-bb9d-35b898527283"_auid;

// Types.
inline constexpr Auid kInt32 = "01010700-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kUInt16 = "01010200-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kBoolean = "01040100-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kString = "01100200-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kRational = "03010100-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kTaggedValueVector = "05060800-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kParameterVector = "05060a00-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kRgbColour = "e96e6d43-c383-11d3-a069-006094eb75cb"_auid;

// Definitions.
inline constexpr const char* kSpeedControl = "9d2ea890-0968-11d3-8a38-0050040ef7d2";
inline constexpr const char* kVideoDissolve = "0c3bea40-fc05-11d2-8a29-0050040ef7d2";
inline constexpr Auid kSpeedRatio = "72559a80-24d7-11d3-8a50-0050040ef7d2"_auid;
inline constexpr Auid kLevel = "e4962320-2267-11d3-8a4c-0050040ef7d2"_auid;
inline constexpr Auid kHandleInX = "8d56830e-847e-11d5-935a-50f857c10000"_auid;
inline constexpr Auid kHandleMode = "8d568312-847e-11d5-935a-50f857c10000"_auid;
inline constexpr Auid kBezier = "df394eda-6ac6-4566-8dbe-f28b0bdd781a"_auid;
inline constexpr Auid kUnknown = "0badc0de-0000-4000-8000-000000000001"_auid;

// Classes.
inline constexpr Auid kClassInterchangeObject = "0d010101-0101-0100-060e-2b3402060101"_auid;
inline constexpr Auid kClassComponent = "0d010101-0101-0200-060e-2b3402060101"_auid;
inline constexpr Auid kClassCommentMarker = "0d010101-0101-0800-060e-2b3402060101"_auid;
inline constexpr Auid kClassDescriptiveMarker = "0d010101-0101-4100-060e-2b3402060101"_auid;
inline constexpr Auid kClassOperationGroup = "0d010101-0101-0a00-060e-2b3402060101"_auid;
inline constexpr Auid kClassControlPoint = "0d010101-0101-1900-060e-2b3402060101"_auid;
inline constexpr Auid kClassMob = "0d010101-0101-3400-060e-2b3402060101"_auid;
inline constexpr Auid kClassConstantValue = "0d010101-0101-3d00-060e-2b3402060101"_auid;
inline constexpr Auid kClassVaryingValue = "0d010101-0101-3e00-060e-2b3402060101"_auid;
inline constexpr Auid kClassTaggedValue = "0d010101-0101-3f00-060e-2b3402060101"_auid;
inline constexpr Auid kClassParameterDefinition = "0d010101-0101-1d00-060e-2b3402060101"_auid;
inline constexpr Auid kClassInterpolationDefinition = "0d010101-0101-2100-060e-2b3402060101"_auid;
inline constexpr Auid kClassClassDefinition = "0d010101-0201-0000-060e-2b3402060101"_auid;
inline constexpr Auid kClassPropertyDefinition = "0d010101-0202-0000-060e-2b3402060101"_auid;
inline constexpr Auid kClassTypeDefinitionRecord = "0d010101-020d-0000-060e-2b3402060101"_auid;

// The bytes of an indirect value: byte order, type, value.
inline std::vector<std::uint8_t> Typed(const Auid& type, std::vector<std::uint8_t> value)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(1 + type.bytes.size() + value.size());
    bytes.push_back(0x4c);
    bytes.insert(bytes.end(), type.bytes.begin(), type.bytes.end());
    bytes.insert(bytes.end(), value.begin(), value.end());
    return bytes;
}

inline std::vector<std::uint8_t> Int32Bytes(std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    return {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16), std::uint8_t(u >> 24)};
}

inline std::vector<std::uint8_t> RationalBytes(std::int32_t num, std::int32_t den)
{
    auto bytes = Int32Bytes(num);
    const auto d = Int32Bytes(den);
    bytes.insert(bytes.end(), d.begin(), d.end());
    return bytes;
}

inline std::vector<std::uint8_t> TextBytes(std::string_view utf8)
{
    const std::string b = aafsdk::fixture::Utf16LeBytes(utf8);
    return {b.begin(), b.end()};
}

// Definitions of the MetaDictionary, stated as the writers of real files state them.
class MetaDictionary {
public:
    explicit MetaDictionary(AafFileBuilder& f) : b_(f.builder())
    {
        meta_ = b_.graph().object(aafsdk::StoredGraph::root()).Find(0x0001)->elements[0].object;
        if (!b_.graph().object(meta_).Find(0x0003))
            b_.AddStrongSet(meta_, 0x0003, "ClassDefinitions-3", 0x0005, 16);
        if (!b_.graph().object(meta_).Find(0x0004))
            b_.AddStrongSet(meta_, 0x0004, "TypeDefinitions-4", 0x0005, 16);
        classTag_ = b_.AddReferencedPath({0x0001, 0x0003});
        typeTag_ = b_.AddReferencedPath({0x0001, 0x0004});
    }

    // A class restated (or added) with its parent, to carry extension properties.
    ObjectId Class(const Auid& id, std::string_view name, const Auid& parent)
    {
        const ObjectId c = b_.AddSetElement(meta_, 0x0003, kClassClassDefinition, id.bytes);
        b_.AddString(c, 0x0006, name);
        b_.AddU8(c, 0x000a, 1);
        b_.AddWeakReference(c, 0x0008, classTag_, 0x0005, parent.bytes);
        b_.AddStrongSet(c, 0x0009, "Properties-9", 0x0005, 16);
        return c;
    }

    void Property(ObjectId classDefinition, const Auid& id, std::string_view name, std::uint16_t pid, const Auid& type)
    {
        const ObjectId p = b_.AddSetElement(classDefinition, 0x0009, kClassPropertyDefinition, id.bytes);
        b_.AddString(p, 0x0006, name);
        b_.AddAuid(p, 0x000b, type);
        b_.AddU8(p, 0x000c, 1);
        b_.AddU16(p, 0x000d, pid);
    }

    ObjectId Record(const Auid& id, std::string_view name, const std::vector<std::pair<std::string, Auid>>& members)
    {
        const ObjectId t = b_.AddSetElement(meta_, 0x0004, kClassTypeDefinitionRecord, id.bytes);
        b_.AddString(t, 0x0006, name);
        b_.AddWeakCollection(t, 0x001c, aafsdk::StoredForm::WeakReferenceVector, "MemberTypes-1c", typeTag_, 0x0005);
        std::vector<std::uint8_t> names;
        for (const auto& [memberName, type] : members) {
            b_.AddWeakElement(t, 0x001c, type.bytes);
            const auto bytes = TextBytes(memberName);
            names.insert(names.end(), bytes.begin(), bytes.end());
        }
        b_.AddData(t, 0x001d, names);
        return t;
    }

private:
    GraphBuilder& b_;
    ObjectId meta_;
    std::uint16_t classTag_ = 0, typeTag_ = 0;
};

// Pids the file hands out to its dynamic properties.
inline constexpr std::uint16_t kPidComponentAttributes = 0xffcb;
inline constexpr std::uint16_t kPidMobAttributes = 0xfff9;
inline constexpr std::uint16_t kPidMarkerName = 0xffd0;
inline constexpr std::uint16_t kPidMarkerColour = 0xffcf;
inline constexpr std::uint16_t kPidSpeedOffsetRatio = 0xffce;
inline constexpr std::uint16_t kPidPointHandles = 0xffbe;

struct TaggedInput {
    std::string name;
    Auid type;
    std::vector<std::uint8_t> value;
};

// The file: a composition with a source clip carrying an attribute list, a time-warp effect with a
// constant and a varying parameter (its first control point with handles) and two damaged ones,
// an effect whose definition the file does not store, and an event slot with a descriptive marker.
class GenericPropertyFile {
public:
    AafFileBuilder f;
    ObjectId mob = 0, clip = 0, warp = 0, bare = 0, firstPoint = 0, marker = 0;
    // The time warp's definition and its constant and varying parameters.
    ObjectId speed = 0, ratio = 0, level = 0;

    GenericPropertyFile()
    {
        GraphBuilder& b = f.builder();
        MetaDictionary meta(f);
        b.AddString(meta.Record(kRgbColour, "RGBColor", {{"red", kUInt16}, {"green", kUInt16}, {"blue", kUInt16}}),
                    0x0007, "Colour of a marker");
        meta.Property(meta.Class(kClassComponent, "Component", kClassInterchangeObject), kComponentAttributes,
                      "ComponentAttributeList", kPidComponentAttributes, kTaggedValueVector);
        meta.Property(meta.Class(kClassMob, "Mob", kClassInterchangeObject), kMobAttributes, "MobAttributeList",
                      kPidMobAttributes, kTaggedValueVector);
        const ObjectId markerClass = meta.Class(kClassCommentMarker, "CommentMarker", kClassComponent);
        meta.Property(markerClass, kMarkerName, "CommentMarkerUSer", kPidMarkerName, kString);
        meta.Property(markerClass, kMarkerColour, "CommentMarkerColor", kPidMarkerColour, kRgbColour);
        meta.Property(meta.Class(kClassOperationGroup, "OperationGroup", kClassComponent), kSpeedOffsetRatio,
                      "OpGroupMotionCtlOffsetMapAdjust", kPidSpeedOffsetRatio, kRational);
        meta.Property(meta.Class(kClassControlPoint, "ControlPoint", kClassInterchangeObject), kPointHandles,
                      "ControlPointPointProperties", kPidPointHandles, kParameterVector);

        speed = f.AddOperationDefinition(kSpeedControl, "Motion Control", aafsdk::fixture::ids::kDataDefPicture, 1);
        b.property(speed, 0x1e02).value = {1};
        b.AddU32(speed, 0x1e08, 0);
        AddParameterDefinition(kSpeedRatio, "Speed_Ratio", "ratio");
        AddParameterDefinition(kLevel, "Level", "");
        AddParameterDefinition(kHandleInX, "PP_IN_TANGENT_POS_U", "");
        AddParameterDefinition(kHandleMode, "PP_TANGENT_MODE_U", "");
        b.AddStrongSet(f.dictionary(), 0x2609, StorageName("InterpolationDefinitions", 0x2609, true), 0x1b01, 16);
        const ObjectId bezier = b.AddSetElement(f.dictionary(), 0x2609, kClassInterpolationDefinition, kBezier.bytes);
        b.AddString(bezier, 0x1b02, "AvidBezierInterpolator");
        b.AddString(bezier, 0x1b03, "Bezier keyframes");
        interpolationTag_ = b.AddReferencedPath({0x0002, 0x3b04, 0x2609});

        mob = f.AddMob("CompositionMob", "Schnitt \xc3\xa4", aafsdk::fixture::MakeMobId(1));
        AddTagged(mob, kPidMobAttributes, "MobAttributeList",
                  {{"SEQUENCE_FORMAT_TYPE", kInt32, Int32Bytes(5)}});
        const ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
        const ObjectId sequence = f.AddSequence(slot, aafsdk::fixture::ids::kDataDefPicture, 30);
        clip = f.AddSourceClip(sequence, aafsdk::fixture::ids::kDataDefPicture, 10, aafsdk::fixture::MakeMobId(9), 1, 0);
        AddTagged(clip, kPidComponentAttributes, "ComponentAttributeList",
                  {{"_COMMENT", kString, TextBytes("Check focus \xc3\xa9")},
                   {"Comments", kString, TextBytes("not an item comment")},
                   {"_MFX_GRAPH_ENABLED", kInt32, Int32Bytes(1)},
                   {"_FLAG", kBoolean, {1}}});

        warp = f.AddOperationGroup(sequence, aafsdk::fixture::ids::kDataDefPicture, 10, kSpeedControl);
        b.AddData(warp, kPidSpeedOffsetRatio, RationalBytes(3, 2));
        b.AddU32(warp, 0x0b04, 1);
        b.AddStrongVector(warp, 0x0b02, StorageName("InputSegments", 0x0b02, true));
        const ObjectId input = b.AddVectorElement(warp, 0x0b02, aafsdk::fixture::ids::ClassOf("SourceClip"));
        b.AddI64(input, 0x0202, 10);
        b.AddU32(input, 0x1102, 1);
        b.AddStrongVector(warp, 0x0b03, StorageName("Parameters", 0x0b03, true));
        ratio = b.AddVectorElement(warp, 0x0b03, kClassConstantValue);
        b.AddAuid(ratio, 0x4c01, kSpeedRatio);
        b.AddData(ratio, 0x4d01, Typed(kRational, RationalBytes(2, 1)));
        level = b.AddVectorElement(warp, 0x0b03, kClassVaryingValue);
        b.AddAuid(level, 0x4c01, kLevel);
        b.AddWeakReference(level, 0x4e01, interpolationTag_, 0x1b01, kBezier.bytes);
        b.AddStrongVector(level, 0x4e02, StorageName("PointList", 0x4e02, true));
        firstPoint = AddPoint(level, 0, 1, RationalBytes(1, 2), true);
        b.AddStrongVector(firstPoint, kPidPointHandles, StorageName("ControlPointPointProperties", kPidPointHandles, true));
        const ObjectId handleX = b.AddVectorElement(firstPoint, kPidPointHandles, kClassConstantValue);
        b.AddAuid(handleX, 0x4c01, kHandleInX);
        b.AddData(handleX, 0x4d01, Typed(kRational, RationalBytes(-3, 1)));
        const ObjectId mode = b.AddVectorElement(firstPoint, kPidPointHandles, kClassConstantValue);
        b.AddAuid(mode, 0x4c01, kHandleMode);
        b.AddData(mode, 0x4d01, Typed(kInt32, Int32Bytes(1)));
        AddPoint(level, 1, 1, RationalBytes(1, 1), false);
        // A parameter no Dictionary defines, of a type the file does not define, and one whose
        // Rational value is cut short.
        const ObjectId unknown = b.AddVectorElement(warp, 0x0b03, kClassConstantValue);
        b.AddAuid(unknown, 0x4c01, kUnknown);
        b.AddData(unknown, 0x4d01, Typed(kUnknown, {1, 2, 3, 4}));
        const ObjectId cut = b.AddVectorElement(warp, 0x0b03, kClassConstantValue);
        b.AddAuid(cut, 0x4c01, kLevel);
        b.AddData(cut, 0x4d01, Typed(kRational, {1, 0, 0, 0, 2}));

        // An effect whose definition the file does not store, with none of the optional values.
        bare = f.AddOperationGroup(sequence, aafsdk::fixture::ids::kDataDefPicture, 10, kVideoDissolve);

        const ObjectId events = f.AddEventSlot(mob, 2, 25, 1);
        const ObjectId markers = f.AddSequence(events, "01030201-1000-0000-060e-2b3404010101", 0);
        marker = f.AddCommentMarker(markers, "01030201-1000-0000-060e-2b3404010101", 10, "Look here");
        f.graph().objects[marker].classId = kClassDescriptiveMarker;
        b.AddString(marker, kPidMarkerName, "Gr\xc3\xbc\xc3\x9f" "e \xe6\x97\xa5\xe6\x9c\xac");
        b.AddData(marker, kPidMarkerColour, {1, 0, 2, 0, 0xff, 0xff});
        b.AddData(marker, 0x6102, {1, 0, 0, 0, 3, 0, 0, 0});
    }

    // A vector of tagged values under the dynamic property pid of the owner.
    void AddTagged(ObjectId owner, std::uint16_t pid, std::string_view name, const std::vector<TaggedInput>& values)
    {
        GraphBuilder& b = f.builder();
        b.AddStrongVector(owner, pid, StorageName(name, pid, true));
        for (const auto& v : values) {
            const ObjectId t = b.AddVectorElement(owner, pid, kClassTaggedValue);
            b.AddString(t, 0x5001, v.name);
            b.AddData(t, 0x5003, Typed(v.type, v.value));
        }
    }

private:
    void AddParameterDefinition(const Auid& id, std::string_view name, std::string_view units)
    {
        GraphBuilder& b = f.builder();
        if (!b.graph().object(f.dictionary()).Find(0x2604))
            b.AddStrongSet(f.dictionary(), 0x2604, StorageName("ParameterDefinitions", 0x2604, true), 0x1b01, 16);
        const ObjectId d = b.AddSetElement(f.dictionary(), 0x2604, kClassParameterDefinition, id.bytes);
        b.AddString(d, 0x1b02, name);
        if (!units.empty())
            b.AddString(d, 0x1f03, units);
    }

    ObjectId AddPoint(ObjectId varying, std::int32_t timeNum, std::int32_t timeDen, std::vector<std::uint8_t> value,
                      bool editHint)
    {
        GraphBuilder& b = f.builder();
        const ObjectId p = b.AddVectorElement(varying, 0x4e02, kClassControlPoint);
        b.AddData(p, 0x1a02, Typed(kRational, std::move(value)));
        b.AddRational(p, 0x1a03, timeNum, timeDen);
        if (editHint)
            b.AddU8(p, 0x1a04, 1);
        return p;
    }

    std::uint16_t interpolationTag_ = 0;
};

}  // namespace testsupport::generic
