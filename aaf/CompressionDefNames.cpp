#include "aaf/DefinitionNameTables.h"

#include "aaf/DefinitionNameRows.h"

namespace {

// Compressions of picture essence, by the names of their constants.
constexpr NameRow kCompressionDefs[] = {
    {"{EDB35383-6D30-11D3-A036-006094EB75CB}", "kAAFCompressionDef_AAF_CMPR_FULL_JPEG"},
    {"{EDB35391-6D30-11D3-A036-006094EB75CB}", "kAAFCompressionDef_AAF_CMPR_AUNC422"},
    {"{EDB35390-6D30-11D3-A036-006094EB75CB}", "kAAFCompressionDef_LegacyDV"},
    {"{04010202-0201-0100-060E-2B3404010101}", "kAAFCompressionDef_IEC_DV_525_60"},
    {"{04010202-0202-0100-060E-2B3404010101}", "kAAFCompressionDef_DV_Based_25Mbps_525_60"},
    {"{04010202-0202-0200-060E-2B3404010101}", "kAAFCompressionDef_DV_Based_25Mbps_625_50"},
    {"{04010202-0202-0300-060E-2B3404010101}", "kAAFCompressionDef_DV_Based_50Mbps_525_60"},
    {"{04010202-0202-0400-060E-2B3404010101}", "kAAFCompressionDef_DV_Based_50Mbps_625_50"},
    {"{04010202-0102-0101-060E-2B3404010101}", "kQMVCompressionDef_AVID_MPEG_50_PAL"},
    {"{04010202-0102-0102-060E-2B3404010101}", "kQMVCompressionDef_AVID_MPEG_50_NTSC"},
    {"{04010202-0102-0103-060E-2B3404010101}", "kQMVCompressionDef_AVID_MPEG_40_PAL"},
    {"{04010202-0102-0104-060E-2B3404010101}", "kQMVCompressionDef_AVID_MPEG_40_NTSC"},
    {"{04010202-0102-0105-060E-2B3404010101}", "kQMVCompressionDef_AVID_MPEG_30_PAL"},
    {"{04010202-0102-0106-060E-2B3404010101}", "kQMVCompressionDef_AVID_MPEG_30_NTSC"},
    {"{04010202-0103-0300-060E-2B3404010103}", "kQMVCompressionDef_AVID_XDCAM_EX_35Mbits_1080"},
    {"{04010202-0104-0300-060E-2B3404010103}", "kQMVCompressionDef_AVID_XDCAM_HD_50Mbits_1080i"},
    {"{04010202-0105-0300-060E-2B3404010108}", "kQMVCompressionDef_AVID_HDV_or_XDCAM_EX_25Mbits"},
    {"{04010202-0132-2109-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_50"},
    {"{04010202-0132-2101-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_50_5994i"},
    {"{04010202-0132-2103-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_50_23p"},
    {"{04010202-0132-3102-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_100_5994i"},
    {"{04010202-0132-3103-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_100_1080p"},
    {"{04010202-0132-3104-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_100_25p"},
    {"{04010202-0132-3108-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_100_720p"},
    {"{04010202-0132-3109-060E-2B340401010A}", "kQMVCompressionDef_AVID_AVCIntra_100"},
    {"{04010202-0201-0200-060E-2B3404010101}", "kQMVCompressionDef_AVID_DV_Based_25Mbps_420"},
    {"{04010202-0202-0500-060E-2B3404010101}", "kQMVCompressionDef_AVID_DVCProHD"},
    {"{04010202-0202-0600-060E-2B3404010101}", "kQMVCompressionDef_AVID_DVCProHD_50i"},
    {"{04010202-0202-0800-060E-2B3404010101}", "kQMVCompressionDef_AVID_720p_25_DVCProHD"},
    {"{04010202-0202-0700-060E-2B3404010101}", "kQMVCompressionDef_AVID_720p_2997_DVCProHD"},
    {"{0E040201-0201-0107-060E-2B3404010101}", "kQMVCompressionDef_AVID_2to1_NTSC"},
    {"{0E040201-0201-0108-060E-2B3404010101}", "kQMVCompressionDef_AVID_2to1_PAL"},
    {"{0E040201-0201-030B-060E-2B3404010101}", "kQMVCompressionDef_AVID_3to1"},
    {"{0E040201-0201-030D-060E-2B3404010101}", "kQMVCompressionDef_AVID_24_NTSC_2to1"},
    {"{0E040201-0201-0301-060E-2B3404010101}", "kQMVCompressionDef_AVID_35to1"},
    {"{0E040201-0201-0303-060E-2B3404010101}", "kQMVCompressionDef_AVID_28to1"},
    {"{0E040201-0201-0307-060E-2B3404010101}", "kQMVCompressionDef_AVID_14to1"},
    {"{0E040201-0201-0501-060E-2B3404010101}", "kQMVCompressionDef_AVID_8to1_m"},
    {"{0E040201-0201-0503-060E-2B3404010101}", "kQMVCompressionDef_AVID_3to1_m"},
    {"{0E040201-0204-0100-060E-2B3404010101}", "kQMVCompressionDef_AVID_DNxHD"},
    {"{0E040301-0103-0100-060E-2B3404010101}", "kQMVCompressionDef_AVID_NTSC_1to1_10bit"},
    {"{0E040301-0103-0200-060E-2B3404010101}", "kQMVCompressionDef_AVID_HD_1to1_10bit"},
};
constexpr auto kCompressionDefsSorted = SortedByAuid(kCompressionDefs);

}  // namespace

const std::span<const NamedAuid> CompressionDefNames = kCompressionDefsSorted;
std::string GetCompressionDefName(const Auid& id) { return FindDefinitionName(CompressionDefNames, id); }
