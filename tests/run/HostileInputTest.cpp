// Hostile input converted in this process: files built in code that nest without end, carry text no
// XML document may hold, or give lengths and positions out of every sane range. Each either
// converts into a whole, well-formed document or fails the run with a message and nothing written.
#include <clocale>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "aafsdk/stored/StoredGraph.h"
#include "config/ImportPreferences.h"
#include "config/NamedParameters.h"
#include "config/SourcePaths.h"
#include "InProcessMain.h"
#include "run/AafSources.h"
#include "run/ConversionJob.h"
#include "run/Converter.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using namespace aafsdk::fixture;

namespace {

constexpr std::int32_t kRate = 25;

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallAafSources();
    }
    void TearDown() override
    {
        ImportPrefs = ImportPreferences();  // a run keeps what its preferences file set
        NamedParameters.clear();
        ResetJobState();
        ClearSourcePathMap();
        std::setlocale(LC_ALL, "C");
    }

    // Run mode 2 on the graph; the exit code as main returns it, with what the run printed to stderr.
    int Convert(const aafsdk::StoredGraph& graph)
    {
        SaveBytes(dir / "in.aaf", WriteAaf(graph).bytes);
        std::error_code ec;
        fs::remove(dir / "out.xml", ec);
        return Run({"2", Path("in.aaf"), Path("out.xml"), "", Path("media.ini"), Path("log.ini")});
    }
    int Run(const std::vector<std::string>& args) { return inprocess::RunMain(args, &err); }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::string Output() const
    {
        std::error_code ec;
        return fs::exists(dir / "out.xml", ec) ? testsupport::ReadFile(dir / "out.xml") : std::string();
    }

    testsupport::TempDir dir;
    std::string err;
};

// A master clip and a composition whose one video slot holds sequences nested depth - 1 deep around
// a clip of it: depth segments on the way down.
aafsdk::StoredGraph NestedSequences(int depth, const std::string& name = "Deep")
{
    AafFileBuilder f;
    const MobIdBytes masterId = MakeMobId(1);
    const aafsdk::ObjectId master = f.AddMob("MasterMob", "Clip", masterId);
    f.AddSourceClip(f.AddTimelineSlot(master, 1, "V1", kRate, 1), ids::kDataDefPicture, 100, MobIdBytes{}, 0, 0);
    const aafsdk::ObjectId comp = f.AddMob("CompositionMob", name, MakeMobId(2));
    aafsdk::ObjectId owner = f.AddTimelineSlot(comp, 1, "V1", kRate, 1);
    for (int level = 1; level < depth; ++level)
        owner = f.AddSequence(owner, ids::kDataDefPicture, 10);
    f.AddSourceClip(owner, ids::kDataDefPicture, 10, masterId, 1, 0);
    return std::move(f.graph());
}

TEST_F(HostileInput, SegmentsNestedBeyondAThousandFailTheRun)
{
    ASSERT_EQ(Convert(NestedSequences(1000)), kExitSuccess) << err;
    EXPECT_TRUE(Output().ends_with("</xmeml>\n"));
    for (int depth : {1001, 20000}) {
        SCOPED_TRACE(depth);
        EXPECT_EQ(Convert(NestedSequences(depth)), kExitFailure);
        EXPECT_NE(err.find("nests segments more than 1000 deep"), std::string::npos) << err;
        EXPECT_FALSE(fs::exists(dir / "out.xml"));
    }
}

// A composition of two 50-frame clips on V1 with what lies between them, for positions out of range.
aafsdk::StoredGraph TwoClips(std::int64_t fillerLength, std::int64_t transitionLength, std::int64_t secondLength)
{
    AafFileBuilder f;
    f.AddOperationDefinition(ids::kVideoDissolve, "Video Dissolve", ids::kDataDefPicture, 2);
    const MobIdBytes masterId = MakeMobId(1);
    const aafsdk::ObjectId master = f.AddMob("MasterMob", "Clip", masterId);
    f.AddSourceClip(f.AddTimelineSlot(master, 1, "V1", kRate, 1), ids::kDataDefPicture, 100, MobIdBytes{}, 0, 0);
    const aafsdk::ObjectId comp = f.AddMob("CompositionMob", "Positions", MakeMobId(2));
    const aafsdk::ObjectId sequence = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", kRate, 1), ids::kDataDefPicture, 100);
    f.AddSourceClip(sequence, ids::kDataDefPicture, 50, masterId, 1, 0);
    if (fillerLength != 0)
        f.AddFiller(sequence, ids::kDataDefPicture, fillerLength);
    if (transitionLength != 0)
        f.AddTransition(sequence, ids::kDataDefPicture, transitionLength, transitionLength / 2, ids::kVideoDissolve);
    f.AddSourceClip(sequence, ids::kDataDefPicture, secondLength, masterId, 1, 0);
    return std::move(f.graph());
}

