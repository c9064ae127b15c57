#include "fcpxml/EffectInfo.h"

#include <functional>

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

ParameterInfo ValueParameter()
{
    ParameterInfo p("Amount", "amount");
    p.AddValue("50");
    return p;
}

EffectInfo Effect(int wipecode, int mediatype)
{
    return EffectInfo("Cross Dissolve", "Cross Dissolve", "Dissolve", "transition", wipecode,
                      mediatype);
}

}  // namespace

TEST(EffectInfo, WriteEffectGolden)
{
    const struct {
        const char* label;
        std::function<EffectInfo()> make;
        std::string expected;
    } cases[] = {
        {"video without wipe values",
         [] { return Effect(-1, 2); },
         Lines({"<effect>", "\t<name>Cross Dissolve</name>", "\t<effectid>Cross Dissolve</effectid>",
                "\t<effectcategory>Dissolve</effectcategory>", "\t<effecttype>transition</effecttype>",
                "\t<mediatype>video</mediatype>", "</effect>"})},
        {"wipecode brings wipeaccuracy; ratios whole; reverse",
         [] {
             EffectInfo e = Effect(5, 2);
             e.wipeaccuracy = 80;
             e.startratio = 0.0f;
             e.endratio = 1.0f;
             e.reverse = true;
             e.effectclass = "Wipe";
             return e;
         },
         Lines({"<effect>", "\t<name>Cross Dissolve</name>", "\t<effectid>Cross Dissolve</effectid>",
                "\t<effectclass>Wipe</effectclass>", "\t<effectcategory>Dissolve</effectcategory>",
                "\t<effecttype>transition</effecttype>", "\t<mediatype>video</mediatype>",
                "\t<wipecode>5</wipecode>", "\t<wipeaccuracy>80</wipeaccuracy>",
                "\t<startratio>0</startratio>", "\t<endratio>1</endratio>", "\t<reverse>TRUE</reverse>",
                "</effect>"})},
        {"wipeaccuracy alone is not written; ratio truncated toward zero",
         [] {
             EffectInfo e = Effect(-1, 2);
             e.wipeaccuracy = 3;
             e.startratio = -0.75f;
             return e;
         },
         Lines({"<effect>", "\t<name>Cross Dissolve</name>", "\t<effectid>Cross Dissolve</effectid>",
                "\t<effectcategory>Dissolve</effectcategory>", "\t<effecttype>transition</effecttype>",
                "\t<mediatype>video</mediatype>", "\t<startratio>0</startratio>", "</effect>"})},
        {"audio never writes wipe values",
         [] {
             EffectInfo e = Effect(5, 1);
             e.reverse = true;
             e.startratio = 2.0f;
             return e;
         },
         Lines({"<effect>", "\t<name>Cross Dissolve</name>", "\t<effectid>Cross Dissolve</effectid>",
                "\t<effectcategory>Dissolve</effectcategory>", "\t<effecttype>transition</effecttype>",
                "\t<mediatype>audio</mediatype>", "</effect>"})},
        {"no class or category; parameters after, empty ones skipped",
         [] {
             EffectInfo e("Gain", "gain", "", "filter", -1, 1);
             e.parameters.push_back(ParameterInfo("Empty", "empty", "0", "1"));
             e.parameters.push_back(ValueParameter());
             return e;
         },
         Lines({"<effect>", "\t<name>Gain</name>", "\t<effectid>gain</effectid>",
                "\t<effecttype>filter</effecttype>", "\t<mediatype>audio</mediatype>",
                "\t<parameter>", "\t\t<parameterid>amount</parameterid>", "\t\t<name>Amount</name>",
                "\t\t<value>50</value>", "\t</parameter>", "</effect>"})},
    };
    for (const auto& c : cases) {
        const EffectInfo effect = c.make();
        EXPECT_EQ(Capture([&] { WriteEffect(effect); }), c.expected) << c.label;
    }
}

TEST(EffectInfo, HasDataInRange)
{
    auto withKeyframes = [](std::initializer_list<int> frames) {
        EffectInfo e;
        ParameterInfo p("P", "p");
        for (int f : frames)
            p.keyframes.emplace_back(f);
        e.parameters.push_back(p);
        return e;
    };
    EXPECT_TRUE(withKeyframes({100}).HasDataInRange(100, 200));
    EXPECT_TRUE(withKeyframes({200}).HasDataInRange(100, 200));
    EXPECT_FALSE(withKeyframes({99, 201}).HasDataInRange(100, 200));
    EXPECT_FALSE(EffectInfo().HasDataInRange(100, 200));
    EffectInfo valued;
    valued.parameters.push_back(ValueParameter());
    EXPECT_TRUE(valued.HasDataInRange(5, 1));  // a value counts whatever the range
}

TEST(EffectInfo, ConstructorsAndSetters)
{
    const EffectInfo motion("Basic Motion", "basic", "motion", "motion", -1, 2);
    EXPECT_EQ(motion.effectcategory, "motion");
    EXPECT_EQ(motion.effecttype, "motion");
    EXPECT_EQ(motion.effectclass, "");
    EXPECT_EQ(motion.wipeaccuracy, 100);
    EffectInfo e;
    EXPECT_EQ(e.SetEffectClass("Key"), "Key");
    EXPECT_EQ(e.effectclass, "Key");
    EXPECT_EQ(e.mediatype, 2);
}
