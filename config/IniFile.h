#pragma once

#include <memory>
#include <string>
#include <utility>

#include <QSettings>
#include <QString>
#include <QTemporaryFile>

#include "config/IniDocument.h"

class OutputFile;

// What the run does with an INI file.
enum class IniAccess {
    // Files the host wrote and the run only reads (preferences, relink list): raw UTF-8 text is read
    // as UTF-8, and Qt's own "\x" escapes are understood as well.
    Read,
    // Files the run writes (media settings, log): Qt 5's default, plain ASCII with "\x" escapes for
    // every other character, which is what a Qt 5 host reads back without loss.
    Write,
};

// The INI file at path (file-system bytes) in Qt's INI format. A file only read is read from a copy
// of its bytes, so a missing or special file reads as empty.
std::unique_ptr<QSettings> OpenIniFile(const std::string& path, IniAccess access = IniAccess::Read);

// The value under key as UTF-8 text. Qt splits an unquoted value at its commas; such a value comes
// back joined with ", " rather than lost.
std::string IniText(const QSettings& settings, const QString& key);

// Writes the settings to disk; false when Qt could not write the file.
bool SyncIniFile(QSettings& settings);

// An INI file the run writes: edited in a scratch copy of what the target holds (in the system's
// temporary folder, under a name Qt always takes, whatever bytes the target's path holds), then
// saved into an OutputFile, so the target changes only when the run commits it.
class IniOutput {
public:
    explicit IniOutput(const std::string& target);
    ~IniOutput();
    IniOutput(const IniOutput&) = delete;
    IniOutput& operator=(const IniOutput&) = delete;
    QSettings& settings() { return *settings_; }
    // Writes the settings and puts their bytes into out; false when either fails.
    bool SaveInto(OutputFile& out);
    // SaveInto a new OutputFile on the target, committed at once; false on any failure.
    bool SaveAndCommit();

private:
    std::string target_;
    std::unique_ptr<QTemporaryFile> scratch_;
    std::unique_ptr<QSettings> settings_;
};

// An INI file the run writes from texts and numbers alone: the keys set here join, or replace, those
// the target holds, in the bytes QSettings would write, but without its scratch copy, lock file and
// their flushes to disk. Where the target holds a value that is not a text (a list, a Qt type),
// QSettings rewrites the file instead, so that value stays as it was.
class IniTextOutput {
public:
    explicit IniTextOutput(std::string target) : target_(std::move(target)) {}
    IniDocument& text() { return text_; }
    // Puts the file's bytes into out; false when they could not be made or written.
    bool SaveInto(OutputFile& out);
    // SaveInto a new OutputFile on the target, committed at once; false on any failure.
    bool SaveAndCommit();

private:
    bool SaveThroughSettings(OutputFile& out);

    std::string target_;
    IniDocument text_;
};
