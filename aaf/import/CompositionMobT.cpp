#include "aaf/import/CompositionMobT.h"

#include <utility>

#include "aaf/import/EventMarkers.h"
#include "aaf/import/ImportBins.h"
#include "aaf/import/NestedSequences.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/ReadEventMarkers.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/import/TimelineMobSlotT.h"
#include "aaf/import/TranslationLogCollection.h"
#include "config/MediaSettings.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/XmemlDocument.h"

CompositionMobT::CompositionMobT(const MobEntry& entry) : MobtT(entry.mobId)
{
    QueryComposition();
}

CompositionMobT::CompositionMobT(IEnumAAFMobs* mobs) : MobtT(mobs)
{
    QueryComposition();
}

CompositionMobT::~CompositionMobT()
{
    ReleaseInterface(compositionMob);
}

void CompositionMobT::QueryComposition()
{
    if (status >= 0)
        status = GetInterface(&compositionMob, IID_IAAFCompositionMob, "IID_IAAFCompositionMob", mob);
}

void CompositionMobT::BuildSequence()
{
    if (status < 0)
        return;
    TimelineBuilder& builder = GlobalTimelineBuilder;
    OpenSequence();
    ReadEventSlots();
    ReadTimelineSlots();
    AddCompositionMarkers();
    if (!builder.SequenceStack.empty()) {
        FCPSequenceTag& sequence = builder.SequenceStack.front();
        sequence.AddSequenceAafComments(info.comments);
        // Its items' log entries are completed first, so that the sequence moves into the bin
        // instead of being copied there (a clip item is over a kilobyte).
        LogTopSequence();
        AddSequenceToFirstBin(std::move(sequence));
        builder.SequenceStack.pop_front();
    }
    ClearEventMarkerMap();
}

void CompositionMobT::OpenSequence()
{
    GlobalTimelineBuilder.SequenceStack.push_front(MakeSequenceTag(OutputMediaSettings, info.name, info.length));
    NameBinAfterSequence();
}

void CompositionMobT::NameBinAfterSequence()
{
    if (!XmemlDocument.bins.empty())
        FirstBin().name = info.name;
}

void CompositionMobT::ReadEventSlots()
{
    ReadEventMarkers(slotCount, EventMarkerMap, mob, frameRate);
}

void CompositionMobT::ReadTimelineSlots()
{
    for (std::int32_t i = 0; i < slotCount; ++i) {
        TimelineMobSlotT slot(mob, static_cast<aafUInt32>(i));
        if (slot.status >= 0)
            slot.ImportSegment(kParentTimelineSlot, frameRate);
    }
}

void CompositionMobT::AddCompositionMarkers()
{
    if (GlobalTimelineBuilder.SequenceStack.empty())
        return;
    std::vector<MarkerInfo>& markers = GlobalTimelineBuilder.SequenceStack.front().markers;
    AddSlotMarkers(markers, info.startTimecode.slotId);
    AddSlotMarkers(markers, kWholeMobMarkerSlotId);
}
