#include "aaf/DefinitionNameTables.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "aaf/DefinitionNameRows.h"
#include "aaf/DefinitionT.h"

namespace {

// Codecs. The stray ")" closing four DV names is kept: translation records carry these texts.
constexpr NameRow kCodecDefs[] = {
    {"{568FB761-9458-11D2-8089-006008143E6F}", "None"},
    {"{90AC17C8-E3E2-4596-9E9E-A6DD1C70C892}", "PCM"},
    {"{820F09B1-EB9B-11D2-809F-006008143E6F}", "WAVE"},
    {"{4B1C1A45-03F2-11D4-80FB-006008143E6F}", "AIFC"},
    {"{18634F8C-3BAB-11D3-BFD6-00104BC9156D}", "JPEG"},
    {"{4E84045E-0F29-11D4-A359-009027DFCA6A}", "CDCI"},
    {"{4E84045F-0F29-11D4-A359-009027DFCA6A}", "RGBA"},
    {"{AF4DE587-23D7-4C7C-B37B-C1C13870E711}", "AUNC422"},
    {"{AF4DE587-23D7-4C7D-B37B-C1C13870E711}", "LegacyDV"},
    {"{AF4DE587-23D7-4C7E-B37B-C1C13870E711}", "DV_525_60"},
    {"{AF4DE587-23D7-4C7F-B37B-C1C13870E711}", "DV_Based_25Mbps_525_60Mbps_525_60"},
    {"{AF4DE587-23D7-4C80-B37B-C1C13870E711}", "DV_Based_25Mbps_525_60)"},
    {"{AF4DE587-23D7-4C81-B37B-C1C13870E711}", "DV_Based_25Mbps_625_50)"},
    {"{AF4DE587-23D7-4C82-B37B-C1C13870E711}", "DV_Based_50Mbps_525_60)"},
    {"{AF4DE587-23D7-4C83-B37B-C1C13870E711}", "DV_Based_50Mbps_625_50)"},
};
constexpr auto kCodecDefsSorted = SortedByAuid(kCodecDefs);

// Colour primaries of picture descriptors.
constexpr NameRow kColorPrimaries[] = {
    {"{04010101-0301-0000-060E-2B3404010106}", "SMPTE170M"},
    {"{04010101-0302-0000-060E-2B3404010106}", "ITU470_PAL"},
    {"{04010101-0303-0000-060E-2B3404010106}", "ITU709"},
};
constexpr auto kColorPrimariesSorted = SortedByAuid(kColorPrimaries);

// Transfer characteristics of picture descriptors.
constexpr NameRow kTransferCharacteristics[] = {
    {"{04010101-0101-0000-060E-2B3404010101}", "ITU470_PAL"},
    {"{04010101-0102-0000-060E-2B3404010101}", "ITU709"},
    {"{04010101-0103-0000-060E-2B3404010101}", "SMPTE240M"},
    {"{04010101-0104-0000-060E-2B3404010101}", "274M_296M"},
    {"{04010101-0105-0000-060E-2B3404010101}", "ITU1361"},
    {"{04010101-0106-0000-060E-2B3404010101}", "Linear"},
};
constexpr auto kTransferCharacteristicsSorted = SortedByAuid(kTransferCharacteristics);

// Interpolations of varying values, the AAF baseline and Avid's own.
constexpr NameRow kInterpolationDefs[] = {
    {"{5B6C85A3-0EDE-11D3-80A9-006008143E6F}", "None"},
    {"{5B6C85A4-0EDE-11D3-80A9-006008143E6F}", "Linear"},
    {"{5B6C85A5-0EDE-11D3-80A9-006008143E6F}", "Constant"},
    {"{5B6C85A6-0EDE-11D3-80A9-006008143E6F}", "BSpline"},
    {"{15829EC3-1F24-458A-960D-C65BB23C2AA1}", "Log"},
    {"{C09153F7-BD18-4E5A-AD09-CBDD654FA001}", "Power"},
    {"{A04A5439-8A0E-4CB7-975F-A5B255866883}", "Avid cubic interpolation"},
    {"{DF394EDA-6AC6-4566-8DBE-F28B0BDD781A}", "AvidBezierInterpolator"},
};
constexpr auto kInterpolationDefsSorted = SortedByAuid(kInterpolationDefs);

// Operations of the AAF baseline and its extensions.
constexpr NameRow kOperationDefs[] = {
    {"{0C3BEA40-FC05-11D2-8A29-0050040EF7D2}", "Video_Dissolve"},
    {"{0C3BEA44-FC05-11D2-8A29-0050040EF7D2}", "SMPTE_Video_Wipe"},
    {"{9D2EA890-0968-11D3-8A38-0050040EF7D2}", "Video_Speed_Control"},
    {"{9D2EA891-0968-11D3-8A38-0050040EF7D2}", "Video_Repeat"},
    {"{F1DB0F32-8D64-11D3-80DF-006008143E6F}", "Flip"},
    {"{F1DB0F34-8D64-11D3-80DF-006008143E6F}", "Flop"},
    {"{F1DB0F33-8D64-11D3-80DF-006008143E6F}", "Flip_Flop"},
    {"{86F5711E-EE72-450C-A118-17CF3B175DFF}", "Video_Position"},
    {"{F5826680-26C5-4149-8554-43D3C7A3BC09}", "Video_Crop"},
    {"{2E0A119D-E6F7-4BEE-B5DC-6DD42988687E}", "Video_Scale"},
    {"{F2CA330D-8D45-4DB4-B1B5-136AB055586F}", "Video_Rotate"},
    {"{21D5C51A-8ACB-46D5-9392-5CAE640C8836}", "Video_Corner_Pinning"},
    {"{14DB900E-D537-49F6-889B-012568FCC234}", "Video_Alpha_Within_Video_Key"},
    {"{E599CB0F-BA5F-4192-9356-51EB19C08589}", "Video_Separate_Alpha_Key"},
    {"{38FF7903-69E5-476B-BE5A-EAFC2000F011}", "Video_Luminance_Key"},
    {"{30A315C2-71E5-4E82-A4EF-0513EE056B65}", "Video_Chroma_Key"},
    {"{9D2EA894-0968-11D3-8A38-0050040EF7D2}", "Mono_Audio_Gain"},
    {"{9D2EA893-0968-11D3-8A38-0050040EF7D2}", "Mono_Audio_Pan"},
    {"{0C3BEA41-FC05-11D2-8A29-0050040EF7D2}", "Mono_Audio_Dissolve"},
    {"{2311BD90-B5DA-4285-AA3A-8552848779B3}", "Two_Parameter_Mono_Audio_Dissolve"},
    {"{1575E350-FCA3-11D2-8A2A-0050040EF7D2}", "Unknown"},
    {"{0C3BEA43-FC05-11D2-8A29-0050040EF7D2}", "Video_Fade_To_Black"},
    {"{0A3C75E0-FD82-11D2-8A2B-0050040EF7D2}", "Picture_With_Mate"},
    {"{9D2EA892-0968-11D3-8A38-0050040EF7D2}", "Video_Frame_To_Mask"},
    {"{0C3BEA42-FC05-11D2-8A29-0050040EF7D2}", "Stereo_Audio_Dissolve"},
    {"{9D2EA895-0968-11D3-8A38-0050040EF7D2}", "Stereo_Audio_Gain"},
    {"{8D896AD0-2261-11D3-8A4C-0050040EF7D2}", "Mono_Audio_Mixdown"},
};
constexpr auto kOperationDefsSorted = SortedByAuid(kOperationDefs);

// Operational patterns of the file header.
constexpr NameRow kOperationalPatterns[] = {
    {"{0D011201-0100-0000-060E-2B3404010105}", "Edit_Protocol"},
    {"{0D011201-0200-0000-060E-2B3404010109}", "Unconstrained"},
};
constexpr auto kOperationalPatternsSorted = SortedByAuid(kOperationalPatterns);

// Usage codes of mobs.
constexpr NameRow kMobUsages[] = {
    {"{0D010102-0101-0500-060E-2B3404010101}", "Subclip"},
    {"{0D010102-0101-0600-060E-2B3404010101}", "Adjusted Clip"},
    {"{0D010102-0101-0700-060E-2B3404010101}", "Top Level"},
    {"{0D010102-0101-0800-060E-2B3404010101}", "Lower Level"},
    {"{0D010102-0101-0900-060E-2B3404010101}", "Template"},
};
constexpr auto kMobUsagesSorted = SortedByAuid(kMobUsages);

// The category of effects. It is asked before the plug-in categories, so that an effect's
// category is named "FILTER".
constexpr NameRow kEffectCategories[] = {
    {"{0D010102-0101-0100-060E-2B3404010101}", "FILTER"},
};
constexpr auto kEffectCategoriesSorted = SortedByAuid(kEffectCategories);

// Avid definitions of other kinds: key-frame flags, submaster and dip parameters and a few types;
// the misspelt names are kept as logged.
constexpr NameRow kFurtherDefinitions[] = {
    {"{8D5681D0-847E-11D5-935A-50F857C10000}", "UnknownDef_Bool_1"},
    {"{DC015CEB-A6D9-3EC5-8F8A-830944DE3502}", "UknownDef_Bool_3"},
    {"{F2076FF9-B2A3-3028-A7EC-4FA9F3D7BD2A}", "UknownDef_Bool_4"},
    {"{8D56821C-847E-11D5-935A-50F857C10000}", "UknownDef_UInt32_1"},
    {"{BFFFAA38-0000-0000-2C2C-F75B00000000}", "UknownDef_Interp_1"},
    {"{CD6AC2B3-2E54-4137-BD51-53815B3E8090}", "UknownDef_String_1"},
    {"{8BC4272E-6BAB-11D3-80CF-006008143E6F}", "UknownDef_Type_1"},
    {"{8BC42730-6BAB-11D3-80CF-006008143E6F}", "UknownDef_Type_2"},
    {"{09997778-960E-11D3-A04E-006094EB75CB}", "UknownDef_Type_3"},
    {"{8BC42736-6BAB-11D3-80CF-006008143E6F}", "Submaster_Unknown1"},
    {"{8BC42737-6BAB-11D3-80CF-006008143E6F}", "Submaster_Unknown2"},
    {"{8BC42739-6BAB-11D3-80CF-006008143E6F}", "Submaster_Unknown3"},
    {"{8BC4273C-6BAB-11D3-80CF-006008143E6F}", "Submaster_Unknown4"},
    {"{8BC4273D-6BAB-11D3-80CF-006008143E6F}", "Dip_AVX2_Color"},
    {"{09997779-960E-11D3-A04E-006094EB75CB}", "Submaster_Unknown6"},
    {"{45312ED2-A1B8-11D3-A05A-006094EB75CB}", "AvidEnableKeyFlagsKeyFrame"},
    {"{386E92F8-978E-11D3-80E1-006008143E6F}", "AvidSelectedKeyFrame"},
};
constexpr auto kFurtherDefinitionsSorted = SortedByAuid(kFurtherDefinitions);

// Plug-in categories.
constexpr NameRow kPluginCategories[] = {
    {"{0D010102-0101-0200-060E-2B3404010101}", "PluginCategory_Effect"},
    {"{0D010102-0101-0300-060E-2B3404010101}", "PluginCategory_Codec"},
    {"{0D010102-0101-0400-060E-2B3404010101}", "PluginCategory_Interpolation"},
    {"{0D010102-0101-0100-060E-2B3404010101}", "OperationCategory_Effect"},
};
constexpr auto kPluginCategoriesSorted = SortedByAuid(kPluginCategories);

// Coding equations of picture descriptors; outside the lookup order.
constexpr NameRow kCodingEquations[] = {
    {"{04010101-0201-0000-060E-2B3404010101}", "ITU601"},
    {"{04010101-0202-0000-060E-2B3404010101}", "ITU709"},
    {"{04010101-0203-0000-060E-2B3404010101}", "SMPTE240M"},
};
constexpr auto kCodingEquationsSorted = SortedByAuid(kCodingEquations);

// The order in which the dictionary asks its tables: the first that knows an AUID names it.
constexpr DefinitionNameTable kLookupOrder[] = {
    GetCodecDefName,
    GetColorPrimariesName,
    GetCompressionDefName,
    GetContainerDefName,
    GetTransferCharacteristicName,
    GetInterpolationDefName,
    GetOperationDefName,
    GetOperationalPatternName,
    GetParameterDefName,
    GetMobUsageName,
    GetTypeDefName,
    GetAvidEffectName,
    GetEffectCategoryName,
    GetFurtherDefinitionName,
    GetPluginCategoryName,
};

// The rows of those tables, in the same order.
const std::span<const NamedAuid>* const kLookupRows[] = {
    &CodecDefNames,
    &ColorPrimariesNames,
    &CompressionDefNames,
    &ContainerDefNames,
    &TransferCharacteristicNames,
    &InterpolationDefNames,
    &OperationDefNames,
    &OperationalPatternNames,
    &ParameterDefNames,
    &MobUsageNames,
    &TypeDefNames,
    &AvidEffectNames,
    &EffectCategoryNames,
    &FurtherDefinitionNames,
    &PluginCategoryNames,
};
static_assert(std::size(kLookupRows) == std::size(kLookupOrder));

}  // namespace

