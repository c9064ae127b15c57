#include "run/ConversionJob.h"

#include <clocale>
#include <stdexcept>

#include <QFile>
#include <QString>

#include "aaf/AafLibrary.h"
#include "aaf/import/EditRateConversion.h"
#include "aaf/import/EventMarkers.h"
#include "aaf/import/FileT.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/ImportPreferences.h"
#include "config/LogFileWriter.h"
#include "config/MediaSettings.h"
#include "config/NamedParameters.h"
#include "config/OutputFile.h"
#include "config/ProjectFormat.h"
#include "config/SourcePaths.h"
#include "config/TranslationLog.h"
#include "effects/FCPEffectCatalogue.h"
#include "effects/FxPlugUuidMap.h"
#include "effects/TranslationTables.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/IDTagBase.h"
#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/QtCodecTable.h"
#include "fcpxml/XmemlDocument.h"
#include "fcpxml/XmlWriter.h"
#include "platform/AafLoader.h"
#include "records/MobRegistry.h"

AafQuerySource JobQuerySource;
AafImportSource DocumentImportSource;

namespace {

constexpr int kXmemlVersion = 5;
constexpr const char* kAafLibraries[] = {"AAFCOAPI.dll", "AAFINTP.dll", "AAFPGAPI.dll"};

// Runs query between the open and the close of the AAF file. The file is closed on every way out;
// a failed close while the query's failure unwinds is dropped, so that failure is the one reported.
void WithOpenAafFile(const std::string& aafPath, const std::function<void()>& query)
{
    if (JobQuerySource.open)
        JobQuerySource.open(aafPath);
    try {
        if (query)
            query();
    } catch (...) {
        try {
            if (JobQuerySource.close)
                JobQuerySource.close();
        } catch (...) {
        }
        throw;
    }
    if (JobQuerySource.close)
        JobQuerySource.close();
}

std::runtime_error OutputFileError(const std::string& path)
{
    return std::runtime_error("Unable to write the output file \"" + path + "\": " +
                              XmlOutputFile.errorString().toStdString());
}

}  // namespace

void RunAafLibrarySequence()
{
    for (const char* name : kAafLibraries) {
        const std::string saved = LoadAafLibrary(name);
        (void)AAFUnload();
        std::setlocale(LC_ALL, saved.c_str());
    }
}

void ResetJobState()
{
    XmlIndentDepth = 0;
    ClearXmemlDocument();
    ResetTimelineBuilder();  // the item stack is left alone
    ClearImportTraversalLists();
    ClearEventMarkerMap();
    ResetProjectFrameRate();
    MobRegistry::Clear();
    ClearMasterClipMaps();
    ReleaseFileHeaderAndDictionary();
    UsedNameCounts.clear();
    UsedItemIds.clear();
    WrittenFileIds.clear();
    // The translation log with the tables; every conversion job rebuilds the tables.
    ClearTranslationTables();
}

ConversionJob::ConversionJob(const char* aafPath_, const char* xmlPath_)
    : aafPath(aafPath_ ? aafPath_ : ""), xmlPath(xmlPath_ ? xmlPath_ : ""), queryOnly(false)
{
    ResetJobState();
    BuildEffectCatalogue();
    BuildMarkerColorTables();
    BuildQtCodecTable();
    BuildCodecColorSpaceMap();
    FillFxPlugUuidMap();
    ApplyImportPreferences();
    LoadMediaRelinkList(GetNamedParameter("mediaSettingPath"));
}

ConversionJob::ConversionJob(const char* aafPath_)
    : aafPath(aafPath_ ? aafPath_ : ""), queryOnly(true)
{
    ResetJobState();
}

ConversionJob::~ConversionJob()
{
    if (queryOnly)
        return;
    XmlOutputFile.close();
    xmlOutput.reset();  // a document never committed goes
    ResetJobState();
    ClearSourcePathMap();
}

void ConversionJob::OpenXmlOutput()
{
    if (XmlOutputFile.isOpen())
        XmlOutputFile.close();
    xmlOutput.reset();
    xmlOutput = std::make_unique<OutputFile>(xmlPath);
    if (!XmlOutputFile.open(xmlOutput->descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        throw OutputFileError(xmlPath);
}

void ConversionJob::Convert()
{
    OpenXmlOutput();
    RunAafLibrarySequence();
    ExportAafToXml(kXmemlVersion, aafPath, DocumentImportSource);
    if (!XmlOutputFile.flush() || XmlOutputFile.error() != QFileDevice::NoError)
        throw OutputFileError(xmlPath);
    XmlOutputFile.close();
    // Without a log path the host asked for no log file.
    const std::string logPath = GetNamedParameter("logFilePath");
    std::unique_ptr<OutputFile> logOutput;
    if (!logPath.empty()) {
        logOutput = std::make_unique<OutputFile>(logPath);
        if (!WriteTranslationLog(*logOutput))
            throw std::runtime_error("Unable to write the log file \"" + logPath + "\"");
    }
    // Both are whole: only now do they replace what the paths held.
    xmlOutput->Commit();
    if (logOutput)
        logOutput->Commit();
}

void ConversionJob::GatherMediaPaths()
{
    RunAafLibrarySequence();
    WithOpenAafFile(aafPath, JobQuerySource.collectMediaPaths);
}

void ConversionJob::ExportMediaFileList(const std::string& mediaSettingPath)
{
    try {
        GatherMediaPaths();
        if (!SaveMediaFileList(mediaSettingPath))
            throw std::runtime_error("Unable to write the media-settings file \"" +
                                     mediaSettingPath + "\"");
    } catch (...) {
        ClearSourcePathMap();
        throw;
    }
    ClearSourcePathMap();
}

std::string ConversionJob::ReadProjectFormatName()
{
    RunAafLibrarySequence();
    WithOpenAafFile(aafPath, JobQuerySource.readProjectFormat);
    return ProjectFormatNameFromCode(ImportPrefs.projectFormatCode);
}
