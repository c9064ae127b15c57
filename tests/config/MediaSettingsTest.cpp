#include <climits>
#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "ConfigTestSupport.h"

namespace {

std::string Describe(const MediaSettings& s)
{
    std::ostringstream out;
    out << s.width << 'x' << s.height << '|' << s.timecode.rateNumerator << '/' << s.timecode.rateDenominator
        << '@' << s.timecode.framesPerSecond << (s.timecode.dropFrame ? "DF" : "") << '|'
        << s.timecode.startFrame << '|' << s.anamorphic << '|' << s.pixelAspectRatio << '|' << s.fieldDominance
        << '|' << s.codec << '|' << s.sampleRate << '|' << s.depth << '|' << s.downmix;
    return out.str();
}

struct Case {
    const char* name;
    std::function<void(ImportPreferences&)> change;
    const char* expected;
};

TEST(MediaSettings, FromPreferences)
{
    const Case cases[] = {
        {"defaults", [](ImportPreferences&) {},
         "720x480|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"25", [](ImportPreferences& p) { p.mediaPreset.frameRate = "25"; },
         "720x480|25000/1000@25|90000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"23.98", [](ImportPreferences& p) { p.mediaPreset.frameRate = "23.98"; },
         "720x480|24000/1001@24|86400|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"29.976", [](ImportPreferences& p) { p.mediaPreset.frameRate = "29.976"; },
         "720x480|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"50", [](ImportPreferences& p) { p.mediaPreset.frameRate = "50"; },
         "720x480|50000/1000@50|180000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"59.94", [](ImportPreferences& p) { p.mediaPreset.frameRate = "59.94"; },
         "720x480|5994/100@60|216000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"HD frame", [](ImportPreferences& p) {
             p.mediaPreset.width = "1440";
             p.mediaPreset.height = "1080";
             p.mediaPreset.pixelAspectRatio = "HD (1440x1080)";
             p.mediaPreset.fieldDominance = "Upper (Odd)";
             p.mediaPreset.anamorphic = true;
             p.mediaPreset.compressor = "Apple ProRes 422";
         },
         "1440x1080|2997/100@30|108000|1|HD-(1440x1080)|upper|Apple ProRes 422|48000|16|0"},
        {"unmapped terms", [](ImportPreferences& p) {
             p.mediaPreset.pixelAspectRatio = "Custom";
             p.mediaPreset.fieldDominance = "None";
         },
         "720x480|2997/100@30|108000|0|Custom|none|DV/DVCPRO - NTSC|48000|16|0"},
        {"digits first", [](ImportPreferences& p) {
             p.mediaPreset.width = "1920abc";
             p.mediaPreset.height = "abc";
         },
         "1920x0|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"empty and huge", [](ImportPreferences& p) {
             p.mediaPreset.width = "";
             p.mediaPreset.height = "99999999999";
         },
         "0x2147483647|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"96 / 24-bit", [](ImportPreferences& p) {
             p.mediaPreset.sampleRate = "96";
             p.mediaPreset.depth = "24-bit";
         },
         "720x480|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|96000|24|0"},
        {"88.2 / 8-bit", [](ImportPreferences& p) {
             p.mediaPreset.sampleRate = "88.2";
             p.mediaPreset.depth = "8-bit";
         },
         "720x480|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|88200|8|0"},
        {"41.1 kHz", [](ImportPreferences& p) { p.mediaPreset.sampleRate = "41.1 kHz"; },
         "720x480|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|41100|16|0"},
        {"32 kHz", [](ImportPreferences& p) { p.mediaPreset.sampleRate = "32 kHz"; },
         "720x480|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
        {"unknown audio words", [](ImportPreferences& p) {
             p.mediaPreset.sampleRate = "88.2 kHz";
             p.mediaPreset.depth = "32-bit";
         },
         "720x480|2997/100@30|108000|0|NTSC-601|lower|DV/DVCPRO - NTSC|48000|16|0"},
    };
    for (const Case& c : cases) {
        configtest::ResetConfiguration();
        c.change(ImportPrefs);
        ApplyImportPreferences();
        EXPECT_EQ(Describe(OutputMediaSettings), c.expected) << c.name;
        EXPECT_EQ(Describe(CopyOutputMediaSettings()), c.expected) << c.name;
    }
    configtest::ResetConfiguration();
}

TEST(MediaSettings, UnknownWordsKeepEarlierValues)
{
    configtest::ResetConfiguration();
    OutputMediaSettings.sampleRate = 96000;
    OutputMediaSettings.depth = 24;
    ImportPrefs.mediaPreset.sampleRate = "44.1 kHz";
    ImportPrefs.mediaPreset.depth = "";
    ApplyImportPreferences();
    EXPECT_EQ(OutputMediaSettings.sampleRate, 96000);
    EXPECT_EQ(OutputMediaSettings.depth, 24);
    configtest::ResetConfiguration();
}

TEST(MediaSettings, FcpFormatNames)
{
    FcpFormatNameMap.clear();
    FillFcpFormatNameMap();
    FillFcpFormatNameMap();
    EXPECT_EQ(FcpFormatNameMap.size(), 9u);
    EXPECT_EQ(FcpFormatName("PAL - CCIR 601 (720x576)"), "PAL-601");
    EXPECT_EQ(FcpFormatName("HD (960x720)"), "HD-(960x720)");
    EXPECT_EQ(FcpFormatName("Square"), "Square");
    EXPECT_EQ(FcpFormatName("square"), "square");
    EXPECT_EQ(FcpFormatName(""), "");
}

}  // namespace
