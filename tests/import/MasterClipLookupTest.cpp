#include <gtest/gtest.h>

#include "aaf/import/MasterClipLookup.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/UsageCodes.h"
#include "aaf/MobId.h"
#include "fcpxml/MarkerColorTables.h"
#include "ImportTestSupport.h"
#include "records/MobRegistry.h"

namespace {

using importtest::Clip;
using importtest::Context;

MobId Mob(std::uint8_t n)
{
    MobId id;
    id.material.Data4[7] = n;
    return id;
}

SourceReference Reference(std::uint8_t mob, int slot, int dataKind)
{
    SourceReference reference;
    reference.sourceMobId = Mob(mob);
    reference.sourceSlotId = slot;
    reference.dataKind = dataKind;
    return reference;
}

class MasterClipLookupTest : public importtest::ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        MasterClipMap.clear();
        MasterClipIdByMob.clear();
        MobRegistry::Clear();
        FCPClipTag clip;
        clip.videoSlots.emplace(2, Clip("picture 2", 0, 10));
        clip.videoSlots.emplace(3, Clip("picture 3", 0, 10));
        clip.audioSlots.emplace(5, Clip("sound 5", 0, 10, 1));
        clip.alphaSlotId = 7;
        MasterClipMap.emplace("MASTER_MOB_1", clip);
        MasterClipIdByMob[MobIdToText(Mob(1))] = "MASTER_MOB_1";
    }
    void TearDown() override
    {
        MasterClipMap.clear();
        MasterClipIdByMob.clear();
        MobRegistry::Clear();
        ImportTest::TearDown();
    }
};

TEST_F(MasterClipLookupTest, FindsTheSlotItemOfTheReferencedKindAndMarksTheClip)
{
    struct Case {
        int slot;
        int dataKind;
        bool found;
        const char* name;
    };
    const Case cases[] = {
        {2, 2, true, "picture 2"}, {5, 1, true, "sound 5"}, {5, 2, false, ""},
        {2, 1, false, ""},         {2, 3, false, ""},        {7, 2, true, "picture 2"},  // the alpha slot
    };
    for (const Case& c : cases) {
        MasterClipMap.at("MASTER_MOB_1").referenced = false;
        SourceReference reference = Reference(1, c.slot, c.dataKind);
        FCPClipItemTag out;
        EXPECT_EQ(FindMasterClipItem(reference, out), c.found) << c.slot << "/" << c.dataKind;
        EXPECT_EQ(out.name, c.name);
        EXPECT_TRUE(MasterClipMap.at("MASTER_MOB_1").referenced) << "a found clip is marked even without the slot";
    }
    SourceReference unknown = Reference(9, 2, 2);
    FCPClipItemTag out;
    EXPECT_FALSE(FindMasterClipItem(unknown, out));
    EXPECT_EQ(LookupMasterClipId(unknown), "");
}

TEST_F(MasterClipLookupTest, LowerLevelCompositionsLoseTheirMark)
{
    MobRegistry::Register(MobEntry(0, kUsageLowerLevel, "lower", Mob(1)));
    MasterClipMap.at("MASTER_MOB_1").referenced = true;
    UnmarkLowerLevelClip(Reference(1, 2, 2));
    EXPECT_FALSE(MasterClipMap.at("MASTER_MOB_1").referenced);

    MobRegistry::Register(MobEntry(0, kUsageTopLevel, "top", Mob(1)));
    MasterClipMap.at("MASTER_MOB_1").referenced = true;
    UnmarkLowerLevelClip(Reference(1, 2, 2));
    EXPECT_TRUE(MasterClipMap.at("MASTER_MOB_1").referenced);
}

TEST_F(MasterClipLookupTest, UnknownMobsBecomeSlugsWithAnErrorRecord)
{
    FCPClipItemTag slug;
    MakeUnknownMobSlug(Reference(9, 1, 2), Context(40, 2), slug);
    EXPECT_EQ(slug.name, "Unknown");
    EXPECT_EQ(slug.out - slug.in, 40);
    ASSERT_EQ(slug.log.translations.size(), 1u);
    EXPECT_EQ(slug.log.translations[0].fcpName, "---");
    EXPECT_EQ(slug.log.translations[0].avidName, "Error: Unknown Mob Ref (type: Unknown, usage: Unknown)");
    EXPECT_EQ(slug.log.translations[0].action, "Clip replaced with Slug");
    EXPECT_EQ(slug.log.translations[0].status, kTranslationError);

    MobEntry file(2, kUsageSubclip, "Tape 7", Mob(4));
    file.SetKindLabel("FILE", 3);
    MobRegistry::Register(file);
    FCPClipItemTag named;
    MakeUnknownMobSlug(Reference(4, 1, 1), Context(10, 1), named);
    EXPECT_EQ(named.name, "Tape 7");
    ASSERT_EQ(named.log.translations.size(), 1u);
    EXPECT_EQ(named.log.translations[0].avidName, "Error: Unknown Mob Ref (type: FILE, usage: Subclip)");
}

TEST_F(MasterClipLookupTest, MarkersOfAMobAndOfASlot)
{
    BuildMarkerColorTables();
    EventMarker red;
    red.position = 12;
    red.name = "red";
    red.colours.push_back(MarkerRgbColour{1.0, 0.0, 0.0, 255});
    EventMarker plain;
    plain.position = 3;
    plain.name = "plain";
    EventMarkerLists map;
    map[4][2] = {red};
    map[1][1] = {plain};
    map[4][1] = {plain, red};

    const std::vector<MarkerInfo> all = CollectMarkers(map);
    ASSERT_EQ(all.size(), 4u);
    const char* order[] = {"plain", "plain", "red", "red"};  // slot 1, then slot 4 layers 1 and 2
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].name, order[i]);
        EXPECT_TRUE(all[i].colors.empty()) << "clip markers carry no colour";
    }

    EventMarkerMap = map;
    std::vector<MarkerInfo> slot;
    AddSlotMarkers(slot, 4);
    ASSERT_EQ(slot.size(), 3u);
    EXPECT_EQ(slot[0].in, 3);
    EXPECT_EQ(slot[1].in, 12);
    EXPECT_FALSE(slot[1].colors.empty()) << "sequence markers carry their first colour";
    AddSlotMarkers(slot, -1);
    AddSlotMarkers(slot, 8);
    EXPECT_EQ(slot.size(), 3u);
    LabelColorTable.clear();
    AvidMarkerColorTable.clear();
    AvidToFcpColorNames.clear();
}

}  // namespace
