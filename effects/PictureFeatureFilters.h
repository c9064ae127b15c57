#pragma once

#include <string>

#include "effects/EffectTranslator.h"

// The builders that turn one feature of a picture effect, picked into the translator's map under FCP
// names, into FCP terms: a "crop" or "opacity" filter on the current item, or a "Scale", "Center" or
// "Rotation" parameter of its Basic Motion. The name is the feature's, the Avid name of every record
// they log. A builder logs a result as applied only when the item kept it.

// Refused by the crop, opacity, scale and centre builders, with an error record.
bool IsUnsupportedFeatureOperation(const Auid& operation);

// "left", "right", "bottom" and "top", 0 to 100.
void TranslateCropFilter(EffectTranslator& translator, const std::string& name);
// "opacity", 0 to 100; a "swap_sources" flag that is set is logged as not supported.
void TranslateOpacityFilter(EffectTranslator& translator, const std::string& name);
// "scale_x", or else "scale_y", as the uniform "Scale". Without either, a picture-in-picture's
// scaling (when pictureInPictureDefault is set) gets "Scale" 50.
void TranslateScaleFilter(EffectTranslator& translator, const std::string& name, bool pictureInPictureDefault);
// "center_x" and "center_y" as one point, each by its own rule.
void TranslateCenterFilter(EffectTranslator& translator, const std::string& name);
// "rz" as "Rotation"; the other axes have no FCP counterpart.
void TranslateRotationFilter(EffectTranslator& translator, const std::string& name);
// A border is never written: one with a width or an animated width is logged as not supported.
void TranslateBorderFilter(EffectTranslator& translator, const std::string& name);
