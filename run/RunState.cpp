#include "run/RunState.h"

#include "aaf/AafState.h"
#include "aaf/import/ImportState.h"
#include "config/ConfigurationState.h"
#include "effects/EffectsState.h"
#include "fcpxml/DocumentState.h"
#include "run/AafSources.h"

void ResetRunState()
{
    ForgetOpenAafFile();
    ResetConfigurationState();
    ResetDocumentState();
    ResetAafState();
    ResetImportState();
    ResetEffectsState();
}
