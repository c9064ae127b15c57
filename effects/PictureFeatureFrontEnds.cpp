#include "effects/PictureFeatureFrontEnds.h"

#include "aaf/RegistryAuid.h"
#include "effects/PictureFeatureFilters.h"

namespace {

constexpr ValueConversionRule kAsIs{1, 1, 0};
// The crop sides' -1000..1000 onto FCP's 0..100, each side facing its own way.
constexpr ValueConversionRule kCropPositive{9.99f, 1, 4};
constexpr ValueConversionRule kCropNegative{-9.99f, 1, 4};
// 3D Warp's crop, 0 (none) to 1000 (all) from either edge, onto FCP's percentage.
constexpr ValueConversionRule kWarpCrop{1, 1, 7};
// Positions in thousandths of the frame onto FCP's -1..1; 3D Warp's y grows upward.
constexpr ValueConversionRule kPosition{1000, 1, 4};
constexpr ValueConversionRule kPositionUpward{-1000, 1, 4};

// Runs the builder on a translator of the caller's context and operation over the group.
template <typename Builder>
void RunBuilder(const EffectTranslator& caller, ParameterMap& group, Builder build)
{
    EffectTranslator translator(caller.context, caller.operationId, &group);
    translator.SetName(caller.name);
    build(translator);
}

}  // namespace

ParameterMap MapFeatureParameters(EffectTranslator& translator, std::initializer_list<FeatureParameter> group)
{
    ParameterMap mapped;
    if (translator.parameters == nullptr)
        return mapped;
    for (const FeatureParameter& parameter : group)
        MapParameter(*translator.parameters, mapped, parameter.parameterId, parameter.fcpName, parameter.rule);
    return mapped;
}

bool FeatureEnabled(const ParameterMap& group) { return ReadBoolParameter(group, std::string("enabled")); }

void MapCropParameters(EffectTranslator& translator, const std::string& name, CropParameterSet set)
{
    ParameterMap crop;
    switch (set) {
    case CropParameterSet::First:
        crop = MapFeatureParameters(translator, {
            {RegistryAuid("{8D56812E-847E-11D5-935A-50F857C10000}"), "left", kCropPositive},
            {RegistryAuid("{8D56812F-847E-11D5-935A-50F857C10000}"), "right", kCropNegative},
            {RegistryAuid("{8D568131-847E-11D5-935A-50F857C10000}"), "bottom", kCropNegative},
            {RegistryAuid("{8D568130-847E-11D5-935A-50F857C10000}"), "top", kCropPositive},
        });
        break;
    case CropParameterSet::Second:
        crop = MapFeatureParameters(translator, {
            {RegistryAuid("{760264DE-F952-4525-9D3F-A4397080CB38}"), "left", kCropPositive},
            {RegistryAuid("{4856D427-23EF-4437-BED2-E829977F1561}"), "right", kCropNegative},
            {RegistryAuid("{A2E74203-8527-4F5A-AA16-4BAC4607510F}"), "bottom", kCropNegative},
            {RegistryAuid("{1F99097E-13B8-4AE8-98FD-C3512850EDFF}"), "top", kCropPositive},
        });
        break;
    case CropParameterSet::Warp:
        crop = MapFeatureParameters(translator, {
            {RegistryAuid("{8D5681CC-847E-11D5-935A-50F857C10000}"), "left", kWarpCrop},
            {RegistryAuid("{8D5681CD-847E-11D5-935A-50F857C10000}"), "right", kWarpCrop},
            {RegistryAuid("{8D5681CF-847E-11D5-935A-50F857C10000}"), "bottom", kWarpCrop},
            {RegistryAuid("{8D5681CE-847E-11D5-935A-50F857C10000}"), "top", kWarpCrop},
        });
        break;
    }
    if (!crop.empty())
        RunBuilder(translator, crop, [&](EffectTranslator& t) { TranslateCropFilter(t, name); });
}

void MapOpacityParameters(EffectTranslator& translator, const std::string& name)
{
    ParameterMap opacity =
        MapFeatureParameters(translator, {{RegistryAuid("{8D56813D-847E-11D5-935A-50F857C10000}"), "opacity", kAsIs}});
    if (!opacity.empty())
        RunBuilder(translator, opacity, [&](EffectTranslator& t) { TranslateOpacityFilter(t, name); });
}

