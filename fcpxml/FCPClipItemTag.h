#pragma once

#include <string>
#include <vector>

#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/EffectInfo.h"
#include "fcpxml/FileList.h"
#include "fcpxml/FilterInfo.h"
#include "fcpxml/IDTagBase.h"
#include "fcpxml/ItemTagBase.h"
#include "fcpxml/MarkTagBase.h"
#include "fcpxml/MasterIDTagBase.h"
#include "fcpxml/RareText.h"
#include "fcpxml/SourceTrackInfo.h"
#include "fcpxml/SubclipInfo.h"
#include "fcpxml/TrimTagBase.h"
#include "fcpxml/WellLayerBase.h"
#include "records/ComponentContext.h"

class FCPFileTag;
class FCPSequenceTag;

// A frame size in pixels.
struct FrameSize {
    int width = 0;
    int height = 0;
};

// <clipitem>: one use of source media, or of a nested sequence, on a track.
class FCPClipItemTag : public ItemTagBase,
                       public IDTagBase,
                       public TrimTagBase,
                       public MasterIDTagBase,
                       public MarkTagBase,
                       public BasicMotionBase,
                       public WellLayerBase {
public:
    // The output media settings in force now give anamorphic, field dominance and pixel aspect
    // ratio; every time -1.
    FCPClipItemTag();
    explicit FCPClipItemTag(const std::string& itemName);
    FCPClipItemTag(const FCPClipItemTag& other);
    FCPClipItemTag& operator=(const FCPClipItemTag& other);
    FCPClipItemTag(FCPClipItemTag&& other);
    FCPClipItemTag& operator=(FCPClipItemTag&& other);
    ~FCPClipItemTag() override;

    // Turns a fresh item into the placeholder of a nested sequence ("Nested", "Nested 1", ...).
    void InitNested(const ComponentContext& context);
    // The item plays a subclip: its range becomes 0..length of the subclip.
    void MakeSubclip(const SubclipInfo& info, const std::string& masterClipId);
    // Appends the effect as a filter; an audio item drops an effect without data in in..out.
    // Answers whether the item kept it.
    bool AddFilter(const EffectInfo& effect);
    void ClearFiles();
    // The first file's frame size, or the output media settings' without a file.
    FrameSize GetFrameSize() const;
    // The first file's duration; -1 without a file.
    int GetFileDuration() const;
    // The first file's duration; the item's own without a file.
    int GetSourceDuration() const;
    void CopyMarkersToNestedSequences();
    // id := a unique id made from the name; the log entry takes it.
    void AssignIdFromName();
    // id := a unique id made from "Slot: <n> for <mob name>"; the log entry takes it.
    void AssignSlotId(int slotNumber, const std::string& mobName);
    std::string GetAlphaType() const { return alphatype; }
    void SetAlphaType(const std::string& text) { alphatype = text; }

    // Writing a file or a nested sequence fills in computed texts, hence not const.
    void WriteClipItem();

    RareText alphatype;
    bool alphareverse = false;
    bool anamorphic = false;
    std::string fielddominance;
    std::string pixelaspectratio;
    bool stillframe = false;
    int stillframeoffset = -1;
    int syncoffset = -1;
    FileList files;  // the first is the file the item plays
    std::vector<FilterInfo> filters;  // written last first
    std::vector<FCPSequenceTag> nestedSequences;
    std::vector<SourceTrackInfo> sourcetracks;
    std::vector<SubclipInfo> subclipinfos;
    bool freezeFrame = false;
};

// A clip item that plays the whole file (slugs): 0..duration, one copy of the file.
FCPClipItemTag ToClipItem(const FCPFileTag& file, int mediaType);
FCPClipItemTag ToClipItem(FCPFileTag&& file, int mediaType);
