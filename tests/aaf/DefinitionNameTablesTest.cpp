#include "aaf/DefinitionNameTables.h"

#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aaf/DefinitionNameRows.h"
#include "aaf/DefinitionT.h"
#include "records/ParameterRecord.h"

namespace {

struct TableCase {
    const char* title;
    std::span<const NamedAuid> rows;
    std::string (*lookup)(const Auid&);
    std::size_t count;
    std::vector<NamedAuid> samples;
};

// Each table in lookup order, then the coding equations, with rows whose spelling is easy to get wrong.
std::vector<TableCase> Tables()
{
    return {
        {"codec", CodecDefNames, GetCodecDefName, 15,
         {{RegistryAuid("{568FB761-9458-11D2-8089-006008143E6F}"), "None"},
          {RegistryAuid("{AF4DE587-23D7-4C7F-B37B-C1C13870E711}"), "DV_Based_25Mbps_525_60Mbps_525_60"},
          {RegistryAuid("{AF4DE587-23D7-4C83-B37B-C1C13870E711}"), "DV_Based_50Mbps_625_50)"}}},
        {"colour primaries", ColorPrimariesNames, GetColorPrimariesName, 3,
         {{RegistryAuid("{04010101-0301-0000-060E-2B3404010106}"), "SMPTE170M"},
          {RegistryAuid("{04010101-0303-0000-060E-2B3404010106}"), "ITU709"}}},
        {"compression", CompressionDefNames, GetCompressionDefName, 42,
         {{RegistryAuid("{EDB35383-6D30-11D3-A036-006094EB75CB}"), "kAAFCompressionDef_AAF_CMPR_FULL_JPEG"},
          {RegistryAuid("{04010202-0105-0300-060E-2B3404010108}"), "kQMVCompressionDef_AVID_HDV_or_XDCAM_EX_25Mbits"},
          {RegistryAuid("{0E040301-0103-0200-060E-2B3404010101}"), "kQMVCompressionDef_AVID_HD_1to1_10bit"}}},
        {"container", ContainerDefNames, GetContainerDefName, 89,
         {{RegistryAuid("{4313B572-D8BA-11D2-809B-006008143E6F}"), "kAAFContainerDef_External"},
          {RegistryAuid("{42464141-000D-4D4F-060E-2B34010101FF}"), "kAAFContainerDef_AAFMSS"},
          {RegistryAuid("{0D010301-0201-0401-060E-2B3404010101}"),
           "kAAFContainerDef_Framewrapped_SMPTE_D10_525x5994I_40Mbps_DefinedTemplate"},
          {RegistryAuid("{0D010301-0210-6002-060E-2B340401010A}"),
           "kAAFContainerDef_MXFGC_Clipwrapped_AVCbytestream_VideoStream0_SID"},
          {RegistryAuid("{0E040301-0206-0303-060E-2B3404010101}"), "kAAFContainerDef_MXFGC_Avid_DNxHD_145_720P"}}},
        {"transfer characteristic", TransferCharacteristicNames, GetTransferCharacteristicName, 6,
         {{RegistryAuid("{04010101-0101-0000-060E-2B3404010101}"), "ITU470_PAL"},
          {RegistryAuid("{04010101-0106-0000-060E-2B3404010101}"), "Linear"}}},
        {"interpolation", InterpolationDefNames, GetInterpolationDefName, 8,
         {{RegistryAuid("{5B6C85A4-0EDE-11D3-80A9-006008143E6F}"), "Linear"},
          {RegistryAuid("{A04A5439-8A0E-4CB7-975F-A5B255866883}"), "Avid cubic interpolation"},
          {RegistryAuid("{DF394EDA-6AC6-4566-8DBE-F28B0BDD781A}"), "AvidBezierInterpolator"}}},
        {"operation", OperationDefNames, GetOperationDefName, 27,
         {{RegistryAuid("{0C3BEA40-FC05-11D2-8A29-0050040EF7D2}"), "Video_Dissolve"},
          {RegistryAuid("{0A3C75E0-FD82-11D2-8A2B-0050040EF7D2}"), "Picture_With_Mate"},
          {RegistryAuid("{8D896AD0-2261-11D3-8A4C-0050040EF7D2}"), "Mono_Audio_Mixdown"}}},
        {"operational pattern", OperationalPatternNames, GetOperationalPatternName, 2,
         {{RegistryAuid("{0D011201-0100-0000-060E-2B3404010105}"), "Edit_Protocol"},
          {RegistryAuid("{0D011201-0200-0000-060E-2B3404010109}"), "Unconstrained"}}},
        {"parameter", ParameterDefNames, GetParameterDefName, 187,
         {{RegistryAuid("{8D568129-847E-11D5-935A-50F857C10000}"), "AFX_SCALE_X_U"},
          {RegistryAuid("{8D5681FC-847E-11D5-935A-50F857C10000}"), "DVE_BORDER_COLOR/DVE_FG_KEY_HIGH_SAT_U"},
          {RegistryAuid("{8D568312-847E-11D5-935A-50F857C10000}"), "PP_TANGENT_MODE_U"},
          {RegistryAuid("{E4962320-2267-11D3-8A4C-0050040EF7D2}"), "Level"},
          {RegistryAuid("{FB0A67BE-18D9-3F21-8AA3-9F471C3444C1}"), "Red <-"},
          {RegistryAuid("{B85C396C-28D8-3B85-9955-6C277B7123BB}"), "AnchorPosition"}}},
        {"mob usage", MobUsageNames, GetMobUsageName, 5,
         {{RegistryAuid("{0D010102-0101-0500-060E-2B3404010101}"), "Subclip"},
          {RegistryAuid("{0D010102-0101-0600-060E-2B3404010101}"), "Adjusted Clip"},
          {RegistryAuid("{0D010102-0101-0900-060E-2B3404010101}"), "Template"}}},
        {"type", TypeDefNames, GetTypeDefName, 156,
         {{RegistryAuid("{03010100-0000-0000-060E-2B3401040101}"), "Rational"},
          {RegistryAuid("{0201012A-0000-0000-060E-2B3401040101}"), "ContentScanningType"},
          {RegistryAuid("{05060E00-0000-0000-060E-2B3401040101}"), "SubDescriptorStrongReferenceVector"},
          {RegistryAuid("{8BC4272E-6BAB-11D3-80CF-006008143E6F}"), "UknownDef_Type_1"}}},
        {"Avid effect", AvidEffectNames, GetAvidEffectName, 65,
         {{RegistryAuid("{00000000-E068-BFFF-A800-0000704C3870}"), "3DMatteKey"},
          {RegistryAuid("{89D9B67E-5584-302D-9ABD-8BD330C46841}"), "ideoDissolve_2"},
          {RegistryAuid("{C23747B8-A74D-11D3-A05B-006094EB75CB}"), "Horizontal Bands"},
          {RegistryAuid("{9D2EA891-0968-11D3-8A38-0050040EF7D2}"), "Video Repeat"},
          {RegistryAuid("{BB4E116A-2B7F-44E5-AB5B-A7D0A0A93832}"), "Stabilize"}}},
        {"effect category", EffectCategoryNames, GetEffectCategoryName, 1,
         {{RegistryAuid("{0D010102-0101-0100-060E-2B3404010101}"), "FILTER"}}},
        {"further", FurtherDefinitionNames, GetFurtherDefinitionName, 17,
         {{RegistryAuid("{8D5681D0-847E-11D5-935A-50F857C10000}"), "UnknownDef_Bool_1"},
          {RegistryAuid("{BFFFAA38-0000-0000-2C2C-F75B00000000}"), "UknownDef_Interp_1"},
          {RegistryAuid("{386E92F8-978E-11D3-80E1-006008143E6F}"), "AvidSelectedKeyFrame"}}},
        {"plug-in category", PluginCategoryNames, GetPluginCategoryName, 4,
         {{RegistryAuid("{0D010102-0101-0200-060E-2B3404010101}"), "PluginCategory_Effect"},
          {RegistryAuid("{0D010102-0101-0100-060E-2B3404010101}"), "OperationCategory_Effect"}}},
        {"coding equations", CodingEquationsNames, GetCodingEquationsName, 3,
         {{RegistryAuid("{04010101-0201-0000-060E-2B3404010101}"), "ITU601"},
          {RegistryAuid("{04010101-0203-0000-060E-2B3404010101}"), "SMPTE240M"}}},
    };
}

constexpr Auid kUnlisted = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}};

