#include "run/CaseFiles.h"

#include <cstdint>
#include <vector>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/ExampleFile.h"

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

}  // namespace

std::optional<aafsdk::StoredGraph> BuildCaseFile(const std::string& name)
{
    if (name == "example")
        return fixture::BuildExampleGraph();
    if (name == "clips-and-gaps")
        return ClipsAndGaps();
    if (name == "effect-over-sequence")
        return EffectOverSequence();
    return std::nullopt;
}

}  // namespace casefiles
