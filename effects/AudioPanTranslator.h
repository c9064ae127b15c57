#pragma once

#include <vector>

#include "effects/EffectTranslator.h"

class FCPClipItemTag;

// Pan (Mono_Audio_Pan) as the FCP "audiopan" filter with its "pan" parameter.
struct AudioPanTranslator : EffectTranslator {
    AudioPanTranslator(const ComponentContext& effectContext, const Auid& operation,
                       std::map<std::string, ParameterRecord>* effectParameters);

    std::vector<Auid> panParameterIds;  // tried in order
    ParameterRecord panRecord;          // empty until read
};

// The first parameter of panParameterIds the effect carries, into panRecord.
void ReadPanParameter(AudioPanTranslator& translator);

// The pan onto the clip items it covers. A pan that fills a track of its own (a track-level pan over
// a sequence) covers every clip item of that track, each at its place on the track; any other pan
// covers the current item, when that is a clip item, from where it starts within the pan
// (coveredStart). Nothing without pan data.
void TranslateAudioPan(AudioPanTranslator& translator);

// The part of the pan that falls within start..end of the pan's time (both included) onto the clip
// item, re-timed to its source from its in point, and logged there as applied when the item keeps it.
void ApplyPanToClipItem(const AudioPanTranslator& translator, FCPClipItemTag& item, int start, int end);
