// The built program, run as the host runs it: a mode and five paths in, files and an exit code out.

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <QSettings>
#include <QStringList>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "support/TestSupport.h"
#include "support/XmemlValidation.h"

namespace fs = std::filesystem;

namespace {

constexpr int kShellFailure = 255;  // -1 as the shell sees it

// The document of an AAF file without mobs: the import's bin with its empty "Media" bin.
const char kEmptyDocument[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE xmeml>\n"
    "<xmeml version=\"5\">\n"
    "\t<bin>\n"
    "\t\t<updatebehavior>add</updatebehavior>\n"
    "\t\t<name>AAF Import</name>\n"
    "\t\t<children>\n"
    "\t\t\t<bin>\n"
    "\t\t\t\t<updatebehavior>add</updatebehavior>\n"
    "\t\t\t\t<name>Media</name>\n"
    "\t\t\t\t<children>\n"
    "\t\t\t\t</children>\n"
    "\t\t\t</bin>\n"
    "\t\t</children>\n"
    "\t</bin>\n"
    "</xmeml>\n";

// An AAF file without mobs.
std::string EmptyAafFile()
{
    aafsdk::fixture::AafFileBuilder file;
    return aafsdk::fixture::WriteAaf(file.graph()).bytes;
}

// Every file below dir with its content, to show that a run touched nothing.
std::set<std::pair<std::string, std::string>> Snapshot(const fs::path& dir)
{
    std::set<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        files.emplace(fs::relative(entry.path(), dir).string(),
                      entry.is_regular_file() ? testsupport::ReadFile(entry.path()) : "<dir>");
    return files;
}

QStringList IniKeys(const fs::path& path)
{
    QSettings settings(QString::fromStdString(path.string()), QSettings::IniFormat);
    return settings.allKeys();
}

bool XmllintAccepts(const fs::path& file)
{
    const std::string command = "xmllint --noout '" + file.string() + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

class RunModes : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::WriteFile(dir / "in.aaf", EmptyAafFile());
        testsupport::WriteFile(dir / "media.ini", "[General]\nOther=1\n[FileName0]\nFilePath=x\n");
    }
    testsupport::ProcessResult Run(const std::vector<std::string>& args)
    {
        return testsupport::RunConverter(args, dir.path());
    }
    // The five paths of a conversion, relative to the run's folder.
    std::vector<std::string> Args(const std::string& mode, const std::string& xml = "out.xml",
                                  const std::string& aaf = "in.aaf")
    {
        return {mode, aaf, xml, "prefs.ini", "media.ini", "log.ini"};
    }

    testsupport::TempDir dir;
};

TEST_F(RunModes, RefusedRunsTouchNothing)
{
    testsupport::WriteFile(dir / "out.xml", "older output");
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{}, 0},
        {Args("0", "out.xml", "missing.aaf"), kShellFailure},
        {Args("1", "out.xml", "missing.aaf"), kShellFailure},
        {Args("2", "out.xml", "missing.aaf"), kShellFailure},
        {Args("7", "out.xml", "missing.aaf"), kShellFailure},
        {Args("3"), kShellFailure},
        {Args("-1"), kShellFailure},
        {Args("4294967298"), kShellFailure},  // beyond int: no mode, not 2
        {{"2"}, kShellFailure},
    };
    for (const auto& c : cases) {
        const auto before = Snapshot(dir.path());
        const auto result = Run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << ::testing::PrintToString(c.args);
        EXPECT_EQ(Snapshot(dir.path()), before) << ::testing::PrintToString(c.args);
    }
}

TEST_F(RunModes, ModeTextIsReadAsALeadingNumber)
{
    // "2abc" converts; "abc" and "" query the project format.
    auto result = Run(Args("2abc"));
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(testsupport::ReadFile(dir / "out.xml"), kEmptyDocument);
    EXPECT_EQ(IniKeys(dir / "media.ini"), QStringList{"FileName0/FilePath"} << "Other");

    for (const char* mode : {"abc", ""}) {
        testsupport::WriteFile(dir / "media.ini", "[General]\nOther=1\n");
        result = Run(Args(mode));
        EXPECT_EQ(result.exitCode, 1) << mode << result.err;
        EXPECT_EQ(IniKeys(dir / "media.ini"), QStringList{"AAFProjectFormat"}) << mode;
    }
}

TEST_F(RunModes, ConversionWritesTheDocumentAndTheLog)
{
    auto args = Args("2");
    args.push_back("seventh.xml");  // arguments after the sixth are ignored
    const auto result = Run(args);
    ASSERT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(testsupport::ReadFile(dir / "out.xml"), kEmptyDocument);
    EXPECT_TRUE(XmllintAccepts(dir / "out.xml"));
    EXPECT_EQ(IniKeys(dir / "log.ini"), QStringList{"Log_Num"});
    EXPECT_FALSE(fs::exists(dir / "seventh.xml"));
    EXPECT_EQ(result.err, "");
}

