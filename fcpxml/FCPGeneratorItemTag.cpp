#include "fcpxml/FCPGeneratorItemTag.h"

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/XmlWriter.h"

FCPGeneratorItemTag::FCPGeneratorItemTag(const std::string& itemName, const RateInfo& itemRate)
    : ItemTagBase(itemName, itemRate)
{
    kind = ItemKindGeneratorItem;
}

FCPGeneratorItemTag FCPGeneratorItemTag::FromClipItem(const FCPClipItemTag& clipItem)
{
    FCPGeneratorItemTag item(clipItem.name, clipItem.rate);
    item.duration = 3600;
    item.start = 0;
    item.in = 0;
    item.end = item.out = clipItem.out - clipItem.in;
    item.anamorphic = clipItem.anamorphic;
    item.CopyMarks(clipItem);
    item.SetUniqueId(item.name);
    TranslationLogEntry::SetItemId(item.id, item.log);
    item.filters = clipItem.filters;
    if (!clipItem.sourcetracks.empty())
        item.sourcetrack = clipItem.sourcetracks.front();
    return item;
}

FCPGeneratorItemTag ToGeneratorItem(const FCPClipItemTag& clipItem)
{
    return FCPGeneratorItemTag::FromClipItem(clipItem);
}

bool FCPGeneratorItemTag::AddFilter(const EffectInfo& effect)
{
    filters.emplace_back(effect);
    return true;
}

void FCPGeneratorItemTag::AssignTitleId()
{
    SetUniqueId("Title");
    name = id;
    TranslationLogEntry::SetItemId(id, log);
}

namespace {

bool HasLoggingText(const LoggingInfo& info)
{
    // "take" is never written but still counts as content.
    return !info.description.empty() || !info.lognote.empty() || !info.scene.empty() ||
           !info.shottake.empty() || !info.take.empty();
}

bool HasLabelText(const LabelsInfo& info)
{
    return !info.label.empty() || !info.label2.empty();
}

bool HasCommentText(const CommentsInfo& info)
{
    return !info.mastercomment1.empty() || !info.mastercomment2.empty() || !info.mastercomment3.empty() ||
           !info.mastercomment4.empty() || !info.clipcommenta.empty() || !info.clipcommentb.empty();
}

}  // namespace

void FCPGeneratorItemTag::WriteGeneratorItem() const
{
    WriteOpenTag("generatoritem");
    WriteName();
    WriteDuration();
    WriteRate(rate);
    WriteInOut();
    WriteStartEnd();
    WriteXmlTextElement("enabled", "TRUE");
    WriteXmlTextElement("anamorphic", BoolToText(anamorphic));
    if (!alphatype.empty())
        WriteXmlTextElement("alphatype", alphatype);
    for (const EffectInfo& effect : effects)
        WriteEffect(effect);
    // The master ids without <ismasterclip>, which a generator item may not carry.
    if (!masterclipid.empty())
        WriteXmlTextElement("masterclipid", masterclipid);
    if (!subclipmasterid.empty())
        WriteXmlTextElement("subclipmasterid", subclipmasterid);
    if (HasLoggingText(logginginfo))
        WriteLoggingInfo(logginginfo);
    if (HasLabelText(labels))
        WriteLabels(labels);
    if (HasCommentText(comments))
        WriteComments(comments);
    WriteMarkers();
    WriteBasicMotionFilter();
    for (const FilterInfo& filter : filters)
        WriteFilter(filter);
    WriteSourceTrack(sourcetrack);
    WriteXmlContainerClose("generatoritem");
}
