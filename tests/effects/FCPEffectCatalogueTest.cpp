#include <string>

#include <gtest/gtest.h>

#include "effects/FCPEffectCatalogue.h"

namespace {

class EffectCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        FCPEffectCatalogue.clear();
        BuildEffectCatalogue();
    }
    void TearDown() override { FCPEffectCatalogue.clear(); }
};

// An effect that differs from every catalogue entry in every field.
EffectInfo MarkedEffect()
{
    EffectInfo effect("Mine", "mine", "My Category", "filter", 7, 1);
    effect.wipeaccuracy = 50;
    effect.startratio = 0.25f;
    effect.endratio = 0.75f;
    effect.reverse = true;
    effect.effectclass = "FxPlug";
    effect.parameters.emplace_back("Amount", "amount");
    return effect;
}

void ExpectMarkedEffect(const EffectInfo& e, const std::string& label)
{
    EXPECT_EQ(e.name, "Mine") << label;
    EXPECT_EQ(e.effectid, "mine") << label;
    EXPECT_EQ(e.effectcategory, "My Category") << label;
    EXPECT_EQ(e.effecttype, "filter") << label;
    EXPECT_EQ(e.effectclass, "FxPlug") << label;
    EXPECT_EQ(e.wipecode, 7) << label;
    EXPECT_EQ(e.wipeaccuracy, 50) << label;
    EXPECT_EQ(e.startratio, 0.25f) << label;
    EXPECT_EQ(e.endratio, 0.75f) << label;
    EXPECT_TRUE(e.reverse) << label;
    EXPECT_EQ(e.mediatype, 1) << label;
    ASSERT_EQ(e.parameters.size(), 1u) << label;
    EXPECT_EQ(e.parameters[0].parameterid, "amount") << label;
}

TEST_F(EffectCatalogue, EntriesCopyWholeOverTheTarget)
{
    struct Row {
        const char* id;
        const char* name;
        const char* category;
        const char* type;
        int media;
        int wipe;
    };
    // Every id the converters look up, then a sample of the others.
    const Row rows[] = {
        {"crop", "Crop", "motion", "motion", 2, -1},
        {"opacity", "Opacity", "motion", "motion", 2, -1},
        {"timeremap", "Time Remap", "motion", "motion", 2, -1},
        {"audiolevels", "Audio Levels", "audiolevels", "audiolevels", 1, -1},
        {"audiopan", "Audio Pan", "audiopan", "audiopan", 1, -1},
        {"Basic 3D", "Basic 3D", "Perspective", "filter", 2, -1},
        {"Basic Border", "Basic Border", "Border", "filter", 2, -1},
        {"Flop", "Flop", "Perspective", "filter", 2, -1},
        {"Cross Dissolve", "Cross Dissolve", "Dissolve", "transition", 2, 0},
        {"Dip to Color Dissolve", "Dip to Color Dissolve", "Dissolve", "transition", 2, 0},
        {"KGAudioTransCrossFade0dB", "Cross Fade ( 0dB)", "", "transition", 1, -1},
        {"Color", "Color", "Matte", "generator", 2, -1},
        {"Text", "Text", "Text", "generator", 2, -1},
        {"dropshadow", "Drop Shadow", "motion", "motion", 2, -1},
        {"deformation", "Distort", "motion", "motion", 2, -1},
        {"basic", "Basic Motion", "motion", "motion", 2, -1},
        {"Spinback3D", "Spinback3D", "3D Simulation", "transition", 2, 20},
        {"Luminance Iris", "Luminance Map", "Map", "transition", 2, 0},
        {"Page Peel", "Page Peel", "Page Peel", "transition", 2, 0},
        {"Box Slide", "Box Slide", "Slide", "transition", 2, -1},
        {"Swap Slide", "Swap Slide", "Slide", "transition", 2, 2},
        {"Jaws Wipe", "Jaws Wipe", "Wipe", "transition", 2, 120},
        {"V Wipe", "V Wipe", "Wipe", "transition", 2, 115},
        {"Venetian Blind Wipe", "Venetian Blind Wipe", "Wipe", "transition", 2, 123},
        {"Zig-Zag Wipe", "Zig-Zag Wipe", "Wipe", "transition", 2, -1},
        {"Lower 3rd", "Lower 3rd", "Text", "generator", 2, -1},
        {"Typewriter", "Typewriter", "Text", "generator", 2, -1},
    };
    EXPECT_EQ(FCPEffectCatalogue.size(), 69u);
    for (const Row& r : rows) {
        EffectInfo e = MarkedEffect();
        CopyCatalogueEffect(r.id, e);
        EXPECT_EQ(e.name, r.name) << r.id;
        EXPECT_EQ(e.effectid, r.id) << r.id;
        EXPECT_EQ(e.effectcategory, r.category) << r.id;
        EXPECT_EQ(e.effecttype, r.type) << r.id;
        EXPECT_EQ(e.mediatype, r.media) << r.id;
        EXPECT_EQ(e.wipecode, r.wipe) << r.id;
        // The rest of the target is replaced by the entry's defaults.
        EXPECT_EQ(e.effectclass, "") << r.id;
        EXPECT_EQ(e.wipeaccuracy, 100) << r.id;
        EXPECT_EQ(e.startratio, -1.0f) << r.id;
        EXPECT_EQ(e.endratio, -1.0f) << r.id;
        EXPECT_FALSE(e.reverse) << r.id;
        EXPECT_TRUE(e.parameters.empty()) << r.id;
    }
}

TEST_F(EffectCatalogue, IdsWithoutAnEntryLeaveTheTargetAsItIs)
{
    // A display name is no id, and the match is exact.
    for (const char* id : {"Luminance Map", "Cross Fade ( 0dB)", "CROP", "crop ", "", "Basic Motion"}) {
        EffectInfo e = MarkedEffect();
        CopyCatalogueEffect(id, e);
        ExpectMarkedEffect(e, id);
    }
    FCPEffectCatalogue.clear();
    EffectInfo e = MarkedEffect();
    CopyCatalogueEffect("crop", e);
    ExpectMarkedEffect(e, "emptied catalogue");
}

TEST_F(EffectCatalogue, LaterEntryReplacesTheEarlierAndAudioHasNoWipeCode)
{
    AddVideoCatalogueEntry("Crop", "crop", "motion", "motion", 3);
    EXPECT_EQ(FCPEffectCatalogue.at("crop").wipecode, 3);
    AddAudioCatalogueEntry("Level", "crop", "audio", "audiolevels");
    EXPECT_EQ(FCPEffectCatalogue.size(), 69u);
    const EffectInfo& audio = FCPEffectCatalogue.at("crop");
    EXPECT_EQ(audio.name, "Level");
    EXPECT_EQ(audio.effectcategory, "audio");
    EXPECT_EQ(audio.effecttype, "audiolevels");
    EXPECT_EQ(audio.mediatype, 1);
    EXPECT_EQ(audio.wipecode, -1);

    // Building again restores every entry without adding any.
    BuildEffectCatalogue();
    EXPECT_EQ(FCPEffectCatalogue.size(), 69u);
    EXPECT_EQ(FCPEffectCatalogue.at("crop").mediatype, 2);
    EXPECT_EQ(FCPEffectCatalogue.at("crop").wipecode, -1);
}

}  // namespace
