#include "run/CaseFiles.h"

#include <cstdint>
#include <vector>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "effects/TitleBytes.h"
#include "support/GenericPropertyFixture.h"

namespace casefiles {

namespace {

namespace fixture = aafsdk::fixture;
using aafsdk::ObjectId;
using fixture::ids::kDataDefPicture;
using fixture::ids::kDataDefSound;

constexpr std::int32_t kRate = 25;
// An operation no converter knows: it is logged as not supported.
constexpr const char* kUnknownEffect = "5a1b0c2d-0000-4000-8000-00000000b1a2";

std::vector<fixture::MobIdBytes> AddMasters(fixture::AafFileBuilder& f, std::uint32_t& nextId)
{
    return {fixture::AddExampleMasterClip(f, nextId, "Interview", "Interview.mov", 500),
            fixture::AddExampleMasterClip(f, nextId, "Street", "Street.mov", 400),
            fixture::AddExampleMasterClip(f, nextId, "Harbour", "Harbour.mov", 300)};
}

// Video: clip, gap, clip, gap at the end; audio: a gap first, then two clips back to back.
aafsdk::StoredGraph ClipsAndGaps()
{
    fixture::AafFileBuilder f;
    std::uint32_t nextId = 1;
    const auto masters = AddMasters(f, nextId);
    const ObjectId comp = f.AddMob("CompositionMob", "Clips and Gaps", fixture::MakeMobId(nextId++));
    const ObjectId video = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 110);
    f.AddSourceClip(video, kDataDefPicture, 50, masters[0], 1, 10);
    f.AddFiller(video, kDataDefPicture, 20);
    f.AddSourceClip(video, kDataDefPicture, 30, masters[1], 1, 0);
    f.AddFiller(video, kDataDefPicture, 10);
    const ObjectId audio = f.AddSequence(f.AddTimelineSlot(comp, 2, "A1", kRate, 1), kDataDefSound, 100);
    f.AddFiller(audio, kDataDefSound, 15);
    f.AddSourceClip(audio, kDataDefSound, 40, masters[2], 2, 5);
    f.AddSourceClip(audio, kDataDefSound, 45, masters[0], 2, 60);
    return std::move(f.graph());
}

// A clip, then an effect whose input is a sequence of three clips, then a clip.
aafsdk::StoredGraph EffectOverSequence()
{
    fixture::AafFileBuilder f;
    f.AddOperationDefinition(kUnknownEffect, "Blur", kDataDefPicture, 1);
    std::uint32_t nextId = 1;
    const auto masters = AddMasters(f, nextId);
    const ObjectId comp = f.AddMob("CompositionMob", "Effect over Clips", fixture::MakeMobId(nextId++));
    const ObjectId video = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 140);
    f.AddSourceClip(video, kDataDefPicture, 20, masters[0], 1, 0);
    const ObjectId group = f.AddOperationGroup(video, kDataDefPicture, 90, kUnknownEffect);

    fixture::GraphBuilder& b = f.builder();
    const std::uint16_t dataDefs = b.AddReferencedPath({0x0002, 0x3b04, 0x2605});
    b.AddStrongVector(group, 0x0b02, fixture::StorageName("InputSegments", 0x0b02, true));
    const ObjectId input = b.AddVectorElement(group, 0x0b02, fixture::ids::ClassOf("Sequence"));
    b.AddWeakReference(input, 0x0201, dataDefs, 0x1b01, fixture::AuidOf(kDataDefPicture).bytes);
    b.AddI64(input, 0x0202, 90);
    b.AddStrongVector(input, 0x1001, fixture::StorageName("Components", 0x1001, true));
    for (int i = 0; i < 3; ++i)
        f.AddSourceClip(input, kDataDefPicture, 30, masters[static_cast<std::size_t>(i)], 1, 30 * i);

    f.AddSourceClip(video, kDataDefPicture, 30, masters[1], 1, 100);
    return std::move(f.graph());
}

