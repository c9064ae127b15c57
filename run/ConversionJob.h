#pragma once

#include <functional>
#include <memory>
#include <string>

#include "fcpxml/XmemlDocument.h"

class OutputFile;

// The AAF file access of the two queries (run modes 0 and 1). InstallAafSources fills in the file
// open, format query, media collection and close; with nothing filled in a query opens nothing and
// finds nothing. Tests replace it.
struct AafQuerySource {
    std::function<void(const std::string& aafPath)> open;
    // Stores the code of the first top-level composition that carries one (SetProjectFormatCode).
    std::function<void()> readProjectFormat;
    // Records every master mob's media file path in SourcePathMap (RememberSourcePath).
    std::function<void()> collectMediaPaths;
    std::function<void()> close;
};

extern AafQuerySource JobQuerySource;

// The AAF file access of the conversion (run mode 2), handed to the document pass. Filled like
// JobQuerySource; tests replace it.
extern AafImportSource DocumentImportSource;

// One run's way to the AAF file: resets the per-run state when built, and for a conversion fills the
// per-run tables, writes the output file through the document pass and writes the log file.
class ConversionJob {
public:
    // The conversion job of run mode 2.
    ConversionJob(const char* aafPath, const char* xmlPath);
    // A query-only job of run mode 0 or 1; builds no table and reads no file.
    explicit ConversionJob(const char* aafPath);
    ~ConversionJob();
    ConversionJob(const ConversionJob&) = delete;
    ConversionJob& operator=(const ConversionJob&) = delete;

    // Opens XmlOutputFile on a temporary file beside the output path (or on the device it names);
    // raises when it cannot be opened.
    void OpenXmlOutput();
    // Run mode 2: output file, AAF libraries, document pass, log file. The document and the log
    // go into temporary files moved into place once both are whole; on any failure, including a
    // failed write of either, it raises and both paths hold what they held before.
    void Convert();
    // Fills SourcePathMap with the AAF file's media file paths.
    void GatherMediaPaths();
    // Run mode 1: adds the media file list to the media-settings file; raises when it cannot be
    // written. SourcePathMap is empty afterwards.
    void ExportMediaFileList(const std::string& mediaSettingPath);
    // Run mode 0's query: the project format name of the AAF file.
    std::string ReadProjectFormatName();

private:
    std::string aafPath;
    std::string xmlPath;
    bool queryOnly;
    std::unique_ptr<OutputFile> xmlOutput;
};

// Empties all per-run state.
void ResetJobState();

// The AAF SDK's three libraries, each loaded from the current folder and unloaded again; the C
// locale is the same afterwards as before.
void RunAafLibrarySequence();
