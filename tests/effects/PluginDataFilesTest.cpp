// The plug-ins' parameter data files: fields and lines, codes, name forms, where the files are
// looked for, and the table and mappings built from them.
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "effects/EffectsState.h"
#include "effects/plugins/PluginDataFiles.h"
#include "effects/plugins/PluginNames.h"
#include "effects/plugins/PluginParameterCodes.h"
#include "effects/plugins/PluginParameterLine.h"
#include "effects/plugins/PluginParameterTable.h"
#include "fcpxml/EffectInfo.h"
#include "platform/Registry.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Fields(const PluginParameterLine& line) { return {std::begin(line.fields), std::end(line.fields)}; }

TEST(PluginDataLine, FieldsOfTheWorkedLines)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> fields;
    } cases[] = {
        {"a closing quote opens the next field", "12 \"a b\" c d", {"12", "a b", "c d", "", ""}},
        {"a backslash keeps a quote; field 3 keeps blanks", "7 x \\\"y z", {"7", "x", "\"y", "z", ""}},
        {"field 3 runs to the end unless quoted", "3 {1-2} menu Glow Amount", {"3", "{1-2}", "menu", "Glow Amount", ""}},
        {"a quoted field 3 lets a field 4 follow", "3 id double \"Glow Amount\" 0.5",
         {"3", "id", "double", "Glow Amount", "0.5"}},
        {"blanks inside braces stay", "4 {a b} c", {"4", "{a b}", "c", "", ""}},
        {"leading blanks of a quoted field are skipped", "5 \"  x\"", {"5", "x", "", "", ""}},
        {"a tab is an ordinary character", "6\tx y", {"6\tx", "y", "", "", ""}},
        {"an empty line", "", {"", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Fields(ParsePluginDataLine(c.text)), c.fields);
    }
}

TEST(PluginDataLine, MinusOneTakesTheIdOfTheLineBeforeItInAnyFile)
{
    ParsePluginDataLine("42 a b c");
    EXPECT_EQ(ParsePluginDataLine("-1 d e f").fields[0], "42");
    std::istringstream other("-1 g h i\n43 j\n-1 k\n");
    const auto lines = ReadPluginDataLines(other);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].fields[0], "42");
    EXPECT_EQ(lines[1].fields[0], "43");
    EXPECT_EQ(lines[2].fields[0], "43");
    // A new run starts as a fresh process does, with nothing remembered.
    ResetEffectsState();
    EXPECT_EQ(ParsePluginDataLine("-1 d e f").fields[0], "");
}

TEST(PluginDataLine, LinesOfAStream)
{
    const std::string tooLong = "9 " + std::string(kMaxPluginDataLineLength, 'x');
    const std::string longest = "8 " + std::string(kMaxPluginDataLineLength - 2, 'x');
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> firstFields;  // field 0 and field 3 of every line read
    } cases[] = {
        {"a last line without a line break is read", "1 a b c\n2 d e f", {"1 c", "2 f"}},
        {"a carriage return is not part of the last field", "1 a b Some Name\r\n2 a b \"q\" 5\r\n",
         {"1 Some Name", "2 q"}},
        {"an empty line in the middle is a row", "1 a b c\n\n3 a b c\n", {"1 c", " ", "3 c"}},
        {"the longest line fits", longest + "\n5 a b c\n", {"8 ", "5 c"}},
        {"a line too long ends the reading with the rows so far", "1 a b c\n" + tooLong + "\n5 a b c\n", {"1 c"}},
        {"no bytes, no rows", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.bytes);
        std::vector<std::string> got;
        for (const PluginParameterLine& line : ReadPluginDataLines(in))
            got.push_back(line.fields[0] + " " + line.fields[3]);
        EXPECT_EQ(got, c.firstFields);
    }
}

