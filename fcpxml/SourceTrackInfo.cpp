#include "fcpxml/SourceTrackInfo.h"

#include "fcpxml/XmlWriter.h"

void WriteSourceTrack(const SourceTrackInfo& track)
{
    WriteXmlContainer("sourcetrack", [&] {
        WriteXmlTextElement("mediatype", MediaTypeName(track.mediatype));
        if (track.mediatype == 1)
            WriteXmlIntElement("trackindex", track.trackindex);
    });
}
