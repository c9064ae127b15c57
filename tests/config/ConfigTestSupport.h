#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QSettings>

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "config/NamedParameters.h"
#include "config/SourcePaths.h"
#include "config/TranslationLog.h"

namespace configtest {

// Reads an INI file the way a host would, from a fresh copy so that nothing Qt cached in this
// process stands in for the bytes on disk.
std::unique_ptr<QSettings> ReadBack(const std::filesystem::path& path);

std::string Text(const QSettings& settings, const char* key);

// Puts every process-wide record of the run configuration back to its start-up state.
void ResetConfiguration();

}  // namespace configtest