TEST(DefinitionNameTables, EachTableHoldsItsRowsAndAnswersThemAlone)
{
    for (const TableCase& table : Tables()) {
        SCOPED_TRACE(table.title);
        EXPECT_EQ(table.rows.size(), table.count);
        for (const NamedAuid& sample : table.samples)
            EXPECT_EQ(table.lookup(sample.id), sample.name) << AuidToText(sample.id);
        // The lookup searches this table's rows and no other.
        for (const NamedAuid& row : table.rows)
            EXPECT_EQ(table.lookup(row.id), row.name) << AuidToText(row.id);
        EXPECT_EQ(table.lookup(kUnlisted), "UNKNOWN");
        EXPECT_EQ(table.lookup(Auid{}), "UNKNOWN");
    }
}

TEST(DefinitionNameTables, TheFirstTableInLookupOrderNamesAnAuid)
{
    // AUIDs listed in two tables, named by the earlier one.
    const NamedAuid shadowed[] = {
        {RegistryAuid("{9D2EA891-0968-11D3-8A38-0050040EF7D2}"), "Video_Repeat"},  // operation, Avid effect
        {RegistryAuid("{8D56821C-847E-11D5-935A-50F857C10000}"), "DVE_DEFOCUS_MODE_U"},  // parameter, further
        {RegistryAuid("{0D010102-0101-0100-060E-2B3404010101}"), "FILTER"},  // effect and plug-in category
    };
    const auto tables = Tables();
    ASSERT_EQ(DefinitionNameTables().size(), 15u);
    for (std::size_t t = 0; t < 15; ++t) {
        SCOPED_TRACE(tables[t].title);
        EXPECT_EQ(DefinitionNameTables()[t], tables[t].lookup);
        for (const NamedAuid& row : tables[t].rows) {
            std::string_view expected = row.name;
            for (const NamedAuid& earlier : shadowed)
                if (earlier.id == row.id)
                    expected = earlier.name;
            bool known = false;
            EXPECT_EQ(GetDefinitionName(row.id, known), expected) << AuidToText(row.id);
            EXPECT_TRUE(known);
        }
    }
    EXPECT_EQ(GetAvidEffectName(RegistryAuid("{9D2EA891-0968-11D3-8A38-0050040EF7D2}")), "Video Repeat");
}

