#include "run/RunState.h"

#include "aaf/AafState.h"
#include "aaf/import/ImportState.h"
#include "effects/EffectsState.h"
#include "fcpxml/DocumentState.h"
#include "run/AafSources.h"
#include "run/config/ConfigurationState.h"

void ResetRunState()
{
    ForgetOpenAafFile();
    ResetConfigurationState();
    ResetDocumentState();
    ResetAafState();
    ResetImportState();
    ResetEffectsState();
}
