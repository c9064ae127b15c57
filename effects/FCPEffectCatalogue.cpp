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

// The texts are what the receiving application matches on, irregular ones included (the id of
// "Luminance Map", the audio cross fade without a category): keep them byte for byte.
void BuildEffectCatalogue()
{
    AddVideoCatalogueEntry("Drop Shadow", "dropshadow", "motion", "motion", -1);
    AddVideoCatalogueEntry("Motion Blur", "motionblur", "motion", "motion", -1);
    AddVideoCatalogueEntry("Distort", "deformation", "motion", "motion", -1);
    AddVideoCatalogueEntry("Basic Motion", "basic", "motion", "motion", -1);
    AddVideoCatalogueEntry("Crop", "crop", "motion", "motion", -1);
    AddVideoCatalogueEntry("Opacity", "opacity", "motion", "motion", -1);
    AddVideoCatalogueEntry("Time Remap", "timeremap", "motion", "motion", -1);
    AddAudioCatalogueEntry("Audio Levels", "audiolevels", "audiolevels", "audiolevels");
    AddAudioCatalogueEntry("Audio Pan", "audiopan", "audiopan", "audiopan");
    AddVideoCatalogueEntry("Basic 3D", "Basic 3D", "Perspective", "filter", -1);
    AddVideoCatalogueEntry("Basic Border", "Basic Border", "Border", "filter", -1);
    AddVideoCatalogueEntry("Bevel", "Bevel", "Border", "filter", -1);
    AddVideoCatalogueEntry("Flop", "Flop", "Perspective", "filter", -1);
    AddVideoCatalogueEntry("Cross Zoom", "Cross Zoom", "3D Simulation", "transition", 17);
    AddVideoCatalogueEntry("Cube Spin", "Cube Spin", "3D Simulation", "transition", 18);
    AddVideoCatalogueEntry("Spin3D", "Spin3D", "3D Simulation", "transition", 19);
    AddVideoCatalogueEntry("Spinback3D", "Spinback3D", "3D Simulation", "transition", 20);
    AddVideoCatalogueEntry("Swing", "Swing", "3D Simulation", "transition", 21);
    AddVideoCatalogueEntry("Zoom", "Zoom", "3D Simulation", "transition", 22);
    AddVideoCatalogueEntry("Additive Dissolve", "Additive Dissolve", "Dissolve", "transition", 0);
    AddVideoCatalogueEntry("Cross Dissolve", "Cross Dissolve", "Dissolve", "transition", 0);
    AddVideoCatalogueEntry("Dip to Color Dissolve", "Dip to Color Dissolve", "Dissolve", "transition", 0);
    AddVideoCatalogueEntry("Dither Dissolve", "Dither Dissolve", "Dissolve", "transition", 0);
    AddVideoCatalogueEntry("Fade In Fade Out Dissolve", "Fade In Fade Out Dissolve", "Dissolve", "transition", 0);
    AddVideoCatalogueEntry("Ripple Dissolve", "Ripple Dissolve", "Dissolve", "transition", 0);
    AddVideoCatalogueEntry("Cross Iris", "Cross Iris", "Iris", "transition", 12);
    AddVideoCatalogueEntry("Diamond Iris", "Diamond Iris", "Iris", "transition", 18);
    AddVideoCatalogueEntry("Oval Iris", "Oval Iris", "Iris", "transition", 19);
    AddVideoCatalogueEntry("Point Iris", "Point Iris", "Iris", "transition", 12);
    AddVideoCatalogueEntry("Rectangle Iris", "Rectangle Iris", "Iris", "transition", 17);
    AddVideoCatalogueEntry("Star Iris", "Star Iris", "Iris", "transition", 18);
    AddVideoCatalogueEntry("Channel Map", "Channel Map", "Map", "transition", 0);
    AddVideoCatalogueEntry("Luminance Map", "Luminance Iris", "Map", "transition", 0);
    AddVideoCatalogueEntry("Page Peel", "Page Peel", "Page Peel", "transition", 0);
    AddVideoCatalogueEntry("Band Slide", "Band Slide", "Slide", "transition", 23);
    AddVideoCatalogueEntry("Box Slide", "Box Slide", "Slide", "transition", -1);
    AddVideoCatalogueEntry("Center Split Slide", "Center Split Slide", "Slide", "transition", 12);
    AddVideoCatalogueEntry("Multi Spin Slide", "Multi Spin Slide", "Slide", "transition", 1);
    AddVideoCatalogueEntry("Push Slide", "Push Slide", "Slide", "transition", 1);
    AddVideoCatalogueEntry("Spin Slide", "Spin Slide", "Slide", "transition", 1);
    AddVideoCatalogueEntry("Split Slide", "Split Slide", "Slide", "transition", 3);
    AddVideoCatalogueEntry("Swap Slide", "Swap Slide", "Slide", "transition", 2);
    AddVideoCatalogueEntry("Cross Stretch", "Cross Stretch", "Stretch", "transition", 1);
    AddVideoCatalogueEntry("Squeeze", "Squeeze", "Stretch", "transition", 3);
    AddVideoCatalogueEntry("Squeeze and Stretch", "Squeeze and Stretch", "Stretch", "transition", 3);
    AddVideoCatalogueEntry("Stretch", "Stretch", "Stretch", "transition", 3);
    AddVideoCatalogueEntry("Alpha Transition", "Alpha Transition", "Wipe", "transition", -1);
    AddVideoCatalogueEntry("Band Wipe", "Band Wipe", "Wipe", "transition", 23);
    AddVideoCatalogueEntry("Center Wipe", "Center Wipe", "Wipe", "transition", 4);
    AddVideoCatalogueEntry("Checker Wipe", "Checker Wipe", "Wipe", "transition", 23);
    AddVideoCatalogueEntry("Checkerboard Wipe", "Checkerboard Wipe", "Wipe", "transition", 1);
    AddVideoCatalogueEntry("Clock Wipe", "Clock Wipe", "Wipe", "transition", 13);
    AddVideoCatalogueEntry("Edge Wipe", "Edge Wipe", "Wipe", "transition", 2);
    AddVideoCatalogueEntry("Gradient Wipe", "Gradient Wipe", "Wipe", "transition", 0);
    AddVideoCatalogueEntry("Inset Wipe", "Inset Wipe", "Wipe", "transition", 4);
    AddVideoCatalogueEntry("Jaws Wipe", "Jaws Wipe", "Wipe", "transition", 120);
    AddVideoCatalogueEntry("Random Edge Wipe", "Random Edge Wipe", "Wipe", "transition", 1);
    AddVideoCatalogueEntry("V Wipe", "V Wipe", "Wipe", "transition", 115);
    AddVideoCatalogueEntry("Venetian Blind Wipe", "Venetian Blind Wipe", "Wipe", "transition", 123);
    AddVideoCatalogueEntry("Wrap Wipe", "Wrap Wipe", "Wipe", "transition", -1);
    AddVideoCatalogueEntry("Zig-Zag Wipe", "Zig-Zag Wipe", "Wipe", "transition", -1);
    AddAudioCatalogueEntry("Cross Fade ( 0dB)", "KGAudioTransCrossFade0dB", "", "transition");
    AddVideoCatalogueEntry("Color", "Color", "Matte", "generator", -1);
    AddVideoCatalogueEntry("Text", "Text", "Text", "generator", -1);
    AddVideoCatalogueEntry("Crawl", "Crawl", "Text", "generator", -1);
    AddVideoCatalogueEntry("Lower 3rd", "Lower 3rd", "Text", "generator", -1);
    AddVideoCatalogueEntry("Outline Text", "Outline Text", "Text", "generator", -1);
    AddVideoCatalogueEntry("Scrolling Text", "Scrolling Text", "Text", "generator", -1);
    AddVideoCatalogueEntry("Typewriter", "Typewriter", "Text", "generator", -1);
}

void CopyCatalogueEffect(const std::string& effectId, EffectInfo& target)
{
    const auto found = FCPEffectCatalogue.find(effectId);
    if (found != FCPEffectCatalogue.end())
        target = found->second;
}
