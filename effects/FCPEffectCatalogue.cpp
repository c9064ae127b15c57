#include "effects/FCPEffectCatalogue.h"

std::map<std::string, EffectInfo> FCPEffectCatalogue;

void AddVideoCatalogueEntry(const std::string& name, const std::string& effectId,
                            const std::string& category, const std::string& type, int wipeCode)
{
    FCPEffectCatalogue.insert_or_assign(effectId,
                                        EffectInfo(name, effectId, category, type, wipeCode, 2));
}

void AddAudioCatalogueEntry(const std::string& name, const std::string& effectId,
                            const std::string& category, const std::string& type)
{
    FCPEffectCatalogue.insert_or_assign(effectId,
                                        EffectInfo(name, effectId, category, type, -1, 1));
}

namespace {

constexpr int kVideo = 2;
constexpr int kAudio = 1;

struct CatalogueRow {
    const char* name;
    const char* effectId;
    const char* category;
    const char* type;
    int mediaType;
    int wipeCode;  // -1 for every audio effect
};

// The texts are what the receiving application matches on, irregular ones included (the id of
// "Luminance Map", the audio cross fade without a category): keep them byte for byte. Every job
// copies them into the catalogue afresh.
constexpr CatalogueRow kCatalogueRows[] = {
    {"Drop Shadow", "dropshadow", "motion", "motion", kVideo, -1},
    {"Motion Blur", "motionblur", "motion", "motion", kVideo, -1},
    {"Distort", "deformation", "motion", "motion", kVideo, -1},
    {"Basic Motion", "basic", "motion", "motion", kVideo, -1},
    {"Crop", "crop", "motion", "motion", kVideo, -1},
    {"Opacity", "opacity", "motion", "motion", kVideo, -1},
    {"Time Remap", "timeremap", "motion", "motion", kVideo, -1},
    {"Audio Levels", "audiolevels", "audiolevels", "audiolevels", kAudio, -1},
    {"Audio Pan", "audiopan", "audiopan", "audiopan", kAudio, -1},
    {"Basic 3D", "Basic 3D", "Perspective", "filter", kVideo, -1},
    {"Basic Border", "Basic Border", "Border", "filter", kVideo, -1},
    {"Bevel", "Bevel", "Border", "filter", kVideo, -1},
    {"Flop", "Flop", "Perspective", "filter", kVideo, -1},
    {"Cross Zoom", "Cross Zoom", "3D Simulation", "transition", kVideo, 17},
    {"Cube Spin", "Cube Spin", "3D Simulation", "transition", kVideo, 18},
    {"Spin3D", "Spin3D", "3D Simulation", "transition", kVideo, 19},
    {"Spinback3D", "Spinback3D", "3D Simulation", "transition", kVideo, 20},
    {"Swing", "Swing", "3D Simulation", "transition", kVideo, 21},
    {"Zoom", "Zoom", "3D Simulation", "transition", kVideo, 22},
    {"Additive Dissolve", "Additive Dissolve", "Dissolve", "transition", kVideo, 0},
    {"Cross Dissolve", "Cross Dissolve", "Dissolve", "transition", kVideo, 0},
    {"Dip to Color Dissolve", "Dip to Color Dissolve", "Dissolve", "transition", kVideo, 0},
    {"Dither Dissolve", "Dither Dissolve", "Dissolve", "transition", kVideo, 0},
    {"Fade In Fade Out Dissolve", "Fade In Fade Out Dissolve", "Dissolve", "transition", kVideo, 0},
    {"Ripple Dissolve", "Ripple Dissolve", "Dissolve", "transition", kVideo, 0},
    {"Cross Iris", "Cross Iris", "Iris", "transition", kVideo, 12},
    {"Diamond Iris", "Diamond Iris", "Iris", "transition", kVideo, 18},
    {"Oval Iris", "Oval Iris", "Iris", "transition", kVideo, 19},
    {"Point Iris", "Point Iris", "Iris", "transition", kVideo, 12},
    {"Rectangle Iris", "Rectangle Iris", "Iris", "transition", kVideo, 17},
    {"Star Iris", "Star Iris", "Iris", "transition", kVideo, 18},
    {"Channel Map", "Channel Map", "Map", "transition", kVideo, 0},
    {"Luminance Map", "Luminance Iris", "Map", "transition", kVideo, 0},
    {"Page Peel", "Page Peel", "Page Peel", "transition", kVideo, 0},
    {"Band Slide", "Band Slide", "Slide", "transition", kVideo, 23},
    {"Box Slide", "Box Slide", "Slide", "transition", kVideo, -1},
    {"Center Split Slide", "Center Split Slide", "Slide", "transition", kVideo, 12},
    {"Multi Spin Slide", "Multi Spin Slide", "Slide", "transition", kVideo, 1},
    {"Push Slide", "Push Slide", "Slide", "transition", kVideo, 1},
    {"Spin Slide", "Spin Slide", "Slide", "transition", kVideo, 1},
    {"Split Slide", "Split Slide", "Slide", "transition", kVideo, 3},
    {"Swap Slide", "Swap Slide", "Slide", "transition", kVideo, 2},
    {"Cross Stretch", "Cross Stretch", "Stretch", "transition", kVideo, 1},
    {"Squeeze", "Squeeze", "Stretch", "transition", kVideo, 3},
    {"Squeeze and Stretch", "Squeeze and Stretch", "Stretch", "transition", kVideo, 3},
    {"Stretch", "Stretch", "Stretch", "transition", kVideo, 3},
    {"Alpha Transition", "Alpha Transition", "Wipe", "transition", kVideo, -1},
    {"Band Wipe", "Band Wipe", "Wipe", "transition", kVideo, 23},
    {"Center Wipe", "Center Wipe", "Wipe", "transition", kVideo, 4},
    {"Checker Wipe", "Checker Wipe", "Wipe", "transition", kVideo, 23},
    {"Checkerboard Wipe", "Checkerboard Wipe", "Wipe", "transition", kVideo, 1},
    {"Clock Wipe", "Clock Wipe", "Wipe", "transition", kVideo, 13},
    {"Edge Wipe", "Edge Wipe", "Wipe", "transition", kVideo, 2},
    {"Gradient Wipe", "Gradient Wipe", "Wipe", "transition", kVideo, 0},
    {"Inset Wipe", "Inset Wipe", "Wipe", "transition", kVideo, 4},
    {"Jaws Wipe", "Jaws Wipe", "Wipe", "transition", kVideo, 120},
    {"Random Edge Wipe", "Random Edge Wipe", "Wipe", "transition", kVideo, 1},
    {"V Wipe", "V Wipe", "Wipe", "transition", kVideo, 115},
    {"Venetian Blind Wipe", "Venetian Blind Wipe", "Wipe", "transition", kVideo, 123},
    {"Wrap Wipe", "Wrap Wipe", "Wipe", "transition", kVideo, -1},
    {"Zig-Zag Wipe", "Zig-Zag Wipe", "Wipe", "transition", kVideo, -1},
    {"Cross Fade ( 0dB)", "KGAudioTransCrossFade0dB", "", "transition", kAudio, -1},
    {"Color", "Color", "Matte", "generator", kVideo, -1},
    {"Text", "Text", "Text", "generator", kVideo, -1},
    {"Crawl", "Crawl", "Text", "generator", kVideo, -1},
    {"Lower 3rd", "Lower 3rd", "Text", "generator", kVideo, -1},
    {"Outline Text", "Outline Text", "Text", "generator", kVideo, -1},
    {"Scrolling Text", "Scrolling Text", "Text", "generator", kVideo, -1},
    {"Typewriter", "Typewriter", "Text", "generator", kVideo, -1},
};

}  // namespace

void BuildEffectCatalogue()
{
    for (const CatalogueRow& row : kCatalogueRows) {
        if (row.mediaType == kVideo)
            AddVideoCatalogueEntry(row.name, row.effectId, row.category, row.type, row.wipeCode);
        else
            AddAudioCatalogueEntry(row.name, row.effectId, row.category, row.type);
    }
}

void CopyCatalogueEffect(const std::string& effectId, EffectInfo& target)
{
    const auto found = FCPEffectCatalogue.find(effectId);
    if (found != FCPEffectCatalogue.end())
        target = found->second;
}
