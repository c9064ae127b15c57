// Damaged files made with the fixture writer: every damage takes the reader's error path (a failure
// code, or the object skipped and the damage listed), never a crash, a hang or a huge allocation.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/FixtureText.h"
#include "aafsdk/fixture/GraphCompare.h"
#include "aafsdk/stored/StoredGraph.h"

namespace {

using namespace aafsdk;
using namespace aafsdk::fixture;

struct Outcome {
    AafResult rc = kResultSuccess;
    std::size_t damage = 0;
    std::size_t failedStreams = 0;
    std::unique_ptr<StoredGraph> graph;

    bool ErrorPath() const { return !Succeeded(rc) || damage > 0 || failedStreams > 0; }
};

// Opens the bytes and walks what the reader gives, data streams included.
Outcome ReadAndWalk(const std::string& bytes)
{
    Outcome out;
    out.rc = ReadStoredGraph(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), &out.graph);
    if (!Succeeded(out.rc))
        return out;
    const StoredGraph* graph = out.graph.get();
    out.damage = graph->damage.size();
    std::vector<std::uint8_t> contents;
    for (const StoredObject& o : graph->objects) {
        for (const StoredProperty& p : o.properties) {
            if (p.form() == StoredForm::DataStream && !Succeeded(graph->ReadDataStream(p, &contents)))
                ++out.failedStreams;
            for (const StrongElement& e : p.elements)
                EXPECT_LT(e.object, graph->objects.size());
        }
    }
    return out;
}

constexpr std::uint16_t kStreamPid = 0x3b7f;

// A small file with a composition, mobs, weak references, a large data stream (regular sectors) and
// a small one (mini stream).
struct Base {
    AafFileBuilder f;

    Base()
    {
        const MobIdBytes master = MakeMobId(1);
        const ObjectId mm = f.AddMob("MasterMob", "Master", master);
        f.AddSourceClip(f.AddTimelineSlot(mm, 1, "V1", 25, 1), ids::kDataDefPicture, 100, MobIdBytes{}, 0, 0);
        const ObjectId comp = f.AddMob("CompositionMob", "Cut", MakeMobId(2));
        const ObjectId seq = f.AddSequence(f.AddTimelineSlot(comp, 1, "V1", 25, 1), ids::kDataDefPicture, 30);
        for (int i = 0; i < 3; ++i)
            f.AddSourceClip(seq, ids::kDataDefPicture, 10, master, 1, i * 10);
        std::string large(10000, '\0');
        for (std::size_t i = 0; i < large.size(); ++i)
            large[i] = static_cast<char>(i * 7);
        f.builder().AddDataStream(f.header(), kStreamPid, "Large-3b7f", large);
        f.builder().AddDataStream(f.header(), kStreamPid + 1, "Small-3b80", "small");
    }

    CfbImage Write(unsigned shift = 12) const
    {
        AafWriteOptions o;
        o.sectorShift = shift;
        o.dataStreams = &f.builder().dataStreams();
        return WriteAaf(f.graph(), o);
    }
};

// The child of a storage tree at a slash-separated path.
CfbNode& NodeAt(CfbNode& root, const std::string& path)
{
    CfbNode* at = &root;
    std::size_t from = 0;
    while (from < path.size()) {
        const std::size_t slash = std::min(path.find('/', from), path.size());
        const std::string name = path.substr(from, slash - from);
        CfbNode* next = nullptr;
        for (CfbNode& c : at->children)
            if (c.name == name)
                next = &c;
        if (next == nullptr)
            throw std::out_of_range("no node " + path);
        at = next;
        from = slash + 1;
    }
    return *at;
}

