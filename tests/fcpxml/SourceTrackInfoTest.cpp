#include "fcpxml/SourceTrackInfo.h"

#include <gtest/gtest.h>

#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

TEST(SourceTrackInfo, WriteSourceTrackGolden)
{
    const struct {
        SourceTrackInfo track;
        std::string expected;
    } cases[] = {
        {{2, 3}, Lines({"<sourcetrack>", "\t<mediatype>video</mediatype>", "</sourcetrack>"})},
        {{1, 2},
         Lines({"<sourcetrack>", "\t<mediatype>audio</mediatype>", "\t<trackindex>2</trackindex>",
                "</sourcetrack>"})},
        {{1, -1},
         Lines({"<sourcetrack>", "\t<mediatype>audio</mediatype>", "\t<trackindex>-1</trackindex>",
                "</sourcetrack>"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture([&] { WriteSourceTrack(c.track); }), c.expected) << c.track.mediatype;
}
