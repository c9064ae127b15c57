#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "aaf/DefinitionT.h"
#include "effects/MotionEffectTags.h"
#include "records/ComponentContext.h"
#include "records/ParameterRecord.h"

class FCPTransitionItemTag;

// An operation group with its operation definition and its parameters: the effect the traversal
// hands over, or the effect of a transition. The head holds the operation definition's AUID, its
// text, the display name and the description. Lives on the stack for one import.
struct EffectT : DefinitionT {
    // The group of an operation-group segment.
    EffectT(IUnknown* segment, const ComponentContext& componentContext);
    // The group of a transition; a null transition gives AAFRESULT_BADINDEX.
    EffectT(IAAFTransition* transition, const ComponentContext& componentContext);
    ~EffectT();

    // The traversal's entry for an operation-group segment; returns the status.
    std::int32_t Import();

    // Reads of the group and its definition: -1 when the call fails; a null interface raises.
    std::int32_t CountSourceSegments();
    std::int32_t CountParameters();
    std::int32_t GetBypassOverride();
    std::int32_t CountDegradeToOperations();
    std::int32_t GetBypass();
    std::int32_t GetNumberInputs();

    void ReadGroupProperties();
    void ReadOperationDefinition();
    void ReadMotionEffectTags();
    // Each fills the record from one property of the group; true when the property is there.
    bool ReadMfxTags(MotionEffectTags& tags);
    bool ReadSpeedRatioTags(MotionEffectTags& tags);
    // Every parameter that reads goes into parameters under its definition's AUID text.
    void ReadParameters();

    void ImportEffect();
    // The input at index, read by the traversal with the given sub-kind and parent kind.
    void ImportInputSegment(std::int32_t index, std::int32_t subKind, std::int32_t parentKind);
    void ImportLastInput(std::int32_t subKind, std::int32_t parentKind);
    void ReadMixMatchRates();
    // Translates the effect onto what its input pushed since the item stack held depth items: the
    // current item when it pushed at most one, else each of its clip and generator items in turn.
    void TranslateInputItems(std::size_t depth);
    // A Submaster: every input becomes a track of a nested sequence.
    void ImportCollapsedLayers();
    void TranslateEffect();

    // The effect of a transition: it becomes the transition item's effect, a dissolve in its place,
    // or nothing (the item then leaves the timeline).
    void ImportTransitionEffect();
    bool TranslateTransition(FCPTransitionItemTag& transitionItem);
    bool LogUnsupportedTransition(FCPTransitionItemTag& transitionItem);
    bool ReplaceWithDissolve(FCPTransitionItemTag& transitionItem);

    IAAFOperationGroup* group = nullptr;
    IAAFOperationDef* definition = nullptr;
    ComponentContext context;
    bool isTimeWarp = false;
    std::int32_t inputCount = 0;
    std::int32_t parameterCount = 0;
    // While the effect is translated onto one of several items of its input: where that item starts
    // within the input, in frames; 0 otherwise.
    std::int32_t coveredStart = 0;
    std::vector<MotionEffectTags> motionEffectTags;
    std::map<std::string, ParameterRecord> parameters;

private:
    void ReadGroup();
};

// Sets the length of the newest pending source reference when it has none yet.
void SetPendingReferenceLength(std::int32_t length);
