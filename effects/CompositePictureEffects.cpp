#include "effects/CompositePictureEffects.h"

#include <string>

#include "aaf/import/TimelineBuilder.h"
#include "aaf/RegistryAuid.h"
#include "config/TranslationLog.h"
#include "effects/EffectIds.h"
#include "effects/PictureFeatureFilters.h"
#include "effects/PictureFeatureFrontEnds.h"
#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/NumberText.h"

namespace {

constexpr ValueConversionRule kAsIs{1, 1, 0};

void LogNotSupported(const std::string& feature)
{
    AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", feature, "Ignored");
}

// A feature FCP cannot express, logged when the operation turns it on.
void LogIfFlagged(const EffectTranslator& translator, const Auid& flag, const std::string& feature)
{
    if (translator.parameters != nullptr && ReadBoolParameter(*translator.parameters, flag))
        LogNotSupported(feature);
}

// A border group on a translator loaded with the catalogue's border effect.
void RunBorder(const EffectTranslator& caller, ParameterMap& border, const std::string& name)
{
    EffectTranslator translator(caller.context, caller.operationId, &border);
    translator.SetName(caller.name);
    translator.SetFCPEffect("Basic Border");
    TranslateBorderFilter(translator, name);
}

void WarpBorder(EffectTranslator& translator)
{
    ParameterMap border = MapFeatureParameters(translator, {
        {RegistryAuid("{8D5681DE-847E-11D5-935A-50F857C10000}"), "enabled", kAsIs},
        {RegistryAuid("{8D5681D1-847E-11D5-935A-50F857C10000}"), "bordertype", kAsIs},
        {RegistryAuid("{8D5681D3-847E-11D5-935A-50F857C10000}"), "bordersoft", kAsIs},
        {RegistryAuid("{8D5681D2-847E-11D5-935A-50F857C10000}"), "borderwidth", kAsIs},
        {RegistryAuid("{8D5681D4-847E-11D5-935A-50F857C10000}"), "border_h", kAsIs},
        {RegistryAuid("{8D5681D5-847E-11D5-935A-50F857C10000}"), "border_s", kAsIs},
        {RegistryAuid("{8D5681D6-847E-11D5-935A-50F857C10000}"), "border_l", kAsIs},
    });
    if (!border.empty() && FeatureEnabled(border))
        RunBorder(translator, border, "3D Warp: Border");
}

// FCP has no background colour for a warp: an enabled one is always logged as not supported.
void WarpBackgroundColor(EffectTranslator& translator)
{
    const ParameterMap color = MapFeatureParameters(translator, {
        {RegistryAuid("{8D568206-847E-11D5-935A-50F857C10000}"), "enabled", kAsIs},
        {RegistryAuid("{8D568207-847E-11D5-935A-50F857C10000}"), "color_h", kAsIs},
        {RegistryAuid("{8D568208-847E-11D5-935A-50F857C10000}"), "color_s", kAsIs},
        {RegistryAuid("{8D568209-847E-11D5-935A-50F857C10000}"), "color_l", kAsIs},
    });
    if (!color.empty() && FeatureEnabled(color))
        LogNotSupported("3D Warp: Background Color");
}

void PictureInPictureBorder(EffectTranslator& translator)
{
    constexpr ValueConversionRule kWidth{100, 63, 3};
    ParameterMap border = MapFeatureParameters(translator, {
        {RegistryAuid("{8D568135-847E-11D5-935A-50F857C10000}"), "border_h", kAsIs},
        {RegistryAuid("{8D568136-847E-11D5-935A-50F857C10000}"), "border_s", kAsIs},
        {RegistryAuid("{8D568137-847E-11D5-935A-50F857C10000}"), "border_l", kAsIs},
        {RegistryAuid("{8D568134-847E-11D5-935A-50F857C10000}"), "border_soft", kWidth},
        {RegistryAuid("{8D568133-847E-11D5-935A-50F857C10000}"), "borderwidth", kWidth},
        {RegistryAuid("{8D568138-847E-11D5-935A-50F857C10000}"), "blend_h", kAsIs},
        {RegistryAuid("{8D568139-847E-11D5-935A-50F857C10000}"), "blend_s", kAsIs},
        {RegistryAuid("{8D56813A-847E-11D5-935A-50F857C10000}"), "blend_l", kAsIs},
    });
    if (!border.empty())
        RunBorder(translator, border, "Picture-In-Picture: Border (Color and Width only)");
}

}  // namespace

