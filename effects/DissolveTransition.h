#pragma once

#include <string>

#include "effects/TransitionTranslator.h"
#include "records/Auid.h"

// The dissolve family: video dissolves, the audio dissolve, dips and fades to and from colour.
bool IsDissolveTransition(const Auid& operation);
// The fade-up operations.
bool IsFadeUpEffect(const Auid& operation);

// The transition item gets the FCP dissolve of the operation, with its log record. Answers whether
// the operation is one of the family.
bool TranslateDissolveTransition(TransitionTranslator& translator);
// The same; without the log flag the item's name and log stay as they are (the dissolve that
// stands in for a transition that cannot be translated).
bool BuildDissolveTransition(TransitionTranslator& translator, bool log);

// The start and end ratios from the Level parameter's control points at 0/1 and 1/1.
void ReadStartEndRatio(TransitionTranslator& translator);
// The catalogue's effect with the Level ratios; where none are given, 0 to 1.
void SetDissolveEffect(TransitionTranslator& translator, const std::string& fcpEffectId);
// Appends the effect to the transition item; with the log flag the item takes the Avid name and an
// "Applied" record.
void AddTransitionEffect(TransitionTranslator& translator, bool log, const std::string& fcpName,
                         const std::string& avidName);
// The "Color" parameter of a dip: black.
void AddDipColorParameter(TransitionTranslator& translator);
