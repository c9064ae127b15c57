#include "fcpxml/TrackInfo.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

void WriteTrack(const TrackInfo& track)
{
    WriteXmlContainer("track", [&] {
        for (const ItemSlot& item : track.items)
            WriteItem(item);
        WriteXmlTextElement("enabled", BoolToText(track.enabled));
        WriteXmlTextElement("locked", BoolToText(track.locked));
        if (track.outputchannelindex != -1 && track.mediaType == 1)
            WriteXmlTextElement("outputchannelindex", IntToString(track.outputchannelindex));
    });
}
