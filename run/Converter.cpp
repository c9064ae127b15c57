#include "run/Converter.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <utility>

#include <vector>

#include <QVariant>

#include "config/ImportPreferences.h"
#include "config/IniFile.h"
#include "config/NamedParameters.h"
#include "config/OutputFile.h"
#include "config/ProjectFormat.h"
#include "run/ConversionJob.h"
#include "run/RunState.h"

namespace {

constexpr const char* kParameterNames[] = {"aafFilePath", "xmlFilePath", "prefFilePath",
                                           "mediaSettingPath", "logFilePath"};
constexpr int kModeProjectFormat = 0;
constexpr int kModeMediaList = 1;
constexpr int kModeConvert = 2;
constexpr const char* kAafName = "AAF file";
constexpr const char* kXmlName = "output file";
constexpr const char* kPrefName = "preferences file";
constexpr const char* kMediaName = "media-settings file";
constexpr const char* kLogName = "log file";

// The paths a run writes must name no other path of the run: a log over the input, or a document
// over the preferences, would destroy what the run reads or writes. A character device such as
// /dev/null takes any number of outputs and is exempt.
void CheckPathsApart(const std::vector<std::pair<const char*, std::string>>& written,
                     const std::vector<std::pair<const char*, std::string>>& all)
{
    for (const auto& [name, path] : written) {
        if (path.empty())
            continue;
        if (KindOfPath(path) == PathKind::Other)
            throw std::runtime_error("The " + std::string(name) + " \"" + path +
                                     "\" is not a regular file and is left alone");
        if (KindOfPath(path) == PathKind::CharacterDevice)
            continue;
        for (const auto& [otherName, other] : all)
            if (name != otherName && NameSameFile(path, other))
                throw std::runtime_error("The " + std::string(name) + " \"" + path + "\" names the same file as the " +
                                         otherName + " \"" + other + "\"; nothing was written");
    }
}

// The mode as the C library's atoi reads it (blanks, a sign, decimal digits; no digits give 0);
// a number outside the int range is no mode at all.
int ModeFromText(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return value < INT_MIN || value > INT_MAX ? kExitFailure : static_cast<int>(value);
}

// Number of characters of UTF-8 text: every byte that does not continue a sequence.
std::size_t CharacterCount(const std::string& text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

// text without its last n characters (n no more than the character count).
std::string DropLastCharacters(const std::string& text, std::size_t n)
{
    std::size_t end = text.size();
    while (n > 0 && end > 0) {
        --end;
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80)
            --n;
    }
    return text.substr(0, end);
}

// The host learns of a failure from the exit code; the text is for whoever reads the console.
void ReportTranslationFailure(const std::string& detail)
{
    std::fputs("ERROR: Unable to translate correctly\n", stderr);
    if (!detail.empty())
        std::fprintf(stderr, "%s\n", detail.c_str());
}

// Runs body and turns every failure it raises into false.
template <typename Body>
bool RunGuarded(Body&& body)
{
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportTranslationFailure(e.what());
    } catch (const std::string& text) {
        ReportTranslationFailure(text);
    } catch (const char* text) {
        ReportTranslationFailure(text ? text : "");
    } catch (...) {
        ReportTranslationFailure("");
    }
    return false;
}

}  // namespace

Converter::Converter(std::string modeText)
    : mode(ModeFromText(modeText)),
      aafFilePath(GetNamedParameter("aafFilePath")),
      xmlFilePath(GetNamedParameter("xmlFilePath")),
      mediaSettingPath(GetNamedParameter("mediaSettingPath")),
      logFilePath(GetNamedParameter("logFilePath"))
{
    PrefFilePath = GetNamedParameter("prefFilePath");
}

bool Converter::AafFileExists() const
{
    return !aafFilePath.empty() && KindOfPath(aafFilePath) != PathKind::Missing;
}