void PutU32(std::string& s, std::size_t off, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[off + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
}

enum class Expect { NotAafFile, Failure, ErrorPath };

const char* const kHeaderProps = "/Header-2/properties";
const char* const kLarge = "/Header-2/Large-3b7f";

struct ImageCase {
    const char* name;
    unsigned shift;
    std::function<void(CfbImage&)> damage;
    Expect expect;
};

TEST(DamageContainer, EachDamageTakesTheErrorPath)
{
    const ImageCase cases[] = {
        {"not a compound file", 12, [](CfbImage& i) { i.setU8(0, 0); }, Expect::NotAafFile},
        {"shorter than a header", 9, [](CfbImage& i) { i.truncate(300); }, Expect::NotAafFile},
        {"root storage not of the AAF root class", 12,
         [](CfbImage& i) { i.setU8(i.entryOffset(0) + 80, 0); }, Expect::NotAafFile},
        {"sector shift 10", 9, [](CfbImage& i) { i.setU16(0x1e, 10); }, Expect::Failure},
        {"sector shift of the other version", 12, [](CfbImage& i) { i.setU16(0x1e, 9); }, Expect::Failure},
        {"mini-stream cutoff 2048", 12, [](CfbImage& i) { i.setHeaderU32(0x38, 2048); }, Expect::Failure},
        {"FAT sector out of range", 12, [](CfbImage& i) { i.setHeaderU32(0x4c, 0x00ffffff); }, Expect::Failure},
        {"FAT sector count oversize", 12, [](CfbImage& i) { i.setHeaderU32(0x2c, 0x7fffffff); }, Expect::Failure},
        {"DIFAT sector count oversize", 12, [](CfbImage& i) { i.setHeaderU32(0x48, 0x7fffffff); }, Expect::Failure},
        {"directory start out of range", 12, [](CfbImage& i) { i.setHeaderU32(0x30, 1000000); }, Expect::Failure},
        {"directory chain cycles", 9,
         [](CfbImage& i) { i.setFat(i.layout.directorySectors.back(), i.layout.directorySectors.front()); },
         Expect::Failure},
        {"mini FAT start out of range", 12, [](CfbImage& i) { i.setHeaderU32(0x3c, 0x00fffff0); }, Expect::ErrorPath},
        {"stream chain cycles", 12,
         [](CfbImage& i) {
             const auto& c = i.layout.entries[i.layout.find(kLarge)].chain;
             i.setFat(c.back(), c.front());
         },
         Expect::ErrorPath},
        {"stream chain out of range", 9,
         [](CfbImage& i) { i.setFat(i.layout.entries[i.layout.find(kLarge)].chain[1], 0x00ffffff); }, Expect::ErrorPath},
        {"stream chain ends early", 12,
         [](CfbImage& i) { i.setFat(i.layout.entries[i.layout.find(kLarge)].chain[0], kEndOfChain); }, Expect::ErrorPath},
        {"stream chain runs into free sectors", 12,
         [](CfbImage& i) { i.setFat(i.layout.entries[i.layout.find(kLarge)].chain[0], kFreeSect); }, Expect::ErrorPath},
        {"two chains share a sector", 9,
         [](CfbImage& i) {
             i.setFat(i.layout.entries[i.layout.find(kLarge)].chain.back(), i.layout.miniStreamSectors.front());
         },
         Expect::ErrorPath},
        {"mini chain cycles", 12,
         [](CfbImage& i) {
             const auto& c = i.layout.entries[i.layout.find(kHeaderProps)].chain;
             i.setMiniFat(c.back(), c.front());
         },
         Expect::ErrorPath},
        {"mini sector out of range", 9,
         [](CfbImage& i) { i.setMiniFat(i.layout.entries[i.layout.find(kHeaderProps)].chain[0], 0x000fffff); },
         Expect::ErrorPath},
        {"sibling points at itself", 12,
         [](CfbImage& i) {
             const std::uint32_t e = i.layout.find(kHeaderProps);
             i.setDirectory(e, DirField::Left, e);
         },
         Expect::ErrorPath},
        {"child points back at the root", 12,
         [](CfbImage& i) { i.setDirectory(i.layout.find("/Header-2/Content-3b03"), DirField::Child, 0); },
         Expect::ErrorPath},
        {"child points at its own storage", 9,
         [](CfbImage& i) {
             const std::uint32_t e = i.layout.find("/Header-2/Content-3b03");
             i.setDirectory(e, DirField::Child, e);
         },
         Expect::ErrorPath},
        {"sibling out of range", 12,
         [](CfbImage& i) { i.setDirectory(i.layout.find(kHeaderProps), DirField::Right, 5000000); }, Expect::ErrorPath},
        {"stream longer than the file", 12,
         [](CfbImage& i) { i.setDirectory(i.layout.find(kLarge), DirField::SizeHigh, 0x100); }, Expect::ErrorPath},
        {"stream longer than its chain", 9,
         [](CfbImage& i) { i.setDirectory(i.layout.find(kLarge), DirField::SizeLow, 10000 + 512); }, Expect::ErrorPath},
        {"stream start out of range", 12,
         [](CfbImage& i) { i.setDirectory(i.layout.find(kLarge), DirField::StartSector, 0x00ffffff); }, Expect::ErrorPath},
        {"storage turned into a stream", 12,
         [](CfbImage& i) { i.setDirectory(i.layout.find("/Header-2/Content-3b03"), DirField::Type, 2); },
         Expect::ErrorPath},
        {"entry of an unknown type", 12,
         [](CfbImage& i) { i.setDirectory(i.layout.find(kHeaderProps), DirField::Type, 7); }, Expect::ErrorPath},
        {"name length odd", 9,
         [](CfbImage& i) { i.setDirectory(i.layout.find(kHeaderProps), DirField::NameLength, 21); }, Expect::ErrorPath},
        {"name length over 64 bytes", 12,
         [](CfbImage& i) { i.setDirectory(i.layout.find(kHeaderProps), DirField::NameLength, 66); }, Expect::ErrorPath},
        {"truncated to half", 12, [](CfbImage& i) { i.truncate(i.bytes.size() / 2); }, Expect::ErrorPath},
        {"truncated inside the last sector's data", 9,
         [](CfbImage& i) { i.truncate(i.bytes.size() - i.layout.sectorSize + 1); }, Expect::ErrorPath},
    };
    const Base base;
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.name);
        CfbImage image = base.Write(c.shift);
        ASSERT_FALSE(ReadAndWalk(image.bytes).ErrorPath());
        c.damage(image);
        const Outcome out = ReadAndWalk(image.bytes);
        switch (c.expect) {
        case Expect::NotAafFile:
            EXPECT_EQ(out.rc, kResultNotAafFile);
            break;
        case Expect::Failure:
            EXPECT_FALSE(Succeeded(out.rc));
            break;
        case Expect::ErrorPath:
            EXPECT_TRUE(out.ErrorPath());
            break;
        }
    }
}