std::span<const DefinitionNameTable> DefinitionNameTables() { return kLookupOrder; }

std::span<const NamedAuid> DefinitionNamesInLookupOrder()
{
    static const std::vector<NamedAuid> merged = [] {
        std::vector<NamedAuid> rows;
        for (const std::span<const NamedAuid>* table : kLookupRows)
            for (const NamedAuid& row : *table)
                if (row.name != "UNKNOWN")
                    rows.push_back(row);
        // Stable, so that of rows with one AUID the earliest table's comes first and is kept.
        std::stable_sort(rows.begin(), rows.end(), [](const NamedAuid& a, const NamedAuid& b) { return a.id < b.id; });
        rows.erase(std::unique(rows.begin(), rows.end(), [](const NamedAuid& a, const NamedAuid& b) { return a.id == b.id; }),
                   rows.end());
        return rows;
    }();
    return merged;
}

const std::span<const NamedAuid> CodecDefNames = kCodecDefsSorted;
std::string GetCodecDefName(const Auid& id) { return FindDefinitionName(CodecDefNames, id); }

const std::span<const NamedAuid> ColorPrimariesNames = kColorPrimariesSorted;
std::string GetColorPrimariesName(const Auid& id) { return FindDefinitionName(ColorPrimariesNames, id); }

