#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/TranslationLog.h"

class QSettings;

// Writes a copy of TranslationLog, taken when the writer is built, into the log INI file.
class LogFileWriter {
public:
    explicit LogFileWriter(const std::string& logFilePath);
    ~LogFileWriter();
    LogFileWriter(const LogFileWriter&) = delete;
    LogFileWriter& operator=(const LogFileWriter&) = delete;

    // False when the file could not be written.
    bool Write();

private:
    void WriteLogEntryFields(const TranslationLogEntry& entry);
    void WriteLogTranslations(const TranslationLogEntry& entry);

    std::vector<TranslationLogEntry> entries_;
    std::unique_ptr<QSettings> settings_;
};

// Writes TranslationLog to the file named by the "logFilePath" parameter ("Log_<i>" groups and
// "Log_Num"; what the file held before stays). False when the file could not be written.
bool WriteTranslationLog();