// Negative lengths count as 0, a transition never reaches before the track's start, and a length
// beyond the document's 32-bit frame numbers fails the run rather than wrap.
TEST_F(HostileInput, PositionsNeverGoNegativeOrWrap)
{
    const struct {
        const char* label;
        std::int64_t filler, transition, second;
    } converted[] = {
        {"a filler of -1000 frames", -1000, 0, 50},
        {"a 1000-frame transition between 50-frame clips", 0, 1000, 50},
        {"a clip of -20 frames", 0, 0, -20},
    };
    for (const auto& c : converted) {
        SCOPED_TRACE(c.label);
        ASSERT_EQ(Convert(TwoClips(c.filler, c.transition, c.second)), kExitSuccess) << err;
        const std::string document = Output();
        EXPECT_NE(document.find("<start>0</start>"), std::string::npos) << document;
        // -1 is the document's own mark of an edge inside a transition; nothing lies before 0.
        for (const char* tag : {"<start>", "<end>"})
            for (auto at = document.find(tag); at != std::string::npos; at = document.find(tag, at + 1))
                EXPECT_GE(std::stol(document.substr(at + std::char_traits<char>::length(tag))), -1)
                    << document.substr(at, 20);
    }
    EXPECT_EQ(Convert(TwoClips(0, 0, (std::int64_t{1} << 31) + 5)), kExitFailure);
    EXPECT_NE(err.find("is beyond what the document holds"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "out.xml"));
}

std::string Utf16Le(const std::u16string& text)
{
    std::string bytes;
    for (char16_t unit : text)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes + std::string(2, '\0');
}

// A name XML may not hold as it stands: characters outside XML 1.0 are dropped, an unpaired
// surrogate becomes U+FFFD, and the document stays well-formed.
TEST_F(HostileInput, NamesOutsideXmlBecomeAWellFormedDocument)
{
    const struct {
        const char* label;
        std::u16string name;
        std::string written;
    } cases[] = {
        {"U+FFFE and U+FFFF", u"ab\xFFFE" u"cd\xFFFF", "abcd"},
        {"a control character", u"a\x0001" u"b", "ab"},
        {"an unpaired surrogate", u"abc\xD800" u"XYZtail", "abc\xEF\xBF\xBDXYZtail"},
        {"a low surrogate alone", u"\xDC00" u"end", "\xEF\xBF\xBD" "end"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        aafsdk::StoredGraph graph = NestedSequences(1, "placeholder");
        // The name goes in as stored UTF-16, which no UTF-8 text can carry for a lone surrogate.
        const std::string placeholder = Utf16Le(u"placeholder");
        for (auto& object : graph.objects)
            for (auto& property : object.properties)
                if (property.pid == 0x4402 &&
                    property.value == std::vector<std::uint8_t>(placeholder.begin(), placeholder.end())) {
                    const std::string bytes = Utf16Le(c.name);
                    property.value.assign(bytes.begin(), bytes.end());
                }
        ASSERT_EQ(Convert(graph), kExitSuccess) << err;
        EXPECT_EQ(err.find("Conversion failed"), std::string::npos) << err;
        EXPECT_NE(Output().find("<name>" + c.written + "</name>"), std::string::npos) << Output();
        if (std::system("xmllint --version >/dev/null 2>&1") == 0) {
            EXPECT_EQ(std::system(("xmllint --noout " + Path("out.xml")).c_str()), 0);
        }
    }
}

// What the run read and wrote, by name: bytes for files, the kind for anything else.
std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const auto status = entry.symlink_status();
        files[entry.path().filename().string()] =
            fs::is_symlink(status)   ? "link to " + fs::read_symlink(entry.path()).string()
            : fs::is_regular_file(status) ? testsupport::ReadFile(entry.path()) + " #" + std::to_string(fs::hard_link_count(entry.path()))
                                          : "special";
    }
    return files;
}

