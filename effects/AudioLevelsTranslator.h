#pragma once

#include "effects/EffectTranslator.h"

// Clip gain (Mono_Audio_Gain) as the FCP "audiolevels" filter with its "level" parameter.
struct AudioLevelsTranslator : EffectTranslator {
    AudioLevelsTranslator(const ComponentContext& effectContext, const Auid& operation,
                          std::map<std::string, ParameterRecord>* effectParameters);
};

// The gain (Audio Gain, else Amplitude) as the level filter of the current clip item, constant or
// keyframed on the item's own frames, and logged there as applied when the item keeps it. Any other
// current item is left alone.
void TranslateAudioLevels(AudioLevelsTranslator& translator);
