// Run mode 1 over the real sample files: the media-settings file lists, in byte order, one media
// path per master mob as the file's stored locators give it, whole and decoded.
#include <set>
#include <string>

#include <QSettings>
#include <QString>

#include "support/StoredSources.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Each %XX is the byte it gives ("%00" stays).
std::string Decoded(const std::string& text)
{
    const auto hex = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0 &&
            (text[i + 1] != '0' || text[i + 2] != '0')) {
            out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string AfterLastSeparator(const std::string& path)
{
    const std::size_t at = path.find_last_of("/\\");
    return at == std::string::npos ? path : path.substr(at + 1);
}

// The path each master mob stands for: the first, in byte order, of its slots' media paths.
std::set<std::string> ExpectedPaths(const fs::path& sample)
{
    const testsupport::StoredSources stored(sample);
    EXPECT_TRUE(stored.Read()) << sample;
    std::set<std::string> expected;
    if (!stored.Read())
        return expected;
    for (const auto master : stored.MasterMobs()) {
        std::set<std::string> paths;
        for (const auto& slot : stored.SlotsOf(master)) {
            const auto path = stored.MediaPath(slot.fileMob);
            if (path && !path->empty())
                paths.insert(*path);
        }
        if (!paths.empty())
            expected.insert(*paths.begin());
    }
    return expected;
}

std::string Value(QSettings& settings, const std::string& key)
{
    return settings.value(QString::fromStdString(key)).toString().toStdString();
}

TEST(MediaListSamples, EverySampleListsTheMediaPathsOfItsMasterMobs)
{
    REQUIRE_SHARED_DIR();
    testsupport::TempDir dir;
    std::size_t listed = 0;
    for (const fs::path& sample : testsupport::SampleFiles()) {
        const std::string name = sample.filename().string();
        SCOPED_TRACE(name);
        fs::remove(dir / "media.ini");
        const auto result = testsupport::RunConverter({"1", sample.string(), "", "", "media.ini", ""}, dir.path());
        EXPECT_EQ(result.exitCode, 1) << result.out << result.err;
        EXPECT_EQ(result.out, "");

        const std::set<std::string> expected = ExpectedPaths(sample);
        QSettings settings(QString::fromStdString((dir / "media.ini").string()), QSettings::IniFormat);
        EXPECT_EQ(settings.value("Number_of_File").toInt(), static_cast<int>(expected.size()));
        int i = 0;
        for (const std::string& path : expected) {
            const std::string section = "FileName" + std::to_string(i++) + "/";
            EXPECT_EQ(Value(settings, section + "FilePath"), path);
            EXPECT_EQ(Value(settings, section + "FormattedPath"), Decoded(path));
            EXPECT_EQ(Value(settings, section + "FileName"), AfterLastSeparator(Decoded(path)));
        }
        EXPECT_FALSE(settings.contains(QString::fromStdString("FileName" + std::to_string(i) + "/FilePath")));
        listed += expected.size();
    }
    RecordProperty("media paths listed", static_cast<int>(listed));
    EXPECT_GT(listed, 0u);
}

TEST(MediaListSamples, ExternalMediaKeepsEveryCharacterOfItsPath)
{
    REQUIRE_SHARED_DIR();
    struct Case {
        const char* sample;
        const char* decodedPart;  // a part of the path beyond plain ASCII, or its file name
    };
    const Case cases[] = {
        {"PT_WAV_External.aaf", "/LibAAFTestFiles/res/1000hz-18dbs16b44.1k.wav"},
        // Arabic folder name, percent-encoded in the file.
        {"PT_UTF8_EssencePath.aaf", "/\xd8\xa7\xd9\x84\xd9\x81\xd9\x88\xd8\xb6\xd9\x89/PT_UTF8_EsszxcxBYZCdpbxHBBB.wav"},
        {"PT_lang_ja.aaf", "/LibAAFTestFiles/tmp/dumb/PT_lang_ja"},
    };
    testsupport::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sample);
        const fs::path sample = testsupport::SharedDir() / "aaf-samples" / c.sample;
        const auto result = testsupport::RunConverter({"1", sample.string(), "", "", "media.ini", ""}, dir.path());
        ASSERT_EQ(result.exitCode, 1);
        QSettings settings(QString::fromStdString((dir / "media.ini").string()), QSettings::IniFormat);
        const int count = settings.value("Number_of_File").toInt();
        ASSERT_GT(count, 0);
        for (int i = 0; i < count; ++i) {
            const std::string formatted = Value(settings, "FileName" + std::to_string(i) + "/FormattedPath");
            EXPECT_NE(formatted.find(c.decodedPart), std::string::npos) << formatted;
            EXPECT_EQ(formatted.find('?'), std::string::npos) << formatted;
        }
        fs::remove(dir / "media.ini");
    }
}

}  // namespace
