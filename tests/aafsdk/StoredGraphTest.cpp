// The stored property format read into the object graph: every stored form in both byte orders and
// both sector sizes, damage that skips one object or property, damage that fails the open, and
// seeded random damage.

#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/FixtureText.h"
#include "aafsdk/fixture/GraphBuilder.h"
#include "aafsdk/fixture/GraphCompare.h"
#include "aafsdk/stored/StoredGraph.h"
#include "support/TestSupport.h"

namespace {

using aafsdk::AafResult;
using aafsdk::Auid;
using aafsdk::ObjectId;
using aafsdk::StoredForm;
using aafsdk::StoredGraph;
using aafsdk::fixture::CfbNode;
using aafsdk::fixture::GraphBuilder;

Auid ClassId(std::uint8_t n)
{
    Auid id;
    id.bytes = {n, 0x01, 0x01, 0x0d, 0x01, 0x01, 0x00, 0x00, 0x06, 0x0e, 0x2b, 0x34, 0x02, 0x06, 0x01, 0x01};
    return id;
}

std::vector<std::uint8_t> Key(std::uint8_t n, std::size_t size)
{
    std::vector<std::uint8_t> key(size);
    for (std::size_t i = 0; i < size; ++i)
        key[i] = static_cast<std::uint8_t>(n * 17 + i);
    return key;
}

constexpr std::uint16_t kHeaderPid = 0x0002;
constexpr std::uint16_t kContentPid = 0x3b03;
constexpr std::uint16_t kDictionaryPid = 0x3b04;
constexpr std::uint16_t kIdentificationsPid = 0x3b06;
constexpr std::uint16_t kMobsPid = 0x1901;
constexpr std::uint16_t kDataDefsPid = 0x2605;
constexpr std::uint16_t kDataDefPid = 0x0201;
constexpr std::uint16_t kCodecDataDefsPid = 0x0202;
constexpr std::uint16_t kParametersPid = 0x0203;
constexpr std::uint16_t kEssencePid = 0x2702;
constexpr std::uint16_t kTitlePid = 0x2703;

// One object of every stored form: data, strings, a strong reference, a strong vector, strong sets
// keyed by MobID and by AUID, a weak reference, weak vector and set, data streams in the mini stream
// and in ordinary sectors, and a form kept only as its bytes.
struct Sample {
    explicit Sample(std::uint8_t byteOrder) : b(byteOrder)
    {
        header = b.AddStrongReference(0, kHeaderPid, "Header-2", ClassId(0x2f));
        b.AddU16(header, 0x3b05, 0x0101);
        b.AddString(header, 0x3b07, "caf\xc3\xa9 \xe6\x97\xa5");
        const ObjectId content = b.AddStrongReference(header, kContentPid, "Content-3b03", ClassId(0x18));
        b.AddStrongSet(content, kMobsPid, "Mobs-1901", 0x4401, 32);
        for (std::uint8_t i = 0; i < 3; ++i)
            b.AddString(b.AddSetElement(content, kMobsPid, ClassId(0x36), Key(i, 32)), 0x4402, "mob " + std::to_string(i));
        dictionary = b.AddStrongReference(header, kDictionaryPid, "Dictionary-3b04", ClassId(0x22));
        b.AddStrongSet(dictionary, kDataDefsPid, "DataDefinitions-2605", 0x1b01, 16);
        for (std::uint8_t i = 0; i < 2; ++i)
            dataDefs.push_back(b.AddSetElement(dictionary, kDataDefsPid, ClassId(0x1b), Key(10 + i, 16)));
        b.AddStrongVector(header, kIdentificationsPid, "Identifi-ionList-3b06");
        for (int i = 0; i < 3; ++i)
            b.AddU32(b.AddVectorElement(header, kIdentificationsPid, ClassId(0x30)), 0x3c01, static_cast<std::uint32_t>(i));
        const std::uint16_t tag = b.AddReferencedPath({kHeaderPid, kDictionaryPid, kDataDefsPid});
        b.AddReferencedPath({0x0001, 0x0003});
        b.AddWeakReference(header, kDataDefPid, tag, 0x1b01, Key(11, 16));
        b.AddWeakCollection(header, kCodecDataDefsPid, StoredForm::WeakReferenceVector, "DataDefinitions-202", tag, 0x1b01);
        b.AddWeakElement(header, kCodecDataDefsPid, Key(11, 16));
        b.AddWeakElement(header, kCodecDataDefsPid, Key(10, 16));
        b.AddWeakCollection(header, kParametersPid, StoredForm::WeakReferenceSet, "ParametersDefined-203", tag, 0x1b01);
        b.AddWeakElement(header, kParametersPid, Key(10, 16));
        b.AddDataStream(header, kEssencePid, "Data-2702", std::string(9000, 'e'));
        b.AddDataStream(header, kTitlePid, "OpGroupGraphicsParamStream-ffc7", "title data", 'L');
        b.AddRaw(header, 0x3b08, static_cast<std::uint16_t>(StoredForm::UniqueObjectId), {1, 2, 3});
    }

