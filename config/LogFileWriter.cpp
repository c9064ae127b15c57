#include "config/LogFileWriter.h"

#include <QSettings>
#include <QString>

#include <stdexcept>

#include "config/IniFile.h"
#include "config/NamedParameters.h"
#include "config/OutputFile.h"

namespace {

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

LogFileWriter::LogFileWriter(const std::string& logFilePath)
    : entries_(TranslationLog), file_(std::make_unique<IniOutput>(logFilePath))
{
}

LogFileWriter::~LogFileWriter() = default;

bool LogFileWriter::Write(OutputFile& out)
{
    Fill();
    return file_->SaveInto(out);
}

bool LogFileWriter::Write()
{
    Fill();
    return file_->SaveAndCommit();
}

void LogFileWriter::Fill()
{
    QSettings* const settings = &file_->settings();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        settings->beginGroup(QStringLiteral("Log_") + QString::number(i));
        WriteLogEntryFields(entries_[i]);
        WriteLogTranslations(entries_[i]);
        settings->endGroup();
    }
    settings->setValue(QStringLiteral("Log_Num"), static_cast<unsigned>(entries_.size()));
}

void LogFileWriter::WriteLogEntryFields(const TranslationLogEntry& entry)
{
    QSettings* const settings = &file_->settings();
    settings->setValue(QStringLiteral("Timecode"), Utf8(entry.TimecodeText()));
    settings->setValue(QStringLiteral("Sequence"), Utf8(entry.sequenceName));
    settings->setValue(QStringLiteral("Track"), Utf8(entry.trackName));
    settings->setValue(QStringLiteral("Clip"), Utf8(entry.clipName));
    settings->setValue(QStringLiteral("ItemID"), Utf8(entry.itemId));
}

void LogFileWriter::WriteLogTranslations(const TranslationLogEntry& entry)
{
    QSettings* const settings = &file_->settings();
    settings->beginWriteArray(QStringLiteral("Translations"));
    for (std::size_t j = 0; j < entry.translations.size(); ++j) {
        const TranslationRecord& record = entry.translations[j];
        settings->setArrayIndex(static_cast<int>(j));
        settings->setValue(QStringLiteral("AppliedCase"), Utf8(record.StatusText()));
        settings->setValue(QStringLiteral("Action"), Utf8(record.action));
        settings->setValue(QStringLiteral("FCP"), Utf8(record.fcpName));
        settings->setValue(QStringLiteral("Avid"), Utf8(record.avidName));
    }
    settings->endArray();
}

bool WriteTranslationLog()
{
    const std::string path = GetNamedParameter("logFilePath");
    if (path.empty())
        return false;
    try {
        LogFileWriter writer(path);
        return writer.Write();
    } catch (const std::exception&) {
        return false;
    }
}

bool WriteTranslationLog(OutputFile& out)
{
    LogFileWriter writer(out.target());
    return writer.Write(out);
}
