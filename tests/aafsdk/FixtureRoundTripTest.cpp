// Graphs and storage trees written by the fixture writer read back identically through the reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "aafsdk/fixture/GraphCompare.h"
#include "aafsdk/fixture/SyntheticTimeline.h"
#include "aafsdk/stored/StoredGraph.h"

namespace {

using namespace aafsdk;
using namespace aafsdk::fixture;

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::unique_ptr<StoredGraph> ReadBack(const CfbImage& image)
{
    std::unique_ptr<StoredGraph> graph;
    const AafResult rc = ReadStoredGraph(Bytes(image.bytes), &graph);
    EXPECT_EQ(rc, kResultSuccess);
    if (graph)
        for (const StoredDamage& d : graph->damage)
            ADD_FAILURE() << "damage at " << d.path << ": " << d.what;
    return graph;
}

std::string Pattern(std::size_t size, unsigned seed)
{
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        s[i] = static_cast<char>((i * 131 + seed * 7 + (i >> 8)) & 0xff);
    return s;
}

// One object of every stored form, with collections empty and full, keys of both sizes, and data
// streams on both sides of the mini-stream cutoff.
GraphBuilder EveryStoredForm(std::uint8_t byteOrder)
{
    GraphBuilder b(byteOrder);
    const ObjectId root = StoredGraph::root();
    const Auid cls = AuidOf("0d010101-0101-0f00-060e-2b3402060101");
    const std::uint16_t tagAuid = b.AddReferencedPath({0x0002, 0x3b04, 0x2605});
    const std::uint16_t tagMob = b.AddReferencedPath({0x0002, 0x3b03, 0x1901});
    b.AddReferencedPath({0x0001, 0x0003});

    const ObjectId obj = b.AddStrongReference(root, 0x0002, "Header-2", cls);
    b.AddU32(obj, 0x1001, 0x01020304);
    b.AddString(obj, 0x1002, "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac");
    b.AddData(obj, 0x1003, {});
    b.AddData(obj, 0x1004, std::vector<std::uint8_t>(65535, 0xab));
    b.AddRaw(obj, 0x1005, static_cast<std::uint16_t>(StoredForm::UniqueObjectId), {1, 2, 3});
    b.AddRaw(obj, 0x1006, static_cast<std::uint16_t>(StoredForm::WeakStoredObjectId), {4, 5});
    b.AddRaw(obj, 0x1007, static_cast<std::uint16_t>(StoredForm::DataVector), {6});
    b.AddRaw(obj, 0x1008, static_cast<std::uint16_t>(StoredForm::DataSet), {7, 8, 9, 10});
    b.AddRaw(obj, 0x1009, 0x0099, {11});  // a form no writer uses survives as its bytes
    b.AddDataStream(obj, 0x1010, "Small-1010", Pattern(100, 1));
    b.AddDataStream(obj, 0x1011, "Cutoff-1011", Pattern(4095, 2), 'L');
    b.AddDataStream(obj, 0x1012, "Large-1012", Pattern(4096 * 3 + 17, 3), 'B');
    b.AddDataStream(obj, 0x1013, "Empty-1013", "");

    const ObjectId child = b.AddStrongReference(obj, 0x2001, "Child-2001", cls);
    b.AddU8(child, 0x3001, 7);
    b.AddStrongVector(obj, 0x2002, "Vector-2002");
    for (int i = 0; i < 20; ++i)
        b.AddU16(b.AddVectorElement(obj, 0x2002, cls), 0x3001, static_cast<std::uint16_t>(i));
    // A vector whose order is not its key order, with gaps, as files edited in place have.
    b.AddStrongVector(obj, 0x2003, "Edited-2003");
    for (int i = 0; i < 4; ++i)
        b.AddVectorElement(obj, 0x2003, cls);
    auto& edited = b.property(obj, 0x2003);
    std::reverse(edited.elements.begin(), edited.elements.end());
    edited.elements.erase(edited.elements.begin() + 1);
    edited.lastFreeKey = 0x10;
    b.AddStrongVector(obj, 0x2004, "EmptyVector-2004");
    b.AddStrongSet(obj, 0x2005, "AuidSet-2005", 0x1b01, 16);
    for (std::uint8_t i = 0; i < 5; ++i) {
        Auid key = AuidOf("01030202-0100-0000-060e-2b3404010101");
        key.bytes[15] = i;
        b.AddSetElement(obj, 0x2005, cls, key.bytes);
    }
    b.AddStrongSet(obj, 0x2006, "MobSet-2006", 0x4401, 32);
    for (std::uint32_t i = 0; i < 3; ++i)
        b.AddSetElement(obj, 0x2006, cls, MakeMobId(i));
    b.property(obj, 0x2006).elements[1].referenceCount = 2;
    b.AddStrongSet(obj, 0x2007, "EmptySet-2007", 0x1b01, 16);

    const Auid target = AuidOf("01030202-0200-0000-060e-2b3404010101");
    b.AddWeakReference(obj, 0x4001, tagAuid, 0x1b01, target.bytes);
    b.AddWeakReference(obj, 0x4002, tagMob, 0x4401, MakeMobId(1));
    b.AddWeakCollection(obj, 0x4003, StoredForm::WeakReferenceVector, "WeakVector-4003", tagAuid, 0x1b01, 16);
    b.AddWeakCollection(obj, 0x4004, StoredForm::WeakReferenceSet, "WeakSet-4004", tagMob, 0x4401, 32);
    b.AddWeakCollection(obj, 0x4005, StoredForm::WeakReferenceSet, "EmptyWeakSet-4005", tagAuid, 0x1b01, 16);
    for (int i = 0; i < 3; ++i)
        b.AddWeakElement(obj, 0x4003, target.bytes);
    b.AddWeakElement(obj, 0x4004, MakeMobId(2));
    b.AddWeakElement(obj, 0x4004, MakeMobId(0));
    return b;
}

struct Layout {
    unsigned sectorShift;
    std::uint8_t byteOrder;
};

std::ostream& operator<<(std::ostream& out, const Layout& l)
{
    return out << (1u << l.sectorShift) << "-byte sectors, byte order " << static_cast<char>(l.byteOrder);
}

class FixtureRoundTrip : public ::testing::TestWithParam<Layout> {};

TEST_P(FixtureRoundTrip, EveryStoredFormReadsBackIdentically)
{
    GraphBuilder b = EveryStoredForm(GetParam().byteOrder);
    AafWriteOptions options;
    options.sectorShift = GetParam().sectorShift;
    options.dataStreams = &b.dataStreams();
    const CfbImage image = WriteAaf(b.graph(), options);
    const auto graph = ReadBack(image);
    ASSERT_TRUE(graph);
    EXPECT_EQ(graph->file()->sectorSize(), 1u << GetParam().sectorShift);
    EXPECT_EQ(GraphDifference(b.graph(), *graph), "");
    EXPECT_TRUE(CanonicalGraph(b.graph()) == CanonicalGraph(*graph));

    // Data streams come back byte for byte, read on demand.
    std::size_t streams = 0;
    for (ObjectId id = 0; id < graph->objects.size(); ++id) {
        for (const StoredProperty& p : graph->object(id).properties) {
            if (p.form() != StoredForm::DataStream)
                continue;
            std::vector<std::uint8_t> contents;
            ASSERT_EQ(graph->ReadDataStream(p, &contents), kResultSuccess);
            const std::string* expected = nullptr;
            for (const auto& [key, bytes] : b.dataStreams())
                if (key.second == p.pid)
                    expected = &bytes;
            ASSERT_NE(expected, nullptr);
            EXPECT_EQ(contents, Bytes(*expected)) << "pid " << p.pid;
            ++streams;
        }
    }
    EXPECT_EQ(streams, 4u);

    // Weak references resolve into the sets their tags name.
    const StoredObject& header = graph->object(graph->object(0).properties.front().elements.front().object);
    EXPECT_EQ(graph->ResolveWeak(header.Find(0x4002)->weak.front()), kNoObject);  // no Content in this graph
}

TEST_P(FixtureRoundTrip, RealLookingFilesReadBackIdentically)
{
    for (const StoredGraph& g : {BuildExampleGraph(), BuildSyntheticGraph(500), BuildTimelineGraph(300)}) {
        AafWriteOptions options;
        options.sectorShift = GetParam().sectorShift;
        const auto graph = ReadBack(WriteAaf(g, options));
        ASSERT_TRUE(graph);
        EXPECT_EQ(GraphDifference(g, *graph), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, FixtureRoundTrip,
                         ::testing::Values(Layout{9, 'L'}, Layout{12, 'L'}, Layout{9, 'B'}, Layout{12, 'B'}),
                         [](const ::testing::TestParamInfo<Layout>& p) {
                             return std::to_string(1u << p.param.sectorShift) +
                                    (p.param.byteOrder == 'B' ? "BigEndian" : "LittleEndian");
                         });

TEST(FixtureRoundTrip, WeakReferencesOfTheExampleResolve)
{
    const auto graph = ReadBack(WriteAaf(BuildExampleGraph()));
    ASSERT_TRUE(graph);
    std::size_t resolved = 0;
    for (const StoredObject& o : graph->objects)
        for (const StoredProperty& p : o.properties)
            for (const WeakReference& w : p.weak) {
                EXPECT_NE(graph->ResolveWeak(w), kNoObject) << "pid " << p.pid;
                ++resolved;
            }
    EXPECT_GT(resolved, 20u);
}

TEST(FixtureRoundTrip, StorageWithAHundredThousandChildren)
{
    GraphBuilder b;
    const Auid cls = AuidOf("0d010101-0101-1100-060e-2b3402060101");
    const ObjectId header = b.AddStrongReference(StoredGraph::root(), 0x0002, "Header-2", cls);
    b.AddStrongVector(header, 0x1001, "Components-1001");
    constexpr std::uint32_t kChildren = 100000;
    for (std::uint32_t i = 0; i < kChildren; ++i)
        b.AddU32(b.AddVectorElement(header, 0x1001, cls), 0x1102, i);
    const CfbImage image = WriteAaf(b.graph());
    const auto graph = ReadBack(image);
    ASSERT_TRUE(graph);
    const StoredProperty* components = graph->object(1).Find(0x1001);
    ASSERT_NE(components, nullptr);
    ASSERT_EQ(components->elements.size(), kChildren);
    // Both number the objects breadth first here, so the graphs compare as they stand.
    EXPECT_TRUE(b.graph() == *graph) << GraphDifference(b.graph(), *graph);
    // The directory lists the storage's children in directory order: shorter names first.
    const CfbEntry& storage = graph->file()->entry(graph->file()->FindChild(0, u"Header-2"));
    EXPECT_EQ(storage.children.size(), kChildren + 2);  // elements, index, properties
    for (std::size_t i = 1; i < storage.children.size(); ++i) {
        const std::u16string_view a = graph->file()->entry(storage.children[i - 1]).name;
        const std::u16string_view c = graph->file()->entry(storage.children[i]).name;
        ASSERT_TRUE(a.size() < c.size() || (a.size() == c.size() && a < c)) << i;
    }
}

// The compound-file layer alone: names, class ids, sizes and bytes of every entry.
struct TreeCase {
    const char* name;
    unsigned sectorShift;
    std::vector<std::size_t> streamSizes;
};

TEST(FixtureCompoundFile, TreesReadBackWithNamesClassIdsAndBytes)
{
    const TreeCase cases[] = {
        {"empty root", 9, {}},
        {"mini stream only", 12, {1, 63, 64, 65, 4095}},
        {"cutoff", 9, {4095, 4096, 4097}},
        {"empty streams", 12, {0, 0, 10}},
        {"many mini sectors", 9, std::vector<std::size_t>(300, 700)},
        {"beyond 109 FAT sectors", 9, {7 * 1024 * 1024 + 5}},
    };
    for (const TreeCase& c : cases) {
        SCOPED_TRACE(c.name);
        CfbNode root = CfbNode::Storage("", {});
        CfbNode& dir = root.add(CfbNode::Storage("Storage \xc3\xa4", Clsid{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
        dir.add(CfbNode::Storage("Nested", Clsid{0xff}));
        for (std::size_t i = 0; i < c.streamSizes.size(); ++i)
            dir.add(CfbNode::Stream("s" + std::to_string(i), Pattern(c.streamSizes[i], static_cast<unsigned>(i))));
        CfbOptions options;
        options.sectorShift = c.sectorShift;
        options.rootClsid = Clsid{0xa5};
        const CfbImage image = WriteCompoundFile(root, options);
        if (c.sectorShift == 9 && c.streamSizes.size() == 1) {
            EXPECT_FALSE(image.layout.difatSectors.empty());
        }

        std::unique_ptr<CompoundFile> file;
        ASSERT_EQ(CompoundFile::Open(FileBytes::Own(Bytes(image.bytes)), &file), kResultSuccess);
        EXPECT_EQ(file->entry(0).clsid.bytes, options.rootClsid);
        const std::uint32_t d = file->FindChild(0, u"Storage \u00e4");
        ASSERT_NE(d, kNoEntry);
        EXPECT_EQ(file->entry(d).clsid.bytes, dir.clsid);
        EXPECT_EQ(file->entry(d).children.size(), c.streamSizes.size() + 1);
        const std::uint32_t nested = file->FindChild(d, u"Nested");
        ASSERT_NE(nested, kNoEntry);
        EXPECT_EQ(file->entry(nested).type, CfbEntryType::Storage);
        for (std::size_t i = 0; i < c.streamSizes.size(); ++i) {
            const std::string name = "s" + std::to_string(i);
            const std::uint32_t s = file->FindChild(d, std::u16string(name.begin(), name.end()));
            ASSERT_NE(s, kNoEntry);
            EXPECT_EQ(file->entry(s).size, c.streamSizes[i]);
            std::vector<std::uint8_t> bytes;
            ASSERT_EQ(file->ReadStream(s, &bytes), kResultSuccess);
            EXPECT_EQ(bytes, Bytes(Pattern(c.streamSizes[i], static_cast<unsigned>(i)))) << name;
        }
    }
}

// Readers of other makers may insist on the tree's invariants: in order, root black, no red child of
// a red node, the same number of black nodes on every path.
TEST(FixtureCompoundFile, ChildrenFormARedBlackTree)
{
    for (std::size_t count : {1u, 2u, 3u, 7u, 8u, 9u, 100u, 1000u, 1025u}) {
        SCOPED_TRACE(count);
        CfbNode root = CfbNode::Storage("");
        for (std::size_t i = 0; i < count; ++i)
            root.add(CfbNode::Stream(std::string(1, 's').append(std::to_string(i * 7919 % 10007)), ""));
        const CfbImage image = WriteCompoundFile(root, {});
        const auto& entries = image.layout.entries;
        auto colour = [&](std::uint32_t e) { return static_cast<std::uint8_t>(image.bytes[image.entryOffset(e) + 67]); };
        ASSERT_EQ(colour(entries[0].child), 1u);
        // Iterative walk: (entry, black nodes above it).
        std::vector<std::pair<std::uint32_t, int>> stack{{entries[0].child, 0}};
        int blackHeight = -1;
        std::size_t seen = 0;
        while (!stack.empty()) {
            const auto [e, blacks] = stack.back();
            stack.pop_back();
            ++seen;
            const int here = blacks + (colour(e) == 1 ? 1 : 0);
            for (std::uint32_t next : {entries[e].left, entries[e].right}) {
                if (next == kNoStream) {
                    if (blackHeight < 0)
                        blackHeight = here;
                    EXPECT_EQ(here, blackHeight) << "entry " << e;
                    continue;
                }
                if (colour(e) == 0) {
                    EXPECT_EQ(colour(next), 1u) << "red " << e << " has a red child";
                }
                stack.push_back({next, here});
            }
        }
        EXPECT_EQ(seen, count);
    }
}

TEST(FixtureCompoundFile, WriterRejectsTreesItCannotStore)
{
    using Build = void (*)(CfbNode&);
    const struct {
        const char* name;
        Build build;
    } cases[] = {
        {"empty name", [](CfbNode& r) { r.add(CfbNode::Stream("", "x")); }},
        {"name of 32 characters", [](CfbNode& r) { r.add(CfbNode::Stream(std::string(32, 'a'), "x")); }},
        {"names equal but for case", [](CfbNode& r) { r.add(CfbNode::Stream("Name", "")); r.add(CfbNode::Storage("NAME")); }},
        {"stream with children", [](CfbNode& r) { r.add(CfbNode::Stream("s", "")).children.push_back(CfbNode::Stream("t", "")); }},
        {"malformed UTF-8", [](CfbNode& r) { r.add(CfbNode::Stream("\xff", "")); }},
    };
    for (const auto& c : cases) {
        CfbNode root = CfbNode::Storage("");
        c.build(root);
        EXPECT_THROW(WriteCompoundFile(root, {}), std::invalid_argument) << c.name;
    }
    CfbNode root = CfbNode::Storage("");
    root.add(CfbNode::Stream(std::string(31, 'a'), ""));
    EXPECT_NO_THROW(WriteCompoundFile(root, {}));
    CfbOptions odd;
    odd.sectorShift = 10;
    EXPECT_THROW(WriteCompoundFile(root, odd), std::invalid_argument);

    GraphBuilder b;
    b.AddData(StoredGraph::root(), 0x0003, std::vector<std::uint8_t>(65536));
    EXPECT_THROW(WriteAaf(b.graph()), std::invalid_argument);
}

}  // namespace
