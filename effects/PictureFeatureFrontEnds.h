#pragma once

#include <initializer_list>
#include <string>

#include "effects/EffectTranslator.h"
#include "effects/ParameterLookup.h"

// The front ends of the picture-effect features: each picks its group of the operation's parameters
// into a map of its own under FCP names, with the rule each value converts by, and runs its builder
// under the feature's name on a translator of the same context and operation.

// One parameter of a feature group.
struct FeatureParameter {
    Auid parameterId;
    const char* fcpName;
    ValueConversionRule rule;
};

// The group's parameters that the operation carries, each under its FCP name; the operation's own
// records keep the rules.
ParameterMap MapFeatureParameters(EffectTranslator& translator, std::initializer_list<FeatureParameter> group);
// The group's "enabled" flag is set.
bool FeatureEnabled(const ParameterMap& group);

// The three sets of crop parameters: picture-in-picture and the 3D matte keys, the 2D matte keys, and
// 3D Warp.
enum class CropParameterSet { First, Second, Warp };

void MapCropParameters(EffectTranslator& translator, const std::string& name, CropParameterSet set);
void MapOpacityParameters(EffectTranslator& translator, const std::string& name);
void MapForegroundParameters(EffectTranslator& translator, const std::string& name);
void MapScaleParameters(EffectTranslator& translator, const std::string& name);
void MapWarpScaleParameters(EffectTranslator& translator, const std::string& name);
void MapCenterParameters(EffectTranslator& translator, const std::string& name);
void MapWarpPositionParameters(EffectTranslator& translator, const std::string& name);
void MapWarpRotationParameters(EffectTranslator& translator, const std::string& name);
