// The run modes in-process, with the AAF side replaced: failures, per-run state and the C locale.

#include <clocale>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include <QSettings>
#include <QStringList>

#include "aaf/CheckHResult.h"
#include "aaf/import/EditRateConversion.h"
#include "aaf/import/EventMarkers.h"
#include "aaf/import/FileT.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/TimelineBuilder.h"
#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "config/NamedParameters.h"
#include "config/ProjectFormat.h"
#include "config/SourcePaths.h"
#include "config/TranslationLog.h"
#include "effects/FCPEffectCatalogue.h"
#include "effects/FxPlugUuidMap.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/IDTagBase.h"
#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/QtCodecTable.h"
#include "fcpxml/XmemlDocument.h"
#include "fcpxml/XmlWriter.h"
#include "records/MobRegistry.h"
#include "run/ConversionJob.h"
#include "run/Converter.h"
#include "run/RunState.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

class InProcessRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedImport_ = DocumentImportSource;
        savedQuery_ = JobQuerySource;
        testsupport::WriteFile(dir / "in.aaf", "input");
        testsupport::WriteFile(dir / "media.ini", "[General]\nOther=1\n");
    }
    void TearDown() override
    {
        DocumentImportSource = savedImport_;
        JobQuerySource = savedQuery_;
        ResetRunState();
        std::setlocale(LC_ALL, "C");
    }

    // Runs the program's main body on the five paths in dir; the exit code as main returns it.
    int Run(const std::string& mode)
    {
        NamedParameters.clear();
        std::vector<std::string> args = {"aaf2xmeml", mode, Path("in.aaf"), Path("out.xml"),
                                         Path("prefs.ini"), Path("media.ini"), Path("log.ini")};
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        return RunConverterMain(static_cast<int>(args.size()), argv.data());
    }
    std::string Path(const char* name) const { return (dir / name).string(); }

    static bool PerRunStateIsEmpty()
    {
        return XmemlDocument.bins.empty() && XmemlDocument.clips.empty() &&
               XmemlDocument.projects.empty() && XmemlDocument.sequences.empty() &&
               TranslationLog.empty() && SourcePathMap.empty() && XmlIndentDepth == 0 &&
               GlobalTimelineBuilder.TrackStack.empty() && GlobalImportTraversalLists.PendingSourceReferences.empty() &&
               EventMarkerMap.empty() && UsedItemIds.empty() && UsedNameCounts.empty() &&
               WrittenFileIds.empty() && TranslationTablesAreEmpty() && MobRegistry::entries.empty() &&
               MasterClipMap.empty() && MasterClipIdByMob.empty() && FileHeader == nullptr &&
               FileDictionary == nullptr;
    }
    static bool TranslationTablesAreEmpty()
    {
        return FCPEffectCatalogue.empty() && LabelColorTable.empty() && AvidMarkerColorTable.empty() &&
               AvidToFcpColorNames.empty() && QtCodecTable.empty() && CodecColorSpaceMap.empty();
    }
    // The header and dictionary of a file that was opened and closed, as a run holds them.
    void HoldAFileHeader() const
    {
        const fs::path path = dir / "held.aaf";
        aafsdk::fixture::SaveBytes(path, aafsdk::fixture::WriteAaf(aafsdk::fixture::AafFileBuilder().graph()).bytes);
        IAAFFile* file = nullptr;
        ASSERT_EQ(AAFFileOpenExistingRead(path.u16string().c_str(), 0, &file), 0);
        ReleaseFileHeaderAndDictionary();
        EXPECT_EQ(file->GetHeader(&FileHeader), 0);
        EXPECT_EQ(file->GetDictionary(&FileDictionary), 0);
        EXPECT_EQ(file->Close(), 0);
        file->Release();
    }
    void FillPerRunState() const
    {
        HoldAFileHeader();
        MobRegistry::entries["mob"] = MobEntry();
        MasterClipMap["MASTER_MOB_1"] = FCPClipTag();
        MasterClipIdByMob["mob"] = "MASTER_MOB_1";
        XmemlDocument.bins.emplace_back("AAF Import", ChildrenInfo());
        XmemlDocument.projects.emplace_back();
        TranslationLog.emplace_back();
        SourcePathMap["a"] = "b";
        XmlIndentDepth = 3;
        GlobalTimelineBuilder.TrackStack.emplace_back();
        GlobalImportTraversalLists.PendingSourceReferences.emplace_back();
        EventMarkerMap[1][1].emplace_back();
        UsedItemIds["clip"] = true;
        UsedNameCounts["clip"] = 1;
        WrittenFileIds["file"] = true;
        QtCodecTable["codec"] = {};
        CodecColorSpaceMap["codec"] = "RGB";
        FCPEffectCatalogue["stale"] = {};
        LabelColorTable["stale"] = {};
        AvidMarkerColorTable["stale"] = {};
        AvidToFcpColorNames["stale"] = "Red";
    }

    testsupport::TempDir dir;

