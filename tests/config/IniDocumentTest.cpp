#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QString>
#include <QVariant>

#include "config/IniDocument.h"
#include "support/TestSupport.h"

namespace {

// One key and what is stored under it: a text, or a number (set in QSettings as an int, the way
// the run sets its counts).
struct Setting {
    QString key;
    QVariant value;
};

// What QSettings itself writes for the settings, in a fresh file.
std::string QtBytes(const testsupport::TempDir& dir, const std::vector<Setting>& settings)
{
    // A new name each time: Qt keeps what it read of a file for later instances on that name.
    static int files = 0;
    const QString path = QString::fromStdString((dir / ("qt" + std::to_string(++files) + ".ini")).string());
    {
        QSettings qt(path, QSettings::IniFormat);
        for (const Setting& setting : settings)
            qt.setValue(setting.key, setting.value);
        qt.sync();
        EXPECT_EQ(qt.status(), QSettings::NoError);
    }
    QFile file(path);
    if (settings.empty())
        return file.exists() ? "a file" : "";  // Qt writes no file for no keys
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

// How a document is given its values: as QStrings, or in UTF-8 wherever the key and the text come
// back from UTF-8 unchanged (the rest as QStrings, so that one document holds both).
enum class Given { AsQStrings, InUtf8 };

bool SurvivesUtf8(const QString& text)
{
    return QString::fromUtf8(text.toUtf8()) == text;
}

std::string OwnBytes(const std::vector<Setting>& settings, Given given = Given::AsQStrings)
{
    IniDocument text;
    for (const Setting& setting : settings) {
        const bool number = setting.value.userType() != QMetaType::QString;
        const QString value = setting.value.toString();
        if (given == Given::InUtf8 && SurvivesUtf8(setting.key) && (number || SurvivesUtf8(value))) {
            const std::string key = setting.key.toStdString();
            if (number)
                text.SetUtf8(key, setting.value.toLongLong());
            else
                text.SetUtf8(key, value.toStdString());
        } else if (number) {
            text.Set(setting.key, setting.value.toLongLong());
        } else {
            text.Set(setting.key, value);
        }
    }
    return text.Bytes();
}

// Equal bytes, or the first line where they part (a whole-file diff of thousands of lines says less).
testing::AssertionResult SameBytes(const std::string& own, const std::string& qt)
{
    if (own == qt)
        return testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < own.size() && at < qt.size() && own[at] == qt[at])
        ++at;
    const std::size_t line = own.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = line == std::string::npos ? 0 : line + 1;
    const auto lineOf = [from](const std::string& text) { return text.substr(from, text.find('\n', from) - from); };
    return testing::AssertionFailure() << "bytes part at " << at << ": own \"" << lineOf(own) << "\", Qt \""
                                       << lineOf(qt) << "\" (sizes " << own.size() << ", " << qt.size() << ")";
}

QString Units(std::initializer_list<char16_t> units)
{
    QString text;
    for (const char16_t unit : units)
        text += QChar(unit);
    return text;
}

TEST(IniDocument, ValuesEscapeAsQtEscapesThem)
{
    const QString values[] = {
        QString(),
        QStringLiteral("plain"),
        QStringLiteral(" leading"),
        QStringLiteral("trailing "),
        QStringLiteral(" "),
        QStringLiteral("a;b"),
        QStringLiteral("Interview, take 2"),
        QStringLiteral("x=y"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("back\\slash"),
        QStringLiteral("tab\there\nline\rcr\a\b\f\v"),
        QStringLiteral("@at"),
        QStringLiteral("@@twice"),
        QStringLiteral("@ByteArray(x)"),
        QStringLiteral("@Variant(x)"),
        QStringLiteral("@Invalid()"),
        QStringLiteral("mid@dle"),
        Units({u'a', 0, u'b'}),
        Units({0, u'1', u'f', u'G'}),
        Units({0x1f, u'A', 0x7f, u'9', 0x80, u'z'}),
        QString::fromStdString("Seq\xc3\xa9" "1 caf\xc3\xa9" "bad \xc3\xa9g"),
        QString::fromStdString("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e C:\\Media\\clip.mov"),
        QString::fromStdString("\xf0\x9f\x8e\xac" "a emoji"),
        QString::fromStdString("broken \xff\xfe utf-8 \xc3"),
        Units({0xd800, u'x', 0xdfff}),
        QStringLiteral(";;;"),
        QStringLiteral("Motion Effects/Timewarp"),
        QStringLiteral("%41 not a key"),
        QStringLiteral("@Error: a, b"),
        QStringLiteral("@ "),
        QStringLiteral("@"),
        QStringLiteral(" @,"),
        QStringLiteral("a,b "),
        QStringLiteral("@x\ty"),
    };
    std::vector<Setting> settings;
    for (int i = 0; i < static_cast<int>(std::size(values)); ++i)
        settings.push_back({QStringLiteral("Log_0/Value") + QString::number(i), values[i]});
    const testsupport::TempDir dir;
    const std::string qt = QtBytes(dir, settings);
    EXPECT_TRUE(SameBytes(OwnBytes(settings), qt));
    EXPECT_TRUE(SameBytes(OwnBytes(settings, Given::InUtf8), qt));
}

TEST(IniDocument, KeysSectionsAndNumbersLayOutAsQtLaysThem)
{
    const std::vector<Setting> cases[] = {
        {},
        {{QStringLiteral("Log_Num"), 0}},
        {{QStringLiteral("Log_Num"), 2406},
         {QStringLiteral("Log_10/Clip"), QStringLiteral("b")},
         {QStringLiteral("Log_9/Clip"), QStringLiteral("a")},
         {QStringLiteral("Log_1/Translations/10/FCP"), QStringLiteral("x")},
         {QStringLiteral("Log_1/Translations/2/FCP"), QStringLiteral("y")},
         {QStringLiteral("Log_1/Translations/size"), 10},
         {QStringLiteral("Log_1/ItemID"), QStringLiteral("z")}},
        {{QStringLiteral("General/x"), QStringLiteral("1")},
         {QStringLiteral("gEnErAl/y"), QStringLiteral("2")},
         {QStringLiteral("z"), QStringLiteral("3")},
         {QStringLiteral("%General/w"), QStringLiteral("4")}},
        {{QStringLiteral("a key with spaces/and more"), QStringLiteral("v")},
         {QStringLiteral("per%cent/back\\slash"), QStringLiteral("v")},
         {QString::fromStdString("caf\xc3\xa9/\xe6\x97\xa5"), QStringLiteral("v")},
         {QString::fromStdString("\xf0\x9f\x8e\xac/k"), QStringLiteral("v")},
         {QStringLiteral("[brackets]/=;,\"#"), QStringLiteral("v")},
         {QStringLiteral("dots.and-dashes_/k"), QStringLiteral("v")}},
        {{QStringLiteral("//a//b//"), QStringLiteral("folded")},
         {QStringLiteral("/lead"), QStringLiteral("l")},
         {QStringLiteral("a/b/c/d"), QStringLiteral("deep")}},
        {{QStringLiteral("Log_1/Translations/1/Avid"), QStringLiteral("x")},
         {QStringLiteral("Log_1/Translations/1/AppliedCase"), QStringLiteral("y")},
         {QStringLiteral("Log_1/Translations/10/AppliedCase"), QStringLiteral("z")},
         {QStringLiteral("Log_1/Translations/1"), QStringLiteral("w")},
         {QStringLiteral("Log_12345678/a"), QStringLiteral("1")},
         {QStringLiteral("Log_1234567/a"), QStringLiteral("2")},
         {QStringLiteral("Log_12345678-/a"), QStringLiteral("3")},
         {QStringLiteral("Log_12345678/a"), QStringLiteral("4")}},
        {{QStringLiteral("Case/Key"), QStringLiteral("upper")},
         {QStringLiteral("case/key"), QStringLiteral("lower")},
         {QStringLiteral("Case/key"), QStringLiteral("mixed")}},
        {{QStringLiteral("FileName0/FilePath"), QStringLiteral("file:///a")},
         {QStringLiteral("twice"), QStringLiteral("first")},
         {QStringLiteral("FileName0/FilePath"), QStringLiteral("file:///b")},
         {QStringLiteral("twice"), QStringLiteral("second")},
         {QStringLiteral("Number_of_File"), -7},
         {QStringLiteral("Big"), QVariant(4294967295u)}},
    };
    const testsupport::TempDir dir;
    for (const auto& settings : cases) {
        const std::string qt = QtBytes(dir, settings);
        EXPECT_TRUE(SameBytes(OwnBytes(settings), qt)) << settings.size();
        EXPECT_TRUE(SameBytes(OwnBytes(settings, Given::InUtf8), qt)) << settings.size();
    }
}

// Values set in UTF-8 come back as QString::fromUtf8 reads them, in the order they were set among
// those set as QStrings: the form in which a rewrite merges them into what the file held.
TEST(IniDocument, ValuesSetInUtf8ComeBackAsTheirTexts)
{
    IniDocument text;
    text.SetUtf8("Log_0/Clip", "caf\xc3\xa9");
    text.Set(QStringLiteral("Log_0/Track"), QStringLiteral("V1"));
    text.SetUtf8("Log_Num", 12);
    text.SetUtf8("Log_0/Bad", std::string_view("a\0\xff", 3));
    const std::vector<IniDocument::Value> values = text.Values();
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0].key, QStringLiteral("Log_0/Clip"));
    EXPECT_EQ(values[0].text, QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(values[1].text, QStringLiteral("V1"));
    EXPECT_EQ(values[2].text, QStringLiteral("12"));
    EXPECT_EQ(values[3].text, QString::fromUtf8("a\0\xff", 3));
}

// Every UTF-16 unit, alone, before a hex digit, after NUL and amid letters, as a value and inside a key.
TEST(IniDocument, EveryUnitEscapesAsQtEscapesIt)
{
    std::vector<Setting> settings;
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        const QChar ch(static_cast<char16_t>(unit));
        const QString name = QString::number(unit, 16);
        settings.push_back({QStringLiteral("v/") + name, QString(ch) + QStringLiteral("1a ")});
        settings.push_back({QStringLiteral("w/") + name, QString(QChar(0)) + ch});
        settings.push_back({QStringLiteral("p/") + name, QStringLiteral("a") + ch + QStringLiteral("b")});
        if (unit != '/')
            settings.push_back({QStringLiteral("k") + ch + QStringLiteral("/x") + ch, QStringLiteral("v")});
    }
    const testsupport::TempDir dir;
    const std::string qt = QtBytes(dir, settings);
    EXPECT_TRUE(SameBytes(OwnBytes(settings), qt));
    EXPECT_TRUE(SameBytes(OwnBytes(settings, Given::InUtf8), qt));
}

}  // namespace
