#include "fcpxml/TrackInfo.h"

#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/XmlWriter.h"

namespace {

// The tracks of the first entry, or -1 when there is none.
template <typename Entries>
int FirstEntryTrackCount(const Entries& entries)
{
    return entries.empty() ? -1 : static_cast<int>(entries.front().tracks.size());
}

}  // namespace

void SetTrackIndexFromSequence(TrackInfo& track, const FCPSequenceTag* current)
{
    if (current == nullptr)
        return;
    if (track.mediaType == 2)
        track.index = FirstEntryTrackCount(current->video) + 1;
    else if (track.mediaType == 1)
        track.index = FirstEntryTrackCount(current->audio) + 1;
}

void WriteTrack(const TrackInfo& track)
{
    WriteXmlContainer("track", [&] {
        for (const ItemSlot& item : track.items)
            WriteItem(item);
        WriteXmlTextElement("enabled", BoolToText(track.enabled));
        WriteXmlTextElement("locked", BoolToText(track.locked));
        if (track.outputchannelindex != -1 && track.mediaType == 1)
            WriteXmlIntElement("outputchannelindex", track.outputchannelindex);
    });
}
