#include "aaf/DefinitionNameTables.h"

#include "aaf/DefinitionNameRows.h"

namespace {

// Avid's effects by the names its editor shows. The texts stand as the log writes them, the clipped
// "ideoDissolve_2" included: translation records carry them.
constexpr NameRow kAvidEffects[] = {
    {"{00000000-E068-BFFF-A800-0000704C3870}", "3DMatteKey"},
    {"{0C864774-E428-3B2D-8115-1C736806191A}", "3DMatteKey2"},
    {"{F1DB0F40-8D64-11D3-80DF-006008143E6F}", "3DMatteKey_3"},
    {"{EB84FB3D-0302-4097-99D4-5E33C4F7990A}", "3DMatteKey_Promoted"},
    {"{6435694C-2C45-4A42-A49F-FE8C4A287688}", "2DMatteKey_2"},
    {"{F1DB0F46-8D64-11D3-80DF-006008143E6F}", "2DMatteKey"},
    {"{F1DB0F4B-8D64-11D3-80DF-006008143E6F}", "SBlend"},
    {"{47052D96-EFFC-431A-B2FE-3B4291C5D8FD}", "SBlend_v2"},
    {"{89D9B67E-5584-302D-9ABD-8BD330C46841}", "ideoDissolve_2"},
    {"{5E9010D1-2AB3-37BC-9166-5D74846558AC}", "Dip_AVX1"},
    {"{D94E75C8-6ADF-11D3-80CF-006008143E6F}", "Dip_AVX2"},
    {"{624E04B0-8063-3D9F-8172-6EA7CF0BED6D}", "FadeDown_2"},
    {"{A3479FAE-4715-38B8-B020-907AE09E8769}", "FadeUp_2"},
    {"{9D2EA891-0968-11D3-8A38-0050040EF7D2}", "Video Repeat"},
    {"{F9FF09D2-CC85-3D29-A982-A8776842DAC0}", "Superimpose"},
    {"{2DB619EF-7210-4E89-95D7-970336D72E8C}", "Title_2"},
    {"{F1DB0F3D-8D64-11D3-80DF-006008143E6F}", "Submaster"},
    {"{E4FE520A-B815-447F-A969-2D5E1C5F6C14}", "SubCap"},
    {"{C23747A1-A74D-11D3-A05B-006094EB75CB}", "Bottom Right to Top Left"},
    {"{701F7BB5-306A-3C02-B453-2930DBE7693A}", "Bottom to Top"},
    {"{C23747A6-A74D-11D3-A05B-006094EB75CB}", "Left to Right"},
    {"{58BC2F88-5A67-3730-8648-02AF02B33341}", "Right to Left"},
    {"{C23747A3-A74D-11D3-A05B-006094EB75CB}", "Top Left to Bottom Right"},
    {"{C23747A2-A74D-11D3-A05B-006094EB75CB}", "Top Right to Bottom Left"},
    {"{C23747A5-A74D-11D3-A05B-006094EB75CB}", "Top to Bottom"},
    {"{C23747AC-A74D-11D3-A05B-006094EB75CB}", "Bottom Left Corner"},
    {"{C23747AD-A74D-11D3-A05B-006094EB75CB}", "Bottom Right Corner"},
    {"{C23747AF-A74D-11D3-A05B-006094EB75CB}", "Top Left Corner"},
    {"{C23747B4-A74D-11D3-A05B-006094EB75CB}", "Bottom Left to Top Right"},
    {"{C23747B8-A74D-11D3-A05B-006094EB75CB}", "Horizontal Bands"},
    {"{783B4810-7CF6-11D3-80D5-006008143E6F}", "X-Rotate"},
    {"{783B4811-7CF6-11D3-80D5-006008143E6F}", "Y-Rotate"},
    {"{783B4812-7CF6-11D3-80D5-006008143E6F}", "Z-Rotate"},
    {"{783B4816-7CF6-11D3-80D5-006008143E6F}", "Bottom Centered"},
    {"{783B481E-7CF6-11D3-80D5-006008143E6F}", "Bottom Left"},
    {"{783B4820-7CF6-11D3-80D5-006008143E6F}", "Bottom Right"},
    {"{783B4813-7CF6-11D3-80D5-006008143E6F}", "Centered Zoom"},
    {"{783B4814-7CF6-11D3-80D5-006008143E6F}", "Horizontal Centered"},
    {"{783B4817-7CF6-11D3-80D5-006008143E6F}", "Right Centered"},
    {"{783B4818-7CF6-11D3-80D5-006008143E6F}", "Top Centered"},
    {"{783B4821-7CF6-11D3-80D5-006008143E6F}", "Top Left"},
    {"{783B481F-7CF6-11D3-80D5-006008143E6F}", "Top Right"},
    {"{783B4815-7CF6-11D3-80D5-006008143E6F}", "Vertical Centered"},
    {"{C7C48E5E-6144-3621-AF97-CFC374BEC528}", "4:3 Sidebar"},
    {"{80289ACF-0AE6-3A81-9CFB-528DEF339B6D}", "14:9 Letterbox"},
    {"{0C9DB5BE-1DFF-3411-876B-47AED0BC2FAE}", "16:9 Letterbox"},
    {"{FAD869D1-2D7C-4F51-9E58-AD9D406D6156}", "Pan and Scan"},
    {"{F1DB0F2E-8D64-11D3-80DF-006008143E6F}", "Film Dissolve"},
    {"{F1DB0F2D-8D64-11D3-80DF-006008143E6F}", "Film Fade"},
    {"{F1DB0F3E-8D64-11D3-80DF-006008143E6F}", "AniMatte"},
    {"{F1DB0F41-8D64-11D3-80DF-006008143E6F}", "Chroma Key/Spectra Matte"},
    {"{93994BD5-A81D-11D3-A05B-006094EB75CB}", "Avid Pan & Zoom or Region Stabilize"},
    {"{71872F8A-2A63-4DD8-AAAE-DD0EFD823FEE}", "Blur Effect"},
    {"{B9C8DABB-E216-420C-AEDE-BE698FB02001}", "Color Correction"},
    {"{BB39AAB2-5E61-3E54-91A2-4758DB7EBD31}", "Color Effect"},
    {"{F1DB0F37-8D64-11D3-80DF-006008143E6F}", "Mosaic Effect"},
    {"{F1DB0F36-8D64-11D3-80DF-006008143E6F}", "Paint Effect"},
    {"{9CCF57AC-564D-31C1-A6CD-72E4375FF873}", "Flip"},
    {"{429F4C1F-5795-33EB-BC7A-CA40BE038999}", "Flop"},
    {"{451A0A83-89A2-3A9E-B8E5-CFC11E1B06DA}", "Flip-Flop"},
    {"{E48D1F45-C61A-476D-8E2D-C969B626650A}", "Resize"},
    {"{43EAFD65-44DE-3F16-A253-691E159C5197}", "Safe Color Limiter"},
    {"{F1DB0F3A-8D64-11D3-80DF-006008143E6F}", "Scratch Removal"},
    {"{F1DB0F38-8D64-11D3-80DF-006008143E6F}", "Spot Color Effect"},
    {"{BB4E116A-2B7F-44E5-AB5B-A7D0A0A93832}", "Stabilize"},
};
constexpr auto kAvidEffectsSorted = SortedByAuid(kAvidEffects);

}  // namespace

const std::span<const NamedAuid> AvidEffectNames = kAvidEffectsSorted;
std::string GetAvidEffectName(const Auid& id) { return FindDefinitionName(AvidEffectNames, id); }
