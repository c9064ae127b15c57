#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QSettings>

#include "run/config/ImportPreferences.h"
#include "run/config/MediaSettings.h"
#include "run/config/NamedParameters.h"
#include "run/config/SourcePaths.h"
#include "run/config/TranslationLog.h"

namespace configtest {

// Reads an INI file the way a host would, from a fresh copy so that nothing Qt cached in this
// process stands in for the bytes on disk.
std::unique_ptr<QSettings> ReadBack(const std::filesystem::path& path);

std::string Text(const QSettings& settings, const char* key);

// Puts every process-wide record of the run configuration back to its start-up state.
void ResetConfiguration();

}  // namespace configtest
