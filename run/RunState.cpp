#include "run/RunState.h"

#include "aaf/AafState.h"
#include "aaf/import/ImportState.h"
#include "config/ConfigurationState.h"
#include "effects/EffectsState.h"
#include "fcpxml/DocumentState.h"
#include "records/RecordsState.h"
#include "run/AafSources.h"

void ResetRunState()
{
    ForgetOpenAafFile();
    ResetConfigurationState();
    ResetRecordsState();
    ResetDocumentState();
    ResetAafState();
    ResetImportState();
    ResetEffectsState();
}
