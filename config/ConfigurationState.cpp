#include "config/ConfigurationState.h"

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "config/NamedParameters.h"
#include "config/SourcePaths.h"
#include "config/TranslationLog.h"

void ResetConfigurationState()
{
    NamedParameters.clear();
    PrefFilePath.clear();
    ImportPrefs = ImportPreferences{};
    OutputMediaSettings = MediaSettings{};
    FcpFormatNameMap.clear();
    ClearSourcePathMap();
    ClearTranslationLog();
}