class HostilePaths : public HostileInput {
protected:
    void SetUp() override
    {
        HostileInput::SetUp();
        SaveBytes(dir / "in.aaf", WriteAaf(BuildExampleGraph()).bytes);
        testsupport::WriteFile(dir / "prefs.ini", "[General]\n");
        testsupport::WriteFile(dir / "media.ini", "[General]\nOther=1\n");
    }
    // The mode on the five paths; the names are files in dir unless they start with "/".
    int RunMode(const std::string& mode, const std::vector<std::string>& names)
    {
        std::vector<std::string> args = {mode};
        for (const std::string& name : names)
            args.push_back(name.empty() || name[0] == '/' ? name : Path(name.c_str()));
        return Run(args);
    }
};

// Paths that name one file (by a link, a hard link or another spelling): a run that would write one
// over another, or over its input, fails and touches nothing.
TEST_F(HostilePaths, CollidingPathsFailTheRunAndWriteNothing)
{
    const struct {
        const char* label;
        const char* mode;
        const char* alias;   // made as a link to target, unless it is a spelling of a path not there yet
        const char* target;
        bool hard;
        std::vector<std::string> paths;
    } cases[] = {
        {"log is the input (link)", "2", "log.ini", "in.aaf", false, {"in.aaf", "out.xml", "prefs.ini", "media.ini", "log.ini"}},
        {"log is the input (hard link)", "2", "log.ini", "in.aaf", true, {"in.aaf", "out.xml", "prefs.ini", "media.ini", "log.ini"}},
        {"media settings are the input, mode 0", "0", "m.ini", "in.aaf", true, {"in.aaf", "", "", "m.ini", ""}},
        {"media settings are the input, mode 1", "1", "m.ini", "in.aaf", false, {"in.aaf", "", "", "m.ini", ""}},
        {"output is the preferences", "2", "x.xml", "prefs.ini", true, {"in.aaf", "x.xml", "prefs.ini", "media.ini", "log.ini"}},
        {"output is the media settings", "2", "x.xml", "media.ini", false, {"in.aaf", "x.xml", "prefs.ini", "media.ini", "log.ini"}},
        {"log is the output, neither there yet", "2", nullptr, nullptr, false,
         {"in.aaf", "out.xml", "prefs.ini", "media.ini", "sub/../out.xml"}},
    };
    fs::create_directory(dir / "sub");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        if (c.alias != nullptr) {
            if (c.hard)
                fs::create_hard_link(dir / c.target, dir / c.alias);
            else
                fs::create_symlink(dir / c.target, dir / c.alias);
        }
        const auto before = Snapshot(dir.path());
        EXPECT_EQ(RunMode(c.mode, c.paths), kExitFailure);
        EXPECT_NE(err.find("names the same file as the"), std::string::npos) << err;
        EXPECT_EQ(Snapshot(dir.path()), before);
        if (c.alias != nullptr)
            fs::remove(dir / c.alias);
    }
}

