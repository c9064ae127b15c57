#include "fcpxml/DocumentState.h"

#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/IDTagBase.h"
#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/QtCodecTable.h"
#include "fcpxml/XmemlDocument.h"
#include "fcpxml/XmlWriter.h"

void ResetDocumentState()
{
    XmlOutputFile.close();
    XmlOutputFile.setFileName(QString());
    XmlIndentDepth = 0;
    InitXmemlDocument();
    UsedNameCounts.clear();
    UsedItemIds.clear();
    WrittenFileIds.clear();
    LabelColorTable.clear();
    AvidMarkerColorTable.clear();
    AvidToFcpColorNames.clear();
    QtCodecTable.clear();
    CodecColorSpaceMap.clear();
}