private:
    AafImportSource savedImport_;
    AafQuerySource savedQuery_;
};

// A failed conversion leaves both output paths as they were: an older file keeps its bytes, a path
// that held nothing still holds nothing, and no temporary file is left beside them. (The document and
// the log are written into temporary files and moved into place only once the whole run is done.)
TEST_F(InProcessRun, FailedConversionsLeaveTheOutputPathsAsTheyWere)
{
    struct Case {
        const char* label;
        std::function<void()> open, import, close;
    };
    const Case cases[] = {
        {"the AAF file cannot be opened", [] { throw -38; }, {}, {}},
        {"a failing AAF call", {}, [] { throw -50; }, {}},
        {"bad title data", {}, [] { throw std::string("title"); }, {}},
        {"no memory", {}, [] { throw std::bad_alloc(); }, {}},
        {"import and close fail", {}, [] { throw -50; }, [] { throw -50; }},
        {"close fails after the write", {}, {}, [] { throw -50; }},
    };
    for (const auto& c : cases) {
        for (bool older : {true, false}) {
            SCOPED_TRACE(std::string(c.label) + (older ? ", over older outputs" : ", on new paths"));
            fs::remove(dir / "out.xml");
            fs::remove(dir / "log.ini");
            if (older) {
                testsupport::WriteFile(dir / "out.xml", "an older, longer output file");
                testsupport::WriteFile(dir / "log.ini", "[General]\nLog_Num=0\n");
            }
            DocumentImportSource.open = [&c](const std::string&) {
                if (c.open)
                    c.open();
            };
            DocumentImportSource.importProject = [&c] {
                TranslationLog.emplace_back();
                RememberSourcePath("a.mov");
                if (c.import)
                    c.import();
            };
            DocumentImportSource.close = c.close;
            EXPECT_EQ(Run("2"), kExitFailure);
            if (older) {
                EXPECT_EQ(testsupport::ReadFile(dir / "out.xml"), "an older, longer output file");
                EXPECT_EQ(testsupport::ReadFile(dir / "log.ini"), "[General]\nLog_Num=0\n");
            } else {
                EXPECT_FALSE(fs::exists(dir / "out.xml"));
                EXPECT_FALSE(fs::exists(dir / "log.ini"));
            }
            EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), older ? 4 : 2)
                << "a temporary file was left";
            EXPECT_TRUE(PerRunStateIsEmpty());
        }
    }
}

TEST_F(InProcessRun, ConversionStartsAndEndsWithEmptyPerRunState)
{
    testsupport::WriteFile(dir / "media.ini",
                           "[General]\nNumber_of_File=1\n[File_0]\nOrigFilePath=old.mov\nNewFilePath=new.mov\n");
    FillPerRunState();
    SourcePathMap.clear();  // a process starts with none; only the job's end and mode 1 empty it
    bool imported = false;
    DocumentImportSource.importProject = [&] {
        imported = true;
        // Reset when the job was built; the relink list is in.
        EXPECT_TRUE(XmemlDocument.bins.empty() && XmemlDocument.projects.empty() &&
                    TranslationLog.empty() && XmlIndentDepth == 0);
        EXPECT_EQ(SourcePathMap, (std::map<std::string, std::string>{{"old.mov", "new.mov"}}));
        // The translation tables were emptied and built afresh.
        EXPECT_EQ(FCPEffectCatalogue.size(), 69u);
        for (const auto* table : {&LabelColorTable, &AvidMarkerColorTable})
            EXPECT_FALSE(table->empty() || table->contains("stale"));
        EXPECT_FALSE(AvidToFcpColorNames.empty() || AvidToFcpColorNames.contains("stale"));
        EXPECT_FALSE(QtCodecTable.empty() || QtCodecTable.contains("codec"));
        EXPECT_FALSE(CodecColorSpaceMap.empty() || CodecColorSpaceMap.contains("codec"));
        EXPECT_FALSE(FCPEffectCatalogue.contains("stale"));
        FillPerRunState();
        XmlIndentDepth = 0;
    };
    EXPECT_EQ(Run("2"), kExitSuccess);
    EXPECT_TRUE(imported);
    const std::string written = testsupport::ReadFile(dir / "out.xml");
    EXPECT_EQ(written.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u) << written;
    EXPECT_TRUE(written.ends_with("\n</xmeml>\n")) << written;
    EXPECT_TRUE(fs::exists(dir / "log.ini"));
    EXPECT_TRUE(PerRunStateIsEmpty());
    EXPECT_FALSE(XmlOutputFile.isOpen());
}

