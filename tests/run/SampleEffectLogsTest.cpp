// The log file of run mode 2 over samples whose effects and transitions are listed beside them:
// each one appears once, as applied or as not supported. A track pan has no current item and leaves
// no record; effects in a selector's alternates are not on the timeline.
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include <QSettings>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace {

using Record = std::tuple<std::string, std::string, std::string>;  // FCP name, Avid name, action

// Every translation record of the log file but the unknown-mob errors of clips, counted.
std::map<Record, int> EffectRecords(const std::filesystem::path& logFile)
{
    std::map<Record, int> records;
    QSettings log(QString::fromStdString(logFile.string()), QSettings::IniFormat);
    for (const QString& group : log.childGroups()) {
        if (!group.startsWith("Log_"))
            continue;
        log.beginGroup(group);
        const int count = log.beginReadArray("Translations");
        for (int i = 0; i < count; ++i) {
            log.setArrayIndex(i);
            const std::string avid = log.value("Avid").toString().toStdString();
            if (avid.rfind("Error: Unknown Mob Ref", 0) == 0)
                continue;
            ++records[{log.value("FCP").toString().toStdString(), avid, log.value("Action").toString().toStdString()}];
        }
        log.endArray();
        log.endGroup();
    }
    return records;
}

TEST(SampleEffectLogs, EveryEffectAndTransitionIsLogged)
{
    REQUIRE_SHARED_DIR();
    const Record videoDissolve{"Cross Dissolve", "Video Dissolve", "Applied"};
    const Record audioDissolve{"Cross Fade ( 0dB)", "Audio Dissolve", "Applied"};
    const auto ignored = [](const char* name) { return Record{"Not Supported", name, "Ignored"}; };
    const struct {
        const char* file;
        std::map<Record, int> records;
    } cases[] = {
        // Transitions: Audio Dissolve x10, Dip_2, FadeDown_2, FadeUp_2, VideoDissolve_2 x2.
        {"transitions.aaf",
         {{audioDissolve, 10},
          {videoDissolve, 2},
          {{"Dip to Color Dissolve", "Dip to Color", "Applied"}, 1},
          {{"Dip to Color Dissolve", "Fade from Color", "Applied"}, 1},
          {{"Dip to Color Dissolve", "Fade to Color", "Applied"}, 1}}},
        // Transitions: Audio Dissolve x2, VideoDissolve_2 x3; Audio Gain x2, PaintResize_v2 x2,
        // RGBColorCorrect_2, Title_2 x2 (without title data, so slugs), and 16 time warps.
        {"test_file_01.aaf",
         {{videoDissolve, 3},
          {audioDissolve, 2},
          {ignored("Audio Gain"), 2},
          {ignored("Resize"), 2},
          {ignored("Color Correction"), 1},
          {{"Text Generator", "Title Tool", "Invalid Title Info - Clip replaced with Slug"}, 2},
          {ignored("Motion Control"), 16}}},
        {"keyframed_properties.aaf",
         {{ignored("MaskImage_2"), 1},
          {ignored("Motion Control"), 5},
          {ignored("SBlend_v2"), 4},
          {ignored("Timecode Burn-In"), 1}}},
        {"linear_speed_effects.aaf", {{ignored("Motion Control"), 19}}},
        {"MC_Audio_Warp.aaf", {{ignored("Audio Warp"), 8}, {ignored("Motion Control"), 1}}},
        // Audio Gain x24, two of them in selector alternates; the track pan has no current item.
        {"Resolve 18.5.aaf",
         {{audioDissolve, 26}, {ignored("Audio Channel Combiner"), 6}, {ignored("Audio Gain"), 22}}},
        // One title with one text box becomes a Text generator.
        {"essence_group.aaf", {{{"Text Generator", "Title Tool", "Applied"}, 1}}},
        {"nesting_test.aaf", {{{"Nested Sequence", "Submaster/Collapsed Layers", "Applied"}, 1}}},
    };
    testsupport::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::filesystem::remove(dir / "log.ini");
        const auto sample = testsupport::SharedDir() / "aaf-samples" / c.file;
        const auto result = testsupport::RunConverter({"2", sample.string(), "out.xml", "", "", "log.ini"}, dir.path());
        ASSERT_EQ(result.exitCode, 1) << result.err;
        EXPECT_EQ(EffectRecords(dir / "log.ini"), c.records);
    }
}

}  // namespace
