#pragma once

#include <string>
#include <vector>

#include "config/TranslationLog.h"
#include "fcpxml/AudioInfo.h"
#include "fcpxml/TrackInfo.h"
#include "fcpxml/VideoInfo.h"

class FCPSequenceTag;

// Completes the log entries of the current sequence's items and collects those with records.
void LogTopSequence();
// The same over the tracks of each video, or each audio, entry in order.
void LogTrackItems(const FCPSequenceTag& sequence, std::vector<VideoInfo>& entries);
void LogTrackItems(const FCPSequenceTag& sequence, std::vector<AudioInfo>& entries);
void LogItemsOfTrack(TrackInfo& track, const FCPSequenceTag& sequence);
// The entry learns where its item sits; one with translation records is copied into
// TranslationLog.
void AppendItemLogEntry(const FCPSequenceTag& sequence, const std::string& name,
                        const std::string& label, int position, TranslationLogEntry& entry);

// "A", "V", "EC", "TC", "M" or "Unknown" by data kind, then the number.
std::string TrackLabel(int dataKind, int number);
std::string TrackLabelOfTrack(const TrackInfo& track);
