#include "fcpxml/FCPClipTag.h"

#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/TrackInfo.h"
#include "fcpxml/ValueInfo.h"
#include "fcpxml/XmlWriter.h"
#include "records/MobInfo.h"

namespace {

// Lets a parameter value own and write a clip.
const bool kNestedClipHooksInstalled = [] {
    NestedClipHooks.clone = [](const ItemTagBase& item) -> ItemTagBase* {
        const auto* clip = dynamic_cast<const FCPClipTag*>(&item);
        return clip ? new FCPClipTag(*clip) : nullptr;
    };
    NestedClipHooks.write = [](const ItemTagBase& item) {
        const auto* clip = dynamic_cast<const FCPClipTag*>(&item);
        if (clip)
            clip->WriteClip();
        return clip != nullptr;
    };
    return true;
}();

}  // namespace

FCPClipTag::FCPClipTag() : MasterIDTagBase(true)
{
    kind = ItemKindClip;
}

void FCPClipTag::FillFromMobInfo(const MobInfo& mob, const std::string& mobItemId)
{
    name = mob.name;
    SetUniqueId(mobItemId);
    masterclipid = id;
    duration = mob.length;
    if (mob.alphaSlotId > 0)
        alphaSlotId = mob.alphaSlotId;
    if (mob.markIn != -1) {
        in = mob.markIn;
        out = mob.markOut != -1 ? mob.markOut : duration;
    } else if (mob.markOut != -1) {
        in = 0;
        out = mob.markOut;
    }
}

void FCPClipTag::InitFromClipItem(FCPClipItemTag& clipItem, FCPClipTag& clip)
{
    if (clipItem.mediaType != 2)
        return;
    clip.name = clipItem.name;
    clip.SetUniqueId(clip.name);
    clip.duration = clipItem.duration;
    clip.in = clipItem.in;
    clip.out = clipItem.out;
    clipItem.in = 0;
    clipItem.out = clipItem.duration;
    clipItem.start = 0;
    clipItem.end = clipItem.duration;
    ItemSlot slot;
    NewClipItemCopy(slot, clipItem);
    clip.items.push_back(std::move(slot));
}

void FCPClipTag::InitFromGeneratorItem(FCPClipTag& clip, const FCPGeneratorItemTag& generator)
{
    clip.name = generator.name;
    clip.SetUniqueId(clip.name);
    clip.duration = generator.duration;
    ItemSlot slot;
    NewGeneratorItemCopy(slot, generator);
    clip.items.push_back(std::move(slot));
}

namespace {

TrackInfo TrackHolding(const FCPClipItemTag& item)
{
    TrackInfo track;
    ItemSlot slot;
    NewClipItemCopy(slot, item);
    track.items.push_back(std::move(slot));
    return track;
}

}  // namespace

void FCPClipTag::WriteClip() const
{
    WriteOpenTag("clip");
    WriteXmlTextElement("updatebehavior", "add");
    WriteName();
    WriteDuration();
    WriteRate(rate);
    WriteInOut();
    WriteXmlTextElement("stillframe", "FALSE");
    WriteMasterIds();
    WriteLoggingInfo(logginginfo);
    WriteLabels(labels);
    WriteComments(comments);

    // The tracks go into a copy of the clip's media, so writing leaves the clip as it was and a
    // second write gives the same text.
    MediaTagBase media(*this);
    if (!items.empty()) {
        TrackInfo track;
        const int itemKind = GetItemKind(items.front());
        if (itemKind == 1 || itemKind == 2) {
            ItemSlot copy;
            CloneItem(items.front(), copy);
            track.items.push_back(std::move(copy));
        }
        media.AddVideoTrack(track);
    } else {
        for (const auto& [slotId, item] : videoSlots)
            media.AddVideoTrack(TrackHolding(item));
        for (const auto& [slotId, item] : audioSlots)
            media.AddAudioTrack(TrackHolding(item));
    }
    media.WriteMedia();
    WriteMarkers();
    WriteXmlContainerClose("clip");
}