    aafsdk::fixture::CfbImage Write(unsigned shift = 12) const
    {
        aafsdk::fixture::AafWriteOptions options;
        options.sectorShift = shift;
        options.dataStreams = &b.dataStreams();
        return aafsdk::fixture::WriteAaf(b.graph(), options);
    }
    CfbNode Tree() const { return aafsdk::fixture::BuildAafTree(b.graph(), &b.dataStreams()); }

    mutable GraphBuilder b;  // its graph() has no const overload
    ObjectId header = 0, dictionary = 0;
    std::vector<ObjectId> dataDefs;
};

AafResult Read(const std::string& bytes, std::unique_ptr<StoredGraph>* graph)
{
    return aafsdk::ReadStoredGraph(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), graph);
}

// The object at a storage path of a graph, or kNoObject.
ObjectId Find(const StoredGraph& graph, const std::string& path)
{
    for (ObjectId id = 0; id < graph.objects.size(); ++id)
        if (graph.Path(id) == path)
            return id;
    return aafsdk::kNoObject;
}

TEST(StoredGraph, EveryStoredFormReadsBackInBothByteOrdersAndSectorSizes)
{
    for (std::uint8_t order : {std::uint8_t{'L'}, std::uint8_t{'B'}}) {
        for (unsigned shift : {9u, 12u}) {
            SCOPED_TRACE(std::string(1, static_cast<char>(order)) + " " + std::to_string(shift));
            const Sample sample(order);
            std::unique_ptr<StoredGraph> graph;
            ASSERT_EQ(Read(sample.Write(shift).bytes, &graph), aafsdk::kResultSuccess);
            EXPECT_TRUE(graph->damage.empty());
            EXPECT_EQ(aafsdk::fixture::GraphDifference(sample.b.graph(), *graph), "");
            EXPECT_EQ(graph->objects.size(), sample.b.graph().objects.size());

            const ObjectId header = Find(*graph, "/Header-2");
            ASSERT_NE(header, aafsdk::kNoObject);
            const auto& object = graph->object(header);
            EXPECT_EQ(object.byteOrder, order);
            EXPECT_EQ(object.classId, ClassId(0x2f));
            EXPECT_EQ(graph->Path(object.Find(kIdentificationsPid)->elements[2].object), "/Header-2/Identifi-ionList-3b06{2}");
            EXPECT_EQ(graph->Path(graph->ResolveWeak(object.Find(kDataDefPid)->weak.front())),
                      "/Header-2/Dictionary-3b04/DataDefinitions-2605{1}");
            EXPECT_EQ(graph->Path(graph->ResolveWeak(object.Find(kCodecDataDefsPid)->weak[1])),
                      "/Header-2/Dictionary-3b04/DataDefinitions-2605{0}");
            EXPECT_EQ(object.Find(0x3b08)->value, (std::vector<std::uint8_t>{1, 2, 3}));
            for (const auto& [pid, contents] : {std::pair<std::uint16_t, std::string>{kEssencePid, std::string(9000, 'e')},
                                                {kTitlePid, "title data"}}) {
                std::vector<std::uint8_t> bytes;
                ASSERT_EQ(graph->ReadDataStream(*object.Find(pid), &bytes), aafsdk::kResultSuccess);
                EXPECT_EQ(std::string(bytes.begin(), bytes.end()), contents);
            }
            ASSERT_EQ(graph->referencedProperties.size(), 2u);
            EXPECT_EQ(graph->referencedProperties[1], (std::vector<std::uint16_t>{0x0001, 0x0003}));
        }
    }
}

