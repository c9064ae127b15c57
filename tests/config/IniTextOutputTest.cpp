#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include "config/IniFile.h"
#include "support/TestSupport.h"

namespace {

const std::pair<QString, QString> kSet[] = {
    {QStringLiteral("Log_Num"), QStringLiteral("2")},
    {QStringLiteral("Log_0/Clip"), QString::fromStdString("Interview, take 2 caf\xc3\xa9")},
    {QStringLiteral("Log_0/Translations/1/FCP"), QStringLiteral("Cross Dissolve")},
    {QStringLiteral("Log_0/Translations/size"), QStringLiteral("1")},
    {QStringLiteral("FileName0/FilePath"), QStringLiteral("file:///media/a%20b.mov")},
};

// What a file held before the run rewrote it: texts (raw UTF-8, escapes, CRLF, quotes, comments,
// keys that the run sets again), and values that are not texts, which QSettings itself rewrites.
const char* const kHeld[] = {
    "",
    "[General]\nLog_Num=99\nother=kept\n",
    "[General]\r\nLog_Num=3\r\n[Log_2]\r\nClip=old\r\nTranslations\\size=0\r\n",
    "[Log_0]\nClip=caf\xc3\xa9 raw\nItemID=\"quoted, with comma\"\nTrack=\\x65e5\\x672c\n",
    "; a comment\n[%General]\nx=named general\n[General]\ny=unnamed\n[sp%20ace]\nk%U00E9y=v\n",
    "[Log_5]\nClip=latin \xe9 byte\nTimecode = 01:00:00:00 \n",
    "[General]\nlist=a, b, c\nx=1\n",
    "[Log_1]\nClip=@Invalid()\n",
    "[Log_1]\nClip=@ByteArray(raw)\nItemID=@String(a)\n",
    "[Log_1]\nSize=@Size(1 2)\n",
    "no section line\nkey without value\n=empty key\n[Broken\nLog_Num=7\n",
};

std::string ThroughSettings(const std::filesystem::path& path)
{
    IniOutput file(path.string());
    for (const auto& [key, value] : kSet)
        file.settings().setValue(key, value);
    EXPECT_TRUE(file.SaveAndCommit());
    return testsupport::ReadFile(path);
}

std::string ThroughText(const std::filesystem::path& path)
{
    IniTextOutput file(path.string());
    for (const auto& [key, value] : kSet)
        file.text().Set(key, value);
    EXPECT_TRUE(file.SaveAndCommit());
    return testsupport::ReadFile(path);
}

// Whatever the file held, the run's own layout gives the bytes QSettings gives for that rewrite.
TEST(IniTextOutput, RewritesWhatTheFileHeldAsQSettingsDoes)
{
    const testsupport::TempDir dir;
    int n = 0;
    for (const char* held : kHeld) {
        ++n;
        const auto qt = dir / ("qt" + std::to_string(n) + ".ini");
        const auto own = dir / ("own" + std::to_string(n) + ".ini");
        if (*held != '\0') {
            testsupport::WriteFile(qt, held);
            testsupport::WriteFile(own, held);
        }
        EXPECT_EQ(ThroughText(own), ThroughSettings(qt)) << held;
    }
}

TEST(IniTextOutput, ReportsATargetItCannotWrite)
{
    const testsupport::TempDir dir;
    testsupport::WriteFile(dir / "plain-file", "x");
    IniTextOutput file((dir / "plain-file" / "out.ini").string());
    file.text().Set(QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_FALSE(file.SaveAndCommit());
    IniTextOutput folder(dir.path().string());
    EXPECT_FALSE(folder.SaveAndCommit());
}

}  // namespace
