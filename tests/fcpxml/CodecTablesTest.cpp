#include <string>

#include <gtest/gtest.h>

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "fcpxml/AppSpecificData.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/CodecInfo.h"
#include "fcpxml/ImageProcessing.h"
#include "fcpxml/QtCodecTable.h"
#include "tests/fcpxml/WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class CodecTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        QtCodecTable.clear();
        CodecColorSpaceMap.clear();
        BuildQtCodecTable();
        BuildCodecColorSpaceMap();
    }
    void TearDown() override
    {
        QtCodecTable.clear();
        CodecColorSpaceMap.clear();
        OutputMediaSettings = savedSettings;
        ImportPrefs = savedPrefs;
    }
    MediaSettings savedSettings = OutputMediaSettings;
    ImportPreferences savedPrefs = ImportPrefs;
};

TEST_F(CodecTables, LookupsGiveTheRowsOrTheDefaults)
{
    struct Case {
        const char* compressor;
        const char* codecname;
        const char* codectypename;
        const char* rendermode;
    };
    const Case cases[] = {
        {"DVCPRO HD 1080i60", "Apple DVCPRO HD 1080i60", "DVCPRO HD 1080i60", "YUV8BPP"},
        {"Animation", "Apple Animation", "Animation", "RGB"},
        {"Video", "Apple Video", "Video", "RGB"},
        {"Apple ProRes 422", "Apple Apple ProRes 422", "Apple ProRes 422", "YUV8BPP"},
        {"Apple ProRes 422 (HQ)", "Apple ProRes 422 (HQ)", "Apple ProRes 422 (HQ)", "YUV8BPP"},
        {"XDCAM HD 1080p25 (50 Mb/s)", "Apple XDCAM HD 1080p25 (35 Mb/s VBR)",
         "XDCAM HD 1080p25 (35 Mb/s VBR)", "YUV8BPP"},
        {"Avid DV Codec", "AVID DV Codec", "Avid DV", "YUV8BPP"},
        {"JPEG 2000", "JPEG 2000 Encoder", "JPEG 2000", "YUV8BPP"},
        // Unknown names and other letter cases are no keys: the default row and YUV.
        {"Sorenson 3", "Apple DV - NTSC", "DV - NTSC", "YUV8BPP"},
        {"animation", "Apple DV - NTSC", "DV - NTSC", "YUV8BPP"},
        {"dvcpro hd 1080i60", "Apple DV - NTSC", "DV - NTSC", "YUV8BPP"},
        {"", "Apple DV - NTSC", "DV - NTSC", "YUV8BPP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.compressor);
        QtCodecInfo codec;
        LookupQtCodec(c.compressor, codec);
        EXPECT_EQ(codec.codecname, c.codecname);
        EXPECT_EQ(codec.codectypename, c.codectypename);
        EXPECT_EQ(LookupCodecColorSpace(c.compressor), c.rendermode);
    }
}

TEST_F(CodecTables, HoldEveryRowOnceAndRebuildInPlace)
{
    EXPECT_EQ(QtCodecTable.size(), 86u);
    EXPECT_EQ(CodecColorSpaceMap.size(), 14u);
    for (const auto& [name, mode] : CodecColorSpaceMap) {
        EXPECT_EQ(mode, "RGB") << name;
        EXPECT_TRUE(QtCodecTable.count(name)) << name;
    }
    QtCodecTable["Animation"].codecname = "changed";
    BuildQtCodecTable();
    BuildCodecColorSpaceMap();
    EXPECT_EQ(QtCodecTable.size(), 86u);
    EXPECT_EQ(QtCodecTable["Animation"].codecname, "Apple Animation");
    EXPECT_EQ(CodecColorSpaceMap.size(), 14u);
}

TEST_F(CodecTables, EmptyTablesLeaveTheDefaults)
{
    QtCodecTable.clear();
    CodecColorSpaceMap.clear();
    QtCodecInfo codec;
    LookupQtCodec("Animation", codec);
    EXPECT_EQ(codec.codecname, "Apple DV - NTSC");
    EXPECT_EQ(LookupCodecColorSpace("Animation"), "YUV8BPP");
}

TEST_F(CodecTables, SuperwhiteOnlyForItsPreset)
{
    struct Case {
        const char* preset;
        bool superwhite;
    };
    const Case cases[] = {
        {"DVCPRO - PAL 48 kHz Superwhite", true},
        {"DVCPRO - PAL 48 kHz", false},
        {"dvcpro - pal 48 kHz superwhite", false},
        {"DVCPRO - PAL 48 kHz Superwhite ", false},
        {"None", false},
    };
    MediaSettings settings;
    settings.codec = "TIFF";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preset);
        ImportPrefs.preset = c.preset;
        const FcpImageProcessingInfo info = MakeImageProcessing(settings);
        EXPECT_EQ(info.usesuperwhite, c.superwhite);
        EXPECT_TRUE(info.useyuv);
        EXPECT_EQ(info.rendermode, "RGB");
    }
}

TEST_F(CodecTables, CodecElementNamesTheOutputCodec)
{
    OutputMediaSettings.codec = "DVCPRO HD 1080i60";
    MediaSettings settings = OutputMediaSettings;
    settings.codec = "Animation";  // the codec form reads the run's output codec, not the copy's
    const CodecInfo codec(settings);
    EXPECT_EQ(codec.name, "Apple DVCPRO HD 1080i60");
    EXPECT_EQ(Capture([&] { WriteCodec(codec); }),
              Lines({"<codec>",
                     "><name>Apple DVCPRO HD 1080i60</name>",
                     "><appspecificdata>",
                     ">><appname>Final Cut Pro</appname>",
                     ">><appmanufacturer>Apple Inc.</appmanufacturer>",
                     ">><appversion>5.0</appversion>",
                     ">><data>",
                     ">>><qtcodec>",
                     ">>>><codecname>Apple DVCPRO HD 1080i60</codecname>",
                     ">>>><codectypename>DVCPRO HD 1080i60</codectypename>",
                     ">>></qtcodec>",
                     ">></data>",
                     "></appspecificdata>",
                     "</codec>"}));
}

TEST_F(CodecTables, ImageProcessingBlockAndEmptyCodec)
{
    ImportPrefs.preset = "DVCPRO - PAL 48 kHz Superwhite";
    MediaSettings settings;
    settings.codec = "Animation";
    const AppSpecificDataInfo block(settings, false);
    EXPECT_EQ(Capture([&] { WriteAppSpecificData(block); }),
              Lines({"<appspecificdata>",
                     "><appname>Final Cut Pro</appname>",
                     "><appmanufacturer>Apple Inc.</appmanufacturer>",
                     "><appversion>5.0</appversion>",
                     "><data>",
                     ">><fcpimageprocessing>",
                     ">>><useyuv>TRUE</useyuv>",
                     ">>><usesuperwhite>TRUE</usesuperwhite>",
                     ">>><rendermode>RGB</rendermode>",
                     ">></fcpimageprocessing>",
                     "></data>",
                     "</appspecificdata>"}));

    // A codec record without blocks has an empty name and writes it as such.
    EXPECT_EQ(Capture([] { WriteCodec(CodecInfo()); }), Lines({"<codec>", "><name></name>", "</codec>"}));
}

}  // namespace
