#pragma once

#include <vector>

#include "effects/EffectTranslator.h"
#include "effects/MotionEffectTags.h"

// The stages of the dispatch by operation. Each hands the effect to the converter of the first row
// that names its operation and has a converter, and answers whether one did.

// Matte keys and titles, for any data kind.
bool TranslateGeneratorEffect(EffectTranslator& translator);
// Picture effects: resize, 3D warps, picture-in-picture, superimpose, flips and flops, and the
// maker's plug-in filters by display name.
bool TranslateVideoEffect(EffectTranslator& translator);
// Sound effects: levels and pan.
bool TranslateAudioEffect(EffectTranslator& translator);
// Time warps: speed control (handed the first motion-effect record, when there is one), then repeat;
// one of those without its converter is logged as not supported on the current item.
bool TranslateTimeEffect(EffectTranslator& translator, const std::vector<MotionEffectTags>& tags);
