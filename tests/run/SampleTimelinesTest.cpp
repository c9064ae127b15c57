// The sequences that run mode 2 writes for a few reviewed samples, read back: every track's items at
// the places the AAF file gives them (worked out by hand from the dump tool's listing of each file),
// and the markers of the sequences and items. Clip media is not looked at: what a clip item plays
// depends on the master clips, not on the timeline.
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace {

struct Element {
    std::string name;
    std::string text;
    std::vector<Element> children;

    const Element* Child(const std::string& childName) const
    {
        for (const Element& child : children)
            if (child.name == childName)
                return &child;
        return nullptr;
    }
    int Number(const std::string& childName) const
    {
        const Element* child = Child(childName);
        return child ? std::stoi(child->text) : -1;
    }
};

Element ReadElement(QXmlStreamReader& reader)
{
    Element element{reader.name().toString().toStdString(), {}, {}};
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            element.children.push_back(ReadElement(reader));
        else if (reader.isCharacters())
            element.text += reader.text().toString().trimmed().toStdString();
        else if (reader.isEndElement())
            break;
    }
    return element;
}

std::optional<Element> ReadDocument(const std::string& text)
{
    QXmlStreamReader reader(QString::fromStdString(text));
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            return ReadElement(reader);
    }
    return std::nullopt;
}

// The top-level sequence of that name: in a bin's children, not nested in an item.
const Element* FindSequence(const Element& element, const std::string& name)
{
    if (element.name == "sequence" && element.Child("name") && element.Child("name")->text == name)
        return &element;
    if (element.name == "clipitem" || element.name == "generatoritem")
        return nullptr;
    for (const Element& child : element.children)
        if (const Element* found = FindSequence(child, name))
            return found;
    return nullptr;
}

std::vector<const Element*> Tracks(const Element& sequence, const std::string& media)
{
    std::vector<const Element*> tracks;
    const Element* mediaElement = sequence.Child("media");
    const Element* entry = mediaElement ? mediaElement->Child(media) : nullptr;
    if (entry)
        for (const Element& child : entry->children)
            if (child.name == "track")
                tracks.push_back(&child);
    return tracks;
}

std::vector<int> MarkerFrames(const Element& element)
{
    std::vector<int> frames;
    for (const Element& child : element.children)
        if (child.name == "marker")
            frames.push_back(child.Number("in"));
    return frames;
}

// One item: its element ("clipitem", "transitionitem"; empty: any), its place on the track, and for
// clip items the markers as offsets from the item's in point.
struct Item {
    std::string element;
    int start;
    int end;
    std::vector<int> markerOffsets = {};
};

struct Track {
    std::string media;  // "video" or "audio"
    int number;         // from 1
    std::vector<Item> items;
};

struct Sample {
    std::string file;
    std::string sequence;
    std::vector<Track> tracks;
    std::vector<int> sequenceMarkers = {};
};

void CheckTrack(const Element& track, const Track& expected)
{
    std::vector<const Element*> items;
    for (const Element& child : track.children)
        if (child.name == "clipitem" || child.name == "generatoritem" || child.name == "transitionitem")
            items.push_back(&child);
    ASSERT_EQ(items.size(), expected.items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i);
        const Element& item = *items[i];
        const Item& want = expected.items[i];
        if (!want.element.empty()) {
            EXPECT_EQ(item.name, want.element);
        }
        // The edge of a clip item that a transition covers is written as -1.
        const bool isTransition = item.name == "transitionitem";
        const bool startCovered = !isTransition && i > 0 && items[i - 1]->name == "transitionitem";
        const bool endCovered = !isTransition && i + 1 < items.size() && items[i + 1]->name == "transitionitem";
        EXPECT_EQ(item.Number("start"), startCovered ? -1 : want.start);
        EXPECT_EQ(item.Number("end"), endCovered ? -1 : want.end);
        if (item.name != "clipitem")
            continue;
        // A clip item plays as much of its source as it lasts on the track.
        EXPECT_EQ(item.Number("out") - item.Number("in"), want.end - want.start);
        std::vector<int> offsets;
        for (int frame : MarkerFrames(item))
            offsets.push_back(frame - item.Number("in"));
        EXPECT_EQ(offsets, want.markerOffsets);
    }
}

void CheckSample(const Sample& sample)
{
    SCOPED_TRACE(sample.file);
    testsupport::TempDir dir;
    const auto path = testsupport::SharedDir() / "aaf-samples" / sample.file;
    const auto result = testsupport::RunConverter({"2", path.string(), "out.xml", "", "", "log.ini"}, dir.path());
    ASSERT_EQ(result.exitCode, 1) << result.err;
    const std::optional<Element> document = ReadDocument(testsupport::ReadFile(dir / "out.xml"));
    ASSERT_TRUE(document);
    const Element* sequence = FindSequence(*document, sample.sequence);
    ASSERT_NE(sequence, nullptr);
    EXPECT_EQ(MarkerFrames(*sequence), sample.sequenceMarkers);
    for (const Track& track : sample.tracks) {
        SCOPED_TRACE(testing::Message() << track.media << " " << track.number);
        const std::vector<const Element*> tracks = Tracks(*sequence, track.media);
        ASSERT_GE(tracks.size(), static_cast<size_t>(track.number));
        CheckTrack(*tracks[track.number - 1], track);
    }
}

