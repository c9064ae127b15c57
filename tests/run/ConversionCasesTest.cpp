// Whole conversions pinned byte for byte: each folder of tests/cases names an input (a file built in
// code, or a shared sample read in place), the host's preferences and media-settings files, and the
// document and log file the conversion must write. AAF2XMEML_UPDATE_CASES=1 rewrites the expected
// files from what the program writes now, for a change of output made on purpose.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aafsdk/fixture/AafWriter.h"
#include "platform/Registry.h"
#include "run/CaseFiles.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCasesDir = AAF2XMEML_CASES_DIR;
constexpr const char* kExpectedXml = "expected.xml";
constexpr const char* kExpectedLog = "expected-log.ini";

std::vector<std::string> CaseNames()
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kCasesDir, ec)) {
        if (entry.is_directory() && fs::exists(entry.path() / "input"))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool UpdateRequested()
{
    const char* value = std::getenv("AAF2XMEML_UPDATE_CASES");
    return value && std::string(value) == "1";
}

std::string ReadIfPresent(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(path, ec) ? testsupport::ReadFile(path) : std::string();
}

// Writes bytes at path, or removes the file when there are none (a run that wrote no log file).
void WriteOrRemove(const fs::path& path, const std::string& bytes, bool written)
{
    std::error_code ec;
    if (written)
        testsupport::WriteFile(path, bytes);
    else
        fs::remove(path, ec);
}

class ConversionCase : public ::testing::TestWithParam<std::string> {};

TEST_P(ConversionCase, WritesTheExpectedDocumentAndLog)
{
    const fs::path caseDir = kCasesDir / GetParam();
    std::istringstream input(testsupport::ReadFile(caseDir / "input"));
    std::string kind, name;
    input >> kind;
    std::getline(input >> std::ws, name);

    testsupport::TempDir dir;
    fs::path aaf;
    if (kind == "fixture") {
        const auto graph = casefiles::BuildCaseFile(name);
        ASSERT_TRUE(graph) << "no builder for the case file \"" << name << "\"";
        aaf = dir / "input.aaf";
        aafsdk::fixture::SaveBytes(aaf, aafsdk::fixture::WriteAaf(*graph).bytes);
    } else if (kind == "sample") {
        REQUIRE_SHARED_DIR();
        aaf = testsupport::SharedDir() / "aaf-samples" / name;
        ASSERT_TRUE(fs::exists(aaf)) << aaf;
    } else {
        FAIL() << "the input file names neither a fixture nor a sample: " << kind;
    }
    // The host's files are copied, so a run that changed them could not change the case.
    for (const char* file : {"pref.ini", "media.ini"}) {
        if (fs::exists(caseDir / file))
            fs::copy_file(caseDir / file, dir / file);
    }

    // A case with a registry file runs with it, and with its plug-in data folder beside it, which
    // the registry's relative root names from the run's folder.
    const bool withRegistry = fs::exists(caseDir / "registry.ini");
    if (withRegistry) {
        fs::copy_file(caseDir / "registry.ini", dir / "registry.ini");
        if (fs::exists(caseDir / "plugin-data"))
            fs::copy(caseDir / "plugin-data", dir / "plugin-data", fs::copy_options::recursive);
        setenv(kRegistryFileVariable, (dir / "registry.ini").c_str(), 1);
    }
    const auto run = testsupport::RunConverter(
        {"2", aaf.string(), (dir / "out.xml").string(), fs::exists(dir / "pref.ini") ? (dir / "pref.ini").string() : "",
         (dir / "media.ini").string(), (dir / "log.ini").string()},
        dir.path());
    if (withRegistry)
        unsetenv(kRegistryFileVariable);
    ASSERT_EQ(run.exitCode, 1) << run.err;
    const std::string xml = ReadIfPresent(dir / "out.xml");
    const std::string log = ReadIfPresent(dir / "log.ini");

    if (UpdateRequested()) {
        WriteOrRemove(caseDir / kExpectedXml, xml, true);
        WriteOrRemove(caseDir / kExpectedLog, log, fs::exists(dir / "log.ini"));
        std::cout << "updated the expected files of " << GetParam() << "\n";
        return;
    }
    ASSERT_TRUE(fs::exists(caseDir / kExpectedXml))
        << "no expected document; write it with AAF2XMEML_UPDATE_CASES=1 and check it";
    EXPECT_TRUE(xml == testsupport::ReadFile(caseDir / kExpectedXml))
        << "the document differs from " << (caseDir / kExpectedXml).string() << "; diff it with the one written by "
        << "AAF2XMEML_UPDATE_CASES=1";
    EXPECT_TRUE(log == ReadIfPresent(caseDir / kExpectedLog))
        << "the log file differs from " << (caseDir / kExpectedLog).string();
}

INSTANTIATE_TEST_SUITE_P(Cases, ConversionCase, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string id;
                             for (char c : param.param)
                                 id += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return id;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ConversionCase);

}  // namespace
