#include "fcpxml/XmemlDocument.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "fcpxml/XmlWriter.h"

namespace {

const char kEmptyDocument[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE xmeml>\n"
    "<xmeml version=\"5\">\n"
    "</xmeml>\n";

// The AAF side of the pass: one that records its calls and fails where told.
class DocumentPass : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitXmemlDocument();
        XmlIndentDepth = 0;
        source.open = [this](const std::string& path) {
            calls.push_back("open " + path);
            if (failOpen)
                throw -38;
        };
        source.importProject = [this] {
            calls.push_back("import");
            if (failImport)
                throw -50;
        };
        source.close = [this] {
            calls.push_back("close");
            if (failClose)
                throw std::runtime_error("close failed");
        };
    }
    void TearDown() override
    {
        InitXmemlDocument();
        XmlIndentDepth = 0;
    }

    std::vector<std::string> calls;
    bool failOpen = false;
    bool failImport = false;
    bool failClose = false;
    XmlStringSink out;
    AafImportSource source;
};

TEST_F(DocumentPass, EmptyImportWritesHeaderAndClosingTag)
{
    ScopedXmlSink redirect(out);
    ExportAafToXml(5, "in.aaf", source);
    EXPECT_EQ(out.text(), kEmptyDocument);
    EXPECT_EQ(XmlIndentDepth, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"open in.aaf", "import", "close"}));
}

TEST_F(DocumentPass, VersionIsStoredAndWrittenInDecimal)
{
    ScopedXmlSink redirect(out);
    ExportAafToXml(12, "in.aaf", source);
    EXPECT_EQ(XmemlDocument.version, 12);
    EXPECT_NE(out.text().find("\n<xmeml version=\"12\">\n"), std::string::npos) << out.text();
}

TEST_F(DocumentPass, FailuresCloseTheFileAndTheFirstOneReachesTheCaller)
{
    struct Case {
        const char* label;
        bool open, import, close;
        std::vector<std::string> calls;
        std::string written;
        bool throwsInt;  // the import's or open's code, not the close's text
    };
    const Case cases[] = {
        {"open fails", true, false, false, {"open a.aaf"}, "", true},
        {"import fails", false, true, false, {"open a.aaf", "import", "close"}, "", true},
        {"import and close fail", false, true, true, {"open a.aaf", "import", "close"}, "", true},
        {"close fails after the write", false, false, true, {"open a.aaf", "import", "close"},
         kEmptyDocument, false},
    };
    for (const auto& c : cases) {
        calls.clear();
        out.clear();
        failOpen = c.open;
        failImport = c.import;
        failClose = c.close;
        ScopedXmlSink redirect(out);
        bool caughtInt = false;
        bool caughtText = false;
        try {
            ExportAafToXml(5, "a.aaf", source);
        } catch (int) {
            caughtInt = true;
        } catch (const std::runtime_error&) {
            caughtText = true;
        }
        EXPECT_EQ(caughtInt, c.throwsInt) << c.label;
        EXPECT_EQ(caughtText, !c.throwsInt) << c.label;
        EXPECT_EQ(calls, c.calls) << c.label;
        EXPECT_EQ(out.text(), c.written) << c.label;
    }
}

TEST_F(DocumentPass, WithNothingInstalledTheDocumentIsEmpty)
{
    source = AafImportSource{};
    ScopedXmlSink redirect(out);
    ExportAafToXml(5, "in.aaf", source);
    EXPECT_EQ(out.text(), kEmptyDocument);
    EXPECT_TRUE(XmemlDocument.bins.empty());
}

TEST_F(DocumentPass, ProjectsAreWrittenInsideTheRoot)
{
    ProjectInfo project;
    project.name = "A & B";
    XmemlDocument.projects.push_back(project);
    project.children = new ChildrenInfo;
    XmemlDocument.projects.push_back(project);
    ScopedXmlSink redirect(out);
    WriteXmemlDocument();
    EXPECT_EQ(out.text(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!DOCTYPE xmeml>\n"
              "<xmeml version=\"5\">\n"
              "\t<project>\n\t\t<name>A &amp; B</name>\n\t</project>\n"
              "\t<project>\n\t\t<name>A &amp; B</name>\n\t\t<children>\n\t\t</children>\n\t</project>\n"
              "</xmeml>\n");
}

TEST(XmemlDocumentModel, ClearKeepsTheVersion)
{
    XmemlDocument.version = 4;
    XmemlDocument.bins.emplace_back("AAF Import", ChildrenInfo());
    XmemlDocument.clips.emplace_back();
    XmemlDocument.projects.emplace_back();
    XmemlDocument.sequences.emplace_back(OutputMediaSettings);
    ClearXmemlDocument();
    EXPECT_EQ(XmemlDocument.version, 4);
    EXPECT_TRUE(XmemlDocument.bins.empty() && XmemlDocument.clips.empty() &&
                XmemlDocument.projects.empty() && XmemlDocument.sequences.empty());
    InitXmemlDocument();
    EXPECT_EQ(XmemlDocument.version, 5);
}

TEST(XmemlDocumentModel, AddSequenceToFirstBin)
{
    InitXmemlDocument();
    AddSequenceToFirstBin(FCPSequenceTag(OutputMediaSettings));
    EXPECT_TRUE(XmemlDocument.bins.empty());

    XmemlDocument.bins.emplace_back("first", ChildrenInfo());
    XmemlDocument.bins.emplace_back("second", ChildrenInfo());
    XmemlDocument.bins.front().children.reset();
    AddSequenceToFirstBin(FCPSequenceTag(OutputMediaSettings));
    EXPECT_EQ(XmemlDocument.bins.front().children, nullptr);
    EXPECT_TRUE(XmemlDocument.bins.back().children->sequences.empty());

    XmemlDocument.bins.front() = XmemlDocument.bins.back();
    AddSequenceToFirstBin(FCPSequenceTag(OutputMediaSettings));
    AddSequenceToFirstBin(FCPSequenceTag(OutputMediaSettings));
    EXPECT_EQ(XmemlDocument.bins.front().children->sequences.size(), 2u);
    EXPECT_TRUE(XmemlDocument.bins.back().children->sequences.empty());
    InitXmemlDocument();
}

TEST(XmemlDocumentModel, ProjectCopiesOwnTheirChildren)
{
    ProjectInfo a;
    a.name = "a";
    a.children = new ChildrenInfo;
    a.children->sequences.emplace_back(OutputMediaSettings);

    ProjectInfo b(a);
    ASSERT_NE(b.children, nullptr);
    EXPECT_NE(b.children, a.children);
    EXPECT_EQ(b.children->sequences.size(), 1u);

    const ProjectInfo& self = a;
    a = self;
    ASSERT_NE(a.children, nullptr);
    EXPECT_EQ(a.children->sequences.size(), 1u);

    ProjectInfo none;
    b = none;
    EXPECT_EQ(b.children, nullptr);
    none = a;
    a = ProjectInfo();
    EXPECT_EQ(none.children->sequences.size(), 1u);
}

}  // namespace
