#pragma once

#include <map>
#include <string>
#include <vector>

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/IDTagBase.h"
#include "fcpxml/ItemSlot.h"
#include "fcpxml/ItemTagBase.h"
#include "fcpxml/MarkTagBase.h"
#include "fcpxml/MasterIDTagBase.h"
#include "fcpxml/MediaTagBase.h"
#include "fcpxml/TrimTagBase.h"

class FCPGeneratorItemTag;
struct MobInfo;

// <clip>: a master clip in a bin, or a clip made as the value of a clip-reference parameter.
class FCPClipTag : public ItemTagBase,
                   public IDTagBase,
                   public TrimTagBase,
                   public MasterIDTagBase,
                   public MarkTagBase,
                   public MediaTagBase {
public:
    FCPClipTag();
    FCPClipTag(const FCPClipTag&) = default;
    FCPClipTag& operator=(const FCPClipTag&) = default;
    FCPClipTag(FCPClipTag&&) = default;
    FCPClipTag& operator=(FCPClipTag&&) = default;
    ~FCPClipTag() override = default;

    // Name, length, alpha slot and marks of a master mob; the id is the mob's registry item id
    // (MobInfo's item id as the registry gives it) made unique.
    void FillFromMobInfo(const MobInfo& mob, const std::string& mobItemId);
    // A clip around one owned item; only a video clip item makes one.
    static void InitFromClipItem(FCPClipItemTag& clipItem, FCPClipTag& clip);
    static void InitFromGeneratorItem(FCPClipTag& clip, const FCPGeneratorItemTag& generator);

    // The media is built from the owned items or the slot maps as the clip is written.
    void WriteClip() const;

    std::map<int, FCPClipItemTag> videoSlots;
    std::map<int, FCPClipItemTag> audioSlots;
    int alphaSlotId = -1;
    std::vector<ItemSlot> items;
    bool referenced = false;
};
