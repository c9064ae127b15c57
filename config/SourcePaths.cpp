#include "config/SourcePaths.h"

#include <QSettings>
#include <QString>
#include <QStringList>

#include "config/IniFile.h"
#include "config/PathText.h"

std::map<std::string, std::string> SourcePathMap;

void ClearSourcePathMap()
{
    SourcePathMap.clear();
}

void RememberSourcePath(const std::string& path)
{
    SourcePathMap[path] = path;
}

void MapSourcePath(std::string& path)
{
    const auto it = SourcePathMap.find(path);
    path = it != SourcePathMap.end() ? it->second : PercentDecode(path);
}

bool SaveMediaFileList(const std::string& filePath)
{
    return WriteMediaFileListIni(filePath);
}

bool WriteMediaFileListIni(const std::string& filePath)
{
    if (filePath.empty())
        return false;
    IniTextOutput file(filePath);
    IniDocument& text = file.text();
    int i = 0;
    for (const auto& [key, value] : SourcePathMap) {
        if (value.empty())
            continue;
        const std::string decoded = PercentDecode(value);
        const QString section = QStringLiteral("FileName") + QString::number(i) + QLatin1Char('/');
        text.Set(section + QStringLiteral("FilePath"), QString::fromStdString(value));
        text.Set(section + QStringLiteral("FileName"), QString::fromStdString(FileNameOfPath(decoded)));
        text.Set(section + QStringLiteral("FormattedPath"), QString::fromStdString(decoded));
        ++i;
    }
    text.Set(QStringLiteral("Number_of_File"), i);
    return file.SaveAndCommit();
}

void LoadMediaRelinkList(const std::string& filePath)
{
    ReadMediaRelinkIni(filePath);
}

void ReadMediaRelinkIni(const std::string& filePath)
{
    if (filePath.empty())
        return;
    auto settings = OpenIniFile(filePath);
    const int n = settings->value(QStringLiteral("Number_of_File")).toInt();

    // The count comes from the file; walk only the "File_" sections that exist, so a damaged count
    // cannot make the loop run for billions of indexes.
    int present = 0;
    for (const QString& group : settings->childGroups()) {
        if (!group.startsWith(QStringLiteral("File_")))
            continue;
        bool ok = false;
        const int index = group.mid(5).toInt(&ok);
        if (ok && index >= 0 && index < n && index + 1 > present && group == QStringLiteral("File_") + QString::number(index))
            present = index + 1;
    }

    for (int i = 0; i < present; ++i) {
        const QString section = QStringLiteral("File_") + QString::number(i) + QLatin1Char('/');
        std::string orig = IniText(*settings, section + QStringLiteral("OrigFilePath"));
        const std::string newPath = IniText(*settings, section + QStringLiteral("NewFilePath"));
        if (orig.empty())
            orig = newPath;
        if (!orig.empty())
            SourcePathMap[orig] = newPath;
    }
}
