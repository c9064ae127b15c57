#include "fcpxml/XmemlDocument.h"

#include <utility>

#include "fcpxml/XmlWriter.h"

XmemlDocumentInfo XmemlDocument;

ProjectInfo::ProjectInfo(const ProjectInfo& other)
    : name(other.name), children(other.children ? new ChildrenInfo(*other.children) : nullptr)
{
}

ProjectInfo& ProjectInfo::operator=(const ProjectInfo& other)
{
    // Copy first, then replace, so assigning a project to itself keeps its children.
    ChildrenInfo* copy = other.children ? new ChildrenInfo(*other.children) : nullptr;
    delete children;
    children = copy;
    name = other.name;
    return *this;
}

ProjectInfo::~ProjectInfo()
{
    delete children;
}

void InitXmemlDocument()
{
    XmemlDocument.version = 5;
    ClearXmemlDocument();
}

void ClearXmemlDocument()
{
    XmemlDocument.bins.clear();
    XmemlDocument.clips.clear();
    XmemlDocument.projects.clear();
    XmemlDocument.sequences.clear();
}

void AddSequenceToFirstBin(FCPSequenceTag sequence)
{
    if (XmemlDocument.bins.empty() || !XmemlDocument.bins.front().children)
        return;
    XmemlDocument.bins.front().children->sequences.push_back(std::move(sequence));
}

void WriteXmemlHeader()
{
    WriteXmlRaw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    WriteXmlRaw("<!DOCTYPE xmeml>\n");
    WriteXmlRaw(("<xmeml version=\"" + std::to_string(XmemlDocument.version) + "\">\n").c_str());
    ++XmlIndentDepth;
}

void WriteProject(ProjectInfo& project)
{
    WriteXmlContainerOpen("project");
    WriteXmlTextElement("name", project.name);
    if (project.children)
        project.children->WriteChildren();
    WriteXmlContainerClose("project");
}

void WriteAllProjects()
{
    for (auto& project : XmemlDocument.projects)
        WriteProject(project);
}

void WriteAllBins()
{
    for (auto& bin : XmemlDocument.bins)
        bin.WriteBin();
}

void WriteAllClips()
{
    for (auto& clip : XmemlDocument.clips)
        clip.WriteClip();
}

void WriteAllSequences()
{
    for (auto& sequence : XmemlDocument.sequences)
        sequence.WriteSequence();
}

void WriteXmemlDocument()
{
    // The document is some hundred writes a clip; the sink gets them in large blocks.
    BufferedXmlSink buffered(CurrentXmlSink());
    ScopedXmlSink scope(buffered);
    WriteXmemlHeader();
    WriteAllProjects();
    WriteAllBins();
    WriteAllClips();
    WriteAllSequences();
    --XmlIndentDepth;
    WriteXmlIndent();
    WriteXmlTag("xmeml", false);
    WriteXmlNewline();
}

namespace {

void CloseAafFile(const AafImportSource& source)
{
    if (source.close)
        source.close();
}

}  // namespace

void ExportAafToXml(int version, const std::string& aafPath, const AafImportSource& source)
{
    XmemlDocument.version = version;
    if (source.open)
        source.open(aafPath);
    try {
        if (source.importProject)
            source.importProject();
        WriteXmemlDocument();
    } catch (...) {
        try {
            CloseAafFile(source);
        } catch (...) {
            // The failure already unwinding is the one the caller must see.
        }
        throw;
    }
    CloseAafFile(source);
}
