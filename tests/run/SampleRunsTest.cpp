// The built program over the real sample files in all three run modes, and over inputs that are no
// AAF file.
#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <QSettings>
#include <QStringList>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/include/AAF.h"
#include "support/TestSupport.h"
#include "support/XmemlValidation.h"

namespace fs = std::filesystem;

namespace {

constexpr int kShellFailure = 255;  // -1 as the shell sees it
constexpr int kDefaultFormat = 3;   // "30i NTSC", for files that carry no format of their own

// The project format of the samples whose first top-level composition carries a known one (the tag
// "SEQUERNCE_FORMAT_TYPE"; several files carry 3, which is the default, and the MC_TC files 26, which
// no format has).
const std::map<std::string, int> kSampleFormats = {
    {"2997fps.aaf", 22},
    {"MC_Audio_Warp.aaf", 16},
    {"avid_data_track_example.aaf", 10},
    {"bad_marker_track_from_avid.aaf", 10},
    {"composite.aaf", 10},
    {"duplicates.aaf", 10},
    {"essence_group.aaf", 10},
    {"keyframed_properties.aaf", 10},
    {"linear_speed_effects.aaf", 10},
    {"marker-over-transition.aaf", 10},
    {"multiple_timecode_objects.aaf", 10},
    {"multitrack.aaf", 10},
    {"nesting_test.aaf", 10},
    {"nesting_test_preflattened.aaf", 10},
    {"normal_bezier.aaf", 10},
    {"normalclip_sourceclip_references_compositionmob_has_also_mastermob_usercomments.aaf", 10},
    {"one_audio_clip.aaf", 10},
    {"one_clip.aaf", 10},
    {"one_marker.aaf", 10},
    {"preflattened.aaf", 10},
    {"retime_bezier01.aaf", 9},
    {"retime_bezier02.aaf", 9},
    {"retime_linear01.aaf", 9},
    {"retime_linear02.aaf", 9},
    {"retime_spline01.aaf", 9},
    {"retime_spline02.aaf", 9},
    {"retime_step01.aaf", 9},
    {"retime_step02.aaf", 9},
    {"simple.aaf", 10},
    {"subclip_sourceclip_references_compositionmob_with_mastermob.aaf", 10},
    {"test_file_01.aaf", 9},
    {"test_muted_clip.aaf", 10},
    {"timecode_test.aaf", 10},
    {"transitions.aaf", 10},
    {"trims.aaf", 10},
    {"utf8.aaf", 10},
};

// Whether the AAF layer answers the generic property interface through which a mob's attributes,
// and so its format, are read.
bool GenericPropertiesAnswer(const fs::path& sample)
{
    IAAFFile* file = nullptr;
    if (AAFFileOpenExistingRead(sample.u16string().c_str(), 0, &file) != 0)
        return false;
    bool answers = false;
    IAAFHeader* header = nullptr;
    IEnumAAFMobs* mobs = nullptr;
    IAAFMob* mob = nullptr;
    aafSearchCrit_t criterion{};
    criterion.searchTag = kAAFByMobKind;
    criterion.tags.mobKind = kAAFCompMob;
    if (file->GetHeader(&header) == 0 && header->GetMobs(&criterion, &mobs) == 0 && mobs->NextOne(&mob) == 0) {
        void* object = nullptr;
        answers = mob->QueryInterface(IID_IAAFObject, &object) == 0;
        if (answers)
            static_cast<IUnknown*>(object)->Release();
    }
    for (IUnknown* held : std::initializer_list<IUnknown*>{mob, mobs, header})
        if (held != nullptr)
            held->Release();
    (void)file->Close();
    file->Release();
    return answers;
}

// Standard output without the lines that trace the tagged values of effect inputs as they are
// collected ("\nCA: tag: NAME\n" each).
std::string WithoutTagTrace(std::string out)
{
    const std::string head = "\nCA: tag: ";
    for (std::size_t at = out.find(head); at != std::string::npos; at = out.find(head, at)) {
        const std::size_t end = out.find('\n', at + head.size());
        out.erase(at, end == std::string::npos ? std::string::npos : end + 1 - at);
    }
    return out;
}

QSettings Ini(const fs::path& path)
{
    return QSettings(QString::fromStdString(path.string()), QSettings::IniFormat);
}

TEST(SampleRuns, ProjectFormatOfEverySample)
{
    REQUIRE_SHARED_DIR();
    // Without the generic property interfaces no format can be read, and every file reports the
    // default.
    const bool formatsReadable = GenericPropertiesAnswer(testsupport::SharedDir() / "aaf-samples" / "simple.aaf");
    testsupport::TempDir dir;
    for (const auto& sample : testsupport::SampleFiles()) {
        const std::string name = sample.filename().string();
        testsupport::WriteFile(dir / "media.ini", "[General]\nOther=1\n[FileName0]\nFilePath=x\n");
        const auto result = testsupport::RunConverter({"0", sample.string(), "", "", "media.ini", ""}, dir.path());
        EXPECT_EQ(result.exitCode, 1) << name << result.out << result.err;
        EXPECT_EQ(result.out.find("**ERROR"), std::string::npos) << name << result.out;
        auto settings = Ini(dir / "media.ini");
        EXPECT_EQ(settings.allKeys(), QStringList{"AAFProjectFormat"}) << name;
        const auto known = kSampleFormats.find(name);
        EXPECT_EQ(settings.value("AAFProjectFormat").toInt(),
                  formatsReadable && known != kSampleFormats.end() ? known->second : kDefaultFormat)
            << name;
    }
}

TEST(SampleRuns, ConversionAndMediaListOfEverySampleReadEverything)
{
    REQUIRE_SHARED_DIR();
    testsupport::TempDir dir;
    std::string dtdSkipped;
    for (const auto& sample : testsupport::SampleFiles()) {
        const std::string name = sample.filename().string();
        // A log file keeps the sections it already holds; start each sample without one so that only
        // this conversion's sections are read back.
        fs::remove(dir / "log.ini");
        for (const char* mode : {"1", "2"}) {
            testsupport::WriteFile(dir / "media.ini", "");
            const auto result = testsupport::RunConverter(
                {mode, sample.string(), "out.xml", "", "media.ini", "log.ini"}, dir.path());
            EXPECT_EQ(result.exitCode, 1) << mode << " " << name << result.out << result.err;
            EXPECT_EQ(WithoutTagTrace(result.out), "") << mode << " " << name;
        }
        const std::string document = testsupport::ReadFile(dir / "out.xml");
        EXPECT_NE(document.find("<bin>"), std::string::npos) << name;
        const testsupport::DtdCheck check = testsupport::CheckAgainstDtd(document);
        if (check.ran) {
            EXPECT_EQ(check.problems, "") << name;
        } else {
            dtdSkipped = check.skipReason;
        }

        // Every entry the log counts is a section of its own holding at least one translation.
        ASSERT_TRUE(fs::exists(dir / "log.ini")) << name;
        auto log = Ini(dir / "log.ini");
        EXPECT_EQ(log.status(), QSettings::NoError) << name;
        bool counted = false;
        const int entries = log.value("Log_Num").toInt(&counted);
        EXPECT_TRUE(counted) << name;
        const QStringList sections = log.childGroups();
        for (int i = 0; i < entries; ++i) {
            const QString section = QStringLiteral("Log_") + QString::number(i);
            EXPECT_TRUE(sections.contains(section)) << name << " " << section.toStdString();
            EXPECT_GE(log.value(section + QStringLiteral("/Translations/size")).toInt(), 1)
                << name << " " << section.toStdString();
        }
    }
    // The rest of the test ran; say that the documents went unchecked against the DTD.
    if (!dtdSkipped.empty())
        GTEST_SKIP() << "documents not checked against the DTD: " << dtdSkipped;
}

TEST(SampleRuns, InputsThatAreNoAafFileFailAndLeaveTheMediaSettings)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "notes.aaf", "a text file, not an AAF file\n");
    const std::string whole = aafsdk::fixture::WriteAaf(aafsdk::fixture::AafFileBuilder().graph()).bytes;
    testsupport::WriteFile(dir / "cut.aaf", whole.substr(0, whole.size() / 2));
    const std::string before = "[General]\nOther=1\n";
    for (const char* input : {"missing.aaf", "notes.aaf", "cut.aaf"}) {
        for (const char* mode : {"0", "1", "2"}) {
            testsupport::WriteFile(dir / "media.ini", before);
            const auto result = testsupport::RunConverter({mode, input, "out.xml", "", "media.ini", "log.ini"},
                                                          dir.path());
            EXPECT_EQ(result.exitCode, kShellFailure) << mode << " " << input;
            EXPECT_EQ(testsupport::ReadFile(dir / "media.ini"), before) << mode << " " << input;
            EXPECT_FALSE(fs::exists(dir / "log.ini")) << mode << " " << input;
        }
    }
}

}  // namespace
