#pragma once

struct EffectTranslator;
struct MotionEffectTags;

// The dispatch's converters of the time warps. Each acts only when the current item is a clip
// item; on any other item the time warp is left alone, without a record.

// A speed control: the time remap, with the group's first motion-effect record when it has one.
void ConvertTimeRemap(EffectTranslator& translator, const MotionEffectTags* tags);
// A repeat: the freeze frame.
void ConvertFreezeFrame(EffectTranslator& translator, const MotionEffectTags* tags);
