#include "fcpxml/LabelsInfo.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(LabelsInfo, WriteLabelsGolden)
{
    const struct {
        LabelsInfo labels;
        std::string expected;
    } cases[] = {
        {{"", ""}, Lines({"<labels>", "\t<label2/>", "</labels>"})},
        {{"Good Take", ""}, Lines({"<labels>", "\t<label>Good Take</label>", "\t<label2/>", "</labels>"})},
        {{"", "Blue"}, Lines({"<labels>", "\t<label2>Blue</label2>", "</labels>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteLabels(c.labels); }), c.expected) << c.labels.label;
}
