#include "aaf/import/TranslationLogCollection.h"

#include <utility>

#include "aaf/import/TimelineBuilder.h"
#include "config/MediaSettings.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/NumberText.h"

namespace {

template <typename Entries>
void LogEntryTracks(const FCPSequenceTag& sequence, Entries& entries)
{
    for (auto& entry : entries)
        for (TrackInfo& track : entry.tracks)
            LogItemsOfTrack(track, sequence);
}

}  // namespace

void LogTopSequence()
{
    auto& sequences = GlobalTimelineBuilder.SequenceStack;
    if (sequences.empty())
        return;
    FCPSequenceTag& sequence = sequences.front();
    LogTrackItems(sequence, sequence.video);
    LogTrackItems(sequence, sequence.audio);
}

void LogTrackItems(const FCPSequenceTag& sequence, std::vector<VideoInfo>& entries)
{
    LogEntryTracks(sequence, entries);
}

void LogTrackItems(const FCPSequenceTag& sequence, std::vector<AudioInfo>& entries)
{
    LogEntryTracks(sequence, entries);
}

void LogItemsOfTrack(TrackInfo& track, const FCPSequenceTag& sequence)
{
    const std::string label = TrackLabelOfTrack(track);
    for (ItemSlot& slot : track.items) {
        if (GetItemKind(slot) == ItemKindNone || slot.get()->log.translations.empty())
            continue;
        TrimValues trim;
        GetItemTrimValues(slot, trim);
        AppendItemLogEntry(sequence, slot.get()->name, label, trim.start, slot.get()->log);
    }
}

void AppendItemLogEntry(const FCPSequenceTag& sequence, const std::string& name,
                        const std::string& label, int position, const ItemTranslations& item)
{
    if (item.translations.empty())
        return;
    TranslationLogEntry entry(item);
    entry.clipName = name;
    entry.trackName = label;
    entry.sequenceName = sequence.name;
    const int sequenceStart = sequence.timecode.frame < 0 ? 0 : sequence.timecode.frame;
    entry.timecode.startFrame = int64_t{position} + sequenceStart;
    entry.timecode.dropFrame = OutputMediaSettings.timecode.dropFrame;
    entry.timecode.rateNumerator = OutputMediaSettings.timecode.rateNumerator;
    entry.timecode.rateDenominator = OutputMediaSettings.timecode.rateDenominator;
    TranslationLog.push_back(std::move(entry));
}

std::string TrackLabel(int dataKind, int number)
{
    const char* prefix = "Unknown";
    switch (dataKind) {
    case 1: prefix = "A"; break;
    case 2: prefix = "V"; break;
    case 5: prefix = "EC"; break;
    case 6: prefix = "TC"; break;
    case 8: prefix = "M"; break;
    default: break;
    }
    return prefix + IntToString(number);
}

std::string TrackLabelOfTrack(const TrackInfo& track) { return TrackLabel(track.mediaType, track.index); }