// The README's first command: the bundled example converts into its three clips on video and audio,
// with the dissolve between the first two video clips.
TEST_F(RunModes, TheBundledExampleConverts)
{
    // The converter runs in another folder: a source path relative to the build folder must not reach it.
    const fs::path example =
        fs::absolute(fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples" / "example.aaf");
    const auto result = Run(Args("2", "out.xml", example.string()));
    ASSERT_EQ(result.exitCode, 1) << result.out << result.err;
    const std::string document = testsupport::ReadFile(dir / "out.xml");
    const auto count = [&document](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = document.find(text); at != std::string::npos; at = document.find(text, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<sequence id="), 1u);
    EXPECT_EQ(count("<transitionitem>"), 1u);
    EXPECT_NE(document.find("<name>Example Sequence</name>"), std::string::npos);
    for (const char* clip : {"Interview", "Street", "Harbour"})
        EXPECT_NE(document.find(std::string("<name>") + clip + "</name>"), std::string::npos) << clip;
    EXPECT_VALID_XMEML(document);
}

TEST_F(RunModes, ExistingOutputIsReplacedWhole)
{
    testsupport::WriteFile(dir / "out.xml", std::string(1000, 'x'));
    const auto result = Run(Args("2"));
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(testsupport::ReadFile(dir / "out.xml"), kEmptyDocument);
}

TEST_F(RunModes, UncreatableOutputFallsBackBesideTheAafFile)
{
    struct Case {
        const char* label;
        std::string aaf;
        std::string xml;
        std::string fallback;  // empty: nothing is written and the run fails
    };
    const Case cases[] = {
        {"missing folder", "reel1.aaf", "nofolder/out.xml", "reel1.xml"},
        {"only mode and aaf path", "reel1.AAF", "", "reel1.xml"},
        {"cut by characters", "reel1.aaf2", "nofolder/out.xml", "reel1.axml"},
        {"non-ASCII end", "ab\xC3\xA9\xC3\xA9\xC3\xA9", "nofolder/out.xml", "abxml"},
        {"four non-ASCII characters", "b\xC3\xA9\xC3\xA9\xC3\xA9", "nofolder/out.xml", ""},
        {"output names the input", "reel1.aaf", "reel1.aaf", "reel1.xml"},
        {"aaf path of four characters", "a.af", "nofolder/out.xml", ""},
        {"fallback would overwrite the input", "x.xml", "nofolder/out.xml", ""},
        {"both name the input", "x.xml", "./x.xml", ""},
    };
    for (const auto& c : cases) {
        testsupport::TempDir run;
        testsupport::WriteFile(run / c.aaf, EmptyAafFile());
        if (!c.fallback.empty() && c.fallback != c.aaf)
            testsupport::WriteFile(run / c.fallback, std::string(500, 'y'));  // an older, longer file
        const auto before = Snapshot(run.path());
        std::vector<std::string> args = {"2", c.aaf, c.xml, "prefs.ini", "media.ini", "log.ini"};
        if (c.xml.empty())
            args.resize(2);
        const auto result = testsupport::RunConverter(args, run.path());
        EXPECT_EQ(result.exitCode, c.fallback.empty() ? 255 : 1) << c.label << result.err;
        EXPECT_EQ(testsupport::ReadFile(run / c.aaf), EmptyAafFile()) << c.label;
        if (c.fallback.empty()) {
            // A run that can write nothing says why, rather than report a success.
            EXPECT_NE(result.err.find("the AAF file's name gives no other output path"), std::string::npos)
                << c.label << result.err;
            EXPECT_EQ(Snapshot(run.path()), before) << c.label;
        } else {
            EXPECT_EQ(testsupport::ReadFile(run / c.fallback), kEmptyDocument) << c.label;
            EXPECT_FALSE(fs::exists(run / "nofolder")) << c.label;
        }
    }
}

TEST_F(RunModes, FailedWritesFailTheRun)
{
    fs::create_directory(dir / "adir");
    const struct {
        const char* label;
        std::vector<std::string> args;
    } cases[] = {
        {"output is a folder", {"2", "in.aaf", "adir", "prefs.ini", "media.ini", "log.ini"}},
        {"log is a folder", {"2", "in.aaf", "out.xml", "prefs.ini", "media.ini", "adir"}},
        {"media settings are a folder (mode 0)", {"0", "in.aaf", "", "", "adir", ""}},
        {"media settings are a folder (mode 1)", {"1", "in.aaf", "", "", "adir", ""}},
    };
    for (const auto& c : cases) {
        const auto result = Run(c.args);
        EXPECT_EQ(result.exitCode, kShellFailure) << c.label;
        EXPECT_EQ(result.err.rfind("ERROR: Unable to translate correctly\n", 0), 0u)
            << c.label << ": " << result.err;
        EXPECT_TRUE(fs::is_directory(dir / "adir")) << c.label;
    }
}

TEST_F(RunModes, MediaListIsAddedToTheMediaSettings)
{
    const auto result = Run(Args("1"));
    EXPECT_EQ(result.exitCode, 1) << result.err;
    QStringList expected{"FileName0/FilePath", "Number_of_File", "Other"};
    EXPECT_EQ(IniKeys(dir / "media.ini"), expected);
    EXPECT_FALSE(fs::exists(dir / "out.xml"));
}

}  // namespace
