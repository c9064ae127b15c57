#include "run/AafSources.h"

#include <memory>
#include <string>

#include "aaf/import/FileT.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/MediaPathQuery.h"
#include "aaf/import/ProjectFormatQuery.h"
#include "effects/EffectTranslationEntryPoints.h"
#include "run/ConversionJob.h"

namespace {

// The file of the run, from its open to its close.
std::unique_ptr<FileT> OpenAafFile;

void OpenFile(const std::string& aafPath)
{
    OpenAafFile.reset();
    OpenAafFile = std::make_unique<FileT>(aafPath.c_str());
}

// The file goes whether or not its close succeeds; a failed close raises.
void CloseFile()
{
    const std::unique_ptr<FileT> file = std::move(OpenAafFile);
    if (file)
        file->CloseFile();
}

}  // namespace

void ForgetOpenAafFile()
{
    OpenAafFile.reset();
}

void InstallAafSources()
{
    DocumentImportSource.open = OpenFile;
    DocumentImportSource.importProject = [] {
        if (OpenAafFile)
            ImportProject(EffectTranslationEntryPoints());
    };
    DocumentImportSource.close = CloseFile;
    JobQuerySource.open = OpenFile;
    JobQuerySource.readProjectFormat = [] {
        if (OpenAafFile)
            ReadProjectFormat();
    };
    JobQuerySource.collectMediaPaths = [] {
        if (OpenAafFile)
            CollectMediaPaths(*OpenAafFile);
    };
    JobQuerySource.close = CloseFile;
}
