#include "config/LogFileWriter.h"

#include <QSettings>
#include <QString>

#include "config/IniFile.h"
#include "config/NamedParameters.h"

namespace {

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

LogFileWriter::LogFileWriter(const std::string& logFilePath)
    : entries_(TranslationLog), settings_(OpenIniFile(logFilePath, IniAccess::Write))
{
}

LogFileWriter::~LogFileWriter() = default;

bool LogFileWriter::Write()
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        settings_->beginGroup(QStringLiteral("Log_") + QString::number(i));
        WriteLogEntryFields(entries_[i]);
        WriteLogTranslations(entries_[i]);
        settings_->endGroup();
    }
    settings_->setValue(QStringLiteral("Log_Num"), static_cast<unsigned>(entries_.size()));
    return SyncIniFile(*settings_);
}

void LogFileWriter::WriteLogEntryFields(const TranslationLogEntry& entry)
{
    settings_->setValue(QStringLiteral("Timecode"), Utf8(entry.TimecodeText()));
    settings_->setValue(QStringLiteral("Sequence"), Utf8(entry.sequenceName));
    settings_->setValue(QStringLiteral("Track"), Utf8(entry.trackName));
    settings_->setValue(QStringLiteral("Clip"), Utf8(entry.clipName));
    settings_->setValue(QStringLiteral("ItemID"), Utf8(entry.itemId));
}

void LogFileWriter::WriteLogTranslations(const TranslationLogEntry& entry)
{
    settings_->beginWriteArray(QStringLiteral("Translations"));
    for (std::size_t j = 0; j < entry.translations.size(); ++j) {
        const TranslationRecord& record = entry.translations[j];
        settings_->setArrayIndex(static_cast<int>(j));
        settings_->setValue(QStringLiteral("AppliedCase"), Utf8(record.StatusText()));
        settings_->setValue(QStringLiteral("Action"), Utf8(record.action));
        settings_->setValue(QStringLiteral("FCP"), Utf8(record.fcpName));
        settings_->setValue(QStringLiteral("Avid"), Utf8(record.avidName));
    }
    settings_->endArray();
}

bool WriteTranslationLog()
{
    const std::string path = GetNamedParameter("logFilePath");
    if (path.empty())
        return false;
    LogFileWriter writer(path);
    return writer.Write();
}
