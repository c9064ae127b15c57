#include "aaf/import/ImportState.h"

#include "aaf/import/EditRateConversion.h"
#include "aaf/import/EventMarkers.h"
#include "aaf/import/FileT.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/TimelineBuilder.h"
#include "records/MobRegistry.h"

void ResetImportState()
{
    ReleaseFileHeaderAndDictionary();
    MobRegistry::Clear();
    ClearMasterClipMaps();
    ClearEventMarkerMap();
    EmptyTimelineBuilderStacks();
    ClearImportTraversalLists();
    ResetProjectFrameRate();
}
