#include "run/config/ConfigurationState.h"

#include "run/config/ImportPreferences.h"
#include "run/config/MediaSettings.h"
#include "run/config/NamedParameters.h"
#include "run/config/SourcePaths.h"
#include "run/config/TranslationLog.h"

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
