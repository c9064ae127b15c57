// Every sample's document read back as an importer resolves it: each item's master clip id names a
// clip the document writes, a clip item has one source track, and every timecode text is a time of
// day.
#include <set>
#include <string>
#include <vector>

#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace {

// What a reader of the document would trip over, one line each.
struct DocumentProblems {
    std::vector<std::string> lines;
    void Add(const std::string& line) { lines.push_back(line); }
};

// Hours of a timecode text ("HH:MM:SS:FF" with any separators), -1 when it does not start with
// digits.
int TimecodeHours(const std::string& text)
{
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    return digits == 0 ? -1 : std::stoi(text.substr(0, digits));
}

DocumentProblems ReadBack(const std::string& document)
{
    DocumentProblems problems;
    std::set<std::string> clipIds;
    std::vector<std::pair<std::string, std::string>> named;  // item id, master clip id
    std::vector<std::string> path;                           // the open elements
    std::vector<std::pair<std::string, int>> items;          // open clip and generator items: id, source tracks
    QXmlStreamReader reader(QString::fromStdString(document));
    const auto parent = [&]() { return path.size() >= 2 ? path[path.size() - 2] : std::string(); };
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            path.push_back(reader.name().toString().toStdString());
            const std::string id = reader.attributes().value("id").toString().toStdString();
            if (path.back() == "clip")
                clipIds.insert(id);
            else if (path.back() == "clipitem" || path.back() == "generatoritem")
                items.emplace_back(id, 0);
            else if (path.back() == "sourcetrack" && parent() == "clipitem")
                ++items.back().second;
        } else if (reader.isCharacters() && !reader.isWhitespace() && !path.empty()) {
            const std::string text = reader.text().toString().toStdString();
            if (path.back() == "masterclipid" && (parent() == "clipitem" || parent() == "generatoritem"))
                named.emplace_back(items.back().first, text);
            if (path.back() == "string" && parent() == "timecode") {
                const int hours = TimecodeHours(text);
                if (hours < 0 || hours >= 24)
                    problems.Add("timecode " + text);
            }
        } else if (reader.isEndElement()) {
            if (path.back() == "clipitem" || path.back() == "generatoritem") {
                if (items.back().second > 1)
                    problems.Add("clip item " + items.back().first + ": " + std::to_string(items.back().second) +
                                 " source tracks");
                items.pop_back();
            }
            path.pop_back();
        }
    }
    if (reader.hasError())
        problems.Add("unreadable: " + reader.errorString().toStdString());
    for (const auto& [item, master] : named) {
        if (!clipIds.contains(master))
            problems.Add("item " + item + " names no clip: " + master);
    }
    return problems;
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
    EXPECT_EQ(ReadBack(faulty).lines, (std::vector<std::string>{"clip item b: 2 source tracks",
                                                                "timecode -00:00:00:01", "timecode 617:32:07:17",
                                                                "item b names no clip: M2"}));

    REQUIRE_SHARED_DIR();
    testsupport::TempDir dir;
    for (const auto& sample : testsupport::SampleFiles()) {
        const std::string name = sample.filename().string();
        const auto result =
            testsupport::RunConverter({"2", sample.string(), "out.xml", "", "media.ini", "log.ini"}, dir.path());
        ASSERT_EQ(result.exitCode, 1) << name << result.err;
        EXPECT_EQ(ReadBack(testsupport::ReadFile(dir / "out.xml")).lines, std::vector<std::string>()) << name;
    }
}

}  // namespace
