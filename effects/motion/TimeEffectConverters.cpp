#include "effects/motion/TimeEffectConverters.h"

#include "effects/MotionEffectTags.h"
#include "effects/motion/FreezeFrameTranslator.h"
#include "effects/motion/TimeRemapTranslator.h"

void ConvertTimeRemap(EffectTranslator& translator, const MotionEffectTags* tags)
{
    FCPClipItemTag* clip = CurrentClipItem();
    if (clip == nullptr)
        return;
    TimeRemapTranslator remap(translator.context, translator.operationId, translator.parameters, clip);
    remap.SetName(translator.name);
    if (tags)
        ApplyMotionEffectTags(*tags, remap.motion);
    remap.TranslateTimeRemap();
}

void ConvertFreezeFrame(EffectTranslator& translator, const MotionEffectTags*)
{
    FCPClipItemTag* clip = CurrentClipItem();
    if (clip == nullptr)
        return;
    FreezeFrameTranslator freeze(translator.context, translator.operationId, translator.parameters, clip);
    freeze.SetName(translator.name);
    freeze.TranslateFreezeFrame();
}