TEST(StoredGraph, WeakReferencesThatNameNothingResolveToNoObject)
{
    Sample sample('L');
    std::unique_ptr<StoredGraph> graph;
    ASSERT_EQ(Read(sample.Write().bytes, &graph), aafsdk::kResultSuccess);
    aafsdk::WeakReference weak = graph->object(Find(*graph, "/Header-2")).Find(kDataDefPid)->weak.front();
    const std::pair<const char*, std::function<void(aafsdk::WeakReference&)>> cases[] = {
        {"unknown key", [](aafsdk::WeakReference& w) { w.key.bytes[0] ^= 0xff; }},
        {"tag beyond the table", [](aafsdk::WeakReference& w) { w.tag = 7; }},
        {"path into a missing property", [](aafsdk::WeakReference& w) { w.tag = 1; }},
    };
    for (const auto& [what, change] : cases) {
        SCOPED_TRACE(what);
        aafsdk::WeakReference changed = weak;
        change(changed);
        EXPECT_EQ(graph->ResolveWeak(changed), aafsdk::kNoObject);
    }
}

CfbNode& Node(CfbNode& root, const std::string& path)
{
    CfbNode* at = &root;
    std::istringstream parts(path);
    for (std::string part; std::getline(parts, part, '/');) {
        if (part.empty())
            continue;
        auto it = std::find_if(at->children.begin(), at->children.end(), [&](const CfbNode& c) { return c.name == part; });
        if (it == at->children.end())
            throw std::out_of_range("no node " + path);
        at = &*it;
    }
    return *at;
}

void Remove(CfbNode& root, const std::string& path)
{
    const auto slash = path.rfind('/');
    CfbNode& parent = Node(root, path.substr(0, slash));
    const std::string name = path.substr(slash + 1);
    std::erase_if(parent.children, [&](const CfbNode& c) { return c.name == name; });
}

void SetU32(std::string& bytes, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + static_cast<std::size_t>(i)) = static_cast<char>(v >> (8 * i));
}

// The entry table of a properties stream: finds the entry of pid and gives the offset of its value.
std::size_t ValueOffset(const std::string& stream, std::uint16_t pid, std::size_t* entry)
{
    const auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(std::uint8_t(stream[at]) | std::uint8_t(stream[at + 1]) << 8); };
    const std::size_t count = u16(2);
    std::size_t value = 4 + 6 * count;
    for (std::size_t i = 0; i < count; ++i) {
        if (u16(4 + 6 * i) == pid) {
            *entry = 4 + 6 * i;
            return value;
        }
        value += u16(4 + 6 * i + 4);
    }
    throw std::out_of_range("no such pid");
}

// Replaces the value of one property in a properties stream.
void SetValue(CfbNode& properties, std::uint16_t pid, const std::string& value)
{
    std::string& s = properties.bytes;
    std::size_t entry = 0;
    const std::size_t at = ValueOffset(s, pid, &entry);
    const std::size_t old = std::uint8_t(s[entry + 4]) | std::uint8_t(s[entry + 5]) << 8;
    s.replace(at, old, value);
    s[entry + 4] = static_cast<char>(value.size() & 0xff);
    s[entry + 5] = static_cast<char>(value.size() >> 8);
}