TEST(PluginParameterCodes, AuidsFromHexText)
{
    const struct {
        const char* text;
        const char* auid;
    } cases[] = {
        {"0c3bea40-fc05-11d2-8a29-0050040ef7d2", "{0x0c3bea40, 0xfc05, 0x11d2, {0x8a, 0x29, 0x00, 0x50, 0x04, 0x0e, 0xf7, 0xd2}}"},
        {"0C3BEA40FC0511D28A290050040EF7D2", "{0x0c3bea40, 0xfc05, 0x11d2, {0x8a, 0x29, 0x00, 0x50, 0x04, 0x0e, 0xf7, 0xd2}}"},
        // An opening brace is a zero digit and shifts every digit after it by one place.
        {"{0c3bea40-fc05-11d2-8a29-0050040ef7d2}", "{0x00c3bea4, 0x0fc0, 0x511d, {0x28, 0xa2, 0x90, 0x05, 0x00, 0x40, 0xef, 0x7d}}"},
        {"12ab", "{0x12ab0000, 0x0000, 0x0000, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}}"},
        {"", "{0x00000000, 0x0000, 0x0000, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}}"},
        {"zz-zz 11", "{0x00000110, 0x0000, 0x0000, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AuidToText(AuidFromHexText(c.text)), c.auid) << c.text;
}

TEST(PluginParameterCodes, KindAndValueTypeWords)
{
    const struct {
        const char* kind;
        const char* fcpType;
        int kindCode;
        int valueType;
    } cases[] = {
        {"plugin", "x", 1, 0},     {"Group", "x", 2, 0},     {"MENU", "popup", 3, 18}, {"uint", "", 4, 3},
        {"double", "float", 5, 4}, {"boolean", "", 6, 5},    {"Bool", "", 6, 5},       {"color", "", 7, 16},
        {"red", "", 8, 10},        {"green", "", 9, 11},     {"blue", "", 10, 12},     {"point", "", 11, 0},
        {"pointx", "", 12, 7},     {"PointY", "", 13, 8},    {"layer", "", 14, 0},     {"knob", "", 0, 0},
        // The FCP type word decides first: "nodata" exactly, "layer" in any case.
        {"double", "nodata", 5, 0}, {"double", "NoData", 5, 4}, {"menu", "Layer", 3, 17}, {"knob", "LAYER", 0, 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " / " + c.fcpType);
        EXPECT_EQ(PluginParameterKindFromWord(c.kind), c.kindCode);
        EXPECT_EQ(ParseFCPValueType(c.kind, c.fcpType), c.valueType);
    }
    EXPECT_EQ(LeadingInt(" -12x"), -12);
    EXPECT_EQ(LeadingInt("abc"), 0);
    EXPECT_EQ(LeadingInt("99999999999"), 2147483647);
}

constexpr PluginNamePair kAliases[] = {
    {"ZRQ Glow Lite", "ZRQ Glow"},
    {"ZRQ Glow Soft", "ZRQ Glow"},  // sorts after "ZRQ Glow Lite": the reverse lookup's answer
    {"KVX Grain", "KVX Film Grain"},
};

TEST(PluginNames, AliasesAndRealTimeForms)
{
    const struct {
        const char* name;
        const char* alias;
        const char* rtForm;
    } cases[] = {
        {"ZRQ Glow Lite", "ZRQ Glow", ""},
        {"ZRQ Glow", "ZRQ Glow Soft", ""},
        {"KVX Film Grain", "KVX Grain", ""},
        {"ZRQ  RT Glow", "ZRQ Glow RT", "ZRQ Glow RT"},
        {"ZRQ Glow RT", "ZRQ  RT Glow", "ZRQ  RT Glow"},
        {"Glow RT", "", ""},                  // " RT" without the line prefix
        {"ZRQ Blur TR Soft", "ZRQ Blur", "ZRQ Blur"},
        {"ZRQ Blur", "", ""},
        // Too short for the form: the prefix and the suffix overlap.
        {"ZRQ RT", "", ""},
        {"ZRQ  RT ", "ZRQ  RT", "ZRQ  RT"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PluginNameAlias(c.name, kAliases), c.alias);
        EXPECT_EQ(PluginRtNameForm(c.name), c.rtForm);
    }
    constexpr PluginNamePair kFixUps[] = {{"Glow", "ZRQ Glow"}};
    EXPECT_EQ(FixPluginDisplayName("Glow", kFixUps), "ZRQ Glow");
    EXPECT_EQ(FixPluginDisplayName("glow", kFixUps), "glow");
    EXPECT_EQ(FixPluginDisplayName("Glow", {}), "Glow");
}

TEST(PluginParameterTable, GlowRowsAreRenumbered)
{
    std::vector<PluginParameterLine> rows(6);
    const char* ids[] = {"7536659", "7536660", "7536675", "7536676", "7536658", "1"};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].fields[0] = ids[i];
    RenumberGlowRows(rows);
    std::vector<std::string> got;
    for (const auto& row : rows)
        got.push_back(row.fields[0]);
    EXPECT_EQ(got, (std::vector<std::string>{"7536675", "7536659", "7536674", "7536676", "7536658", "1"}));
}

// Data folders in a temporary root, with or without a registry file naming it.
class PluginDataFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        fs::current_path(dir_.path());
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        unsetenv(kRegistryFileVariable);
    }

    void Registry(const std::string& root)
    {
        testsupport::WriteFile(dir_ / "registry.ini",
                               "[SOFTWARE\\Tarvo FX, Inc.\\Tarvo Ostrani]\nTarvo_XML_Data=" + root + "\n");
        setenv(kRegistryFileVariable, (dir_ / "registry.ini").c_str(), 1);
    }

    void File(const fs::path& path, const std::string& bytes)
    {
        fs::create_directories((dir_.path() / path).parent_path());
        testsupport::WriteFile(dir_.path() / path, bytes);
    }

    static std::string FirstLine(std::ifstream in)
    {
        std::string line;
        if (in.is_open())
            std::getline(in, line);
        return line;
    }

    testsupport::TempDir dir_;
    fs::path previous_;
};

