// The built program over the real sample files in all three run modes, and over inputs that are no
// AAF file.
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <QSettings>
#include <QStringList>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr int kShellFailure = 255;  // -1 as the shell sees it
constexpr int kDefaultFormat = 3;   // "30i NTSC", for files that carry no format of their own

// The project format of the samples whose first top-level composition carries one.
const std::map<std::string, int> kSampleFormats = {};

QSettings Ini(const fs::path& path)
{
    return QSettings(QString::fromStdString(path.string()), QSettings::IniFormat);
}

TEST(SampleRuns, ProjectFormatOfEverySample)
{
    REQUIRE_SHARED_DIR();
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
                  known != kSampleFormats.end() ? known->second : kDefaultFormat)
            << name;
    }
}

TEST(SampleRuns, ConversionAndMediaListOfEverySampleReadEverything)
{
    REQUIRE_SHARED_DIR();
    testsupport::TempDir dir;
    for (const auto& sample : testsupport::SampleFiles()) {
        const std::string name = sample.filename().string();
        for (const char* mode : {"1", "2"}) {
            testsupport::WriteFile(dir / "media.ini", "");
            const auto result = testsupport::RunConverter(
                {mode, sample.string(), "out.xml", "", "media.ini", "log.ini"}, dir.path());
            EXPECT_EQ(result.exitCode, 1) << mode << " " << name << result.out << result.err;
            EXPECT_EQ(result.out.find("**ERROR"), std::string::npos) << mode << " " << name << result.out;
        }
        EXPECT_NE(testsupport::ReadFile(dir / "out.xml").find("<name>AAF Import</name>"), std::string::npos) << name;
    }
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