struct Skip {
    const char* what;
    std::function<void(CfbNode&)> damage;
    const char* damagePath;  // where the reader reports it
    AafResult code;
    const char* gone;     // an object that is no longer in the graph ("" for none)
};

TEST(StoredGraph, DamageBelowTheRootSkipsTheObjectAndKeepsTheRest)
{
    using aafsdk::kResultReadFailure;
    const std::string header = "/Header-2";
    const std::string dataDef = "/Header-2/Dictionary-3b04/DataDefinitions-2605{1}";
    const Skip cases[] = {
        {"entries longer than the stream", [&](CfbNode& t) { Node(t, dataDef + "/properties").bytes.pop_back(); }, dataDef.c_str(),
         kResultReadFailure, dataDef.c_str()},
        {"entry table longer than the stream", [&](CfbNode& t) { Node(t, dataDef + "/properties").bytes.resize(7); },
         dataDef.c_str(), kResultReadFailure, dataDef.c_str()},
        {"unknown byte order", [&](CfbNode& t) { Node(t, dataDef + "/properties").bytes[0] = 'X'; }, dataDef.c_str(),
         aafsdk::kResultInvalidByteOrder, dataDef.c_str()},
        {"unknown version", [&](CfbNode& t) { Node(t, dataDef + "/properties").bytes[1] = 0x21; }, dataDef.c_str(),
         aafsdk::kResultFileRevNotSupported, dataDef.c_str()},
        {"no properties stream", [&](CfbNode& t) { Remove(t, dataDef + "/properties"); }, dataDef.c_str(), kResultReadFailure,
         dataDef.c_str()},
        {"set element storage missing", [&](CfbNode& t) { Remove(t, dataDef); }, dataDef.c_str(), kResultReadFailure,
         dataDef.c_str()},
        {"element a stream, not a storage",
         [&](CfbNode& t) {
             Remove(t, dataDef);
             Node(t, "/Header-2/Dictionary-3b04").add(CfbNode::Stream("DataDefinitions-2605{1}", "x"));
         },
         dataDef.c_str(), kResultReadFailure, dataDef.c_str()},
        {"vector element storage missing", [&](CfbNode& t) { Remove(t, "/Header-2/Identifi-ionList-3b06{1}"); },
         "/Header-2/Identifi-ionList-3b06{1}", kResultReadFailure, "/Header-2/Identifi-ionList-3b06{1}"},
        {"strong reference storage missing", [&](CfbNode& t) { Remove(t, "/Header-2/Content-3b03"); }, "/Header-2/Content-3b03",
         kResultReadFailure, "/Header-2/Content-3b03/Mobs-1901{0}"},
        {"index stream missing", [&](CfbNode& t) { Remove(t, "/Header-2/Content-3b03/Mobs-1901 index"); },
         "/Header-2/Content-3b03/Mobs-1901 index", kResultReadFailure, "/Header-2/Content-3b03/Mobs-1901{0}"},
        {"set index count larger than its stream",
         [&](CfbNode& t) { SetU32(Node(t, "/Header-2/Content-3b03/Mobs-1901 index").bytes, 0, 4); }, "/Header-2/Content-3b03",
         kResultReadFailure, "/Header-2/Content-3b03/Mobs-1901{0}"},
        {"set index shorter than its header",
         [&](CfbNode& t) { Node(t, "/Header-2/Content-3b03/Mobs-1901 index").bytes.resize(13); }, "/Header-2/Content-3b03",
         kResultReadFailure, "/Header-2/Content-3b03/Mobs-1901{0}"},
        {"set key longer than a MobID",
         [&](CfbNode& t) { Node(t, "/Header-2/Content-3b03/Mobs-1901 index").bytes[14] = 33; }, "/Header-2/Content-3b03",
         kResultReadFailure, "/Header-2/Content-3b03/Mobs-1901{0}"},
        {"vector index count larger than its stream",
         [&](CfbNode& t) { SetU32(Node(t, "/Header-2/Identifi-ionList-3b06 index").bytes, 0, 0x40000000); }, "/Header-2",
         kResultReadFailure, "/Header-2/Identifi-ionList-3b06{0}"},
        {"weak collection count larger than its stream",
         [&](CfbNode& t) { SetU32(Node(t, "/Header-2/DataDefinitions-202 index").bytes, 0, 3); }, "/Header-2",
         kResultReadFailure, ""},
        {"weak collection key size zero", [&](CfbNode& t) { Node(t, "/Header-2/DataDefinitions-202 index").bytes[8] = 0; },
         "/Header-2", kResultReadFailure, ""},
        {"strong reference name of odd length",
         [&](CfbNode& t) { SetValue(Node(t, "/Header-2/properties"), kContentPid, std::string("C\0o\0\0", 5)); }, "/Header-2",
         kResultReadFailure, "/Header-2/Content-3b03"},
        {"strong reference name without terminator",
         [&](CfbNode& t) { SetValue(Node(t, "/Header-2/properties"), kContentPid, std::string("C\0o\0", 4)); }, "/Header-2",
         kResultReadFailure, "/Header-2/Content-3b03"},
        {"empty collection name", [&](CfbNode& t) { SetValue(Node(t, "/Header-2/properties"), kIdentificationsPid, ""); },
         "/Header-2", kResultReadFailure, "/Header-2/Identifi-ionList-3b06{0}"},
        {"weak reference shorter than its key",
         [&](CfbNode& t) { SetValue(Node(t, "/Header-2/properties"), kDataDefPid, std::string("\0\0\1\x1b\x10\1\2", 7)); },
         "/Header-2", kResultReadFailure, ""},
        {"data stream missing", [&](CfbNode& t) { Remove(t, "/Header-2/Data-2702"); }, "/Header-2/Data-2702", kResultReadFailure,
         ""},
        {"one storage named twice",
         [&](CfbNode& t) {
             const std::string name = aafsdk::fixture::Utf16LeBytes("Content-3b03");
             SetValue(Node(t, "/Header-2/properties"), kDictionaryPid, name);
         },
         "/Header-2/Content-3b03", kResultReadFailure, "/Header-2/Dictionary-3b04"},
        {"path table inconsistent", [&](CfbNode& t) { Node(t, "/referenced properties").bytes[1] = 9; },
         "/referenced properties", kResultReadFailure, ""},
        {"path table missing", [&](CfbNode& t) { Remove(t, "/referenced properties"); }, "/referenced properties",
         kResultReadFailure, ""},
    };
    const Sample sample('L');
    for (const Skip& c : cases) {
        SCOPED_TRACE(c.what);
        CfbNode tree = sample.Tree();
        c.damage(tree);
        std::unique_ptr<StoredGraph> graph;
        ASSERT_EQ(Read(aafsdk::fixture::WriteAafTree(tree).bytes, &graph), aafsdk::kResultSuccess);
        ASSERT_EQ(graph->damage.size(), 1u);
        EXPECT_EQ(graph->damage[0].path, c.damagePath);
        EXPECT_EQ(graph->damage[0].code, c.code);
        if (*c.gone != '\0') {
            EXPECT_EQ(Find(*graph, c.gone), aafsdk::kNoObject);
        }
        // The rest is still there.
        const bool identifications = std::string(c.gone).starts_with("/Header-2/Identifi");
        EXPECT_NE(Find(*graph, identifications ? "/Header-2/Dictionary-3b04/DataDefinitions-2605{0}"
                                               : "/Header-2/Identifi-ionList-3b06{2}"),
                  aafsdk::kNoObject);
        EXPECT_NE(graph->object(Find(*graph, header)).Find(0x3b07), nullptr);
    }
}