const std::span<const NamedAuid> TransferCharacteristicNames = kTransferCharacteristicsSorted;
std::string GetTransferCharacteristicName(const Auid& id) { return FindDefinitionName(TransferCharacteristicNames, id); }

const std::span<const NamedAuid> InterpolationDefNames = kInterpolationDefsSorted;
std::string GetInterpolationDefName(const Auid& id) { return FindDefinitionName(InterpolationDefNames, id); }

const std::span<const NamedAuid> OperationDefNames = kOperationDefsSorted;
std::string GetOperationDefName(const Auid& id) { return FindDefinitionName(OperationDefNames, id); }

const std::span<const NamedAuid> OperationalPatternNames = kOperationalPatternsSorted;
std::string GetOperationalPatternName(const Auid& id) { return FindDefinitionName(OperationalPatternNames, id); }

const std::span<const NamedAuid> MobUsageNames = kMobUsagesSorted;
std::string GetMobUsageName(const Auid& id) { return FindDefinitionName(MobUsageNames, id); }

const std::span<const NamedAuid> EffectCategoryNames = kEffectCategoriesSorted;
std::string GetEffectCategoryName(const Auid& id) { return FindDefinitionName(EffectCategoryNames, id); }

const std::span<const NamedAuid> FurtherDefinitionNames = kFurtherDefinitionsSorted;
std::string GetFurtherDefinitionName(const Auid& id) { return FindDefinitionName(FurtherDefinitionNames, id); }

const std::span<const NamedAuid> PluginCategoryNames = kPluginCategoriesSorted;
std::string GetPluginCategoryName(const Auid& id) { return FindDefinitionName(PluginCategoryNames, id); }

const std::span<const NamedAuid> CodingEquationsNames = kCodingEquationsSorted;
std::string GetCodingEquationsName(const Auid& id) { return FindDefinitionName(CodingEquationsNames, id); }