const std::string kClip = "clipitem";
const std::string kTransition = "transitionitem";

TEST(SampleTimelines, OneClip)
{
    REQUIRE_SHARED_DIR();
    // Picture slot 9 and sound slot 10 hold one clip of 10 frames each; sound slot 11 only a filler.
    // The marker at 0 describes slot 9.
    CheckSample({"one_clip.aaf",
                 "OTIO_Test_ppjoshm1.Exported.01",
                 {{"video", 1, {{kClip, 0, 10, {0}}}}, {"audio", 1, {{kClip, 0, 10}}}, {"audio", 2, {}}}});
}

TEST(SampleTimelines, MultitrackLayersAndGaps)
{
    REQUIRE_SHARED_DIR();
    // Slot 9 is a nested scope of three layers: clips of 720, 722 and 720 with fillers of 83, 432 and
    // 605 between and after; scope references of 482 and 2320 around a clip of 480; of 1198 and 1444
    // around a clip of 640. Markers describe slot 9 at 375 (event slot 1), 665 (2) and 1100 (3, over
    // a gap). The two sound slots are pans over eight clips each.
    const std::vector<Item> sound = {{kClip, 0, 482},       {kClip, 482, 962},   {kClip, 962, 1200},
                                     {kClip, 1200, 1283},   {kClip, 1283, 1761}, {kClip, 1761, 2318},
                                     {kClip, 2318, 2562},   {kClip, 2562, 3282}};
    CheckSample({"multitrack.aaf",
                 "OTIO TEST - multitrack.Exported.01",
                 {{"video", 1, {{kClip, 0, 720, {375}}, {kClip, 803, 1525}, {kClip, 1957, 2677}}},
                  {"video", 2, {{kClip, 482, 962, {183}}}},
                  {"video", 3, {{kClip, 1198, 1838}}},
                  {"audio", 1, sound},
                  {"audio", 2, sound}}});
}

TEST(SampleTimelines, NestingTest)
{
    REQUIRE_SHARED_DIR();
    // Slot 9: a clip of 16, an operation group of 16 over a sequence of two clips of 8, a clip of 16.
    CheckSample({"nesting_test.aaf",
                 "OTIO_Nesting_Test.Exported.01",
                 {{"video", 1, {{kClip, 0, 16}, {"", 16, 32}, {kClip, 32, 48}}}}});

    // The group is a Submaster: its item plays a nested sequence of the group's length that holds
    // the layer's two clips.
    testsupport::TempDir dir;
    const auto path = testsupport::SharedDir() / "aaf-samples" / "nesting_test.aaf";
    ASSERT_EQ(testsupport::RunConverter({"2", path.string(), "out.xml", "", "", "log.ini"}, dir.path()).exitCode, 1);
    const std::optional<Element> document = ReadDocument(testsupport::ReadFile(dir / "out.xml"));
    ASSERT_TRUE(document);
    const Element* timeline = FindSequence(*document, "OTIO_Nesting_Test.Exported.01");
    ASSERT_NE(timeline, nullptr);
    const std::vector<const Element*> tracks = Tracks(*timeline, "video");
    ASSERT_FALSE(tracks.empty());
    std::vector<const Element*> items;
    for (const Element& child : tracks[0]->children)
        if (child.name == kClip)
            items.push_back(&child);
    ASSERT_EQ(items.size(), 3u);
    const Element* nested = items[1]->Child("sequence");
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->Child("name")->text, "Nested Seq");
    EXPECT_EQ(nested->Number("duration"), 16);
    const std::vector<const Element*> layers = Tracks(*nested, "video");
    ASSERT_EQ(layers.size(), 1u);
    CheckTrack(*layers[0], {"video", 1, {{kClip, 0, 8}, {kClip, 8, 16}}});
}

TEST(SampleTimelines, TransitionsOverlapTheirNeighbours)
{
    REQUIRE_SHARED_DIR();
    // Slot 9: filler 12, fade up 12 (cut 0), clip 117, dissolve 48 (cut 48), clip 137, dissolve 24
    // (cut 12), filler 89, dip 48 (cut 24), clip 168, clip 130, fade down 48 (cut 48), filler 48. A
    // transition starts its length before the end of the segment before it; the next segment starts
    // with it.
    CheckSample({"transitions.aaf",
                 "OTIO TEST - transitions.Exported.01",
                 {{"video",
                   1,
                   {{kTransition, 0, 12},
                    {kClip, 0, 117},
                    {kTransition, 69, 117},
                    {kClip, 69, 206},
                    {kTransition, 182, 206},
                    {kTransition, 223, 271},
                    {kClip, 223, 391},
                    {kClip, 391, 521},
                    {kTransition, 473, 521}}}}});
}

TEST(SampleTimelines, MarkersWithoutDescribedSlotsAreSequenceMarkers)
{
    REQUIRE_SHARED_DIR();
    // Their event slots hold markers that describe no slot, at these positions.
    CheckSample({"DR_Markers.aaf", "DR_Markers", {{"video", 1, {}}}, {1440, 2160}});
    CheckSample({"Resolve 18.5.aaf", "Resolve 18.5", {}, {480, 720, 960}});
}

}  // namespace