// The job's own reset empties the lists and rebuilds the tables, and keeps the settings the driver
// read before it built the job.
TEST_F(InProcessRun, EveryConversionJobEmptiesAndRebuildsTheTranslationTables)
{
    for (int job = 0; job < 2; ++job) {
        SCOPED_TRACE(job);
        FillPerRunState();
        ImportPrefs.ignoreAudio = true;
        ImportPrefs.mediaPreset.width = "1920";
        {
            ConversionJob conversion(Path("in.aaf").c_str(), Path("out.xml").c_str());
            EXPECT_TRUE(XmemlDocument.bins.empty() && TranslationLog.empty() && MobRegistry::entries.empty() &&
                        UsedItemIds.empty() && FileHeader == nullptr);
            EXPECT_EQ(FCPEffectCatalogue.size(), 69u);
            EXPECT_FALSE(FCPEffectCatalogue.contains("stale") || LabelColorTable.contains("stale") ||
                         AvidMarkerColorTable.contains("stale") || AvidToFcpColorNames.contains("stale") ||
                         QtCodecTable.contains("codec"));
            EXPECT_FALSE(LabelColorTable.empty() || AvidMarkerColorTable.empty() || AvidToFcpColorNames.empty() ||
                         QtCodecTable.empty() || CodecColorSpaceMap.empty());
            EXPECT_TRUE(ImportPrefs.ignoreAudio);
            EXPECT_EQ(OutputMediaSettings.width, 1920);
        }
        EXPECT_TRUE(PerRunStateIsEmpty());
    }
}

// A run begins where a fresh process begins, settings included.
TEST_F(InProcessRun, ARunStartsFromTheStartUpStateOfEveryLayer)
{
    FillPerRunState();
    GlobalTimelineBuilder.ItemStack.emplace_back();
    ImportPrefs.ignoreAudio = true;
    ImportPrefs.addMediaToBin = false;
    ImportPrefs.projectFormatCode = 7;
    ImportPrefs.mediaPreset.width = "1920";
    OutputMediaSettings.width = 1920;
    OutputMediaSettings.sampleRate = 96000;
    NamedParameters["xmlFilePath"] = "old.xml";
    PrefFilePath = "old.ini";
    LastErrorText = "GetHeader (FileT: GetHeader)";
    FcpFormatNameMap["stale"] = "x";
    FxPlugUuidMap["stale"] = "x";
    SlotInfo::EditRate oddRate;
    oddRate.numerator = 7;
    oddRate.denominator = 3;
    SetProjectFrameRate(oddRate);
    XmlOutputFile.setFileName(QString::fromStdString(Path("old.xml")));
    ASSERT_TRUE(XmlOutputFile.open(QIODevice::WriteOnly));

    ResetRunState();

    EXPECT_TRUE(PerRunStateIsEmpty());
    EXPECT_TRUE(GlobalTimelineBuilder.ItemStack.empty() && GlobalTimelineBuilder.SequenceStack.empty());
    const ImportPreferences defaults;
    EXPECT_EQ(ImportPrefs.ignoreAudio, defaults.ignoreAudio);
    EXPECT_EQ(ImportPrefs.addMediaToBin, defaults.addMediaToBin);
    EXPECT_EQ(ImportPrefs.projectFormatCode, defaults.projectFormatCode);
    EXPECT_EQ(ImportPrefs.GetWidth(), defaults.GetWidth());
    EXPECT_EQ(OutputMediaSettings.width, MediaSettings().width);
    EXPECT_EQ(OutputMediaSettings.sampleRate, MediaSettings().sampleRate);
    EXPECT_TRUE(NamedParameters.empty() && PrefFilePath.empty() && LastErrorText.empty());
    EXPECT_TRUE(FcpFormatNameMap.empty() && FxPlugUuidMap.empty());
    EXPECT_FALSE(XmlOutputFile.isOpen());
    EXPECT_TRUE(XmlOutputFile.fileName().isEmpty());
    EXPECT_EQ(XmemlDocument.version, 5);
    EXPECT_EQ(ProjectFrameRate().numerator, OutputMediaSettings.timecode.rateNumerator);
    EXPECT_EQ(ProjectFrameRate().denominator, OutputMediaSettings.timecode.rateDenominator);
}

