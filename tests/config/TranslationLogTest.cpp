#include <string>

#include <gtest/gtest.h>

#include "config/LogFileWriter.h"
#include "config/NamedParameters.h"
#include "config/TranslationLog.h"
#include "ConfigTestSupport.h"
#include "support/TestSupport.h"

namespace {

using configtest::ReadBack;
using configtest::Text;

TEST(TranslationLog, StatusTexts)
{
    const std::pair<TranslationStatus, const char*> cases[] = {
        {0, ""}, {1, "ignored"}, {2, "applied"}, {3, "error"}, {4, ""}, {-1, ""}};
    for (const auto& [status, text] : cases)
        EXPECT_EQ(TranslationRecord("f", "a", "x", status).StatusText(), text) << status;
}

TEST(TranslationLog, ListIgnoredTranslations)
{
    TranslationLogEntry entry;
    EXPECT_EQ(entry.ListIgnoredTranslations("avid"), "");
    entry.AddTranslation("fa", "A", "Applied", kTranslationApplied);
    entry.AddTranslation("Not Supported", "B", "Ignored", kTranslationIgnored);
    entry.AddTranslation("fc", "C", "Error: x", kTranslationError);
    entry.AddTranslation("Not Supported", "D", "Ignored", kTranslationIgnored);
    EXPECT_EQ(entry.ListIgnoredTranslations("avid"), "B, D");
    EXPECT_EQ(entry.ListIgnoredTranslations("fcp"), "B, D");
    for (const char* side : {"", "FCP", "Avid", "other"})
        EXPECT_EQ(entry.ListIgnoredTranslations(side), "") << side;

    EXPECT_EQ(TranslationLogEntry::SetItemId("clipitem-1", entry), "clipitem-1");
    EXPECT_EQ(entry.itemId, "clipitem-1");
}

class LogFileTest : public testing::Test {
protected:
    void SetUp() override { configtest::ResetConfiguration(); }
    void TearDown() override { configtest::ResetConfiguration(); }
    testsupport::TempDir dir_;
};

TEST_F(LogFileTest, WritesEntriesAndKeepsOlderSections)
{
    const auto path = dir_ / "log.ini";
    testsupport::WriteFile(path, "[General]\r\nLog_Num=3\r\n[Log_2]\r\nClip=old\r\nTranslations\\size=0\r\n");

    TranslationLogEntry first;
    first.itemId = "Clip, 1";
    first.sequenceName = "Seq\xc3\xa9";
    first.clipName = "Interview, take 2";
    first.trackName = "V1";
    first.timecode = Timecode(0, 0, 25, 25000, 1000);
    first.AddTranslation("Cross Dissolve", "Dissolve", "Applied", kTranslationApplied);
    first.AddTranslation("", "Odd", "?", 4);
    TranslationLogEntry second;
    second.clipName = "Slug";
    second.timecode = Timecode(1800, 1, 30, 2997, 100);
    TranslationLog = {first, second};
    SetNamedParameter("logFilePath", path.string().c_str());

    ASSERT_TRUE(WriteTranslationLog());

    const auto ini = ReadBack(path);
    EXPECT_EQ(Text(*ini, "Log_Num"), "2");
    const std::pair<const char*, const char*> keys[] = {
        {"Log_0/Timecode", "00.00.00.00"},
        {"Log_0/Sequence", "Seq\xc3\xa9"},
        {"Log_0/Track", "V1"},
        {"Log_0/Clip", "Interview, take 2"},
        {"Log_0/ItemID", "Clip, 1"},
        {"Log_0/Translations/size", "2"},
        {"Log_0/Translations/1/AppliedCase", "applied"},
        {"Log_0/Translations/1/Action", "Applied"},
        {"Log_0/Translations/1/FCP", "Cross Dissolve"},
        {"Log_0/Translations/1/Avid", "Dissolve"},
        {"Log_0/Translations/2/AppliedCase", ""},
        {"Log_0/Translations/2/Avid", "Odd"},
        {"Log_1/Timecode", "00;01;00;02"},
        {"Log_1/Clip", "Slug"},
        {"Log_1/ItemID", ""},
        {"Log_2/Clip", "old"},
    };
    for (const auto& [key, value] : keys) {
        EXPECT_TRUE(ini->contains(key)) << key;
        EXPECT_EQ(Text(*ini, key), value) << key;
    }
    ini->beginGroup("Log_1");
    EXPECT_EQ(ini->beginReadArray("Translations"), 0);
    ini->endArray();
    ini->endGroup();
    EXPECT_FALSE(ini->contains("Log_0/Translations/3/Avid"));
}

TEST_F(LogFileTest, EmptyLogWritesOnlyTheCount)
{
    const auto path = dir_ / "log.ini";
    SetNamedParameter("logFilePath", path.string().c_str());
    ASSERT_TRUE(WriteTranslationLog());
    const auto ini = ReadBack(path);
    EXPECT_EQ(ini->allKeys(), QStringList{"Log_Num"});
    EXPECT_EQ(Text(*ini, "Log_Num"), "0");
}

TEST_F(LogFileTest, WriterKeepsItsOwnCopyAndReportsWriteFailure)
{
    const auto path = dir_ / "log.ini";
    TranslationLog.resize(1);
    LogFileWriter writer(path.string());
    TranslationLog.clear();
    ASSERT_TRUE(writer.Write());
    EXPECT_EQ(Text(*ReadBack(path), "Log_Num"), "1");

    testsupport::WriteFile(dir_ / "plain-file", "x");
    SetNamedParameter("logFilePath", (dir_ / "plain-file" / "log.ini").string().c_str());
    EXPECT_FALSE(WriteTranslationLog());
    SetNamedParameter("logFilePath", "");
    EXPECT_FALSE(WriteTranslationLog());
}

}  // namespace
