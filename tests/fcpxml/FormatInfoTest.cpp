#include <string>

#include <gtest/gtest.h>

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/FormatInfo.h"
#include "fcpxml/QtCodecTable.h"
#include "fcpxml/SampleCharacteristics.h"
#include "support/XmemlValidation.h"
#include "tests/fcpxml/WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class Formats : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildQtCodecTable();
        BuildCodecColorSpaceMap();
        OutputMediaSettings.width = 720;
        OutputMediaSettings.height = 576;
        OutputMediaSettings.pixelAspectRatio = "PAL-601";
        OutputMediaSettings.fieldDominance = "upper";
        OutputMediaSettings.codec = "DV - PAL";
        OutputMediaSettings.sampleRate = 48000;
        OutputMediaSettings.depth = 24;
        ImportPrefs.preset = "None";
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

TEST_F(Formats, VideoFormatFromTheSettings)
{
    MediaSettings settings = OutputMediaSettings;
    settings.width = 1024;  // a nested sequence's own frame size
    settings.depth = 8;     // the depth always comes from the output settings
    const FormatInfo format(2, settings);
    ASSERT_EQ(format.samplecharacteristics.size(), 1u);
    EXPECT_EQ(format.samplecharacteristics[0].depth, 24);
    EXPECT_EQ(format.samplecharacteristics[0].colordepth, 24);
    const std::string text = Capture([&] { WriteFormat(format); });
    EXPECT_EQ(text,
              Lines({"<format>",
                     "><samplecharacteristics>",
                     ">><width>1024</width>",
                     ">><height>576</height>",
                     ">><anamorphic>FALSE</anamorphic>",
                     ">><pixelaspectratio>PAL-601</pixelaspectratio>",
                     ">><fielddominance>upper</fielddominance>",
                     ">><colordepth>24</colordepth>",
                     ">><codec>",
                     ">>><name>Apple DV - PAL</name>",
                     ">>><appspecificdata>",
                     ">>>><appname>Final Cut Pro</appname>",
                     ">>>><appmanufacturer>Apple Inc.</appmanufacturer>",
                     ">>>><appversion>5.0</appversion>",
                     ">>>><data>",
                     ">>>>><qtcodec>",
                     ">>>>>><codecname>Apple DV - PAL</codecname>",
                     ">>>>>><codectypename>DV - PAL</codectypename>",
                     ">>>>></qtcodec>",
                     ">>>></data>",
                     ">>></appspecificdata>",
                     ">></codec>",
                     "></samplecharacteristics>",
                     "><appspecificdata>",
                     ">><appname>Final Cut Pro</appname>",
                     ">><appmanufacturer>Apple Inc.</appmanufacturer>",
                     ">><appversion>5.0</appversion>",
                     ">><data>",
                     ">>><fcpimageprocessing>",
                     ">>>><useyuv>TRUE</useyuv>",
                     ">>>><usesuperwhite>FALSE</usesuperwhite>",
                     ">>>><rendermode>YUV8BPP</rendermode>",
                     ">>></fcpimageprocessing>",
                     ">></data>",
                     "></appspecificdata>",
                     "</format>"}));
    const FormatInfo audio(1, settings);
    EXPECT_VALID_XMEML("<sequence><media><video>" + text + "</video><audio>" +
                       Capture([&] { WriteFormat(audio); }) + "</audio></media></sequence>");
}

TEST_F(Formats, EachKindWritesOnlyItsOwnFields)
{
    SampleCharacteristicsInfo full = InitVideoSampleCharacteristics(-1, 480);
    full.samplerate = 44100;
    full.depth = 16;
    full.codecs.emplace_back();
    full.pixelaspectratio.clear();
    full.fielddominance.clear();

    struct Case {
        const char* label;
        int kind;
        std::string expected;
    };
    const Case cases[] = {
        {"audio", 1,
         Lines({"<format>", "><samplecharacteristics>", ">><depth>16</depth>", ">><samplerate>44100</samplerate>",
                "></samplecharacteristics>", "</format>"})},
        {"video, no width, empty texts", 2,
         Lines({"<format>", "><samplecharacteristics>", ">><height>480</height>",
                ">><anamorphic>FALSE</anamorphic>", ">><pixelaspectratio></pixelaspectratio>",
                ">><fielddominance></fielddominance>", ">><colordepth>24</colordepth>", ">><codec>",
                ">>><name></name>", ">></codec>", "></samplecharacteristics>", "</format>"})},
        {"other kind", 0, Lines({"<format>", "</format>"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FormatInfo format;
        format.kind = c.kind;
        format.samplecharacteristics.push_back(full);
        EXPECT_EQ(Capture([&] { WriteFormat(format); }), c.expected);
    }

    // The application data of a format of another kind is still written.
    FormatInfo other(2, OutputMediaSettings);
    other.kind = 3;
    const std::string text = Capture([&] { WriteFormat(other); });
    EXPECT_EQ(text.find("samplecharacteristics"), std::string::npos);
    EXPECT_NE(text.find("<fcpimageprocessing>"), std::string::npos);
}

TEST_F(Formats, AudioFormatAndSourceBuilders)
{
    const FormatInfo audio(1, OutputMediaSettings);
    EXPECT_TRUE(audio.appspecificdata.empty());
    ASSERT_EQ(audio.samplecharacteristics.size(), 1u);
    EXPECT_TRUE(audio.samplecharacteristics[0].codecs.empty());
    EXPECT_EQ(Capture([&] { WriteFormat(audio); }),
              Lines({"<format>", "><samplecharacteristics>", ">><depth>24</depth>",
                     ">><samplerate>48000</samplerate>", "></samplecharacteristics>", "</format>"}));

    struct Case {
        const char* label;
        SampleCharacteristicsInfo info;
        int width, height, samplerate, depth;
    };
    const Case cases[] = {
        {"picture source", InitVideoSampleCharacteristics(1920, 1080), 1920, 1080, 48000, 24},
        {"sound source", InitAudioSampleCharacteristics(16, 44100, 1), 720, 576, 44100, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.info.width, c.width);
        EXPECT_EQ(c.info.height, c.height);
        EXPECT_EQ(c.info.samplerate, c.samplerate);
        EXPECT_EQ(c.info.depth, c.depth);
        EXPECT_EQ(c.info.colordepth, 24);
        EXPECT_EQ(c.info.pixelaspectratio, "PAL-601");
        EXPECT_EQ(c.info.fielddominance, "upper");
        EXPECT_TRUE(c.info.codecs.empty());
    }
}

}  // namespace
