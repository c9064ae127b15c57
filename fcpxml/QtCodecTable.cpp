#include "fcpxml/QtCodecTable.h"

#include <array>

#include "fcpxml/XmlWriter.h"

std::map<std::string, QtCodecInfo> QtCodecTable;

namespace {

struct CodecRow {
    const char* compressor;
    const char* codecname;
    const char* codectypename;
};

// The texts are what the receiving application matches on, irregular ones included
// ("Apple Apple ProRes 422", XDCAM HD keys without "VBR"): keep them byte for byte.
constexpr auto kCodecRows = std::to_array<CodecRow>({
    {"Animation", "Apple Animation", "Animation"},
    {"BMP", "Apple BMP", "BMP"},
    {"Cinepak", "Apple Cinepak", "Cinepak"},
    {"Component Video", "Apple Component Video - YUV422", "Component Video"},
    {"DV - PAL", "Apple DV - PAL", "DV - PAL"},
    {"DV/DVCPRO - NTSC", "Apple DV/DVCPRO - NTSC", "DV/DVCPRO - NTSC"},
    {"DVCPRO - PAL", "Apple DVCPRO - PAL", "DVCPRO - PAL"},
    {"DVCPRO HD 1080i50", "Apple DVCPRO HD 1080i50", "DVCPRO HD 1080i50"},
    {"DVCPRO HD 1080i60", "Apple DVCPRO HD 1080i60", "DVCPRO HD 1080i60"},
    {"DVCPRO HD 1080p25", "Apple DVCPRO HD 1080p25", "DVCPRO HD 1080p25"},
    {"DVCPRO HD 1080p30", "Apple DVCPRO HD 1080p30", "DVCPRO HD 1080p30"},
    {"DVCPRO HD 720p50", "Apple DVCPRO HD 720p50", "DVCPRO HD 720p50"},
    {"DVCPRO HD 720p60", "Apple DVCPRO HD 720p60", "DVCPRO HD 720p60"},
    {"DVCPRO50 - NTSC", "Apple DVCPRO50 - NTSC", "DVCPRO50 - NTSC"},
    {"DVCPRO50 - PAL", "Apple DVCPRO50 - PAL", "DVCPRO50 - PAL"},
    {"Uncompressed 10-bit 4:2:2", "Apple FCP Uncompressed 10-bit 4:2:2", "Uncompressed 10-bit 4:2:2"},
    {"Uncompressed 8-bit 4:2:2", "Apple FCP Uncompressed 8-bit 4:2:2", "Uncompressed 8-bit 4:2:2"},
    {"Graphics", "Apple Graphics", "Graphics"},
    {"H.261", "Apple H.261", "H.261"},
    {"HDV 1080i50", "Apple HDV 1080i50", "HDV 1080i50"},
    {"HDV 1080i60", "Apple HDV 1080i60", "HDV 1080i60"},
    {"HDV 1080p24", "Apple HDV 1080p24", "HDV 1080p24"},
    {"HDV 1080p25", "Apple HDV 1080p25", "HDV 1080p25"},
    {"HDV 1080p30", "Apple HDV 1080p30", "HDV 1080p30"},
    {"HDV 720p24", "Apple HDV 720p24", "HDV 720p24"},
    {"HDV 720p25", "Apple HDV 720p25", "HDV 720p25"},
    {"HDV 720p30", "Apple HDV 720p30", "HDV 720p30"},
    {"HDV 720p50", "Apple HDV 720p50", "HDV 720p50"},
    {"HDV 720p60", "Apple HDV 720p60", "HDV 720p60"},
    {"Apple Intermediate Codec", "Apple Intermediate Codec", "Apple Intermediate Codec"},
    {"Motion JPEG A", "Apple Motion JPEG A", "Motion JPEG A"},
    {"Motion JPEG B", "Apple Motion JPEG B", "Motion JPEG B"},
    {"MPEG IMX 525/60 (30 Mb/s)", "Apple MPEG IMX 525/60 (30 Mb/s)", "MPEG IMX 525/60 (30 Mb/s)"},
    {"MPEG IMX 525/60 (40 Mb/s)", "Apple MPEG IMX 525/60 (40 Mb/s)", "MPEG IMX 525/60 (40 Mb/s)"},
    {"MPEG IMX 525/60 (50 Mb/s)", "Apple MPEG IMX 525/60 (50 Mb/s)", "MPEG IMX 525/60 (50 Mb/s)"},
    {"MPEG IMX 625/60 (30 Mb/s)", "Apple MPEG IMX 625/60 (30 Mb/s)", "MPEG IMX 625/60 (30 Mb/s)"},
    {"MPEG IMX 625/60 (40 Mb/s)", "Apple MPEG IMX 625/60 (40 Mb/s)", "MPEG IMX 625/60 (40 Mb/s)"},
    {"MPEG IMX 625/60 (50 Mb/s)", "Apple MPEG IMX 625/60 (50 Mb/s)", "MPEG IMX 625/60 (50 Mb/s)"},
    {"MPEG-4 Video", "Apple MPEG4 Compressor", "MPEG-4 Video"},
    {"None", "Apple None", "None"},
    {"Photo - JPEG", "Apple Photo - JPEG", "Photo - JPEG"},
    {"Apple Pixlet Video", "Apple Pixlet Video", "Apple Pixlet Video"},
    {"Planar RGB", "Apple Planar RGB", "Planar RGB"},
    {"PNG", "Apple PNG", "PNG"},
    {"Apple ProRes 4444", "Apple ProRes 4444", "Apple ProRes 4444"},
    {"Apple ProRes 422 (HQ)", "Apple ProRes 422 (HQ)", "Apple ProRes 422 (HQ)"},
    {"Apple ProRes 422", "Apple Apple ProRes 422", "Apple ProRes 422"},
    {"Apple ProRes 422 (LT)", "Apple Apple ProRes 422 (LT)", "Apple ProRes 422 (LT)"},
    {"Apple ProRes 422 (Proxy)", "Apple Apple ProRes 422 (Proxy)", "Apple ProRes 422 (Proxy)"},
    {"TGA", "Apple TGA", "TGA"},
    {"TIFF", "Apple TIFF", "TIFF"},
    {"Video", "Apple Video", "Video"},
    {"XDCAM EX 1080i50 (35 Mb/s VBR)", "Apple XDCAM EX 1080i50 (35 Mb/s VBR)", "XDCAM EX 1080i50 (35 Mb/s VBR)"},
    {"XDCAM EX 1080i60 (35 Mb/s VBR)", "Apple XDCAM EX 1080i60 (35 Mb/s VBR)", "XDCAM EX 1080i60 (35 Mb/s VBR)"},
    {"XDCAM EX 1080p24 (35 Mb/s VBR)", "Apple XDCAM EX 1080p24 (35 Mb/s VBR)", "XDCAM EX 1080p24 (35 Mb/s VBR)"},
    {"XDCAM EX 1080p25 (35 Mb/s VBR)", "Apple XDCAM EX 1080p25 (35 Mb/s VBR)", "XDCAM EX 1080p25 (35 Mb/s VBR)"},
    {"XDCAM EX 1080p30 (35 Mb/s VBR)", "Apple XDCAM EX 1080p30 (35 Mb/s VBR)", "XDCAM EX 1080p30 (35 Mb/s VBR)"},
    {"XDCAM EX 720p24 (35 Mb/s VBR)", "Apple XDCAM EX 720p24 (35 Mb/s VBR)", "XDCAM EX 720p24 (35 Mb/s VBR)"},
    {"XDCAM EX 720p25 (35 Mb/s VBR)", "Apple XDCAM EX 720p25 (35 Mb/s VBR)", "XDCAM EX 720p25 (35 Mb/s VBR)"},
    {"XDCAM EX 720p30 (35 Mb/s VBR)", "Apple XDCAM EX 720p30 (35 Mb/s VBR)", "XDCAM EX 720p30 (35 Mb/s VBR)"},
    {"XDCAM EX 720p50 (35 Mb/s VBR)", "Apple XDCAM EX 720p50 (35 Mb/s VBR)", "XDCAM EX 720p50 (35 Mb/s VBR)"},
    {"XDCAM EX 720p60 (35 Mb/s VBR)", "Apple XDCAM EX 720p60 (35 Mb/s VBR)", "XDCAM EX 720p60 (35 Mb/s VBR)"},
    {"XDCAM HD 1080i50 (35 Mb/s)", "Apple XDCAM HD 1080i50 (35 Mb/s VBR)", "XDCAM HD 1080i50 (35 Mb/s VBR)"},
    {"XDCAM HD 1080i60 (35 Mb/s)", "Apple XDCAM HD 1080i60 (35 Mb/s VBR)", "XDCAM HD 1080i60 (35 Mb/s VBR)"},
    {"XDCAM HD 1080p24 (35 Mb/s)", "Apple XDCAM HD 1080p24 (35 Mb/s VBR)", "XDCAM HD 1080p24 (35 Mb/s VBR)"},
    {"XDCAM HD 1080p25 (50 Mb/s)", "Apple XDCAM HD 1080p25 (35 Mb/s VBR)", "XDCAM HD 1080p25 (35 Mb/s VBR)"},
    {"XDCAM HD 1080p30 (35 Mb/s)", "Apple XDCAM HD 1080p30 (35 Mb/s VBR)", "XDCAM HD 1080p30 (35 Mb/s VBR)"},
    {"XDCAM HD422 1080i50 (50 Mb/s)", "Apple XDCAM HD422 1080i50 (50 Mb/s CBR)", "XDCAM HD422 1080i50 (50 Mb/s)"},
    {"XDCAM HD422 1080i60 (50 Mb/s)", "Apple XDCAM HD422 1080i60 (50 Mb/s CBR)", "XDCAM HD422 1080i60 (50 Mb/s)"},
    {"XDCAM HD422 1080p24 (50 Mb/s)", "Apple XDCAM HD422 1080p24 (50 Mb/s CBR)", "XDCAM HD422 1080p24 (50 Mb/s)"},
    {"XDCAM HD422 1080p25 (50 Mb/s)", "Apple XDCAM HD422 1080p25 (50 Mb/s CBR)", "XDCAM HD422 1080p25 (50 Mb/s)"},
    {"XDCAM HD422 1080p30 (50 Mb/s)", "Apple XDCAM HD422 1080p30 (50 Mb/s CBR)", "XDCAM HD422 1080p30 (50 Mb/s)"},
    {"XDCAM HD422 720p50 (50 Mb/s)", "Apple XDCAM HD422 720p50 (50 Mb/s CBR)", "XDCAM HD422 720p50 (50 Mb/s)"},
    {"XDCAM HD422 720p60 (50 Mb/s)", "Apple XDCAM HD422 720p60 (50 Mb/s CBR)", "XDCAM HD422 720p60 (50 Mb/s)"},
    {"Avid 1:1x", "AVID 1:1x", "AVID 1:1x"},
    {"Avid DNxHD Codec", "AVID DNxHD Codec", "AVID DNxHD Codec"},
    {"Avid DV Codec", "AVID DV Codec", "Avid DV"},
    {"Avid DV100 Codec", "AVID DV100 Codec", "AVID DV100 Codec"},
    {"Avid Meridien Compressed", "AVID Meridien Compressed Codec", "Avid Meridien Compressed"},
    {"Avid Meridien Uncompressed", "AVID Meridien Uncompressed Codec", "Avid Meridien Uncompressed"},
    {"Avid MPEG2 50 mbit", "AVID MPEG2 50mbit Codec", "AVID MPEG2 50mbit"},
    {"Avid Packed Codec", "AVID Packed Codec", "AVID Packed Codec"},
    {"Avid RGBPacked Codec", "AVID RGBPacked Codec", "AVID RGBPacked Codec"},
    {"H.263", "H.263", "H.263"},
    {"H.264", "H.264", "H.264"},
    {"JPEG 2000", "JPEG 2000 Encoder", "JPEG 2000"},
});

}  // namespace

void BuildQtCodecTable()
{
    for (const CodecRow& row : kCodecRows)
        QtCodecTable[row.compressor] = QtCodecInfo{row.codecname, row.codectypename};
}

void LookupQtCodec(const std::string& compressor, QtCodecInfo& codec)
{
    const auto found = QtCodecTable.find(compressor);
    if (found != QtCodecTable.end())
        codec = found->second;
}

void WriteQtCodec(const QtCodecInfo& codec)
{
    WriteXmlContainerOpen("qtcodec");
    WriteXmlTextElement("codecname", codec.codecname);
    WriteXmlTextElement("codectypename", codec.codectypename);
    WriteXmlContainerClose("qtcodec");
}