TEST(DamageContainer, DifatDamageFailsTheOpen)
{
    CfbNode root = CfbNode::Storage("", {});
    root.add(CfbNode::Stream("big", std::string(8 * 1024 * 1024, 'x')));
    CfbOptions options;
    options.sectorShift = 9;
    const CfbImage good = WriteCompoundFile(root, options);
    ASSERT_FALSE(good.layout.difatSectors.empty());
    const std::uint64_t difat = good.sectorOffset(good.layout.difatSectors.front());
    const std::function<void(CfbImage&)> damages[] = {
        [&](CfbImage& i) { i.setU32(difat, 0x00ffffff); },      // FAT sector out of range
        [&](CfbImage& i) { i.setU32(difat, i.layout.directorySectors.front()); },  // a directory sector as FAT
        [&](CfbImage& i) { i.setHeaderU32(0x44, 0x00ffffff); },  // DIFAT start out of range
        [&](CfbImage& i) { i.setHeaderU32(0x44, kEndOfChain); },  // DIFAT sectors missing
    };
    std::unique_ptr<CompoundFile> file;
    ASSERT_EQ(CompoundFile::Open(FileBytes::Own({good.bytes.begin(), good.bytes.end()}), &file), kResultSuccess);
    for (std::size_t k = 0; k < std::size(damages); ++k) {
        CfbImage image = good;
        damages[k](image);
        std::unique_ptr<CompoundFile> damaged;
        const AafResult rc = CompoundFile::Open(FileBytes::Own({image.bytes.begin(), image.bytes.end()}), &damaged);
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(!Succeeded(rc) || !Succeeded(damaged->ReadStream(damaged->FindChild(0, u"big"), &bytes))) << k;
    }
}

// Damage inside the AAF layer: properties streams, indexes, names, references.
struct TreeCase {
    const char* name;
    std::function<void(GraphBuilder&)> graph;  // edits of the graph before writing
    std::function<void(CfbNode&)> tree;         // edits of the storage tree after
};

std::string& Stream(CfbNode& root, const std::string& path) { return NodeAt(root, path).bytes; }

