#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace testsupport {

// The shared reference folder (samples, DTD) beside the checkout, or an empty path when it is absent
// (a user's clone).
std::filesystem::path SharedDir();

// The sample AAF files of the shared folder (".aaf" in any case), sorted; empty without the folder.
std::vector<std::filesystem::path> SampleFiles();

// Skips the current test with a message when the shared folder is absent.
#define REQUIRE_SHARED_DIR()                                                                 \
    do {                                                                                     \
        if (::testsupport::SharedDir().empty())                                              \
            GTEST_SKIP() << "shared reference folder not found beside the checkout";         \
    } while (false)

// A fresh temporary folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

struct ProcessResult {
    int exitCode = -1000;  // as the shell sees it: 0..255, or -1000 when the process did not exit
    std::string out;
    std::string err;
};

// Runs the built aaf2xmeml with the given arguments (not including the program name) in folder cwd.
ProcessResult RunConverter(const std::vector<std::string>& args, const std::filesystem::path& cwd);

// Path of the built aaf2xmeml binary.
std::filesystem::path ConverterBinary();

}  // namespace testsupport
