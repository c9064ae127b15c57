#include <array>
#include <string>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "config/TranslationLog.h"
#include "effects/AlternateIdentityEffects.h"
#include "effects/FCPEffectCatalogue.h"
#include "effects/FxPlugUuidMap.h"
#include "effects/PluginEffectName.h"
#include "effects/TranslationTables.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/QtCodecTable.h"

namespace {

TEST(PluginEffectName, ZrqOrKvxAnywhereCaseSensitive)
{
    const struct {
        const char* name;
        bool plugin;
    } cases[] = {
        {"ZRQ Glow", true},
        {"Film KVX Grain", true},
        {"endsKVX", true},
        {"ZRQKVX", true},
        {"kvx Grain", false},
        {"Zrq Glow", false},
        {"Z R Q", false},
        {"ZR", false},
        {"", false},
        {"Cross Dissolve", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPluginEffectName(c.name), c.plugin) << c.name;
}

constexpr Auid kOperationA{0x12345678, 0x9abc, 0xdef0, {0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xff}};
constexpr Auid kOperationB{0x12345678, 0x9abc, 0xdef0, {0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xfe}};
constexpr Auid kOperationC{0x0badf00d, 0x0001, 0x0002, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr const char* kShared = "0A1B2C3D_4E5F_6A7B_8C9D_0E1F2A3B4C5D";

class FxPlugUuids : public ::testing::Test {
protected:
    void SetUp() override { FxPlugUuidMap.clear(); }
    void TearDown() override
    {
        FxPlugUuidMap.clear();
        FCPEffectCatalogue.clear();
    }
};

TEST_F(FxPlugUuids, RowsOverrideTheIdentifierOfTheirOperationOnly)
{
    // Two operations sharing one identifier, as the configured rows may.
    const auto rows = std::to_array<FxPlugUuidRow>({{kOperationA, kShared}, {kOperationB, kShared}});
    StoreFxPlugUuidRows(rows);
    StoreFxPlugUuidRows(rows);
    EXPECT_EQ(FxPlugUuidMap.size(), 2u);
    EXPECT_EQ(FxPlugUuidMap.at(AuidToText(kOperationA)), kShared);

    for (const Auid& op : {kOperationA, kOperationB}) {
        std::string id = "FROM_THE_DATA_FILE";
        LookupFxPlugUuid(op, id);
        EXPECT_EQ(id, kShared);
    }
    std::string id = "FROM_THE_DATA_FILE";
    LookupFxPlugUuid(kOperationC, id);
    EXPECT_EQ(id, "FROM_THE_DATA_FILE");
}

TEST_F(FxPlugUuids, ConfiguredRowsAreWellFormedAndSurviveTheTableClear)
{
    FillFxPlugUuidMap();
    FillFxPlugUuidMap();
    EXPECT_LE(FxPlugUuidMap.size(), 9u);
    for (const auto& [operation, id] : FxPlugUuidMap) {
        ASSERT_EQ(id.size(), 36u) << operation;
        for (size_t i = 0; i < id.size(); ++i) {
            if (i == 8 || i == 13 || i == 18 || i == 23)
                EXPECT_EQ(id[i], '_') << id;
            else
                EXPECT_TRUE((id[i] >= '0' && id[i] <= '9') || (id[i] >= 'A' && id[i] <= 'F')) << id;
        }
    }

    // The identifiers outlive a run; the log, the catalogue, the colour and the codec tables do not.
    StoreFxPlugUuidRows(std::to_array<FxPlugUuidRow>({{kOperationA, kShared}}));
    TranslationLog.emplace_back();
    BuildEffectCatalogue();
    BuildMarkerColorTables();
    BuildQtCodecTable();
    BuildCodecColorSpaceMap();
    ASSERT_FALSE(FCPEffectCatalogue.empty() || LabelColorTable.empty() || AvidMarkerColorTable.empty() ||
                 AvidToFcpColorNames.empty() || QtCodecTable.empty() || CodecColorSpaceMap.empty());
    ClearTranslationTables();
    EXPECT_TRUE(TranslationLog.empty());
    EXPECT_TRUE(FCPEffectCatalogue.empty());
    EXPECT_TRUE(LabelColorTable.empty());
    EXPECT_TRUE(AvidMarkerColorTable.empty());
    EXPECT_TRUE(AvidToFcpColorNames.empty());
    EXPECT_TRUE(QtCodecTable.empty());
    EXPECT_TRUE(CodecColorSpaceMap.empty());
    std::string id;
    LookupFxPlugUuid(kOperationA, id);
    EXPECT_EQ(id, kShared);
}

TEST(AlternateIdentityEffects, OtherOperationsUseTheFirstRow)
{
    for (const Auid& op : {kOperationA, kOperationC, Auid{}})
        EXPECT_FALSE(IsAlternateIdentityEffect(op)) << AuidToText(op);
}

}  // namespace
