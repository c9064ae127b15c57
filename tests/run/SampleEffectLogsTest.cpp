// The log file of run mode 2 over samples whose effects and transitions are listed beside them:
// each one appears once, as applied or as not supported. A gain is logged on its clip, a gain inside
// a gain twice; a pan on every clip it covers (a track pan on each clip of its track with pan points
// in its range); a gain without any value (a varying value without points) adds no filter and no
// record. Effects in a selector's alternates are not on the timeline.
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
    const Record timeRemap{"Time Remap", "Motion Effects/Timewarp", "Applied"};
    const Record levels{"Audio Levels", "Audio Levels/Gain", "Applied"};
    const Record pan{"Audio Pan", "Audio Pan", "Applied"};
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
          {{"Dip to Color Dissolve", "Fade to Color", "Applied"}, 1},
          {pan, 8}}},  // two track pans over four clips each
        // Transitions: Audio Dissolve x2, VideoDissolve_2 x3; Audio Gain x2, PaintResize_v2 x2 (a
        // resize without crop, scale or position parameters, so nothing to log), RGBColorCorrect_2,
        // Title_2 x2 (without title data, so slugs), and 16 time warps.
        {"test_file_01.aaf",
         {{videoDissolve, 3},
          {audioDissolve, 2},
          {levels, 2},
          {ignored("Color Correction"), 1},
          {{"Text Generator", "Title Tool", "Invalid Title Info - Clip replaced with Slug"}, 2},
          {timeRemap, 16}}},
        // SBlend_v2 x4, each on its own clip and each animating one 3D Warp feature.
        {"keyframed_properties.aaf",
         {{{"Basic Motion - Center", "3D Warp: Position", "Applied"}, 1},
          {{"Basic Motion - Rotation", "3D Warp: Rotation - Z value only", "Applied"}, 1},
          {{"Basic Motion - Scale", "3D Warp: Scaling (Fixed Aspect Only)", "Applied"}, 1},
          {ignored("3D Warp: Perspective"), 1},
          {ignored("MaskImage_2"), 1},
          {timeRemap, 5},
          {ignored("Timecode Burn-In"), 1}}},
        {"linear_speed_effects.aaf", {{timeRemap, 19}}},
        // Audio Warp x8 and Motion Control x1, all speed controls.
        {"MC_Audio_Warp.aaf", {{timeRemap, 9}}},
        {"retime_bezier01.aaf", {{timeRemap, 1}, {ignored("SpatialAdapter"), 1}}},
        {"retime_step02.aaf", {{timeRemap, 1}, {ignored("SpatialAdapter"), 1}}},
        // Audio Gain x24, two of them in selector alternates; the track pan's points reach one clip.
        {"Resolve 18.5.aaf", {{audioDissolve, 26}, {ignored("Audio Channel Combiner"), 6}, {levels, 22}, {pan, 1}}},
        // Seven gains over a gain each: 14 on 7 clips.
        {"DR_Audio_Levels.aaf", {{levels, 14}, {ignored("Audio Channel Combiner"), 4}}},
        {"MC_Audio_Levels.aaf", {{levels, 6}}},
        {"PR_Audio_Levels-noBTM.aaf", {{levels, 8}, {ignored("Audio Channel Combiner"), 4}}},
        {"PR_Fades.aaf", {{levels, 14}, {audioDissolve, 18}, {ignored("Audio Channel Combiner"), 7}}},
        {"PR_AIFF_Internal.aaf", {{levels, 1}}},
        {"PR_Clip_length_beyond_EOF.aaf", {{levels, 1}}},
        {"PR_WAV_Internal.aaf", {{levels, 1}}},
        {"PT_AIFF_External.aaf", {{levels, 1}}},
        {"PT_Audio_Levels-noEMCC-noExpTracksAsMultiChannel.aaf", {{levels, 18}}},
        {"PT_PCM_Internal.aaf", {{levels, 1}}},
        {"PT_UTF8_EssencePath.aaf", {{levels, 1}}},
        {"PT_WAV_External.aaf", {{levels, 1}}},
        {"sector_size_512.aaf", {{levels, 4}}},
        // 30 gains, 26 of them without a single point.
        {"LogicPro 10.7.4.5614.AAF", {{levels, 4}}},
        {"multiple_top_level_mobs.aaf", {{levels, 77}, {timeRemap, 86}}},
        {"normalclip_sourceclip_references_compositionmob_has_also_mastermob_usercomments.aaf", {{levels, 1}}},
        {"subclip_sourceclip_references_compositionmob_with_mastermob.aaf", {{levels, 1}}},
        // Track pans over sequences: one clip; 2 x 8; 2 x 8; 2 x 5; 2 x 5.
        {"one_audio_clip.aaf", {{pan, 1}}},
        {"multitrack.aaf", {{pan, 16}}},
        {"preflattened.aaf", {{pan, 16}}},
        {"simple.aaf", {{pan, 10}}},
        {"trims.aaf", {{pan, 10}}},
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