void Converter::PrepareXmlPath()
{
    // The output path is only looked at here: nothing is created, emptied or removed before the
    // document is whole. An output over the input goes to the fallback instead.
    const auto refuse = [](const std::string& path) {
        throw std::runtime_error("The output file \"" + path + "\" is not a regular file and is left alone");
    };
    const bool namesInput = xmlFilePath == aafFilePath || NameSameFile(xmlFilePath, aafFilePath);
    if (!xmlFilePath.empty() && !namesInput) {
        if (KindOfPath(xmlFilePath) == PathKind::Other)
            refuse(xmlFilePath);
        if (IsWritableOutputPath(xmlFilePath))
            return;
    }
    const std::string given = xmlFilePath;
    xmlFilePath = FallbackXmlPath();
    if (!xmlFilePath.empty() && KindOfPath(xmlFilePath) == PathKind::Other)
        refuse(xmlFilePath);
    if (!xmlFilePath.empty() && !IsWritableOutputPath(xmlFilePath))
        xmlFilePath.clear();
    if (xmlFilePath.empty())
        throw std::runtime_error("The output file \"" + given + (namesInput ? "\" names the AAF file" : "\" cannot be written") +
                                 ", and the AAF file's name gives no other output path");
}

std::string Converter::FallbackXmlPath() const
{
    if (CharacterCount(aafFilePath) <= 4)
        return std::string();
    std::string fallback = DropLastCharacters(aafFilePath, 3) + "xml";
    // An input already named .xml would be overwritten by its own conversion.
    return fallback == aafFilePath || NameSameFile(fallback, aafFilePath) ? std::string() : fallback;
}

int ReadProjectFormatCode(const JobPaths& paths)
{
    std::string name;
    {
        ConversionJob job(paths.aafPath.c_str());
        name = job.ReadProjectFormatName();
    }
    return ProjectFormatCodeFromName(name);
}

void CollectMediaFileList(const JobPaths& paths, std::string mediaSettingPath)
{
    ConversionJob job(paths.aafPath.c_str());
    job.ExportMediaFileList(mediaSettingPath);
}

void ConvertAafToXml(const JobPaths& paths, std::string xmlPath)
{
    ConversionJob job(paths.aafPath.c_str(), xmlPath.c_str());
    job.Convert();
}

bool Converter::RunProjectFormatMode()
{
    return RunGuarded([this] {
        CheckPathsApart({{kMediaName, mediaSettingPath}}, {{kAafName, aafFilePath}, {kMediaName, mediaSettingPath}});
        const JobPaths paths{aafFilePath, "", ""};
        const int code = ReadProjectFormatCode(paths);
        IniOutput file(mediaSettingPath);
        file.settings().clear();
        file.settings().setValue(QStringLiteral("AAFProjectFormat"), code);
        if (!file.SaveAndCommit())
            throw std::runtime_error("Unable to write the media-settings file \"" +
                                     mediaSettingPath + "\"");
    });
}

bool Converter::RunMediaListMode()
{
    return RunGuarded([this] {
        CheckPathsApart({{kMediaName, mediaSettingPath}}, {{kAafName, aafFilePath}, {kMediaName, mediaSettingPath}});
        const JobPaths paths{aafFilePath, "", ""};
        CollectMediaFileList(paths, mediaSettingPath);
    });
}

bool Converter::RunConvertMode()
{
    return RunGuarded([this] {
        PrepareXmlPath();
        CheckPathsApart({{kXmlName, xmlFilePath}, {kLogName, logFilePath}},
                        {{kAafName, aafFilePath},
                         {kPrefName, PrefFilePath},
                         {kMediaName, mediaSettingPath},
                         {kXmlName, xmlFilePath},
                         {kLogName, logFilePath}});
        const JobPaths paths{aafFilePath, xmlFilePath, logFilePath};
        ReadImportPreferences();
        ConvertAafToXml(paths, paths.xmlPath);
    });
}

int RunConverterMain(int argc, char** argv)
{
    if (argc < 2)
        return kExitNoArguments;
    // What an earlier run in this process left behind must not reach this one.
    ResetRunState();
    const int last = std::min(argc - 1, 6);
    for (int position = 2; position <= last; ++position)
        SetNamedParameter(kParameterNames[position - 2], argv[position]);

    Converter converter(argv[1]);
    if (!converter.AafFileExists()) {
        ReportTranslationFailure("The AAF file \"" + GetNamedParameter("aafFilePath") + "\" does not exist");
        return kExitFailure;
    }
    bool succeeded = false;
    switch (converter.Mode()) {
    case kModeProjectFormat: succeeded = converter.RunProjectFormatMode(); break;
    case kModeMediaList: succeeded = converter.RunMediaListMode(); break;
    case kModeConvert: succeeded = converter.RunConvertMode(); break;
    default: ReportTranslationFailure("Unknown run mode \"" + std::string(argv[1]) + "\""); return kExitFailure;
    }
    return succeeded ? kExitSuccess : kExitFailure;
}
