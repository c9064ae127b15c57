// Position graphs end to end: a file of three time warps whose offset maps are linear, Bezier with
// handles, and automatic Bezier, converted by the program and read back; the keyframes and their
// handles are worked out by hand below.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aafsdk/fixture/AafWriter.h"
#include "run/CaseFiles.h"
#include "run/DocumentReadBack.h"
#include "support/TestSupport.h"

namespace {

using readback::Element;

std::string Handle(const Element* handle)
{
    if (!handle)
        return "-";
    char text[48];
    std::snprintf(text, sizeof text, "%.4f %.4f", std::stod(handle->Child("horiz")->text),
                  std::stod(handle->Child("vert")->text));
    return text;
}

// Each clip item's time-remap keyframes: "when->value", then the in- and out-handle when present.
void CollectKeyframes(const Element& element, std::vector<std::vector<std::string>>& clips)
{
    if (element.name == "clipitem")
        clips.emplace_back();
    if (element.name == "keyframe" && !clips.empty()) {
        std::string text = element.Child("when")->text + "->" + element.Child("value")->text;
        if (element.Child("inbez"))
            text += " in " + Handle(element.Child("inbez")) + " out " + Handle(element.Child("outbez"));
        clips.back().push_back(text);
    }
    for (const Element& child : element.children)
        CollectKeyframes(child, clips);
}

TEST(PositionGraphs, OffsetMapsBecomeKeyframesWithTheirHandles)
{
    testsupport::TempDir dir;
    aafsdk::fixture::SaveBytes(dir / "in.aaf",
                               aafsdk::fixture::WriteAaf(*casefiles::BuildCaseFile("position-graphs")).bytes);
    testsupport::WriteFile(dir / "pref.ini", "[General]\nImport_FrameRate=25\n");
    const auto result = testsupport::RunConverter({"2", "in.aaf", "out.xml", "pref.ini", "", "log.ini"}, dir.path());
    ASSERT_EQ(result.exitCode, 1) << result.err;
    const auto document = readback::ReadDocument(testsupport::ReadFile(dir / "out.xml"));
    ASSERT_TRUE(document.has_value());
    std::vector<std::vector<std::string>> clips;
    CollectKeyframes(*document, clips);
    // The master clips of the bin have no time remap.
    std::erase_if(clips, [](const std::vector<std::string>& keyframes) { return keyframes.empty(); });
    // Each keyframe shows the source frame at a record frame of the warp: the clip's source start
    // plus the point's offset. The last keyframe of each is the end of the master's file.
    const std::vector<std::vector<std::string>> expected = {
        // Linear, from source frame 100: the point on the in shows the frame before its own.
        {"0->99", "25->110", "50->150", "500->500"},
        // Bezier, from 20: handles (-10, -10) and (10, 10) are half their length, 7.0711, at
        // atan(1) - pi and that plus pi; (-10, -5) and (10, 5) give 5.5902 at atan(0.5) - pi. The
        // point off the in shows the frame before its own.
        {"0->20 in 7.0711 -2.3562 out 7.0711 0.7854", "40->59 in 5.5902 -2.6779 out 5.5902 0.4636", "400->400"},
        // Automatic, from 10, over 60 frames: the point times scaled by the range (0, 1800, 3600)
        // give handles (-720, -12), (-720, -12) and (-720, -24) with their opposites.
        {"0->10 in 360.0500 -3.1249 out 360.0500 0.0167", "30->39 in 360.0500 -3.1249 out 360.0500 0.0167",
         "60->99 in 360.2000 -3.1083 out 360.2000 0.0333", "300->300"},
    };
    EXPECT_EQ(clips, expected);
}

}  // namespace