// A clip, then a clip of a mob the file does not hold: a slug stands in for it.
aafsdk::StoredGraph MissingSource()
{
    fixture::AafFileBuilder f;
    std::uint32_t nextId = 1;
    const auto masters = AddMasters(f, nextId);
    const ObjectId comp = f.AddMob("CompositionMob", "Missing Source", fixture::MakeMobId(nextId++));
    const ObjectId video = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 70);
    f.AddSourceClip(video, kDataDefPicture, 30, masters[0], 1, 0);
    f.AddSourceClip(video, kDataDefPicture, 40, fixture::MakeMobId(99), 1, 0);
    return std::move(f.graph());
}

constexpr const char* kTitleOperation = "2db619ef-7210-4e89-95d7-970336d72e8c";
constexpr const char* kTitleDataParameter = "1fdd2907-e48c-11d3-a078-006094eb75cb";
constexpr const char* kUInt8ArrayType = "04010100-0000-0000-060e-2b3401040101";
constexpr const char* kConstantValueClass = "0d010101-0101-3d00-060e-2b3402060101";
constexpr const char* kParameterDefinitionClass = "0d010101-0101-1d00-060e-2b3402060101";

// A source clip of the master's picture slot as the group's one input segment.
ObjectId AddInputClip(fixture::GraphBuilder& b, ObjectId group, std::uint16_t dataDefs, std::int64_t length,
                      const fixture::MobIdBytes& master, std::int64_t start)
{
    b.AddStrongVector(group, 0x0b02, fixture::StorageName("InputSegments", 0x0b02, true));
    const ObjectId clip = b.AddVectorElement(group, 0x0b02, fixture::ids::ClassOf("SourceClip"));
    b.AddWeakReference(clip, 0x0201, dataDefs, 0x1b01, fixture::AuidOf(kDataDefPicture).bytes);
    b.AddI64(clip, 0x0202, length);
    b.AddData(clip, 0x1101, {master.begin(), master.end()});
    b.AddU32(clip, 0x1102, 1);
    b.AddI64(clip, 0x1201, start);
    return clip;
}

// The bytes of an indirect value: byte order, type, value.
std::vector<std::uint8_t> TypedBytes(const char* type, const std::vector<std::uint8_t>& value)
{
    std::vector<std::uint8_t> typed{0x4c};
    for (const std::uint8_t x : fixture::AuidOf(type).bytes)
        typed.push_back(x);
    for (const std::uint8_t x : value)
        typed.push_back(x);
    return typed;
}

// Title groups over clips of the masters, each with its title bytes as a constant value.
class TitleTrack {
public:
    TitleTrack(fixture::AafFileBuilder& f, ObjectId sequence) : f_(f), sequence_(sequence)
    {
        fixture::GraphBuilder& b = f.builder();
        f.AddOperationDefinition(kTitleOperation, "Title_2", kDataDefPicture, 1);
        dataDefs_ = b.AddReferencedPath({0x0002, 0x3b04, 0x2605});
        b.AddStrongSet(f.dictionary(), 0x2604, fixture::StorageName("ParameterDefinitions", 0x2604, true), 0x1b01, 16);
        const ObjectId definition = b.AddSetElement(f.dictionary(), 0x2604, fixture::AuidOf(kParameterDefinitionClass),
                                                    fixture::AuidOf(kTitleDataParameter).bytes);
        b.AddString(definition, 0x1b02, "AvidGraphicFXAttr");
    }

    // A title of the given length over the master's picture; bytes, when there are any, as its data.
    void Add(std::int64_t length, const fixture::MobIdBytes& master, const std::vector<std::uint8_t>* bytes)
    {
        fixture::GraphBuilder& b = f_.builder();
        const ObjectId group = f_.AddOperationGroup(sequence_, kDataDefPicture, length, kTitleOperation);
        AddInputClip(b, group, dataDefs_, length, master, 0);
        if (bytes == nullptr)
            return;
        b.AddStrongVector(group, 0x0b03, fixture::StorageName("Parameters", 0x0b03, true));
        const ObjectId value = b.AddVectorElement(group, 0x0b03, fixture::AuidOf(kConstantValueClass));
        b.AddAuid(value, 0x4c01, fixture::AuidOf(kTitleDataParameter));
        b.AddData(value, 0x4d01, TypedBytes(kUInt8ArrayType, *bytes));
    }

private:
    fixture::AafFileBuilder& f_;
    ObjectId sequence_;
    std::uint16_t dataDefs_ = 0;
};

