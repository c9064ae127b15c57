#include "aaf/import/NestedSequences.h"

#include <algorithm>
#include <utility>

#include "aaf/import/TrackLayout.h"
#include "aaf/import/TranslationLogCollection.h"
#include "config/MediaSettings.h"
#include "fcpxml/AudioInfo.h"
#include "fcpxml/FCPFileTag.h"

FCPSequenceTag MakeSequenceTag(const MediaSettings& settings, const std::string& name, int duration)
{
    FCPSequenceTag sequence(settings);
    sequence.name = name;
    sequence.SetUniqueId(name);
    sequence.duration = duration;
    return sequence;
}

FCPClipItemTag MakeSlugClipItem(const ComponentContext& context, const std::string& name)
{
    FCPFileTag file("Slug");
    file.MakeSlug(context.dataKind, context.length);
    const int fileDuration = file.duration;
    FCPClipItemTag item = ToClipItem(std::move(file), context.dataKind);
    item.name = name;
    item.AssignIdFromName();
    item.sourcetracks.push_back(SourceTrackInfo{item.mediaType, 1});
    item.layerIndex = context.layerIndex;
    item.in = 0;
    item.out = context.length;
    // The file's length: the fixed slug length, or longer when the gap is.
    item.duration = fileDuration;
    item.mediaType = context.dataKind;
    return item;
}

void ReplaceMediaWithSlug(FCPClipItemTag& item)
{
    const int length = item.out - item.in;
    FCPFileTag slug("Slug");
    slug.MakeSlug(2, length);
    item.duration = slug.duration;
    item.files = FileList(std::move(slug));
    item.in = 0;
    item.out = length;
    item.start = 0;
    item.end = length;
}

FCPClipItemTag CopyClipItemForNesting(const FCPClipItemTag& item, int length)
{
    FCPClipItemTag copy(item);
    copy.AssignIdFromName();
    if (copy.out - copy.in > length)
        copy.out = copy.in + length;
    copy.end = std::min(copy.out - copy.in, length);
    copy.start = 0;
    // Inside its sequence the copy plays its own range.
    copy.recordLength = -1;
    copy.filters.clear();
    return copy;
}

FCPSequenceTag BuildNestedSequence(const FCPClipItemTag& item, int length)
{
    MediaSettings settings = OutputMediaSettings;
    const FrameSize frame = item.GetFrameSize();
    settings.width = frame.width;
    settings.height = frame.height;
    FCPSequenceTag sequence = MakeSequenceTag(settings, item.name, length);
    sequence.timecode.text = sequence.timecode.displayformat == "DF" ? "00;00;00;00" : "00:00:00:00";
    sequence.timecode.frame = 0;

    if (!sequence.video.empty()) {
        TrackInfo track;
        track.index = 1;
        track.items.emplace_back();
        NewClipItemCopy(track.items.back(), item);
        const int remainder = length - (item.out - item.in);
        if (remainder > 0) {
            ComponentContext rest;
            rest.length = remainder;
            rest.dataKind = item.mediaType;
            rest.layerIndex = item.layerIndex;
            rest.slot.slotId = 1;
            rest.slot.physicalNumber = 1;
            track.items.emplace_back();
            NewClipItemCopy(track.items.back(), MakeSlugClipItem(rest, "Filler"));
        }
        LayOutTrack(track);
        if (item.mediaType == 2) {
            track.mediaType = 2;
            sequence.video.front().tracks.push_back(track);
        } else if (item.mediaType == 1) {
            AudioInfo audio(OutputMediaSettings);
            track.mediaType = 1;
            audio.tracks.push_back(track);
            sequence.AddAudio(audio);
        }
    }
    LogTrackItems(sequence, sequence.video);
    LogTrackItems(sequence, sequence.audio);
    return sequence;
}

FCPSequenceTag NestItemCopyInSequence(int length, const FCPClipItemTag& item)
{
    return BuildNestedSequence(CopyClipItemForNesting(item, length), length);
}

void MakeNestedSequenceItem(const FCPSequenceTag& sequence, FCPClipItemTag& item, int out, int duration)
{
    item.ClearFiles();
    item.subclipinfos.clear();
    item.syncoffset = -1;
    item.in = 0;
    item.out = out;
    item.duration = duration;
    item.masterclipid.clear();
    item.nestedSequences.push_back(sequence);
}

void NestClipItemInSequence(int length, FCPClipItemTag& item)
{
    const FCPSequenceTag sequence = NestItemCopyInSequence(length, item);
    MakeNestedSequenceItem(sequence, item, length, length);
}