void MapForegroundParameters(EffectTranslator& translator, const std::string& name)
{
    ParameterMap foreground = MapFeatureParameters(translator, {
        {RegistryAuid("{8D5681F2-847E-11D5-935A-50F857C10000}"), "enabled", kAsIs},
        {RegistryAuid("{8D5681F6-847E-11D5-935A-50F857C10000}"), "opacity", kAsIs},
        {RegistryAuid("{8D568153-847E-11D5-935A-50F857C10000}"), "swap_sources", kAsIs},
    });
    if (!foreground.empty() && FeatureEnabled(foreground))
        RunBuilder(translator, foreground, [&](EffectTranslator& t) { TranslateOpacityFilter(t, name); });
}

void MapScaleParameters(EffectTranslator& translator, const std::string& name)
{
    ParameterMap scale = MapFeatureParameters(translator, {
        {RegistryAuid("{8D568129-847E-11D5-935A-50F857C10000}"), "scale_x", kAsIs},
        {RegistryAuid("{8D56812A-847E-11D5-935A-50F857C10000}"), "scale_y", kAsIs},
    });
    RunBuilder(translator, scale, [&](EffectTranslator& t) { TranslateScaleFilter(t, name, true); });
}

void MapWarpScaleParameters(EffectTranslator& translator, const std::string& name)
{
    ParameterMap scale = MapFeatureParameters(translator, {
        {RegistryAuid("{8D5681B2-847E-11D5-935A-50F857C10000}"), "enabled", kAsIs},
        {RegistryAuid("{8D5681B3-847E-11D5-935A-50F857C10000}"), "scale_x", kAsIs},
        {RegistryAuid("{8D5681B4-847E-11D5-935A-50F857C10000}"), "scale_y", kAsIs},
    });
    if (!scale.empty() && FeatureEnabled(scale))
        RunBuilder(translator, scale, [&](EffectTranslator& t) { TranslateScaleFilter(t, name, false); });
}

void MapCenterParameters(EffectTranslator& translator, const std::string& name)
{
    ParameterMap center = MapFeatureParameters(translator, {
        {RegistryAuid("{8D568125-847E-11D5-935A-50F857C10000}"), "center_x", kPosition},
        {RegistryAuid("{8D568126-847E-11D5-935A-50F857C10000}"), "center_y", kPosition},
    });
    if (!center.empty())
        RunBuilder(translator, center, [&](EffectTranslator& t) { TranslateCenterFilter(t, name); });
}

void MapWarpPositionParameters(EffectTranslator& translator, const std::string& name)
{
    ParameterMap position = MapFeatureParameters(translator, {
        {RegistryAuid("{8D5681A9-847E-11D5-935A-50F857C10000}"), "enabled", kAsIs},
        {RegistryAuid("{8D5681AA-847E-11D5-935A-50F857C10000}"), "center_x", kPosition},
        {RegistryAuid("{8D5681AB-847E-11D5-935A-50F857C10000}"), "center_y", kPositionUpward},
    });
    if (!position.empty() && FeatureEnabled(position))
        RunBuilder(translator, position, [&](EffectTranslator& t) { TranslateCenterFilter(t, name); });
}

void MapWarpRotationParameters(EffectTranslator& translator, const std::string& name)
{
    ParameterMap rotation = MapFeatureParameters(translator, {
        {RegistryAuid("{8D5681B7-847E-11D5-935A-50F857C10000}"), "enabled", kAsIs},
        {RegistryAuid("{8D5681B8-847E-11D5-935A-50F857C10000}"), "rx", kAsIs},
        {RegistryAuid("{8D5681B9-847E-11D5-935A-50F857C10000}"), "ry", kAsIs},
        {RegistryAuid("{8D5681BA-847E-11D5-935A-50F857C10000}"), "rz", kAsIs},
    });
    if (!rotation.empty() && FeatureEnabled(rotation))
        RunBuilder(translator, rotation, [&](EffectTranslator& t) { TranslateRotationFilter(t, name); });
}