// Titles: two text boxes (a nested sequence of two generators), one box with an accented text (a
// generator), graphics only, no title data, and damaged data (each of the last three a slug).
aafsdk::StoredGraph Titles()
{
    using titletest::Body;
    using titletest::Title;
    fixture::AafFileBuilder f;
    std::uint32_t nextId = 1;
    const auto masters = AddMasters(f, nextId);
    const ObjectId comp = f.AddMob("CompositionMob", "Titles", fixture::MakeMobId(nextId++));
    const ObjectId video = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 250);
    TitleTrack titles(f, video);

    const Body::Font bold{.text = "Upper line", .fontId = 3, .face = 1, .size = 60};
    const Body::Font italic{.text = "Lower\rline", .fontId = 4, .face = 2, .size = 36};
    const Body fonts = Body().FontNames({{3, "Helvetica"}, {4, "Times"}});
    const auto twoBoxes = Title()
                              .Page(fonts)
                              .TextBox(Body().Rect(100, 100, 160, 700).Color(0xFFFF, 0xFFFF, 0).Align(1).TextAndStyle(bold))
                              .TextBox(Body().Rect(300, 50, 340, 400).Align(0).TextAndStyle(italic).Leading(titletest::Bytes().U16(0xFFF6)))
                              .End()
                              .data;
    const auto accented = Title("WIN")
                              .Page(fonts)
                              .TextBox(Body().Rect(200, 200, 260, 600).Align(0xFFFF).TextAndStyle({.text = "Caf\xe9 & <Bar>", .fontId = 3}))
                              .End()
                              .data;
    const auto graphicsOnly = Title().Page(fonts).End().data;
    const auto damaged = Title().Page(fonts).U16(0x0002).data;
    titles.Add(60, masters[0], &twoBoxes);
    titles.Add(50, masters[1], &accented);
    titles.Add(40, masters[2], &graphicsOnly);
    titles.Add(50, masters[0], nullptr);
    titles.Add(50, masters[1], &damaged);
    return std::move(f.graph());
}

constexpr const char* kPictureInPicture = "40354b09-153f-463f-834b-8018ad6a01ed";
constexpr const char* kRationalType = "03010100-0000-0000-060e-2b3401040101";

