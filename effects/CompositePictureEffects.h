#pragma once

#include "effects/EffectTranslator.h"

// The composite picture effects, feature by feature: what FCP can express becomes crop and opacity
// filters and the item's Basic Motion, the rest is logged as not supported under the feature's name.
// Each takes the dispatch's translator; the dispatch answers true whatever they achieve.

// 3D Warp and the effects built on it.
void Translate3DWarp(EffectTranslator& translator);
void TranslatePictureInPicture(EffectTranslator& translator);
void TranslateSuperimpose(EffectTranslator& translator);
void TranslateResize(EffectTranslator& translator);
// A matte key also reverses the item's alpha when exactly one of its two alpha flags is set.
void TranslateMatteKey(EffectTranslator& translator);
// Flip, flop or both, as the "Flop" filter.
void TranslateFlipFlop(EffectTranslator& translator);
