#include "fcpxml/FCPClipItemTag.h"

#include <utility>

#include "config/MediaSettings.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

FCPClipItemTag::FCPClipItemTag() : FCPClipItemTag(std::string()) {}

FCPClipItemTag::FCPClipItemTag(const std::string& itemName)
    : ItemTagBase(itemName),
      anamorphic(OutputMediaSettings.anamorphic),
      fielddominance(OutputMediaSettings.fieldDominance),
      pixelaspectratio(OutputMediaSettings.pixelAspectRatio)
{
    kind = ItemKindClipItem;
}

FCPClipItemTag::FCPClipItemTag(const FCPClipItemTag& other) = default;
FCPClipItemTag& FCPClipItemTag::operator=(const FCPClipItemTag& other) = default;
FCPClipItemTag::FCPClipItemTag(FCPClipItemTag&& other) = default;
FCPClipItemTag& FCPClipItemTag::operator=(FCPClipItemTag&& other) = default;
FCPClipItemTag::~FCPClipItemTag() = default;

FCPClipItemTag ToClipItem(const FCPFileTag& file, int mediaType) { return ToClipItem(FCPFileTag(file), mediaType); }

FCPClipItemTag ToClipItem(FCPFileTag&& file, int mediaType)
{
    FCPClipItemTag item(file.name);
    item.mediaType = mediaType;
    item.rate = file.rate;
    item.duration = item.end = item.out = file.duration;
    item.start = item.in = 0;
    item.alphatype = file.alphatype;
    item.files = FileList(std::move(file));
    return item;
}

void FCPClipItemTag::InitNested(const ComponentContext& context)
{
    mediaType = context.dataKind;
    name = "Nested";
    SetUniqueId(name);
    TranslationLogEntry::SetItemId(id, log);
    name = id;
    in = 0;
    out = duration = context.length;
}

void FCPClipItemTag::MakeSubclip(const SubclipInfo& info, const std::string& masterClipId)
{
    subclipinfos.push_back(info);
    subclipmasterid = masterclipid;
    masterclipid = masterClipId;
    duration = end = out = info.length;
    start = in = 0;
    syncoffset = 0;
}

bool FCPClipItemTag::AddFilter(const EffectInfo& effect)
{
    if (mediaType == 1 && !effect.HasDataInRange(in, out))
        return false;
    filters.emplace_back(effect);
    return true;
}

void FCPClipItemTag::ClearFiles() { files.clear(); }

FrameSize FCPClipItemTag::GetFrameSize() const
{
    if (files.empty())
        return {OutputMediaSettings.width, OutputMediaSettings.height};
    return {files.front().width, files.front().height};
}

int FCPClipItemTag::GetFileDuration() const { return files.empty() ? -1 : files.front().duration; }

int FCPClipItemTag::GetSourceDuration() const
{
    return files.empty() ? duration : files.front().duration;
}

void FCPClipItemTag::CopyMarkersToNestedSequences()
{
    for (FCPSequenceTag& sequence : nestedSequences)
        sequence.markers = markers;
}

void FCPClipItemTag::AssignIdFromName()
{
    SetUniqueId(name);
    TranslationLogEntry::SetItemId(id, log);
}

void FCPClipItemTag::AssignSlotId(int slotNumber, const std::string& mobName)
{
    SetUniqueId("Slot: " + IntToString(slotNumber) + " for " + mobName);
    TranslationLogEntry::SetItemId(id, log);
}

void FCPClipItemTag::WriteClipItem()
{
    WriteOpenTag("clipitem");
    WriteName();
    WriteDuration();
    WriteRate(rate);
    WriteInOut();
    WriteStartEnd();
    if (stillframeoffset >= 0)
        WriteXmlIntElement("stillframeoffset", stillframeoffset);
    for (const SubclipInfo& info : subclipinfos)
        WriteSubclipInfo(info);
    WriteXmlTextElement("pixelaspectratio", pixelaspectratio);
    if (stillframe)
        WriteXmlTextElement("stillframe", "TRUE");
    WriteXmlTextElement("anamorphic", BoolToText(anamorphic));
    if (!alphatype.empty())
        WriteXmlTextElement("alphatype", alphatype);
    if (alphareverse)
        WriteXmlTextElement("alphareverse", "TRUE");
    WriteMasterIds();
    if (syncoffset != -1)
        WriteXmlIntElement("syncoffset", syncoffset);
    WriteLoggingInfo(logginginfo);
    WriteLabels(labels);
    WriteComments(comments);
    files.Write();
    WriteMarkers();
    for (FCPSequenceTag& sequence : nestedSequences)
        sequence.WriteSequence();
    WriteBasicMotionFilter();
    for (auto filter = filters.rbegin(); filter != filters.rend(); ++filter)
        WriteFilter(*filter);
    for (const SourceTrackInfo& track : sourcetracks)
        WriteSourceTrack(track);
    if (mediaType == 2)
        WriteXmlTextElement("fielddominance", fielddominance);
    WriteXmlContainerClose("clipitem");
}
