// Two conversions in one process: whatever the first run read or built (preferences, media
// settings, relinked paths, tables, document, log) must not reach the second, so each run writes
// what a fresh process writes, in either order.
#include <array>
#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aafsdk/fixture/AafWriter.h"
#include "run/AafSources.h"
#include "run/CaseFiles.h"
#include "run/Converter.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

struct Conversion {
    const char* file;         // a built case file, or a shared sample when sample is set
    bool sample;
    const char* preferences;  // the preferences file's text
    const char* media;        // the media-settings file's text
    std::string xml, log;     // as a fresh process writes them
    fs::path aaf = {};        // where the input is read
};

class TwoConversions : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallAafSources();
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    // Converts both runs in fresh processes, then in this process in both orders.
    void ConvertInBothOrders()
    {
        for (std::size_t i = 0; i < runs.size(); ++i) {
            Conversion& c = runs[i];
            const fs::path folder = Folder(i);
            fs::create_directories(folder);
            c.aaf = c.sample ? testsupport::SharedDir() / "aaf-samples" / c.file : folder / "in.aaf";
            if (!c.sample)
                aafsdk::fixture::SaveBytes(c.aaf, aafsdk::fixture::WriteAaf(*casefiles::BuildCaseFile(c.file)).bytes);
            testsupport::WriteFile(folder / "pref.ini", c.preferences);
            const auto fresh = testsupport::RunConverter(Arguments(i), folder);
            ASSERT_EQ(fresh.exitCode, 1) << fresh.err;
            c.xml = testsupport::ReadFile(folder / "out.xml");
            c.log = testsupport::ReadFile(folder / "log.ini");
        }
        ASSERT_NE(runs[0].xml, runs[1].xml);
        for (const std::array<std::size_t, 2> order : {std::array<std::size_t, 2>{0, 1}, {1, 0}}) {
            SCOPED_TRACE("order " + std::to_string(order[0]) + ", " + std::to_string(order[1]));
            ConvertInProcess(order[0]);
            ConvertInProcess(order[1]);
        }
    }

    fs::path Folder(std::size_t i) const { return dir / ("run" + std::to_string(i)); }

    // The command line of run mode 2 on run i's files; the media-settings file is written afresh,
    // as the host does before every run.
    std::vector<std::string> Arguments(std::size_t i) const
    {
        const fs::path folder = Folder(i);
        testsupport::WriteFile(folder / "media.ini", runs[i].media);
        return {"2", runs[i].aaf.string(), (folder / "out.xml").string(), (folder / "pref.ini").string(),
                (folder / "media.ini").string(), (folder / "log.ini").string()};
    }

    // Converts run i in this process and compares what it wrote with the fresh process's files.
    void ConvertInProcess(std::size_t i)
    {
        SCOPED_TRACE(runs[i].file);
        std::vector<std::string> args = Arguments(i);
        args.insert(args.begin(), "aaf2xmeml");
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        testing::internal::CaptureStdout();
        const int code = RunConverterMain(static_cast<int>(args.size()), argv.data());
        (void)testing::internal::GetCapturedStdout();
        ASSERT_EQ(code, 1);
        EXPECT_TRUE(testsupport::ReadFile(Folder(i) / "out.xml") == runs[i].xml) << "the document differs";
        EXPECT_TRUE(testsupport::ReadFile(Folder(i) / "log.ini") == runs[i].log) << "the log file differs";
    }

    testsupport::TempDir dir;
    std::array<Conversion, 2> runs;
};

// The first asks for 1920x1080 and no audio, keeps the media out of a bin of their own and relinks a
// media file; the second leaves every preference at its default but the frame rate.
constexpr const char* kFullHdWithoutAudio =
    "[General]\nImport_UsePresetFromAAF=false\nImport_Width=1920\nImport_Height=1080\nImport_IgnoreAudio=true\n"
    "Import_FrameRate=25\nImport_AddMediaToBin=false\n";
constexpr const char* kFrameRateOnly = "[General]\nImport_FrameRate=25\n";

TEST_F(TwoConversions, BuiltFilesWriteWhatAFreshProcessWritesInEitherOrder)
{
    runs = {{
        {"example", false, kFullHdWithoutAudio,
         "[General]\nNumber_of_File=1\n\n[File_0]\nOrigFilePath=file:///Media/Interview.mov\n"
         "NewFilePath=/Volumes/Footage/Interview.mov\n",
         {}, {}},
        {"clips-and-gaps", false, kFrameRateOnly, "", {}, {}},
    }};
    ConvertInBothOrders();
}

// Real files bring markers, nested sequences, transitions and effect records.
TEST_F(TwoConversions, SamplesWriteWhatAFreshProcessWritesInEitherOrder)
{
    REQUIRE_SHARED_DIR();
    runs = {{
        {"nesting_test.aaf", true, kFullHdWithoutAudio, "", {}, {}},
        {"transitions.aaf", true, kFrameRateOnly, "", {}, {}},
    }};
    ConvertInBothOrders();
}

}  // namespace