TEST(DamageProperties, EachDamageSkipsTheObjectAndIsListed)
{
    const TreeCase cases[] = {
        {"entry longer than the stream", {}, [](CfbNode& r) { Stream(r, "Header-2/properties")[8] = '\x7f'; }},
        {"entry count larger than the stream", {},
         [](CfbNode& r) { Stream(r, "Header-2/Content-3b03/properties")[2] = '\x40'; }},
        {"no entry table", {}, [](CfbNode& r) { Stream(r, "Header-2/Content-3b03/properties").resize(3); }},
        {"empty properties stream", {}, [](CfbNode& r) { Stream(r, "Header-2/Content-3b03/properties").clear(); }},
        {"unknown byte order", {}, [](CfbNode& r) { Stream(r, "Header-2/Content-3b03/properties")[0] = 'X'; }},
        {"unknown version", {}, [](CfbNode& r) { Stream(r, "Header-2/Content-3b03/properties")[1] = 0x21; }},
        {"properties stream missing", {},
         [](CfbNode& r) { NodeAt(r, "Header-2/Content-3b03/Mobs-1901{0}/properties").name = "propertiez"; }},
        {"set index count larger than its stream", {},
         [](CfbNode& r) { PutU32(Stream(r, "Header-2/Content-3b03/Mobs-1901 index"), 0, 0x7fffffff); }},
        {"vector index count larger than its stream", {},
         [](CfbNode& r) { PutU32(Stream(r, "Header-2/Identifi-ionList-3b06 index"), 0, 1000); }},
        {"set key size over 32", {},
         [](CfbNode& r) { Stream(r, "Header-2/Content-3b03/Mobs-1901 index")[14] = '\xc8'; }},
        {"index stream missing", {},
         [](CfbNode& r) { NodeAt(r, "Header-2/Content-3b03/Mobs-1901 index").name = "Mobs-1901 indey"; }},
        {"element storage missing", {},
         [](CfbNode& r) { NodeAt(r, "Header-2/Content-3b03/Mobs-1901{1}").name = "Mobs-1901{9}"; }},
        {"strong reference names a missing storage", {},
         [](CfbNode& r) { NodeAt(r, "Header-2/Content-3b03").name = "Content-3b0"; }},
        {"strong reference names a stream", {},
         [](CfbNode& r) {
             CfbNode& header = NodeAt(r, "Header-2");
             NodeAt(header, "Content-3b03").name = "Moved";
             header.add(CfbNode::Stream("Content-3b03", "x"));
         }},
        {"data stream missing", {}, [](CfbNode& r) { NodeAt(r, "Header-2/Small-3b80").name = "Small-3b81"; }},
        {"referenced properties truncated", {}, [](CfbNode& r) { Stream(r, "referenced properties").resize(9); }},
        {"name without terminator",
         [](GraphBuilder& b) {
             auto& v = b.property(b.graph().object(0).properties[1].elements[0].object, 0x3b03).value.Edit();
             v[v.size() - 2] = 'x';
         },
         {}},
        {"name of odd length",
         [](GraphBuilder& b) { b.property(b.graph().object(0).properties[1].elements[0].object, 0x3b03).value.pop_back(); },
         {}},
        {"name that is only a terminator",
         [](GraphBuilder& b) { b.property(b.graph().object(0).properties[1].elements[0].object, 0x3b03).value = {0, 0}; },
         {}},
        {"weak reference shorter than its key",
         [](GraphBuilder& b) {
             for (StoredObject& o : b.graph().objects)
                 for (StoredProperty& p : o.properties)
                     if (p.form() == StoredForm::WeakReference)
                         p.value.resize(12);
         },
         {}},
        {"storage referenced twice",
         [](GraphBuilder& b) {
             const ObjectId header = b.graph().object(0).properties[1].elements[0].object;
             b.property(header, 0x3b04).value = b.property(header, 0x3b03).value;
         },
         {}},
    };
    for (const TreeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Base base;
        if (c.graph)
            c.graph(base.f.builder());
        CfbNode tree = BuildAafTree(base.f.graph(), &base.f.builder().dataStreams());
        if (c.tree)
            c.tree(tree);
        const Outcome out = ReadAndWalk(WriteAafTree(tree).bytes);
        EXPECT_TRUE(out.ErrorPath());
    }
}

