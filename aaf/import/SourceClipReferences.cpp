#include "aaf/import/SourceClipReferences.h"

#include "aaf/HeldInterface.h"
#include "aaf/MobId.h"
#include "aaf/import/FileT.h"

namespace {

// Segments nest far less deeply, and files hold far fewer segments; beyond these the file is
// damaged or built to exhaust the reader, and the walk stops.
constexpr int kMaxDepth = 64;
constexpr long kMaxVisits = 4'000'000;

class ReferenceWalk {
public:
    explicit ReferenceWalk(std::set<std::string>& referenced) : referenced_(referenced) {}

    void WalkMob(IAAFMob* mob)
    {
        aafMobID_t id{};
        if (mob->GetMobID(&id) != 0)
            return;
        ownId_ = MobIdToText(ToMobId(id));
        aafNumSlots_t count = 0;
        if (mob->CountSlots(&count) != 0)
            return;
        for (aafUInt32 i = 0; i < count && !Exhausted(); ++i) {
            Held<IAAFMobSlot> slot;
            Held<IAAFSegment> segment;
            if (Obtained(mob->GetSlotAt(i, slot.out()), slot) && Obtained(slot->GetSegment(segment.out()), segment))
                Walk(segment.get(), 0);
        }
    }

    bool Exhausted() const { return visits_ >= kMaxVisits; }

private:
    void Walk(IUnknown* segment, int depth)
    {
        if (segment == nullptr || depth > kMaxDepth || ++visits_ > kMaxVisits)
            return;
        Held<IAAFSourceClip> clip;
        if (GetInterface(clip.out(), IID_IAAFSourceClip, "IID_IAAFSourceClip", segment) >= 0 && clip) {
            aafSourceRef_t source{};
            if (clip->GetSourceReference(&source) == 0) {
                const std::string named = MobIdToText(ToMobId(source.sourceID));
                if (named != ownId_)
                    referenced_.insert(named);
            }
            return;
        }
        Held<IAAFSequence> sequence;
        if (GetInterface(sequence.out(), IID_IAAFSequence, "IID_IAAFSequence", segment) >= 0 && sequence) {
            aafUInt32 count = 0;
            if (sequence->CountComponents(&count) != 0)
                return;
            for (aafUInt32 i = 0; i < count && !Exhausted(); ++i) {
                Held<IAAFComponent> component;
                if (Obtained(sequence->GetComponentAt(i, component.out()), component))
                    Walk(component.get(), depth + 1);
            }
            return;
        }
        Held<IAAFNestedScope> scope;
        if (GetInterface(scope.out(), IID_IAAFNestedScope, "IID_IAAFNestedScope", segment) >= 0 && scope) {
            aafUInt32 count = 0;
            if (scope->CountSegments(&count) != 0)
                return;
            for (aafUInt32 i = 0; i < count && !Exhausted(); ++i) {
                Held<IAAFSegment> layer;
                if (Obtained(scope->GetSegmentAt(i, layer.out()), layer))
                    Walk(layer.get(), depth + 1);
            }
            return;
        }
        Held<IAAFSelector> selector;
        if (GetInterface(selector.out(), IID_IAAFSelector, "IID_IAAFSelector", segment) >= 0 && selector) {
            Held<IAAFSegment> selected;
            if (Obtained(selector->GetSelectedSegment(selected.out()), selected))
                Walk(selected.get(), depth + 1);
            return;
        }
        Held<IAAFEssenceGroup> group;
        if (GetInterface(group.out(), IID_IAAFEssenceGroup, "IID_IAAFEssenceGroup", segment) >= 0 && group) {
            aafUInt32 count = 0;
            if (group->CountChoices(&count) != 0)
                return;
            for (aafUInt32 i = 0; i < count && !Exhausted(); ++i) {
                Held<IAAFSegment> choice;
                if (Obtained(group->GetChoiceAt(i, choice.out()), choice))
                    Walk(choice.get(), depth + 1);
            }
            return;
        }
        Held<IAAFTransition> transition;
        if (GetInterface(transition.out(), IID_IAAFTransition, "IID_IAAFTransition", segment) >= 0 && transition) {
            Held<IAAFOperationGroup> effect;
            if (Obtained(transition->GetOperationGroup(effect.out()), effect))
                Walk(effect.get(), depth + 1);
            return;
        }
        Held<IAAFOperationGroup> effect;
        if (GetInterface(effect.out(), IID_IAAFOperationGroup, "IID_IAAFOperationGroup", segment) >= 0 && effect) {
            aafUInt32 count = 0;
            if (effect->CountSourceSegments(&count) != 0)
                return;
            for (aafUInt32 i = 0; i < count && !Exhausted(); ++i) {
                Held<IAAFSegment> input;
                if (Obtained(effect->GetInputSegmentAt(i, input.out()), input))
                    Walk(input.get(), depth + 1);
            }
        }
    }

    std::set<std::string>& referenced_;
    std::string ownId_;
    long visits_ = 0;
};

}  // namespace

std::set<std::string> CollectMobsReferencedBySourceClips()
{
    std::set<std::string> referenced;
    if (FileHeader == nullptr)
        return referenced;
    aafSearchCrit_t criterion{};
    criterion.searchTag = kAAFByMobKind;
    criterion.tags.mobKind = kAAFAllMob;
    Held<IEnumAAFMobs> mobs;
    if (!Obtained(FileHeader->GetMobs(&criterion, mobs.out()), mobs))
        return referenced;
    ReferenceWalk walk(referenced);
    while (!walk.Exhausted()) {
        Held<IAAFMob> mob;
        if (!Obtained(mobs->NextOne(mob.out()), mob))
            break;
        walk.WalkMob(mob.get());
    }
    return referenced;
}
