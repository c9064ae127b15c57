#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/TranslationLog.h"

class IniTextOutput;
class OutputFile;

// Writes a copy of TranslationLog, taken when the writer is built, into the log INI file.
class LogFileWriter {
public:
    explicit LogFileWriter(const std::string& logFilePath);
    ~LogFileWriter();
    LogFileWriter(const LogFileWriter&) = delete;
    LogFileWriter& operator=(const LogFileWriter&) = delete;

    // Writes the log into out, which the caller commits; false when it could not be written.
    bool Write(OutputFile& out);
    // Writes the log into its file at once; false when the file could not be written.
    bool Write();

private:
    void Fill(const std::vector<TranslationLogEntry>& entries);

    std::unique_ptr<IniTextOutput> file_;
};

// Writes TranslationLog to the file named by the "logFilePath" parameter ("Log_<i>" groups and
// "Log_Num"; what the file held before stays). False when the file could not be written.
bool WriteTranslationLog();
// The same into out, an output on that file that the caller commits.
bool WriteTranslationLog(OutputFile& out);
