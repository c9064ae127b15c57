#include "aaf/import/ImportState.h"

#include "aaf/import/EditRateConversion.h"
#include "aaf/import/EventMarkers.h"
#include "aaf/import/FileT.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/TimelineBuilder.h"

void ResetImportState()
{
    ReleaseFileHeaderAndDictionary();
    ClearMasterClipMaps();
    ClearEventMarkerMap();
    EmptyTimelineBuilderStacks();
    ClearImportTraversalLists();
    ResetProjectFrameRate();
}
