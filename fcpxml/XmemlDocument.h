#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fcpxml/DocumentBody.h"

// An xmeml project: a name and, when it has any, its children.
struct ProjectInfo {
    std::string name;
    ChildrenInfo* children = nullptr;  // owned; null when the project has no children

    ProjectInfo() = default;
    ProjectInfo(const ProjectInfo& other);
    ProjectInfo& operator=(const ProjectInfo& other);
    ~ProjectInfo();
};

// The document being built: the whole import lands here before the first byte is written.
struct XmemlDocumentInfo {
    int version = 5;
    std::vector<BinInfo> bins;
    std::vector<FCPClipTag> clips;
    std::vector<ProjectInfo> projects;
    std::vector<FCPSequenceTag> sequences;
};

extern XmemlDocumentInfo XmemlDocument;

// Version 5 and four empty lists, as at start-up.
void InitXmemlDocument();
// Empties the four lists; the version stays.
void ClearXmemlDocument();
// Appends sequence (moved in where the caller is done with it) to the first bin's children; nothing
// when there is no bin or the first bin has no children.
void AddSequenceToFirstBin(FCPSequenceTag sequence);

// The declaration, the doctype and the opening xmeml line at the left margin; then one level deeper.
void WriteXmemlHeader();
void WriteAllProjects();
void WriteAllBins();
void WriteAllClips();
void WriteAllSequences();
void WriteProject(ProjectInfo& project);
// The header, every list in document order, and the closing xmeml tag at the left margin.
void WriteXmemlDocument();

// The AAF side of the document pass, handed in by its caller: the file open, import and close. An
// entry left empty does nothing; with all empty the pass imports nothing and the document holds no
// bins.
struct AafImportSource {
    std::function<void(const std::string& aafPath)> open;
    std::function<void()> importProject;
    std::function<void()> close;
};

// The document pass of a conversion: stores version, opens the AAF file, imports it, writes the
// whole document and closes the file. The file is closed on every way out; a failed close while
// another failure unwinds is dropped so that the first failure reaches the caller.
void ExportAafToXml(int version, const std::string& aafPath, const AafImportSource& source);