void Translate3DWarp(EffectTranslator& translator)
{
    LogIfFlagged(translator, RegistryAuid("{8D568196-847E-11D5-935A-50F857C10000}"), "3D Warp: Shape");
    LogIfFlagged(translator, RegistryAuid("{8D56820A-847E-11D5-935A-50F857C10000}"), "3D Warp: Corner Pin");
    if (translator.parameters != nullptr &&
        ReadBoolParameter(*translator.parameters, RegistryAuid("{8D5681CB-847E-11D5-935A-50F857C10000}")))
        MapCropParameters(translator, "3D Warp: Crop", CropParameterSet::Warp);
    MapWarpScaleParameters(translator, "3D Warp: Scaling");
    LogIfFlagged(translator, RegistryAuid("{8D5681BC-847E-11D5-935A-50F857C10000}"), "3D Warp: Axis");
    LogIfFlagged(translator, RegistryAuid("{8D5681C8-847E-11D5-935A-50F857C10000}"), "3D Warp: Skew");
    MapWarpRotationParameters(translator, "3D Warp: Rotation");
    MapForegroundParameters(translator, "3D Warp: Foreground");
    MapWarpPositionParameters(translator, "3D Warp: Position");
    LogIfFlagged(translator, RegistryAuid("{8D5681C4-847E-11D5-935A-50F857C10000}"), "3D Warp: Perspective");
    LogIfFlagged(translator, RegistryAuid("{8D5681C0-847E-11D5-935A-50F857C10000}"), "3D Warp: Target");
    WarpBorder(translator);
    LogIfFlagged(translator, RegistryAuid("{8D5681D7-847E-11D5-935A-50F857C10000}"), "3D Warp: Highlight");
    LogIfFlagged(translator, RegistryAuid("{8D568222-847E-11D5-935A-50F857C10000}"), "3D Warp: Highlight Color");
    LogIfFlagged(translator, RegistryAuid("{8D568226-847E-11D5-935A-50F857C10000}"), "3D Warp: Lowlight Color");
    LogIfFlagged(translator, RegistryAuid("{8D5681DF-847E-11D5-935A-50F857C10000}"), "3D Warp: Defocus");
    LogIfFlagged(translator, RegistryAuid("{8D5681E2-847E-11D5-935A-50F857C10000}"), "3D Warp: Shadow");
    LogIfFlagged(translator, RegistryAuid("{8D5681E7-847E-11D5-935A-50F857C10000}"), "3D Warp: Trail");
    LogIfFlagged(translator, RegistryAuid("{8D5681EB-847E-11D5-935A-50F857C10000}"), "3D Warp: Stamp");
    LogIfFlagged(translator, RegistryAuid("{8D56822A-847E-11D5-935A-50F857C10000}"), "3D Warp: Spill Supression");
    LogIfFlagged(translator, RegistryAuid("{8D568232-847E-11D5-935A-50F857C10000}"), "3D Warp: Erode/Expand");
    WarpBackgroundColor(translator);
}

void TranslatePictureInPicture(EffectTranslator& translator)
{
    PictureInPictureBorder(translator);
    MapOpacityParameters(translator, "Picture-In-Picture: Foreground");
    MapScaleParameters(translator, "Picture-In-Picture: Scaling");
    MapCenterParameters(translator, "Picture-In-Picture: Position");
    MapCropParameters(translator, "Picture-In-Picture: Crop", CropParameterSet::First);
}

void TranslateSuperimpose(EffectTranslator& translator) { MapOpacityParameters(translator, "Superimpose: Foreground"); }

void TranslateResize(EffectTranslator& translator)
{
    MapCropParameters(translator, "Resize - Crop", CropParameterSet::First);
    MapScaleParameters(translator, "Resize - Scale");
    MapCenterParameters(translator, "Resize - Position");
}

void TranslateMatteKey(EffectTranslator& translator)
{
    bool alphaFlagA = false;
    bool alphaFlagB = false;
    if (translator.parameters != nullptr) {
        alphaFlagA = ReadBoolParameter(*translator.parameters, RegistryAuid("{8D56813E-847E-11D5-935A-50F857C10000}"));
        alphaFlagB = ReadBoolParameter(*translator.parameters, RegistryAuid("{8D56813F-847E-11D5-935A-50F857C10000}"));
    }
    if (auto& items = GlobalTimelineBuilder.ItemStack; !items.empty()) {
        // A generator item has no alpha reversal to set; it still takes the record.
        if (auto* clip = dynamic_cast<FCPClipItemTag*>(items.front().get()))
            clip->alphareverse = alphaFlagA != alphaFlagB;
        AddTranslationToCurrentItem(kTranslationApplied, "Alpha", "Matte Key", "Applied");
    }
    MapCenterParameters(translator, "Matte Key: Position");
    MapScaleParameters(translator, "Matte Key: Scaling");
    const Auid& operation = translator.operationId;
    if (operation == k3DMatteKey || operation == k3DMatteKey2 || operation == k3DMatteKey3)
        MapCropParameters(translator, "Matte Key: Crop", CropParameterSet::First);
    else if (operation == k2DMatteKey2 || operation == k2DMatteKey)
        MapCropParameters(translator, "Matte Key: Crop", CropParameterSet::Second);
    MapOpacityParameters(translator, "Matte Key: Foreground");
}

void TranslateFlipFlop(EffectTranslator& translator)
{
    const char* avidName = nullptr;
    int mode = 0;
    if (translator.operationId == kFlip) {
        avidName = "Flip";
        mode = 2;
    } else if (translator.operationId == kFlop) {
        avidName = "Flop";
        mode = 1;
    } else if (translator.operationId == kFlipFlop) {
        avidName = "Flip-Flop";
        mode = 3;
    } else {
        return;
    }
    translator.SetFCPEffect("Flop");
    ParameterInfo flop("Flop", "flop", "1", "3");
    flop.AddValue(IntToString(mode));
    BasicMotionBase::AddParameterIfSet(flop, translator.effect);
    if (AttachFilterToCurrentItem(translator))
        AddTranslationToCurrentItem(kTranslationApplied, "Flop", avidName, "Applied");
}
