// Titles of the samples through whole conversions: the one title with title bytes becomes a Text
// generator holding what its bytes say, titles without bytes become slugs, and damaged title bytes
// cost only their own title.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <QSettings>
#include <QString>

#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "support/XmemlValidation.h"

namespace {

struct Record {
    std::string item, status, fcp, avid, action;
    bool operator==(const Record&) const = default;
};

[[maybe_unused]] std::ostream& operator<<(std::ostream& out, const Record& r)
{
    return out << r.item << ": " << r.status << " " << r.fcp << " / " << r.avid << " / " << r.action;
}

// The log's records whose FCP name is the title's.
std::vector<Record> TitleRecords(const std::filesystem::path& logFile)
{
    std::vector<Record> records;
    QSettings log(QString::fromStdString(logFile.string()), QSettings::IniFormat);
    const int count = log.value("Log_Num").toInt();
    for (int i = 0; i < count; ++i) {
        log.beginGroup("Log_" + QString::number(i));
        const std::string item = log.value("ItemID").toString().toStdString();
        const int n = log.beginReadArray("Translations");
        for (int j = 0; j < n; ++j) {
            log.setArrayIndex(j);
            if (log.value("FCP").toString() == "Text Generator")
                records.push_back({item, log.value("AppliedCase").toString().toStdString(),
                                   log.value("FCP").toString().toStdString(), log.value("Avid").toString().toStdString(),
                                   log.value("Action").toString().toStdString()});
        }
        log.endArray();
        log.endGroup();
    }
    return records;
}

std::string Squeezed(const std::string& text)
{
    std::string out;
    for (const char c : text)
        if (c != '\t' && c != '\n')
            out += c;
    return out;
}

// The value of a generator parameter, with its sub-elements, whitespace removed.
std::string ParameterValue(const std::string& document, const std::string& id)
{
    const std::size_t at = document.find("<parameterid>" + id + "</parameterid>");
    const std::size_t end = document.find("</parameter>", at);
    if (at == std::string::npos || end == std::string::npos)
        return "(none)";
    const std::string parameter = document.substr(at, end - at);
    const std::size_t value = parameter.rfind("<value>");
    const std::size_t close = parameter.rfind("</value>");
    if (value == std::string::npos || close == std::string::npos || close < value)
        return "(none)";
    return Squeezed(parameter.substr(value + 7, close - value - 7));
}

class SampleTitles : public testing::Test {
protected:
    testsupport::ProcessResult Convert(const std::filesystem::path& aaf)
    {
        std::filesystem::remove(dir_ / "log.ini");
        std::filesystem::remove(dir_ / "out.xml");
        return testsupport::RunConverter({"2", aaf.string(), "out.xml", "", "", "log.ini"}, dir_.path());
    }
    std::string Document() const { return testsupport::ReadFile(dir_ / "out.xml"); }

    testsupport::TempDir dir_;
};

// The title's bytes (essence_group.aaf, Title_2, 702 bytes), read by hand from the dump tool's
// --model --all-bytes output:
//   54 "MAC"; 60 long comment, length 344, tag "Page" at 79; its font names at 142: one entry, 9
//   bytes "Helvetica" in 255 bytes of storage, id 0x0015.
//   410 long comment, length 284, tag "Text" at 429; Rect at 450: top 205, left 372, bottom 253,
//   right 477; Color at 476: 0xffff each; Font at 636: text "ALT" (3 bytes, one pad byte), one
//   style run: line height 48, ascent 37, font 0x0015, face 1 (bold), size 48; Align at 670: 1
//   (centre); Leading at 682: 0; 700 end of picture.
// Hence origin x = (372 + 477) / 2 / 800 - 0.5 = 0.030625; y = (205 + 253) / 2 / 486 - 0.5, then
// one whole line of 48 in a box of 48: - ((0.5 - 1) * 48 + (48 - 37)) / 486, so -0.00205761.
TEST_F(SampleTitles, TheTitleBytesOfEssenceGroupBecomeATextGenerator)
{
    REQUIRE_SHARED_DIR();
    const auto result = Convert(testsupport::SharedDir() / "aaf-samples" / "essence_group.aaf");
    ASSERT_EQ(result.exitCode, 1) << result.err;
    const std::string document = Document();
    ASSERT_NE(document.find("<generatoritem id=\"Title\">"), std::string::npos);
    EXPECT_NE(document.find("<name>ALT</name>"), std::string::npos);
    const struct {
        const char* id;
        const char* value;
    } parameters[] = {
        {"str", "ALT"},
        {"fontname", "Helvetica"},
        {"fontsize", "36"},
        {"fontstyle", "2"},
        {"fontalign", "2"},
        {"leading", "0"},
        {"fontcolor", "<alpha>255</alpha><red>255</red><green>255</green><blue>255</blue>"},
        {"origin", "<horiz>0.030625</horiz><vert>-0.00205761</vert>"},
    };
    for (const auto& p : parameters)
        EXPECT_EQ(ParameterValue(document, p.id), p.value) << p.id;
    const std::vector<Record> applied{{"Title", "applied", "Text Generator", "Title Tool", "Applied"}};
    EXPECT_EQ(TitleRecords(dir_ / "log.ini"), applied);
    EXPECT_VALID_XMEML(document);
}

TEST_F(SampleTitles, TitlesWithoutTitleBytesBecomeSlugs)
{
    REQUIRE_SHARED_DIR();
    const auto result = Convert(testsupport::SharedDir() / "aaf-samples" / "test_file_01.aaf");
    ASSERT_EQ(result.exitCode, 1) << result.err;
    const std::vector<Record> records = TitleRecords(dir_ / "log.ini");
    ASSERT_EQ(records.size(), 2u);
    for (const Record& r : records) {
        EXPECT_EQ(r.status, "error");
        EXPECT_EQ(r.action, "Invalid Title Info - Clip replaced with Slug");
    }
    EXPECT_EQ(Document().find("<generatoritem"), std::string::npos);
}

// Both copies of the title's bytes (the sequence's and the title template's) lose their first long
// comment's opcode.
TEST_F(SampleTitles, DamagedTitleBytesCostOnlyTheTitle)
{
    REQUIRE_SHARED_DIR();
    std::string bytes = testsupport::ReadFile(testsupport::SharedDir() / "aaf-samples" / "essence_group.aaf");
    const std::string page("\x00\xa1\x00\x64\x01\x58" "AVID", 10);
    int damaged = 0;
    for (std::size_t at = bytes.find(page); at != std::string::npos; at = bytes.find(page, at + 1), ++damaged)
        bytes[at + 1] = '\xa2';
    ASSERT_EQ(damaged, 2);
    testsupport::WriteFile(dir_ / "damaged.aaf", bytes);

    const auto result = Convert(dir_ / "damaged.aaf");
    ASSERT_EQ(result.exitCode, 1) << result.err;
    const std::vector<Record> records = TitleRecords(dir_ / "log.ini");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].status, "error");
    EXPECT_EQ(records[0].action, "Error: Unexpected Title Text");
    const std::string document = Document();
    EXPECT_EQ(document.find("<generatoritem"), std::string::npos);
    EXPECT_NE(document.find("<name>Slug</name>"), std::string::npos);
    EXPECT_VALID_XMEML(document);
}

}  // namespace