// A clip, a picture-in-picture over a clip (opacity 70, crop left 500 and right -500, centre
// (500, -250), a border of width 0, no scale), and a clip.
aafsdk::StoredGraph PictureInPicture()
{
    fixture::AafFileBuilder f;
    fixture::GraphBuilder& b = f.builder();
    f.AddOperationDefinition(kPictureInPicture, "Picture-In-Picture_v2", kDataDefPicture, 1);
    std::uint32_t nextId = 1;
    const auto masters = AddMasters(f, nextId);
    const ObjectId comp = f.AddMob("CompositionMob", "Picture in Picture", fixture::MakeMobId(nextId++));
    const ObjectId video = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 100);
    f.AddSourceClip(video, kDataDefPicture, 20, masters[0], 1, 0);
    const ObjectId group = f.AddOperationGroup(video, kDataDefPicture, 50, kPictureInPicture);
    const std::uint16_t dataDefs = b.AddReferencedPath({0x0002, 0x3b04, 0x2605});
    AddInputClip(b, group, dataDefs, 50, masters[1], 40);

    b.AddStrongSet(f.dictionary(), 0x2604, fixture::StorageName("ParameterDefinitions", 0x2604, true), 0x1b01, 16);
    b.AddStrongVector(group, 0x0b03, fixture::StorageName("Parameters", 0x0b03, true));
    const struct {
        const char* definition;
        const char* name;
        std::int32_t value;
    } parameters[] = {
        {"8d56813d-847e-11d5-935a-50f857c10000", "Opacity", 70},
        {"8d56812e-847e-11d5-935a-50f857c10000", "Crop Left", 500},
        {"8d56812f-847e-11d5-935a-50f857c10000", "Crop Right", -500},
        {"8d568125-847e-11d5-935a-50f857c10000", "Position X", 500},
        {"8d568126-847e-11d5-935a-50f857c10000", "Position Y", -250},
        {"8d568133-847e-11d5-935a-50f857c10000", "Border Width", 0},
    };
    for (const auto& p : parameters) {
        const ObjectId definition = b.AddSetElement(f.dictionary(), 0x2604, fixture::AuidOf(kParameterDefinitionClass),
                                                    fixture::AuidOf(p.definition).bytes);
        b.AddString(definition, 0x1b02, p.name);
        const ObjectId value = b.AddVectorElement(group, 0x0b03, fixture::AuidOf(kConstantValueClass));
        b.AddAuid(value, 0x4c01, fixture::AuidOf(p.definition));
        std::vector<std::uint8_t> rational;
        const auto numerator = static_cast<std::uint32_t>(p.value);
        for (int shift = 0; shift < 32; shift += 8)
            rational.push_back(static_cast<std::uint8_t>(numerator >> shift));
        for (const std::uint8_t x : {1, 0, 0, 0})
            rational.push_back(x);
        b.AddData(value, 0x4d01, TypedBytes(kRationalType, rational));
    }

    f.AddSourceClip(video, kDataDefPicture, 30, masters[2], 1, 100);
    return std::move(f.graph());
}

constexpr const char* kPluginOperation = "0c3bea40-fc05-11d2-8a29-aaaaaaaaaaaa";
constexpr const char* kPluginAmount = "20000000-0000-0000-0000-000000000000";

// A clip under a plug-in filter with one constant parameter, then a clip under a plug-in filter no
// data files describe.
aafsdk::StoredGraph PluginFilter()
{
    fixture::AafFileBuilder f;
    f.AddOperationDefinition(kPluginOperation, "ZRQ Glow", kDataDefPicture, 1);
    f.AddOperationDefinition(kUnknownEffect, "ZRQ Unknown", kDataDefPicture, 1);
    std::uint32_t nextId = 1;
    const auto masters = AddMasters(f, nextId);
    const ObjectId comp = f.AddMob("CompositionMob", "Plug-in Filters", fixture::MakeMobId(nextId++));
    const ObjectId video = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 90);
    fixture::GraphBuilder& b = f.builder();
    const std::uint16_t dataDefs = b.AddReferencedPath({0x0002, 0x3b04, 0x2605});
    b.AddStrongSet(f.dictionary(), 0x2604, fixture::StorageName("ParameterDefinitions", 0x2604, true), 0x1b01, 16);
    const ObjectId definition = b.AddSetElement(f.dictionary(), 0x2604, fixture::AuidOf(kParameterDefinitionClass),
                                                fixture::AuidOf(kPluginAmount).bytes);
    b.AddString(definition, 0x1b02, "Amount");
    const auto filtered = [&](const char* operation, std::int64_t length, const fixture::MobIdBytes& master) {
        const ObjectId group = f.AddOperationGroup(video, kDataDefPicture, length, operation);
        b.AddStrongVector(group, 0x0b02, fixture::StorageName("InputSegments", 0x0b02, true));
        const ObjectId clip = b.AddVectorElement(group, 0x0b02, fixture::ids::ClassOf("SourceClip"));
        b.AddWeakReference(clip, 0x0201, dataDefs, 0x1b01, fixture::AuidOf(kDataDefPicture).bytes);
        b.AddI64(clip, 0x0202, length);
        b.AddData(clip, 0x1101, {master.begin(), master.end()});
        b.AddU32(clip, 0x1102, 1);
        b.AddI64(clip, 0x1201, 0);
        return group;
    };
    const ObjectId glow = filtered(kPluginOperation, 50, masters[0]);
    b.AddStrongVector(glow, 0x0b03, fixture::StorageName("Parameters", 0x0b03, true));
    const ObjectId value = b.AddVectorElement(glow, 0x0b03, fixture::AuidOf(kConstantValueClass));
    b.AddAuid(value, 0x4c01, fixture::AuidOf(kPluginAmount));
    b.AddData(value, 0x4d01, TypedBytes(kRationalType, {3, 0, 0, 0, 4, 0, 0, 0}));  // 3/4
    filtered(kUnknownEffect, 40, masters[1]);
    return std::move(f.graph());
}

