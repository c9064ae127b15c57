// Every sample's document read back as an importer resolves it: each item's master clip id names a
// clip the document writes, a clip item has one source track, and every timecode text is a time of
// day.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "run/DocumentReadBack.h"
#include "support/TestSupport.h"

namespace {

using readback::Element;

// Hours of a timecode text ("HH:MM:SS:FF" with any separators), -1 when it does not start with
// digits.
int TimecodeHours(const std::string& text)
{
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    return digits == 0 ? -1 : std::stoi(text.substr(0, digits));
}

struct Links {
    std::set<std::string> clipIds;
    std::vector<std::pair<std::string, std::string>> named;  // item id, master clip id
    std::vector<std::string> problems;
};

void Walk(const Element& element, Links& links)
{
    if (element.name == "clip")
        links.clipIds.insert(element.attributeId);
    if (element.name == "clipitem" || element.name == "generatoritem") {
        int tracks = 0;
        for (const Element& child : element.children)
            tracks += child.name == "sourcetrack" ? 1 : 0;
        if (tracks > 1)
            links.problems.push_back("item " + element.attributeId + ": " + std::to_string(tracks) + " source tracks");
        if (const Element* master = element.Child("masterclipid"))
            links.named.emplace_back(element.attributeId, master->text);
    }
    if (element.name == "timecode") {
        const Element* text = element.Child("string");
        const int hours = text ? TimecodeHours(text->text) : 0;
        if (hours < 0 || hours >= 24)
            links.problems.push_back("timecode " + text->text);
    }
    for (const Element& child : element.children)
        Walk(child, links);
}

// What a reader of the document would trip over, one line each.
std::vector<std::string> ReadBack(const std::string& document)
{
    Links links;
    if (const auto root = readback::ReadDocument(document))
        Walk(*root, links);
    else
        links.problems.push_back("no document");
    for (const auto& [item, master] : links.named) {
        if (!links.clipIds.contains(master))
            links.problems.push_back("item " + item + " names no clip: " + master);
    }
    return links.problems;
}

TEST(SampleLinks, EveryItemNamesAWrittenClipOnOneSourceTrackAndEveryTimecodeIsATimeOfDay)
{
    // A document built here shows the checks themselves find each fault.
    const std::string faulty =
        "<xmeml><bin><children><clip id=\"M1\"/><sequence><media><video><track>"
        "<clipitem id=\"a\"><masterclipid>M1</masterclipid><sourcetrack/></clipitem>"
        "<clipitem id=\"b\"><masterclipid>M2</masterclipid><sourcetrack/><sourcetrack/></clipitem>"
        "</track></video></media><timecode><string>-00:00:00:01</string></timecode>"
        "<timecode><string>617:32:07:17</string></timecode></sequence></children></bin></xmeml>";
    EXPECT_EQ(ReadBack(faulty), (std::vector<std::string>{"item b: 2 source tracks", "timecode -00:00:00:01",
                                                          "timecode 617:32:07:17", "item b names no clip: M2"}));

    REQUIRE_SHARED_DIR();
    testsupport::TempDir dir;
    for (const auto& sample : testsupport::SampleFiles()) {
        const std::string name = sample.filename().string();
        const auto result =
            testsupport::RunConverter({"2", sample.string(), "out.xml", "", "media.ini", "log.ini"}, dir.path());
        ASSERT_EQ(result.exitCode, 1) << name << result.err;
        EXPECT_EQ(ReadBack(testsupport::ReadFile(dir / "out.xml")), std::vector<std::string>()) << name;
    }
}

}  // namespace
