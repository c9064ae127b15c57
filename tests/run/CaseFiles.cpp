#include "run/CaseFiles.h"

#include <cstdint>
#include <vector>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "effects/TitleBytes.h"

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

constexpr const char* kTitleOperation = "2db619ef-7210-4e89-95d7-970336d72e8c";
constexpr const char* kTitleDataParameter = "1fdd2907-e48c-11d3-a078-006094eb75cb";
constexpr const char* kUInt8ArrayType = "04010100-0000-0000-060e-2b3401040101";
constexpr const char* kConstantValueClass = "0d010101-0101-3d00-060e-2b3402060101";
constexpr const char* kParameterDefinitionClass = "0d010101-0101-1d00-060e-2b3402060101";

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
        b.AddStrongVector(group, 0x0b02, fixture::StorageName("InputSegments", 0x0b02, true));
        const ObjectId clip = b.AddVectorElement(group, 0x0b02, fixture::ids::ClassOf("SourceClip"));
        b.AddWeakReference(clip, 0x0201, dataDefs_, 0x1b01, fixture::AuidOf(kDataDefPicture).bytes);
        b.AddI64(clip, 0x0202, length);
        b.AddData(clip, 0x1101, {master.begin(), master.end()});
        b.AddU32(clip, 0x1102, 1);
        b.AddI64(clip, 0x1201, 0);
        if (bytes == nullptr)
            return;
        b.AddStrongVector(group, 0x0b03, fixture::StorageName("Parameters", 0x0b03, true));
        const ObjectId value = b.AddVectorElement(group, 0x0b03, fixture::AuidOf(kConstantValueClass));
        b.AddAuid(value, 0x4c01, fixture::AuidOf(kTitleDataParameter));
        std::vector<std::uint8_t> typed{0x4c};
        for (const std::uint8_t x : fixture::AuidOf(kUInt8ArrayType).bytes)
            typed.push_back(x);
        typed.insert(typed.end(), bytes->begin(), bytes->end());
        b.AddData(value, 0x4d01, typed);
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

}  // namespace

std::optional<aafsdk::StoredGraph> BuildCaseFile(const std::string& name)
{
    if (name == "example")
        return fixture::BuildExampleGraph();
    if (name == "clips-and-gaps")
        return ClipsAndGaps();
    if (name == "effect-over-sequence")
        return EffectOverSequence();
    if (name == "titles")
        return Titles();
    return std::nullopt;
}

}  // namespace casefiles
