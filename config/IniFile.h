#pragma once

#include <memory>
#include <string>

#include <QSettings>
#include <QString>

// What the run does with an INI file.
enum class IniAccess {
    // Files the host wrote and the run only reads (preferences, relink list): raw UTF-8 text is read
    // as UTF-8, and Qt's own "\x" escapes are understood as well.
    Read,
    // Files the run writes (media settings, log): Qt 5's default, plain ASCII with "\x" escapes for
    // every other character, which is what a Qt 5 host reads back without loss.
    Write,
};

// The INI file at path (a UTF-8 file name) in Qt's INI format.
std::unique_ptr<QSettings> OpenIniFile(const std::string& path, IniAccess access = IniAccess::Read);

// The value under key as UTF-8 text. Qt splits an unquoted value at its commas; such a value comes
// back joined with ", " rather than lost.
std::string IniText(const QSettings& settings, const QString& key);

// Writes the settings to disk; false when Qt could not write the file.
bool SyncIniFile(QSettings& settings);
