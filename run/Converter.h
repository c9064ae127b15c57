#pragma once

#include <string>

// The exit codes the host reads.
inline constexpr int kExitNoArguments = 0;
inline constexpr int kExitSuccess = 1;
inline constexpr int kExitFailure = -1;

// The paths one run body works on; the log writer takes its path from NamedParameters.
struct JobPaths {
    std::string aafPath;
    std::string xmlPath;
    std::string logPath;
};

// One run of the program: the mode and the paths of the command line, and the three run-mode
// drivers. Each driver catches every failure of its run body and answers false for it.
class Converter {
public:
    // The mode is modeText read as a decimal integer (text without leading digits gives 0); the
    // paths come from NamedParameters, and PrefFilePath is set from "prefFilePath".
    explicit Converter(std::string modeText);

    int Mode() const { return mode; }
    const std::string& XmlFilePath() const { return xmlFilePath; }

    bool AafFileExists() const;
    // Checks the output path without touching it: one that cannot be written, or that names the AAF
    // file, becomes FallbackXmlPath. Raises when the path (or the fallback) is a special file other
    // than a character device, or when neither can be written.
    void PrepareXmlPath();
    // The AAF path with "xml" in place of its last three characters; empty when the AAF path has
    // four characters or fewer, or when the result would name the AAF file itself.
    std::string FallbackXmlPath() const;

    // Mode 0: the media-settings file is emptied and receives "AAFProjectFormat".
    bool RunProjectFormatMode();
    // Mode 1: the media file list is added to the media-settings file.
    bool RunMediaListMode();
    // Mode 2: the AAF file is converted into the output file and the log file is written.
    bool RunConvertMode();

private:
    int mode;
    std::string aafFilePath;
    std::string xmlFilePath;
    std::string mediaSettingPath;
    std::string logFilePath;
};

// The run bodies of the three drivers.
int ReadProjectFormatCode(const JobPaths& paths);
void CollectMediaFileList(const JobPaths& paths, std::string mediaSettingPath);
void ConvertAafToXml(const JobPaths& paths, std::string xmlPath);

// The whole process run: the command line in, the exit code out.
int RunConverterMain(int argc, char** argv);
