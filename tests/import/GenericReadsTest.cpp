// The reads that go through the generic property interfaces: a top-level composition's project
// format and a comment marker's name, colour and described slots, over files built in code.
#include <gtest/gtest.h>

#include "aaf/import/EventMobSlotT.h"
#include "aaf/import/EventT.h"
#include "aaf/import/MobtT.h"
#include "aaf/import/ProjectFormatQuery.h"
#include "aaf/import/SequenceT.h"
#include "import/ImportFileSupport.h"
#include "support/GenericPropertyFixture.h"

namespace {

using namespace importtest;
namespace generic = testsupport::generic;

constexpr const char* kTopLevel = "0d010102-0101-0700-060e-2b3404010101";
constexpr const char* kLowerLevel = "0d010102-0101-0800-060e-2b3404010101";

struct Composition {
    const char* name;
    const char* usage;
    std::vector<std::pair<const char*, std::int32_t>> tags;  // integer tags of its attribute list
};

class GenericReads : public ImportFileTest {};

TEST_F(GenericReads, ProjectFormatIsTheFirstTopLevelCompositionsLastFormatTag)
{
    const struct {
        const char* label;
        std::vector<Composition> compositions;
        int code;
    } cases[] = {
        {"first without, second with", {{"a", kTopLevel, {{"SEQUENCE_FORMAT_TYPE", 0}}}, {"b", kTopLevel, {{"SEQUENCE_FORMAT_TYPE", 7}}}}, 7},
        {"first found wins", {{"a", kTopLevel, {{"SEQUENCE_FORMAT_TYPE", 2}}}, {"b", kTopLevel, {{"SEQUENCE_FORMAT_TYPE", 7}}}}, 2},
        {"last tag of the mob wins", {{"a", kTopLevel, {{"SEQUENCE_FORMAT_TYPE", 3}, {"SEQUERNCE_FORMAT_TYPE", 5}, {"OTHER", 8}}}}, 5},
        {"only top level counts", {{"a", kLowerLevel, {{"SEQUENCE_FORMAT_TYPE", 9}}}, {"b", kTopLevel, {}}}, 0},
        {"the container is searched", {{"Precompute Sequence Container", kTopLevel, {{"FORMAT_TYPE", 4}}}}, 4},
        {"no usage anywhere, unreferenced", {{"a", "", {{"SEQUENCE_FORMAT_TYPE", 6}}}}, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ResetImport();
        generic::GenericPropertyFile g;
        // The fixture's own composition carries a format too; as a lower level it is never asked.
        SetUsage(g.f, g.mob, kLowerLevel);
        std::uint32_t n = 20;
        for (const Composition& composition : c.compositions) {
            const auto mob = g.f.AddMob("CompositionMob", composition.name, fixture::MakeMobId(n++));
            SetUsage(g.f, mob, composition.usage);
            std::vector<generic::TaggedInput> tags;
            for (const auto& [name, value] : composition.tags)
                tags.push_back({name, generic::kInt32, generic::Int32Bytes(value)});
            g.AddTagged(mob, generic::kPidMobAttributes, "MobAttributeList", tags);
        }
        Open(g.f);
        ImportPrefs.projectFormatCode = -1;
        ReadProjectFormat();
        EXPECT_EQ(ImportPrefs.projectFormatCode, c.code);
    }
}

TEST_F(GenericReads, CommentMarkerGivesNameColourAndDescribedSlots)
{
    generic::GenericPropertyFile g;
    Open(g.f);

    const MobtT mob(IdOf(1));
    EventMarkerLists markers;
    const EventMobSlotT slot(mob.mob, 1u, markers);
    ASSERT_EQ(slot.status, 0);
    SequenceT sequence(slot.segment);
    ASSERT_EQ(sequence.componentCount, 1);
    IAAFComponent* component = nullptr;
    ASSERT_EQ(sequence.sequence->GetComponentAt(0, &component), 0);
    EventT event;
    EXPECT_EQ(event.Read(component), 0);
    component->Release();
    EXPECT_EQ(event.marker.position, 10);
    EXPECT_EQ(event.marker.comment, "Look here");
    EXPECT_EQ(event.marker.name, "Gr\xc3\xbc\xc3\x9f" "e \xe6\x97\xa5\xe6\x9c\xac");
    ASSERT_EQ(event.marker.colours.size(), 1u);
    EXPECT_EQ(event.marker.colours[0].red, 1);
    EXPECT_EQ(event.marker.colours[0].green, 2);
    EXPECT_EQ(event.marker.colours[0].blue, 65535);
    EXPECT_EQ(event.describedSlotIds, (std::vector<std::int32_t>{1, 3}));
    event.AddToMarkerMap(markers, 1);
    EXPECT_EQ(markers.size(), 2u);
    ASSERT_EQ(markers[3][1].size(), 1u);
    EXPECT_EQ(markers[3][1][0].name, event.marker.name);
}

}  // namespace