TEST_F(InProcessRun, ProjectFormatQueryReplacesTheMediaSettings)
{
    std::vector<std::string> calls;
    JobQuerySource.open = [&](const std::string& path) { calls.push_back("open " + path); };
    JobQuerySource.close = [&] { calls.push_back("close"); };
    const struct {
        int stored;
        int written;
    } cases[] = {{7, 7}, {23, 23}, {99, 3}, {0, 3}};
    for (const auto& c : cases) {
        calls.clear();
        testsupport::WriteFile(dir / "media.ini", "[General]\nOther=1\n[FileName0]\nFilePath=x\n");
        JobQuerySource.readProjectFormat = [&] { SetProjectFormatCode(c.stored); };
        EXPECT_EQ(Run("0"), kExitSuccess) << c.stored;
        EXPECT_EQ(testsupport::ReadFile(dir / "media.ini"),
                  "[General]\nAAFProjectFormat=" + std::to_string(c.written) + "\n")
            << c.stored;
        EXPECT_EQ(calls, (std::vector<std::string>{"open " + Path("in.aaf"), "close"}));
    }

    // A failing query closes the file and leaves the media settings as they were.
    calls.clear();
    testsupport::WriteFile(dir / "media.ini", "[General]\nOther=1\n[FileName0]\nFilePath=x\n");
    JobQuerySource.readProjectFormat = [] { throw -50; };
    EXPECT_EQ(Run("0"), kExitFailure);
    EXPECT_EQ(calls, (std::vector<std::string>{"open " + Path("in.aaf"), "close"}));
    EXPECT_EQ(testsupport::ReadFile(dir / "media.ini"),
              "[General]\nOther=1\n[FileName0]\nFilePath=x\n");
}

// A close that fails too while a failed query unwinds must not turn the run into a success, nor
// let either query write the media settings.
TEST_F(InProcessRun, AFailingCloseAfterAFailedQueryStillFailsTheRun)
{
    const std::string before = "[General]\nOther=1\n[FileName0]\nFilePath=x\n";
    int closes = 0;
    JobQuerySource.open = [](const std::string&) {};
    JobQuerySource.close = [&] {
        ++closes;
        throw -50;
    };
    JobQuerySource.readProjectFormat = [] {
        SetProjectFormatCode(7);
        throw -50;
    };
    JobQuerySource.collectMediaPaths = [] {
        RememberSourcePath("/media/clip 1.mov");
        throw -50;
    };
    for (const char* mode : {"0", "1"}) {
        SCOPED_TRACE(mode);
        closes = 0;
        testsupport::WriteFile(dir / "media.ini", before);
        EXPECT_EQ(Run(mode), kExitFailure);
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(testsupport::ReadFile(dir / "media.ini"), before);
        EXPECT_TRUE(SourcePathMap.empty());
    }
}

TEST_F(InProcessRun, MediaListLeavesSourcePathsEmpty)
{
    for (bool fail : {false, true}) {
        JobQuerySource.collectMediaPaths = [fail] {
            RememberSourcePath("/media/clip 1.mov");
            if (fail)
                throw -50;
        };
        EXPECT_EQ(Run("1"), fail ? kExitFailure : kExitSuccess);
        EXPECT_TRUE(SourcePathMap.empty());
    }
    QSettings media(QString::fromStdString(Path("media.ini")), QSettings::IniFormat);
    EXPECT_EQ(media.value("Number_of_File").toInt(), 1);
    EXPECT_EQ(media.value("FileName0/FilePath").toString(), "/media/clip 1.mov");
    EXPECT_EQ(media.value("Other").toInt(), 1);
}

TEST_F(InProcessRun, CLocaleIsTheSameAfterEveryJob)
{
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const auto expectLocale = [&](const char* where) {
        EXPECT_EQ(std::string(std::setlocale(LC_ALL, nullptr)), before) << where;
    };
    DocumentImportSource.open = [&](const std::string&) { expectLocale("at the AAF file open"); };
    JobQuerySource.open = [&](const std::string&) { expectLocale("at the AAF file open"); };
    for (const char* mode : {"0", "1", "2"}) {
        EXPECT_EQ(Run(mode), kExitSuccess) << mode;
        expectLocale(mode);
    }
    DocumentImportSource.importProject = [] { throw -50; };
    EXPECT_EQ(Run("2"), kExitFailure);
    expectLocale("after a failed conversion");
}

TEST_F(InProcessRun, FailedWriteOfTheOutputFileRaises)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    ConversionJob job((dir / "in.aaf").c_str(), "/dev/full");
    EXPECT_THROW(job.Convert(), std::runtime_error);
}

}  // namespace
