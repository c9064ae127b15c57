#include "fcpxml/FilterInfo.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;

TEST(FilterInfo, WriteFilterGolden)
{
    const EffectInfo effect("Gain", "gain", "", "filter", -1, 1);
    FilterInfo plain(effect);
    FilterInfo ranged(effect);
    ranged.start = 10;
    ranged.end = 40;
    ranged.enabled = false;
    const char* effectLines[] = {"\t<effect>", "\t\t<name>Gain</name>", "\t\t<effectid>gain</effectid>",
                                 "\t\t<effecttype>filter</effecttype>",
                                 "\t\t<mediatype>audio</mediatype>", "\t</effect>"};
    auto withEffect = [&](std::initializer_list<const char*> head) {
        std::string text;
        for (const char* line : head)
            text.append(line).append("\n");
        for (const char* line : effectLines)
            text.append(line).append("\n");
        return text + "</filter>\n";
    };
    const struct {
        const char* label;
        const FilterInfo& filter;
        std::string expected;
    } cases[] = {
        {"made from an effect", plain, withEffect({"<filter>", "\t<enabled>TRUE</enabled>"})},
        {"start and end before the effect", ranged,
         withEffect({"<filter>", "\t<enabled>FALSE</enabled>", "\t<start>10</start>", "\t<end>40</end>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteFilter(c.filter); }), c.expected) << c.label;
}
