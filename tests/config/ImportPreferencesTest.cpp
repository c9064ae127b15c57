#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "config/ImportPreferences.h"
#include "config/NamedParameters.h"
#include "config/ProjectFormat.h"
#include "ConfigTestSupport.h"
#include "support/TestSupport.h"

namespace {

// Every field in one text, so a test sees any field that changed.
std::string Describe(const ImportPreferences& p)
{
    const MediaPreset& m = p.mediaPreset;
    std::ostringstream out;
    out << m.width << '|' << m.height << '|' << m.frameRate << '|' << m.pixelAspectRatio << '|'
        << m.fieldDominance << '|' << m.compressor << '|' << m.anamorphic << '|' << m.sampleRate << '|'
        << m.depth << '|' << p.usePresetFromAAF << '|' << p.preset << '|' << p.useSourceExt << '|'
        << p.useMXFSource << '|' << p.useAnySource << '|' << p.ignoreAudio << '|' << p.ignoreVideo << '|'
        << p.logMissingFeatures << '|' << p.markMissingEffects << '|' << p.markMissingEffectsColorRed << '|'
        << p.markMissingEffectsColorGreen << '|' << p.markMissingEffectsColorBlue << '|'
        << p.replaceWithDissolve << '|' << p.projName << '|' << p.projectFormatCode << '|' << p.dropFrame
        << '|' << p.startTimecode << '|' << p.saveMediaPaths << '|' << p.addMediaToBin;
    return out.str();
}

class ImportPreferencesTest : public testing::Test {
protected:
    void SetUp() override { configtest::ResetConfiguration(); }
    void TearDown() override { configtest::ResetConfiguration(); }

    // Writes the preferences file and reads it into ImportPrefs.
    void Read(const std::string& ini)
    {
        const auto path = dir_ / ("prefs" + std::to_string(files_++) + ".ini");
        testsupport::WriteFile(path, ini);
        PrefFilePath = path.string();
        ReadImportPreferences();
    }