TEST_F(PluginDataFolders, FilesAreLookedForUnderTheRegistryRoot)
{
    Registry((dir_.path() / "data").string() + "\\");
    File("data/Solvane_Complete/ZRQ6_FCP/ZRQ Glow.txt", "zrq6");
    File("data/Kelvane/KVX_FCP/ZRQ Glow.txt", "kvx");
    File("data/Kelvane/KVX_AAF/ZRQ Glow.txt", "kvx aaf");
    File("data/Solvane_Complete/ZRQ7_FCP/ZRQ Glow Soft.txt", "alias");
    File("ZRQ Glow.txt", "current directory");
    EXPECT_EQ(FirstLine(OpenFCPPluginDataFile("ZRQ Glow", {})), "zrq6");    // ZRQ7 has none: the next folder
    EXPECT_EQ(FirstLine(OpenAvidPluginDataFile("ZRQ Glow", {})), "kvx aaf");
    EXPECT_EQ(FirstLine(OpenFCPPluginDataFile("ZRQ Glow Lite", kAliases)), "zrq6");  // through the alias
    File("data/Solvane_Complete/ZRQ7_FCP/ZRQ Glow.txt", "zrq7");
    EXPECT_EQ(FirstLine(OpenFCPPluginDataFile("ZRQ Glow", {})), "zrq7");
    EXPECT_FALSE(OpenFCPPluginDataFile("ZRQ Unknown", kAliases).is_open());
}

TEST_F(PluginDataFolders, RegistryStatesDecideTheRoot)
{
    File("ZRQ Glow.txt", "current directory");
    File("Solvane_Complete/ZRQ7_FCP/ZRQ Glow.txt", "relative root");
    // No key: the name alone, in the current directory.
    EXPECT_EQ(PluginDataRoot(), std::nullopt);
    EXPECT_EQ(FirstLine(OpenFCPPluginDataFile("ZRQ Glow", {})), "current directory");
    // A key without the value, or with one too long: the empty root, so the folders are relative.
    testsupport::WriteFile(dir_ / "registry.ini", "[SOFTWARE\\Tarvo FX, Inc.\\Tarvo Ostrani]\nOther=1\n");
    setenv(kRegistryFileVariable, (dir_ / "registry.ini").c_str(), 1);
    EXPECT_EQ(PluginDataRoot(), "");
    EXPECT_EQ(FirstLine(OpenFCPPluginDataFile("ZRQ Glow", {})), "relative root");
    Registry(std::string(256, 'x'));
    EXPECT_EQ(PluginDataRoot(), "");
    Registry("elsewhere\\");
    EXPECT_EQ(PluginDataRoot(), "elsewhere\\");
    EXPECT_EQ(FCPPluginDataFolders().front(), "elsewhere/Solvane_Complete/ZRQ7_FCP/");
    EXPECT_FALSE(OpenFCPPluginDataFile("ZRQ Glow", {}).is_open());
}