TEST(DefinitionNameTables, AnAuidNoTableKnowsIsNamedByItsText)
{
    EXPECT_EQ(GetDefinitionNameText(kUnlisted), AuidToText(kUnlisted));
    bool known = true;

    // The coding equations stand outside the lookup order.
    const Auid itu601 = RegistryAuid("{04010101-0201-0000-060E-2B3404010101}");
    EXPECT_EQ(GetDefinitionName(itu601, known), AuidToText(itu601));
    EXPECT_FALSE(known);

    // A miss of the parameter table goes on to the later tables.
    const Auid boolean = RegistryAuid("{8D5681D0-847E-11D5-935A-50F857C10000}");
    EXPECT_EQ(GetParameterDefName(boolean), "UNKNOWN");
    EXPECT_EQ(GetDefinitionName(boolean, known), "UnknownDef_Bool_1");
    EXPECT_TRUE(known);
}

TEST(DefinitionNameTables, AssignDefinitionNameNamesTheAafSideOfTheRecord)
{
    ParameterRecord record;
    record.mapping.fcp.name = "Opacity";
    AssignDefinitionName(RegistryAuid("{E4962320-2267-11D3-8A4C-0050040EF7D2}"), record);
    EXPECT_EQ(record.mapping.avid.name, "Level");
    EXPECT_EQ(record.mapping.fcp.name, "Opacity");
    AssignDefinitionName(kUnlisted, record);
    EXPECT_EQ(record.mapping.avid.name, AuidToText(kUnlisted));
}

TEST(RegistryAuid, ReadsTheFieldsOfTheRegistryForm)
{
    constexpr Auid id = RegistryAuid("{60958184-47B1-11D4-A01C-0004AC969F50}");
    static_assert(id == Auid{0x60958184, 0x47B1, 0x11D4, {0xA0, 0x1C, 0x00, 0x04, 0xAC, 0x96, 0x9F, 0x50}});
    EXPECT_EQ(AuidToText(id), "{0x60958184, 0x47b1, 0x11d4, {0xa0, 0x1c, 0x00, 0x04, 0xac, 0x96, 0x9f, 0x50}}");
}

}  // namespace
