#pragma once

// Run mode 2's document read back: elements with their text and "id" attribute, the top-level
// sequences, their tracks and items, and the clips of the bins; and a track's items checked against
// their expected places, source ranges and master clips.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace readback {

struct Element {
    std::string name;
    std::string attributeId;  // the "id" attribute
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

inline Element ReadElement(QXmlStreamReader& reader)
{
    Element element{reader.name().toString().toStdString(),
                    reader.attributes().value("id").toString().toStdString(), {}, {}};
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

inline std::optional<Element> ReadDocument(const std::string& text)
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
inline const Element* FindSequence(const Element& element, const std::string& name)
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

inline bool HoldsSequence(const Element& element)
{
    if (element.name == "sequence")
        return true;
    for (const Element& child : element.children)
        if (HoldsSequence(child))
            return true;
    return false;
}

inline std::vector<const Element*> Tracks(const Element& sequence, const std::string& media)
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

inline std::vector<int> MarkerFrames(const Element& element)
{
    std::vector<int> frames;
    for (const Element& child : element.children)
        if (child.name == "marker")
            frames.push_back(child.Number("in"));
    return frames;
}

// The clips of the document's bins, nested bins included, by id.
inline void CollectBinClips(const Element& bin, std::map<std::string, const Element*>& clips)
{
    const Element* children = bin.Child("children");
    if (!children)
        return;
    for (const Element& child : children->children) {
        if (child.name == "clip" && child.Child("name"))
            clips[child.attributeId] = &child;
        else if (child.name == "bin")
            CollectBinClips(child, clips);
    }
}

inline std::map<std::string, const Element*> BinClips(const Element& document)
{
    std::map<std::string, const Element*> clips;
    for (const Element& child : document.children)
        if (child.name == "bin")
            CollectBinClips(child, clips);
    return clips;
}

// One item: its element ("clipitem", "transitionitem"; empty: any), its place on the track, and for
// clip items the source range it plays, the name of the bin's master clip it names (empty: none) and
// the markers as offsets from the item's in point.
struct Item {
    std::string element;
    int start;
    int end;
    int in = -1;
    int out = -1;
    std::string master = {};
    std::vector<int> markerOffsets = {};
};

struct Track {
    std::string media;  // "video" or "audio"
    int number;         // from 1
    std::vector<Item> items;
};

inline void CheckTrack(const Element& track, const Track& expected, const std::map<std::string, const Element*>& binClips)
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
        EXPECT_EQ(item.Number("in"), want.in);
        EXPECT_EQ(item.Number("out"), want.out);
        const Element* masterId = item.Child("masterclipid");
        if (want.master.empty()) {
            EXPECT_EQ(masterId, nullptr);
        } else {
            ASSERT_NE(masterId, nullptr);
            const auto clip = binClips.find(masterId->text);
            ASSERT_NE(clip, binClips.end()) << masterId->text << " is in no bin";
            EXPECT_EQ(clip->second->Child("name")->text, want.master);
        }
        std::vector<int> offsets;
        for (int frame : MarkerFrames(item))
            offsets.push_back(frame - item.Number("in"));
        EXPECT_EQ(offsets, want.markerOffsets);
    }
}

inline const std::string kClip = "clipitem";
inline const std::string kTransition = "transitionitem";

}  // namespace readback
