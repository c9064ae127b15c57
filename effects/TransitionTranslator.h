#pragma once

#include <cstdint>
#include <string>

#include "effects/EffectTranslator.h"

class FCPTransitionItemTag;

// The record of a transition's converters: the head and the transition item the effect goes to
// (the current item; not owned).
struct TransitionTranslator : EffectTranslator {
    TransitionTranslator(const ComponentContext& effectContext, const Auid& operation,
                         std::map<std::string, ParameterRecord>* effectParameters, FCPTransitionItemTag* item)
        : EffectTranslator(effectContext, operation, effectParameters), transitionItem(item)
    {
    }

    FCPTransitionItemTag* transitionItem;
};

// An SMPTE wipe: recognised and named, never carried over as a wipe.
struct SmpteWipeTranslator : TransitionTranslator {
    using TransitionTranslator::TransitionTranslator;

    std::int32_t wipeNumber = -1;
    std::string wipeName;
};

// The name of the effect a transition item was made from, which its log records use.
std::string GetTransitionSourceName(const FCPTransitionItemTag& item);
void SetTransitionSourceName(FCPTransitionItemTag& item, const std::string& effectName);
