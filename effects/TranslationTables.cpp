#include "effects/TranslationTables.h"

#include "config/TranslationLog.h"
#include "effects/FCPEffectCatalogue.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/QtCodecTable.h"

void ClearTranslationTables()
{
    ClearTranslationLog();
    FCPEffectCatalogue.clear();
    LabelColorTable.clear();
    AvidMarkerColorTable.clear();
    AvidToFcpColorNames.clear();
    QtCodecTable.clear();
    CodecColorSpaceMap.clear();
}