TEST(StoredGraph, DamageAtTheRootFailsTheOpen)
{
    const struct {
        const char* what;
        std::function<void(CfbNode&)> damage;
        AafResult code;
    } cases[] = {
        {"root class not the AAF root", [](CfbNode& t) { t.clsid[0] ^= 1; }, aafsdk::kResultNotAafFile},
        {"no root properties", [](CfbNode& t) { Remove(t, "/properties"); }, aafsdk::kResultReadFailure},
        {"root properties truncated", [](CfbNode& t) { Node(t, "/properties").bytes.resize(10); }, aafsdk::kResultReadFailure},
    };
    const Sample sample('L');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CfbNode tree = sample.Tree();
        c.damage(tree);
        std::unique_ptr<StoredGraph> graph;
        EXPECT_EQ(Read(aafsdk::fixture::WriteAafTree(tree).bytes, &graph), c.code);
        EXPECT_EQ(graph, nullptr);
    }
    std::unique_ptr<StoredGraph> graph;
    EXPECT_EQ(Read("plain text, not a compound file", &graph), aafsdk::kResultNotAafFile);
    testsupport::TempDir dir;
    EXPECT_EQ(aafsdk::ReadStoredGraph(dir / "missing.aaf", &graph), aafsdk::kResultFileNotFound);
    testsupport::WriteFile(dir / "sample.aaf", sample.Write().bytes);
    EXPECT_EQ(aafsdk::ReadStoredGraph(dir / "sample.aaf", &graph), aafsdk::kResultSuccess);
}

