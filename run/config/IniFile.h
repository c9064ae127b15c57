#pragma once

#include <memory>
#include <string>

#include <QSettings>
#include <QString>

// The INI file at path (a UTF-8 file name) in Qt's INI format, its text read and written as UTF-8
// (Qt 5 would otherwise read raw bytes as Latin-1). Qt's own "\x" escapes are understood as well.
std::unique_ptr<QSettings> OpenIniFile(const std::string& path);

// The value under key as UTF-8 text. Qt splits an unquoted value at its commas; such a value comes
// back joined with ", " rather than lost.
std::string IniText(const QSettings& settings, const QString& key);

// Writes the settings to disk; false when Qt could not write the file.
bool SyncIniFile(QSettings& settings);
