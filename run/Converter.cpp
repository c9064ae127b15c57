#include "run/Converter.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include "run/ConversionJob.h"
#include "config/ImportPreferences.h"
#include "config/IniFile.h"
#include "config/NamedParameters.h"
#include "config/ProjectFormat.h"

namespace {

constexpr const char* kParameterNames[] = {"aafFilePath", "xmlFilePath", "prefFilePath",
                                           "mediaSettingPath", "logFilePath"};
constexpr int kModeProjectFormat = 0;
constexpr int kModeMediaList = 1;
constexpr int kModeConvert = 2;

QString FileName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Whether the two paths name one file (the same text, or the same existing file).
bool SameFile(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    const QFileInfo infoA(FileName(a));
    const QFileInfo infoB(FileName(b));
    return infoA.exists() && infoB.exists() && infoA.canonicalFilePath() == infoB.canonicalFilePath();
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
    return QFile::exists(FileName(aafFilePath));
}

void Converter::PrepareXmlPath()
{
    // Deleting the output file must never delete the input.
    if (SameFile(xmlFilePath, aafFilePath)) {
        xmlFilePath = FallbackXmlPath();
        return;
    }
    const QString name = FileName(xmlFilePath);
    if (QFile::exists(name)) {
        QFile::remove(name);
        return;
    }
    QFile file(name);
    if (!name.isEmpty() && file.open(QIODevice::ReadWrite))
        file.close();
    else
        xmlFilePath = FallbackXmlPath();
}

std::string Converter::FallbackXmlPath() const
{
    if (CharacterCount(aafFilePath) <= 4)
        return std::string();
    std::string fallback = DropLastCharacters(aafFilePath, 3) + "xml";
    // An input already named .xml would be overwritten by its own conversion.
    return SameFile(fallback, aafFilePath) ? std::string() : fallback;
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
        const JobPaths paths{aafFilePath, "", ""};
        const int code = ReadProjectFormatCode(paths);
        auto settings = OpenIniFile(mediaSettingPath, IniAccess::Write);
        settings->clear();
        settings->setValue(QStringLiteral("AAFProjectFormat"), code);
        if (!SyncIniFile(*settings))
            throw std::runtime_error("Unable to write the media-settings file \"" +
                                     mediaSettingPath + "\"");
    });
}

bool Converter::RunMediaListMode()
{
    return RunGuarded([this] {
        const JobPaths paths{aafFilePath, "", ""};
        CollectMediaFileList(paths, mediaSettingPath);
    });
}

bool Converter::RunConvertMode()
{
    PrepareXmlPath();
    return RunGuarded([this] {
        const JobPaths paths{aafFilePath, xmlFilePath, logFilePath};
        ReadImportPreferences();
        if (paths.xmlPath.empty())
            return;
        ConvertAafToXml(paths, paths.xmlPath);
    });
}

int RunConverterMain(int argc, char** argv)
{
    if (argc < 2)
        return kExitNoArguments;
    const int last = std::min(argc - 1, 6);
    for (int position = 2; position <= last; ++position)
        SetNamedParameter(kParameterNames[position - 2], argv[position]);

    Converter converter(argv[1]);
    if (!converter.AafFileExists())
        return kExitFailure;
    bool succeeded = false;
    switch (converter.Mode()) {
    case kModeProjectFormat: succeeded = converter.RunProjectFormatMode(); break;
    case kModeMediaList: succeeded = converter.RunMediaListMode(); break;
    case kModeConvert: succeeded = converter.RunConvertMode(); break;
    default: return kExitFailure;
    }
    return succeeded ? kExitSuccess : kExitFailure;
}