// Walks everything a reader's user would touch, so that the sanitizers see any bad graph.
std::size_t Touch(const StoredGraph& graph)
{
    std::size_t n = 0;
    for (ObjectId id = 0; id < graph.objects.size(); ++id) {
        n += graph.Path(id).size();
        for (const auto& property : graph.object(id).properties) {
            for (const auto& element : property.elements)
                n += element.object < graph.objects.size() ? 1 : 1000000;
            for (const auto& weak : property.weak)
                n += graph.ResolveWeak(weak) == aafsdk::kNoObject ? 0 : 1;
            std::vector<std::uint8_t> bytes;
            if (property.form() == StoredForm::DataStream && aafsdk::Succeeded(graph.ReadDataStream(property, &bytes)))
                n += bytes.size() == property.streamSize ? 0 : 1000000;
        }
    }
    return n;
}

TEST(StoredGraph, SeededDamageAlwaysEndsInAResultCode)
{
    const std::set<AafResult> codes = {aafsdk::kResultSuccess, aafsdk::kResultNotAafFile, aafsdk::kResultReadFailure};
    for (unsigned shift : {9u, 12u}) {
        const std::string good = Sample('L').Write(shift).bytes;
        std::mt19937 random(shift);
        for (int round = 0; round < 600; ++round) {
            std::string bytes = good;
            if (round % 4 == 3) {
                bytes.resize(random() % bytes.size());
            } else {
                // A window of overwritten bytes somewhere, or single flipped bytes all over.
                const std::size_t at = random() % bytes.size();
                const std::size_t length = round % 2 == 0 ? 1 + random() % 64 : 0;
                for (std::size_t i = at; i < std::min(bytes.size(), at + length); ++i)
                    bytes[i] = static_cast<char>(random());
                for (int flips = round % 2 == 0 ? 0 : 1 + static_cast<int>(random() % 8); flips > 0; --flips)
                    bytes[random() % bytes.size()] ^= static_cast<char>(1u << (random() % 8));
            }
            std::unique_ptr<StoredGraph> graph;
            const AafResult result = Read(bytes, &graph);
            EXPECT_TRUE(codes.count(result) != 0 || graph == nullptr) << std::hex << result;
            if (graph) {
                EXPECT_LT(Touch(*graph), 1000000u);
                for (const auto& damage : graph->damage)
                    EXPECT_FALSE(aafsdk::Succeeded(damage.code));
            }
        }
    }
}

}  // namespace
