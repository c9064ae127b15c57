#include "aaf/import/EssenceT.h"

#include "aaf/CheckHResult.h"
#include "aaf/HeldInterface.h"
#include "aaf/import/ClassifyDescriptors.h"
#include "aaf/import/DataT.h"
#include "aaf/import/FileDescriptorT.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SourceMobT.h"
#include "aaf/import/SourceT.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/LogMessage.h"

namespace {

// Whether the choice's source mob has a picture descriptor with an alpha component.
bool SourceHasAlphaPicture(const SourceReference& choice)
{
    const SourceMobT source(choice.sourceMobId);
    if (source.status < 0)
        return false;
    FileDescriptorT descriptor(source.sourceMob);
    DescriptorLists lists;
    return descriptor.status >= 0 && descriptor.Read(lists) >= 0 &&
           ClassifyDescriptors(lists) == kDataKindPictureWithAlpha;
}

}  // namespace

EssenceT::EssenceT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&essenceGroup, IID_IAAFEssenceGroup, "IID_IAAFEssenceGroup", segment);
}

EssenceT::~EssenceT()
{
    ReleaseInterface(essenceGroup);
}

void EssenceT::ReadChoices()
{
    aafUInt32 count = 0;
    CheckHResult("CountChoices", CheckNotNull(essenceGroup, "EssenceT: CountChoices")->CountChoices(&count),
                 kAafCallFailed);
    for (aafUInt32 i = 0; i < count; ++i) {
        Held<IAAFSegment> choice;
        const HRESULT result = essenceGroup->GetChoiceAt(i, choice.out());
        if (result < 0 || !choice)
            continue;
        if (result == 0)
            TraceAvailable("GetChoiceAt");
        {
            const SourceT source(choice.get(), context);
            status = source.status;
            if (status >= 0)
                chosen = source.reference;
        }
        Held<IAAFSourceClip> stillFrame;
        const HRESULT still = essenceGroup->GetStillFrame(stillFrame.out());
        if (still >= 0) {
            if (still == 0)
                TraceAvailable("GetStillFrame");
            LogMessage("WARNING:", "StillFrame available on EssenceGroup");
        }
        if (status < 0)
            continue;
        SourceReference listed = chosen;
        if (SourceHasAlphaPicture(listed))
            listed.dataKind = kDataKindPictureWithAlpha;
        choices.push_back(listed);
    }
}

void EssenceT::ChooseReference()
{
    if (choices.empty())
        return;
    for (const SourceReference& choice : choices) {
        if (choice.dataKind == kDataKindPictureWithAlpha) {
            chosen = choice;
            chosen.dataKind = kDataKindPicture;
            return;
        }
    }
    chosen = choices.front();
}

std::int32_t EssenceT::ReadAndChoose()
{
    if (status < 0)
        return status;
    ReadChoices();
    ChooseReference();
    return status;
}

std::int32_t EssenceT::Import()
{
    if (ReadAndChoose() < 0)
        return status;
    switch (context.parentKind) {
    case kParentClipMobSlot: PushPendingSourceReference(chosen); break;
    case kParentNestedScopeLayer:
    case kParentSequenceComponent:
    case kParentTimelineSlot: {
        // Producing nothing here would drop the group's length from the track and pull every later
        // item early.
        SourceT choice(chosen, context);
        choice.Import();
        break;
    }
    default: break;
    }
    return status;
}
