#include "config/LogFileWriter.h"

#include <QString>
#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

#include "config/IniFile.h"
#include "config/NamedParameters.h"
#include "config/OutputFile.h"

namespace {

// Most log texts are ASCII, which Latin-1 decoding takes the short way.
QString Utf8(const std::string& text)
{
    const int size = static_cast<int>(text.size());
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(text.data(), size);
    return QString::fromUtf8(text.data(), size);
}

// A count in decimal, written into buffer, for joining into a key.
QLatin1String Decimal(std::size_t value, std::array<char, 24>& buffer)
{
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    static_cast<void>(error);  // 24 places hold any 64-bit count
    return QLatin1String(buffer.data(), static_cast<int>(end - buffer.data()));
}

}  // namespace

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
// its "size"), as QSettings' arrays store them. Keys are joined with '%', which sizes each once.
void LogFileWriter::Fill(const std::vector<TranslationLogEntry>& entries)
{
    IniDocument& text = file_->text();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TranslationLogEntry& entry = entries[i];
        std::array<char, 24> digits;
        const QString section = QStringLiteral("Log_") % Decimal(i, digits) % QLatin1Char('/');
        text.Set(section % QStringLiteral("Timecode"), Utf8(entry.TimecodeText()));
        text.Set(section % QStringLiteral("Sequence"), Utf8(entry.sequenceName));
        text.Set(section % QStringLiteral("Track"), Utf8(entry.trackName));
        text.Set(section % QStringLiteral("Clip"), Utf8(entry.clipName));
        text.Set(section % QStringLiteral("ItemID"), Utf8(entry.itemId));
        const QString array = section % QStringLiteral("Translations/");
        for (std::size_t j = 0; j < entry.translations.size(); ++j) {
            const TranslationRecord& record = entry.translations[j];
            const QString item = array % Decimal(j + 1, digits) % QLatin1Char('/');
            text.Set(item % QStringLiteral("AppliedCase"), Utf8(record.StatusText()));
            text.Set(item % QStringLiteral("Action"), Utf8(record.action));
            text.Set(item % QStringLiteral("FCP"), Utf8(record.fcpName));
            text.Set(item % QStringLiteral("Avid"), Utf8(record.avidName));
        }
        text.Set(array % QStringLiteral("size"), static_cast<long long>(entry.translations.size()));
    }
    text.Set(QStringLiteral("Log_Num"), static_cast<long long>(entries.size()));
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
