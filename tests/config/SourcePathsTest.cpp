#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "config/PathText.h"
#include "config/SourcePaths.h"
#include "ConfigTestSupport.h"
#include "support/TestSupport.h"

namespace {

using configtest::ReadBack;
using configtest::Text;

class SourcePathsTest : public testing::Test {
protected:
    void SetUp() override { configtest::ResetConfiguration(); }
    void TearDown() override { configtest::ResetConfiguration(); }
    testsupport::TempDir dir_;
};

TEST_F(SourcePathsTest, MediaFileListAddsSortedEntriesAndKeepsOldSections)
{
    const auto path = dir_ / "media.ini";
    // As a host leaves it: CRLF, a project format key, and more sections than the new list has.
    testsupport::WriteFile(path,
                           "[General]\r\nAAFProjectFormat=5\r\nNumber_of_File=4\r\n"
                           "[FileName2]\r\nFilePath=old2\r\n"
                           "[FileName3]\r\nFilePath=\"old, 3\"\r\nFileName=Caf\\xe9.mov\r\n"
                           "FormattedPath=/x/Caf\xc3\xa9.mov\r\n");
    for (const char* p : {"file:///Media/z%20clip.mov", "file:///Media/caf%C3%A9.mxf", "file:///Media/Caf\xc3\xa9, take 2.wav"})
        RememberSourcePath(p);
    SourcePathMap["unused"] = "";  // an entry without a path is not listed
    ASSERT_TRUE(SaveMediaFileList(path.string()));

    // Written as a Qt 5 host writes: plain ASCII, every other character as a "\x" escape.
    const std::string bytes = testsupport::ReadFile(path);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_NE(bytes.find("Caf\\xe9"), std::string::npos);

    const auto ini = ReadBack(path);
    EXPECT_EQ(Text(*ini, "Number_of_File"), "3");
    EXPECT_EQ(Text(*ini, "AAFProjectFormat"), "5");
    // Byte order of the paths: "C" (0x43) before "c" and "z".
    EXPECT_EQ(Text(*ini, "FileName0/FilePath"), "file:///Media/Caf\xc3\xa9, take 2.wav");
    EXPECT_EQ(Text(*ini, "FileName0/FileName"), "Caf\xc3\xa9, take 2.wav");
    EXPECT_EQ(Text(*ini, "FileName0/FormattedPath"), "file:///Media/Caf\xc3\xa9, take 2.wav");
    EXPECT_EQ(Text(*ini, "FileName1/FilePath"), "file:///Media/caf%C3%A9.mxf");
    EXPECT_EQ(Text(*ini, "FileName1/FileName"), "caf\xc3\xa9.mxf");
    EXPECT_EQ(Text(*ini, "FileName1/FormattedPath"), "file:///Media/caf\xc3\xa9.mxf");
    EXPECT_EQ(Text(*ini, "FileName2/FilePath"), "file:///Media/z%20clip.mov");
    EXPECT_EQ(Text(*ini, "FileName2/FileName"), "z clip.mov");
    EXPECT_EQ(Text(*ini, "FileName2/FormattedPath"), "file:///Media/z clip.mov");
    EXPECT_EQ(Text(*ini, "FileName3/FilePath"), "old, 3");
    EXPECT_EQ(Text(*ini, "FileName3/FileName"), "Caf\xc3\xa9.mov");
    EXPECT_EQ(Text(*ini, "FileName3/FormattedPath"), "/x/Caf\xc3\xa9.mov");
    EXPECT_FALSE(ini->contains("FileName4/FilePath"));
}

TEST_F(SourcePathsTest, MediaFileListOverAnUnparsableFile)
{
    // Qt drops the lines it cannot parse and still writes the file: that is no write failure.
    const auto path = dir_ / "media.ini";
    testsupport::WriteFile(path, "[General\nfoo\n");
    RememberSourcePath("a.mov");
    ASSERT_TRUE(SaveMediaFileList(path.string()));
    EXPECT_EQ(Text(*ReadBack(path), "FileName0/FilePath"), "a.mov");
}

TEST_F(SourcePathsTest, MediaFileListReportsAFileItCannotWrite)
{
    RememberSourcePath("a.mov");
    testsupport::WriteFile(dir_ / "plain-file", "x");
    EXPECT_FALSE(SaveMediaFileList((dir_ / "plain-file" / "media.ini").string()));
    std::filesystem::create_directory(dir_ / "folder.ini");
    EXPECT_FALSE(SaveMediaFileList((dir_ / "folder.ini").string()));
    EXPECT_FALSE(SaveMediaFileList(""));
}

TEST_F(SourcePathsTest, RelinkListFromHostFile)
{
    const auto path = dir_ / "media.ini";
    testsupport::WriteFile(path,
                           "[General]\r\nNumber_of_File=9\r\n"
                           "[File_0]\r\nOrigFilePath=\"C:\\\\Media\\\\a, b.mov\"\r\nNewFilePath=\"D:\\\\New\\\\a, b.mov\"\r\n"
                           // File_1 is missing.
                           "[File_2]\r\nOrigFilePath=\r\nNewFilePath=/Volumes/x.mov\r\n"
                           "[File_3]\r\nOrigFilePath=\r\nNewFilePath=\r\n"
                           "[File_4]\r\nOrigFilePath=caf\\xe9.mov\r\nNewFilePath=/new/caf\xc3\xa9.mov\r\n"
                           "[File_5]\r\nOrigFilePath=dup.mov\r\nNewFilePath=first.mov\r\n"
                           "[File_6]\r\nOrigFilePath=dup.mov\r\nNewFilePath=second.mov\r\n"
                           "[File_7]\r\nNewFilePath=only-new.mov\r\n"
                           "[File_9]\r\nOrigFilePath=beyond.mov\r\nNewFilePath=ignored.mov\r\n"
                           "[File_x]\r\nOrigFilePath=odd.mov\r\nNewFilePath=ignored.mov\r\n");
    LoadMediaRelinkList(path.string());
    const std::map<std::string, std::string> expected = {
        {"C:\\Media\\a, b.mov", "D:\\New\\a, b.mov"},
        {"/Volumes/x.mov", "/Volumes/x.mov"},
        {"caf\xc3\xa9.mov", "/new/caf\xc3\xa9.mov"},
        {"dup.mov", "second.mov"},
        {"only-new.mov", "only-new.mov"},
    };
    EXPECT_EQ(SourcePathMap, expected);
}

TEST_F(SourcePathsTest, RelinkListBoundedBySectionsPresent)
{
    const auto path = dir_ / "media.ini";
    testsupport::WriteFile(path, "Number_of_File=2147483647\n[File_0]\nOrigFilePath=a\nNewFilePath=b\n");
    LoadMediaRelinkList(path.string());
    EXPECT_EQ(SourcePathMap, (std::map<std::string, std::string>{{"a", "b"}}));

    // No count, no list; no file, no list.
    SourcePathMap.clear();
    testsupport::WriteFile(path, "[File_0]\nOrigFilePath=a\nNewFilePath=b\n");
    LoadMediaRelinkList(path.string());
    LoadMediaRelinkList((dir_ / "missing.ini").string());
    LoadMediaRelinkList("");
    EXPECT_TRUE(SourcePathMap.empty());
}

TEST_F(SourcePathsTest, MapSourcePath)
{
    SourcePathMap["old%20name.mov"] = "/new/name.mov";
    const std::pair<std::string, std::string> cases[] = {
        {"old%20name.mov", "/new/name.mov"},
        {"old name.mov", "old name.mov"},
        {"other%20name.mov", "other name.mov"},
        {"caf%C3%A9.mov", "caf\xc3\xa9.mov"},
        {"Caf\xc3\xa9.mov", "Caf\xc3\xa9.mov"},
    };
    for (const auto& [in, out] : cases) {
        std::string path = in;
        MapSourcePath(path);
        EXPECT_EQ(path, out) << in;
    }
}

TEST(PathText, Operations)
{
    struct Case {
        std::string (*op)(std::string_view);
        const char* in;
        const char* out;
    } const cases[] = {
        {PercentDecode, "a%20b%2Fc", "a b/c"},
        {PercentDecode, "caf%c3%a9", "caf\xc3\xa9"},
        {PercentDecode, "Caf\xc3\xa9 %E2%82%AC", "Caf\xc3\xa9 \xe2\x82\xac"},
        {PercentDecode, "100% %zz %4", "100% %zz %4"},
        {PercentDecode, "%", "%"},
        {PercentDecode, "a%00b%0", "a%00b%0"},
        {PercentDecode, "%01%7e", "\x01~"},
        {FileNameOfPath, "/a/b/c.mov", "c.mov"},
        {FileNameOfPath, "C:\\Media\\d.mxf", "d.mxf"},
        {FileNameOfPath, "plain.wav", "plain.wav"},
        {FileNameOfPath, "folder/", ""},
        {LastFourChars, "clip.mov", ".mov"},
        {LastFourChars, "abc", "abc"},
        {LastFourChars, "clip.m\xc3\xb6v", ".m\xc3\xb6v"},
        {EncodeSpaces, "a  b c", "a%20%20b%20c"},
        {EncodeSpaces, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.op(c.in), c.out) << c.in;

    EXPECT_EQ(PercentDecodeString("x%41"), "xA");
    EXPECT_EQ(LastFourCharsOfString("x.mxf"), ".mxf");
    EXPECT_EQ(EncodeSpacesInString(" "), "%20");
    EXPECT_FLOAT_EQ(ParseFloat("1.5"), 1.5f);
    EXPECT_FLOAT_EQ(ParseFloat("-2e1"), -20.0f);
    EXPECT_FLOAT_EQ(ParseFloat("abc"), 0.0f);
    EXPECT_FLOAT_EQ(ParseFloat(""), 0.0f);
}

}  // namespace