// The dictionary's definition of a parameter, with the set that holds it on first use.
void DefineParameter(fixture::AafFileBuilder& f, const char* parameter, const char* name)
{
    fixture::GraphBuilder& b = f.builder();
    if (!b.graph().object(f.dictionary()).Find(0x2604))
        b.AddStrongSet(f.dictionary(), 0x2604, fixture::StorageName("ParameterDefinitions", 0x2604, true), 0x1b01, 16);
    const ObjectId definition =
        b.AddSetElement(f.dictionary(), 0x2604, fixture::AuidOf(kParameterDefinitionClass), fixture::AuidOf(parameter).bytes);
    b.AddString(definition, 0x1b02, name);
}

// The group's one constant parameter: a value of the type, stored as its bytes.
void AddConstantParameter(fixture::AafFileBuilder& f, ObjectId group, const char* parameter, const char* type,
                          const std::vector<std::uint8_t>& value)
{
    fixture::GraphBuilder& b = f.builder();
    b.AddStrongVector(group, 0x0b03, fixture::StorageName("Parameters", 0x0b03, true));
    const ObjectId constant = b.AddVectorElement(group, 0x0b03, fixture::AuidOf(kConstantValueClass));
    b.AddAuid(constant, 0x4c01, fixture::AuidOf(parameter));
    b.AddData(constant, 0x4d01, TypedBytes(type, value));
}

constexpr const char* kSpeedControlOperation = "9d2ea890-0968-11d3-8a38-0050040ef7d2";
constexpr const char* kRepeatOperation = "9d2ea891-0968-11d3-8a38-0050040ef7d2";
constexpr const char* kSpeedRatioParameter = "72559a80-24d7-11d3-8a50-0050040ef7d2";

// A clip; a Motion Control at twice the speed (a group of 40 frames over 80 of the source); a
// freeze frame of 30 frames on a source frame; a clip.
aafsdk::StoredGraph SpeedChanges()
{
    fixture::AafFileBuilder f;
    fixture::GraphBuilder& b = f.builder();
    b.property(f.AddOperationDefinition(kSpeedControlOperation, "Motion Control", kDataDefPicture, 1), 0x1e02).value = {1};
    b.property(f.AddOperationDefinition(kRepeatOperation, "Video Repeat", kDataDefPicture, 1), 0x1e02).value = {1};
    DefineParameter(f, kSpeedRatioParameter, "Speed Ratio");
    const std::uint16_t dataDefs = b.AddReferencedPath({0x0002, 0x3b04, 0x2605});
    std::uint32_t nextId = 1;
    const auto masters = AddMasters(f, nextId);
    const ObjectId comp = f.AddMob("CompositionMob", "Speed Changes", fixture::MakeMobId(nextId++));
    const ObjectId video = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 140);
    f.AddSourceClip(video, kDataDefPicture, 30, masters[0], 1, 10);
    const ObjectId speed = f.AddOperationGroup(video, kDataDefPicture, 40, kSpeedControlOperation);
    AddInputClip(f.builder(), speed, dataDefs, 80, masters[1], 100);
    // 2/1, each half a little-endian Int32.
    AddConstantParameter(f, speed, kSpeedRatioParameter, kRationalType, {2, 0, 0, 0, 1, 0, 0, 0});
    const ObjectId freeze = f.AddOperationGroup(video, kDataDefPicture, 30, kRepeatOperation);
    AddInputClip(f.builder(), freeze, dataDefs, 30, masters[2], 45);
    f.AddSourceClip(video, kDataDefPicture, 40, masters[0], 1, 200);
    return std::move(f.graph());
}