// Sliding windows of seeded random bytes over the container's structure: allocation-table links of
// every chain, directory links, start sectors, types and names. Any change to one of them must be
// noticed.
TEST(DamageSliding, FlippedStructureBytesAlwaysTakeTheErrorPath)
{
    const Base base;
    for (unsigned shift : {9u, 12u}) {
        const CfbImage good = base.Write(shift);
        const Outcome original = ReadAndWalk(good.bytes);
        ASSERT_FALSE(original.ErrorPath());
        // A changed directory link may hang a whole consistent subtree elsewhere (a storage that
        // then reads as another object); the reader cannot tell that from a real file, but the graph
        // it gives must differ.
        struct Target {
            std::uint64_t offset;
            std::uint32_t width;
            bool link = false;
        };
        std::vector<Target> targets;
        const CfbLayout& l = good.layout;
        const std::uint32_t per = l.sectorSize / 4;
        auto fatEntry = [&](std::uint32_t s) { return Target{good.sectorOffset(l.fatSectors[s / per]) + (s % per) * 4, 4}; };
        auto miniFatEntry = [&](std::uint32_t s) {
            return Target{good.sectorOffset(l.miniFatSectors[s / per]) + (s % per) * 4, 4};
        };
        for (const auto* chain : {&l.directorySectors, &l.miniFatSectors, &l.miniStreamSectors})
            for (std::uint32_t s : *chain)
                targets.push_back(fatEntry(s));
        for (std::uint32_t e = 0; e < l.entries.size(); ++e) {
            const CfbLayout::Entry& entry = l.entries[e];
            const std::uint64_t at = good.entryOffset(e);
            for (std::uint32_t s : entry.chain)
                targets.push_back(entry.mini ? miniFatEntry(s) : fatEntry(s));
            if (entry.storage)
                targets.push_back({at + static_cast<std::uint32_t>(DirField::Child), 4, true});
            if (e == 0)
                continue;  // the root has no siblings, and its name is not looked up; streams have no children
            targets.push_back({at + static_cast<std::uint32_t>(DirField::Left), 4, true});
            targets.push_back({at + static_cast<std::uint32_t>(DirField::Right), 4, true});
            targets.push_back({at + static_cast<std::uint32_t>(DirField::Type), 1});
            if (entry.size > 0)
                targets.push_back({at + static_cast<std::uint32_t>(DirField::StartSector), 4});
            const std::string& name = entry.name;
            targets.push_back({at, static_cast<std::uint32_t>(ToUtf16(name).size() * 2)});
        }
        std::mt19937 random(20261210 + shift);
        std::size_t tried = 0;
        for (const Target& t : targets) {
            // The window slides over every byte of the field; each is XORed with a non-zero byte.
            for (std::uint32_t k = 0; k < t.width; ++k) {
                CfbImage image = good;
                const std::uint64_t at = t.offset + k;
                const auto flip = static_cast<std::uint8_t>(1 + random() % 255);
                image.setU8(at, static_cast<std::uint8_t>(static_cast<std::uint8_t>(image.bytes[at]) ^ flip));
                const Outcome out = ReadAndWalk(image.bytes);
                const bool rehung =
                    t.link && !out.ErrorPath() && !GraphDifference(*original.graph, *out.graph).empty();
                EXPECT_TRUE(out.ErrorPath() || rehung) << "byte " << at << " ^ " << int{flip} << " of "
                                                       << image.bytes.size() << ", sector size " << l.sectorSize;
                ++tried;
            }
        }
        EXPECT_GT(tried, 1000u);
    }
}

// Windows of seeded random bytes over the whole file: value bytes may change silently, but every
// outcome is a result code the reader defines, and what it gives is safe to walk.
TEST(DamageSliding, FlippedBytesAnywhereAreReadSafely)
{
    const Base base;
    for (unsigned shift : {9u, 12u}) {
        const CfbImage good = base.Write(shift);
        std::mt19937 random(7 + shift);
        std::size_t errors = 0, windows = 0;
        for (std::size_t at = 0; at + 8 <= good.bytes.size(); at += 37 + random() % 40) {
            std::string bytes = good.bytes;
            for (std::size_t k = 0; k < 8; ++k)
                bytes[at + k] = static_cast<char>(random());
            const Outcome out = ReadAndWalk(bytes);
            EXPECT_TRUE(out.rc == kResultSuccess || out.rc == kResultNotAafFile || out.rc == kResultReadFailure ||
                        out.rc == kResultInvalidByteOrder || out.rc == kResultFileRevNotSupported)
                << std::hex << out.rc;
            errors += out.ErrorPath() ? 1 : 0;
            ++windows;
        }
        EXPECT_GT(errors, 0u);
        EXPECT_GT(windows, 100u);
    }
}

// Every sector the writer lays out holds something the walk reads, so any cut before the last
// sector loses data.
TEST(DamageSliding, EveryTruncationTakesTheErrorPath)
{
    const Base base;
    for (unsigned shift : {9u, 12u}) {
        const CfbImage good = base.Write(shift);
        const std::size_t sector = good.layout.sectorSize;
        for (std::size_t cut = 0; cut + sector < good.bytes.size(); cut += sector / 4 + 7) {
            const Outcome out = ReadAndWalk(good.bytes.substr(0, cut));
            EXPECT_TRUE(out.ErrorPath()) << "cut at " << cut << " of " << good.bytes.size();
        }
    }
}

}  // namespace