TEST_F(PluginDataFolders, NamesThatWouldLeaveTheFoldersFindNothing)
{
    Registry("data/");
    File("data/Solvane_Complete/ZRQ7_FCP/ZRQ Glow.txt", "inside");
    File("data/Solvane_Complete/secret.txt", "outside");
    File("data/Solvane_Complete/ZRQ7_FCP/sub/x.txt", "below");
    for (const std::string& name : std::vector<std::string>{"../secret", "..", "sub/x", "sub\\x", std::string("ZRQ Glow\0x", 10)}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsPluginFileNameSafe(name));
        EXPECT_FALSE(OpenFCPPluginDataFile(name, {}).is_open());
    }
    EXPECT_TRUE(IsPluginFileNameSafe("ZRQ Glow"));
    EXPECT_TRUE(OpenFCPPluginDataFile("ZRQ Glow", {}).is_open());
}

TEST_F(PluginDataFolders, TableAndCursorOverBothFiles)
{
    Registry("data/");
    File("data/Solvane_Complete/ZRQ7_FCP/ZRQ Glow.txt",
         "1 com.example.glow plugin \"Glow\"\n"
         "3 amount float Amount\n"
         "5 mode popup Mode\n"
         "5 mode2 popup Mode Two\n");  // a later row with the same id replaces the earlier
    File("data/Solvane_Complete/ZRQ7_AAF/ZRQ Glow.txt",
         "1 0c3bea40-fc05-11d2-8a29-0050040ef7d2 plugin Glow\n"
         "2 11111111-0000-0000-0000-000000000000 group Settings\n"
         "3 22222222-0000-0000-0000-000000000000 double \"Glow Amount\" 0.5\n"
         "4 33333333-0000-0000-0000-000000000000 uint Unmatched\n"
         "5 44444444-0000-0000-0000-000000000000 menu Mode\n");
    PluginParameterTable table = LoadPluginParameterTable("ZRQ Glow");
    EXPECT_EQ(table.OperationAuidText(), "0c3bea40-fc05-11d2-8a29-0050040ef7d2");
    EXPECT_EQ(table.FcpField(1, 1), "com.example.glow");
    EXPECT_EQ(table.FcpField(1, 3), "Glow");
    EXPECT_EQ(table.FcpField(67650, 1), "");

    EffectInfo effect;
    effect.name = "Glow";
    std::vector<std::string> walked;
    for (table.Rewind(); !table.AtEnd(); table.Next(true)) {
        const ParameterMapping m = BuildPluginParameterMapping(table, effect);
        walked.push_back(m.rowId + " " + m.avid.name + " kind " + std::to_string(m.avid.kind) + " -> " + m.fcp.name +
                         " " + m.fcp.parameterId + " type " + std::to_string(m.fcp.valueType) + " default '" +
                         m.avid.defaultValue + "' of " + m.effectName);
    }
    EXPECT_EQ(walked, (std::vector<std::string>{
                          "1 Glow kind 1 -> Glow com.example.glow type 0 default '' of Glow",
                          "3 Glow Amount kind 5 -> Amount amount type 4 default '0.5' of Glow",
                          "5 Mode kind 3 -> Mode Two mode2 type 18 default '' of Glow",
                      }));
    // Without the matched-only condition the cursor stops at every row; without an FCP-side row the
    // type follows from the kind word alone.
    table.cursor = 2;
    table.Next(false);
    EXPECT_EQ(table.cursor, 3u);
    const ParameterMapping unmatched = BuildPluginParameterMapping(table, effect);
    EXPECT_EQ(unmatched.fcp.name, "");
    EXPECT_EQ(unmatched.fcp.valueType, 3);
    EXPECT_EQ(AuidToText(unmatched.avid.parameterDefId), "{0x33333333, 0x0000, 0x0000, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}}");

    // Glow renumbering only for the configured names.
    File("data/Solvane_Complete/ZRQ7_AAF/ZRQ Glow.txt", "7536659 a b c\n7536660 a b c\n");
    constexpr std::string_view kGlow[] = {"ZRQ Glow"};
    PluginTables tables;
    EXPECT_EQ(LoadPluginParameterTable("ZRQ Glow", tables).rows[0].fields[0], "7536659");
    tables.glowEffectNames = kGlow;
    EXPECT_EQ(LoadPluginParameterTable("ZRQ Glow", tables).rows[0].fields[0], "7536675");

    const PluginParameterTable none = LoadPluginParameterTable("ZRQ Missing");
    EXPECT_TRUE(none.rows.empty());
    EXPECT_TRUE(none.fcpRows.empty());
    EXPECT_EQ(none.OperationAuidText(), "");
}

}  // namespace