constexpr const char* kOffsetMapParameter = "8d56827a-847e-11d5-935a-50f857c10000";
constexpr const char* kLinearInterpolation = "5b6c85a4-0ede-11d3-80a9-006008143e6f";
constexpr const char* kBezierInterpolation = "df394eda-6ac6-4566-8dbe-f28b0bdd781a";
constexpr const char* kAutomaticBezierInterpolation = "a04a5439-8a0e-4cb7-975f-a5b255866883";
constexpr const char* kInterpolationDefinitionClass = "0d010101-0101-2100-060e-2b3402060101";
constexpr const char* kVaryingValueClass = "0d010101-0101-3e00-060e-2b3402060101";
constexpr const char* kControlPointClass = "0d010101-0101-1900-060e-2b3402060101";
constexpr const char* kInt32Type = "01010700-0000-0000-060e-2b3401040101";
// The handle parameters of a Bezier point: in-handle x and y, out-handle x and y, the mode.
constexpr const char* kHandleParameters[] = {
    "8d56830e-847e-11d5-935a-50f857c10000", "8d56830f-847e-11d5-935a-50f857c10000",
    "8d568310-847e-11d5-935a-50f857c10000", "8d568311-847e-11d5-935a-50f857c10000",
    "8d568312-847e-11d5-935a-50f857c10000"};

std::vector<std::uint8_t> Int32Bytes(std::int32_t value)
{
    std::vector<std::uint8_t> bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
    return bytes;
}

std::vector<std::uint8_t> RationalBytes(std::int32_t numerator, std::int32_t denominator)
{
    std::vector<std::uint8_t> bytes = Int32Bytes(numerator);
    const std::vector<std::uint8_t> second = Int32Bytes(denominator);
    bytes.insert(bytes.end(), second.begin(), second.end());
    return bytes;
}

// A position point: its frame, the source offset shown there, and for a Bezier point its handles
// (in x, in y, out x, out y).
struct PositionPoint {
    std::int32_t frame;
    std::int32_t offset;
    std::vector<std::int32_t> handles = {};
};

// Time warps whose offset maps are position graphs, one of each interpolation: linear, Bezier
// with the handles the points carry, and automatic Bezier handles.
class PositionGraphFile {
public:
    PositionGraphFile()
    {
        fixture::GraphBuilder& b = f_.builder();
        testsupport::generic::MetaDictionary meta(f_);
        meta.Property(meta.Class(testsupport::generic::kClassControlPoint, "ControlPoint",
                                 testsupport::generic::kClassInterchangeObject),
                      testsupport::generic::kPointHandles, "ControlPointPointProperties",
                      testsupport::generic::kPidPointHandles, testsupport::generic::kParameterVector);
        b.property(f_.AddOperationDefinition(kSpeedControlOperation, "Motion Control", kDataDefPicture, 1), 0x1e02)
            .value = {1};
        DefineParameter(f_, kOffsetMapParameter, "PARAM_OFFSET_MAP_U");
        for (const char* handle : kHandleParameters)
            DefineParameter(f_, handle, "");
        b.AddStrongSet(f_.dictionary(), 0x2609, fixture::StorageName("InterpolationDefinitions", 0x2609, true), 0x1b01,
                       16);
        for (const auto& [id, name] : {std::pair{kLinearInterpolation, "LinearInterp"},
                                       {kBezierInterpolation, "AvidBezierInterpolator"},
                                       {kAutomaticBezierInterpolation, "AutomaticBezierInterp"}})
            b.AddString(b.AddSetElement(f_.dictionary(), 0x2609, fixture::AuidOf(kInterpolationDefinitionClass),
                                        fixture::AuidOf(id).bytes),
                        0x1b02, name);
        interpolationTag_ = b.AddReferencedPath({0x0002, 0x3b04, 0x2609});
        dataDefs_ = b.AddReferencedPath({0x0002, 0x3b04, 0x2605});
    }

