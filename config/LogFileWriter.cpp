#include "config/LogFileWriter.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

#include "config/IniFile.h"
#include "config/NamedParameters.h"
#include "config/OutputFile.h"

// The log's keys are taken now, which is the copy the writer keeps.
LogFileWriter::LogFileWriter(const std::string& logFilePath) : file_(std::make_unique<IniTextOutput>(logFilePath))
{
    Fill(TranslationLog);
}

LogFileWriter::~LogFileWriter() = default;

bool LogFileWriter::Write(OutputFile& out)
{
    return file_->SaveInto(out);
}

bool LogFileWriter::Write()
{
    return file_->SaveAndCommit();
}

// Each entry is the section "Log_<i>", its records the array "Translations" (numbered from 1, with
// its "size"), as QSettings' arrays store them. Keys are built in one buffer, cut back to the
// section or the record before each name.
void LogFileWriter::Fill(const std::vector<TranslationLogEntry>& entries)
{
    IniDocument& text = file_->text();
    std::string key;
    const auto appendDecimal = [&key](std::size_t value) {
        char digits[24];
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
        static_cast<void>(error);  // 24 places hold any 64-bit count
        key.append(digits, end);
    };
    const auto set = [&key, &text](std::size_t prefix, std::string_view name, const auto& value) {
        key.resize(prefix);
        key += name;
        text.SetUtf8(key, value);
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TranslationLogEntry& entry = entries[i];
        key.assign("Log_");
        appendDecimal(i);
        key += '/';
        const std::size_t section = key.size();
        set(section, "Timecode", entry.TimecodeText());
        set(section, "Sequence", entry.sequenceName);
        set(section, "Track", entry.trackName);
        set(section, "Clip", entry.clipName);
        set(section, "ItemID", entry.itemId);
        key.resize(section);
        key += "Translations/";
        const std::size_t array = key.size();
        for (std::size_t j = 0; j < entry.translations.size(); ++j) {
            const TranslationRecord& record = entry.translations[j];
            key.resize(array);
            appendDecimal(j + 1);
            key += '/';
            const std::size_t item = key.size();
            set(item, "AppliedCase", record.StatusText());
            set(item, "Action", record.action);
            set(item, "FCP", record.fcpName);
            set(item, "Avid", record.avidName);
        }
        set(array, "size", static_cast<long long>(entry.translations.size()));
    }
    text.SetUtf8("Log_Num", static_cast<long long>(entries.size()));
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
