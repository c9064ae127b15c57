#pragma once

#include <string>
#include <vector>

#include "config/TranslationLog.h"
#include "fcpxml/AudioInfo.h"
#include "fcpxml/TrackInfo.h"
#include "fcpxml/VideoInfo.h"

class FCPSequenceTag;

// Files a log entry for each item of the current sequence that has translation records.
void LogTopSequence();
// The same over the tracks of each video, or each audio, entry in order.
void LogTrackItems(const FCPSequenceTag& sequence, std::vector<VideoInfo>& entries);
void LogTrackItems(const FCPSequenceTag& sequence, std::vector<AudioInfo>& entries);
void LogItemsOfTrack(TrackInfo& track, const FCPSequenceTag& sequence);
// An item with translation records goes into TranslationLog with where it sits; one without leaves
// no entry.
void AppendItemLogEntry(const FCPSequenceTag& sequence, const std::string& name,
                        const std::string& label, int position, const ItemTranslations& item);

// "A", "V", "EC", "TC", "M" or "Unknown" by data kind, then the number.
std::string TrackLabel(int dataKind, int number);
std::string TrackLabelOfTrack(const TrackInfo& track);