    aafsdk::StoredGraph Build()
    {
        std::uint32_t nextId = 1;
        const auto masters = AddMasters(f_, nextId);
        const ObjectId comp = f_.AddMob("CompositionMob", "Position Graphs", fixture::MakeMobId(nextId++));
        const ObjectId video = f_.AddSequence(f_.AddTimelineSlot(comp, 1, "V1", kRate, 1), kDataDefPicture, 150);
        Warp(video, 50, masters[0], 100, kLinearInterpolation, {{0, 0}, {25, 10}, {50, 50}});
        Warp(video, 40, masters[1], 20, kBezierInterpolation,
             {{0, 0, {-10, -10, 10, 10}}, {40, 40, {-10, -5, 10, 5}}});
        Warp(video, 60, masters[2], 10, kAutomaticBezierInterpolation, {{0, 0}, {30, 30}, {60, 90}});
        return std::move(f_.graph());
    }

private:
    void Warp(ObjectId sequence, std::int64_t length, const fixture::MobIdBytes& master, std::int64_t start,
              const char* interpolation, const std::vector<PositionPoint>& points)
    {
        fixture::GraphBuilder& b = f_.builder();
        const ObjectId group = f_.AddOperationGroup(sequence, kDataDefPicture, length, kSpeedControlOperation);
        AddInputClip(b, group, dataDefs_, length, master, start);
        b.AddStrongVector(group, 0x0b03, fixture::StorageName("Parameters", 0x0b03, true));
        const ObjectId map = b.AddVectorElement(group, 0x0b03, fixture::AuidOf(kVaryingValueClass));
        b.AddAuid(map, 0x4c01, fixture::AuidOf(kOffsetMapParameter));
        b.AddWeakReference(map, 0x4e01, interpolationTag_, 0x1b01, fixture::AuidOf(interpolation).bytes);
        b.AddStrongVector(map, 0x4e02, fixture::StorageName("PointList", 0x4e02, true));
        for (const PositionPoint& point : points) {
            const ObjectId p = b.AddVectorElement(map, 0x4e02, fixture::AuidOf(kControlPointClass));
            b.AddData(p, 0x1a02, TypedBytes(kRationalType, RationalBytes(point.offset, 1)));
            b.AddRational(p, 0x1a03, point.frame, 1);
            if (point.handles.empty())
                continue;
            const std::uint16_t pid = testsupport::generic::kPidPointHandles;
            b.AddStrongVector(p, pid, fixture::StorageName("ControlPointPointProperties", pid, true));
            for (std::size_t i = 0; i <= point.handles.size(); ++i) {
                const ObjectId handle = b.AddVectorElement(p, pid, fixture::AuidOf(kConstantValueClass));
                b.AddAuid(handle, 0x4c01, fixture::AuidOf(kHandleParameters[i]));
                if (i < point.handles.size())
                    b.AddData(handle, 0x4d01, TypedBytes(kRationalType, RationalBytes(point.handles[i], 1)));
                else
                    b.AddData(handle, 0x4d01, TypedBytes(kInt32Type, Int32Bytes(1)));
            }
        }
    }

    fixture::AafFileBuilder f_;
    std::uint16_t interpolationTag_ = 0;
    std::uint16_t dataDefs_ = 0;
};

}  // namespace

std::optional<aafsdk::StoredGraph> BuildCaseFile(const std::string& name)
{
    if (name == "example")
        return fixture::BuildExampleGraph();
    if (name == "clips-and-gaps")
        return ClipsAndGaps();
    if (name == "effect-over-sequence")
        return EffectOverSequence();
    if (name == "missing-source")
        return MissingSource();
    if (name == "titles")
        return Titles();
    if (name == "speed-changes")
        return SpeedChanges();
    if (name == "position-graphs")
        return PositionGraphFile().Build();
    if (name == "picture-in-picture")
        return PictureInPicture();
    if (name == "plugin-filter")
        return PluginFilter();
    return std::nullopt;
}

}  // namespace casefiles