    testsupport::TempDir dir_;
    int files_ = 0;
};

TEST_F(ImportPreferencesTest, DefaultsWithoutAFile)
{
    EXPECT_EQ(Describe(ImportPrefs),
              "720|480|29.97|NTSC - CCIR 601 / DV (720x480)|Lower (Even)|DV/DVCPRO - NTSC|0|48 kHz|16-bit|1|None|"
              "1|0|1|0|0|1|0|0|0|0|0||0|0|01:00:00:00|0|1");
    const std::string defaults = Describe(ImportPreferences());
    ReadImportPreferences();  // empty path
    EXPECT_EQ(Describe(ImportPrefs), defaults);
    PrefFilePath = (dir_ / "missing.ini").string();
    ReadImportPreferences();
    EXPECT_EQ(Describe(ImportPrefs), defaults);
    Read("");
    EXPECT_EQ(Describe(ImportPrefs), defaults);
    Read("[Other]\r\nImport_Preset=Other\r\n[General]\r\nUnknown_Key=1\r\n");
    EXPECT_EQ(Describe(ImportPrefs), defaults);
}

TEST_F(ImportPreferencesTest, EveryKeyReachesItsField)
{
    Read("[General]\r\n"
         "Import_Preset=HD 1080i\r\nImport_Width=1920\r\nImport_Height=1080\r\nImport_FrameRate=25\r\n"
         "Import_PixelAspectRatio=Square\r\nImport_FieldDominance=Upper (Odd)\r\n"
         "Import_Compressor=Apple ProRes 422\r\nImport_ProjName=Show\r\nImport_SampleRate=96\r\n"
         "Import_Depth=24-bit\r\nImport_MarkMissingEffectsColor_Red=0.25\r\n"
         "Import_MarkMissingEffectsColor_Green=0.5\r\nImport_MarkMissingEffectsColor_Blue=1\r\n"
         "Import_UseSourceExt=false\r\nImport_UseMXFSource=true\r\nImport_UseAnySource=false\r\n"
         "Import_UsePresetFromAAF=false\r\nImport_Anamorphic=true\r\nImport_LogMissingFeatures=false\r\n"
         "Import_MarkMissingEffects=true\r\nImport_ReplaceWithDissolve=true\r\nImport_AddMediaToBin=false\r\n"
         "Import_SaveMediaPaths=true\r\nImport_IgnoreAudio=true\r\nImport_IgnoreVideo=true\r\n"
         // Never read from the file.
         "Import_ProjectFormatCode=7\r\nImport_DropFrame=true\r\nImport_StartTimecode=00:00:00:00\r\n");
    EXPECT_EQ(Describe(ImportPrefs),
              "1920|1080|25|Square|Upper (Odd)|Apple ProRes 422|1|96|24-bit|0|HD 1080i|0|1|0|1|1|0|1|0.25|0.5|1|1|"
              "Show|0|0|01:00:00:00|1|0");
}

TEST_F(ImportPreferencesTest, ValueSpellings)
{
    struct Case {
        const char* line;
        std::function<std::string(const ImportPreferences&)> field;
        const char* expected;
    };
    const auto width = [](const ImportPreferences& p) { return p.mediaPreset.width; };
    const auto name = [](const ImportPreferences& p) { return p.projName; };
    const auto useSourceExt = [](const ImportPreferences& p) { return std::to_string(p.useSourceExt); };
    const auto ignoreAudio = [](const ImportPreferences& p) { return std::to_string(p.ignoreAudio); };
    const auto red = [](const ImportPreferences& p) { return std::to_string(p.markMissingEffectsColorRed); };
    const Case cases[] = {
        {"Import_Width=", width, ""},
        {"Import_Width=\"\"", width, ""},
        {"Import_IgnoreAudio=true", ignoreAudio, "1"},
        {"Import_IgnoreAudio=yes", ignoreAudio, "1"},
        {"Import_IgnoreAudio=1", ignoreAudio, "1"},
        {"Import_UseSourceExt=0", useSourceExt, "0"},
        {"Import_UseSourceExt=false", useSourceExt, "0"},
        {"Import_UseSourceExt=FALSE", useSourceExt, "0"},
        {"Import_UseSourceExt=", useSourceExt, "0"},
        {"Import_UseSourceExt=no", useSourceExt, "1"},
        {"Import_MarkMissingEffectsColor_Red=0.75", red, "0.750000"},
        {"Import_MarkMissingEffectsColor_Red=abc", red, "0.000000"},
        {"Import_MarkMissingEffectsColor_Red=", red, "0.000000"},
        // Text as a Qt host writes it: quoted commas, \x escapes, and raw UTF-8 from other writers.
        {"Import_ProjName=\"Cut, final\"", name, "Cut, final"},
        {"Import_ProjName=Cut, final", name, "Cut, final"},
        {"Import_ProjName=Caf\\xe9 \\x20ac", name, "Caf\xc3\xa9 \xe2\x82\xac"},
        {"Import_ProjName=Caf\xc3\xa9", name, "Caf\xc3\xa9"},
    };
    for (const Case& c : cases) {
        ImportPrefs = ImportPreferences();
        ImportPrefs.markMissingEffectsColorRed = 0.5f;
        Read(std::string("[General]\r\n") + c.line + "\r\n");
        EXPECT_EQ(c.field(ImportPrefs), c.expected) << c.line;
    }
}

TEST_F(ImportPreferencesTest, ProjectFormats)
{
    const std::pair<int, const char*> formats[] = {
        {1, "23.976p NTSC"}, {2, "24p NTSC"},     {3, "30i NTSC"},    {4, "24p PAL"},     {5, "25p PAL"},
        {6, "25i PAL"},      {7, "720p/23.976"},  {8, "720p/59.94"},  {9, "1080p/23.976"}, {10, "1080p/24"},
        {11, "1080i/50"},    {12, "1080i/59.94"}, {16, "1080p/25"},   {17, "720p/25"},    {18, "720p/29.97"},
        {22, "1080p/29.97"}, {23, "720p/50"},
    };
    for (const auto& [code, name] : formats) {
        EXPECT_EQ(ProjectFormatNameFromCode(code), name);
        EXPECT_EQ(ProjectFormatCodeFromName(name), code);
    }
    for (int code : {0, -1, 13, 24})
        EXPECT_EQ(ProjectFormatNameFromCode(code), "30i NTSC") << code;
    for (const char* name : {"30i ntsc", "25p PAL ", "", "1080p/30"})
        EXPECT_EQ(ProjectFormatCodeFromName(name), 3) << name;

    SetProjectFormatCode(17);
    EXPECT_EQ(ImportPrefs.projectFormatCode, 17);
}

}  // namespace