// A FIFO or a folder at an output path is refused with nothing touched; a character device is
// written in place and stays a device; a link to a regular file is written through and stays a link.
TEST_F(HostilePaths, SpecialFilesAreNeverReplaced)
{
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    const struct {
        const char* mode;
        std::vector<std::string> paths;
    } refused[] = {
        {"2", {"in.aaf", "fifo", "prefs.ini", "media.ini", "log.ini"}},
        {"2", {"in.aaf", "folder", "prefs.ini", "media.ini", "log.ini"}},
        {"2", {"in.aaf", "out.xml", "prefs.ini", "media.ini", "fifo"}},
        {"0", {"in.aaf", "", "", "fifo", ""}},
        {"1", {"in.aaf", "", "", "folder", ""}},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(::testing::PrintToString(c.paths));
        const auto before = Snapshot(dir.path());
        EXPECT_EQ(RunMode(c.mode, c.paths), kExitFailure);
        EXPECT_NE(err.find("is not a regular file and is left alone"), std::string::npos) << err;
        EXPECT_EQ(Snapshot(dir.path()), before);
    }

    testsupport::WriteFile(dir / "real.xml", "older");
    fs::create_symlink(dir / "real.xml", dir / "link.xml");
    EXPECT_EQ(RunMode("2", {"in.aaf", "link.xml", "prefs.ini", "media.ini", "log.ini"}), kExitSuccess) << err;
    EXPECT_TRUE(fs::is_symlink(dir / "link.xml"));
    EXPECT_TRUE(testsupport::ReadFile(dir / "real.xml").ends_with("</xmeml>\n"));

    if (::access("/dev/null", W_OK) != 0)
        GTEST_SKIP() << "no writable /dev/null";
    EXPECT_EQ(RunMode("2", {"in.aaf", "/dev/null", "prefs.ini", "media.ini", "/dev/null"}), kExitSuccess) << err;
    EXPECT_EQ(RunMode("0", {"in.aaf", "", "", "/dev/null", ""}), kExitSuccess) << err;
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

// A write that fails (a full disk, shown by a file-size limit) or a log that cannot be written leaves
// both outputs as they were, and no temporary file beside them.
TEST_F(HostilePaths, FailedWritesLeaveTheOutputsAsTheyWere)
{
    testsupport::WriteFile(dir / "out.xml", "older document");
    testsupport::WriteFile(dir / "log.ini", "[General]\nLog_Num=0\n");
    const auto before = Snapshot(dir.path());

    EXPECT_EQ(RunMode("2", {"in.aaf", "out.xml", "prefs.ini", "media.ini", "nofolder/log.ini"}), kExitFailure);
    EXPECT_EQ(Snapshot(dir.path()), before);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int code = RunMode("2", {"in.aaf", "out.xml", "prefs.ini", "media.ini", "log.ini"});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(code, kExitFailure);
    EXPECT_NE(err.find("Unable to write"), std::string::npos) << err;
    EXPECT_EQ(Snapshot(dir.path()), before);
}

// File names are bytes: one that is not UTF-8 converts like any other, and a missing input says so.
TEST_F(HostilePaths, FileNamesAreBytesAndEveryFailureSaysWhy)
{
    const std::string odd = "in\xFF\xFE.aaf", oddOut = "out\xE9.xml";
    fs::copy_file(dir / "in.aaf", dir / odd);
    EXPECT_EQ(RunMode("2", {odd, oddOut, "prefs.ini", "media.ini", "log.ini"}), kExitSuccess) << err;
    EXPECT_TRUE(testsupport::ReadFile(dir / oddOut).ends_with("</xmeml>\n"));
    // A FIFO given as the preferences is never opened (a read would wait for a writer for ever).
    ASSERT_EQ(RunMode("2", {"in.aaf", "plain.xml", "prefs.ini", "media.ini", "log.ini"}), kExitSuccess) << err;
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    ASSERT_EQ(RunMode("2", {"in.aaf", "fifo.xml", "fifo", "media.ini", "log.ini"}), kExitSuccess) << err;
    EXPECT_EQ(testsupport::ReadFile(dir / "fifo.xml"), testsupport::ReadFile(dir / "plain.xml"));
    // Preferences under a name that is not UTF-8 are read like any others.
    const std::string oddPrefs = "prefs\xFF.ini";
    testsupport::WriteFile(dir / oddPrefs, "[General]\nImport_FrameRate=24\n");
    ASSERT_EQ(RunMode("2", {"in.aaf", "bybytes.xml", oddPrefs, "media.ini", "log.ini"}), kExitSuccess) << err;
    EXPECT_NE(testsupport::ReadFile(dir / "bybytes.xml"), testsupport::ReadFile(dir / "plain.xml"));
    EXPECT_NE(testsupport::ReadFile(dir / "bybytes.xml").find("<timebase>24</timebase>"), std::string::npos);

    EXPECT_EQ(RunMode("2", {"missing.aaf", "x.xml", "prefs.ini", "media.ini", "log.ini"}), kExitFailure);
    EXPECT_NE(err.find("does not exist"), std::string::npos) << err;
    EXPECT_EQ(RunMode("7", {"in.aaf", "x.xml", "prefs.ini", "media.ini", "log.ini"}), kExitFailure);
    EXPECT_NE(err.find("Unknown run mode"), std::string::npos) << err;
    testsupport::WriteFile(dir / "broken.aaf", "not an AAF file");
    EXPECT_EQ(RunMode("2", {"broken.aaf", "x.xml", "prefs.ini", "media.ini", "log.ini"}), kExitFailure);
    EXPECT_NE(err.find("ERROR: Unable to translate correctly"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "x.xml"));
}

}  // namespace
