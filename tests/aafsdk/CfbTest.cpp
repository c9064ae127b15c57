// The compound-file reader: header checks, both sector sizes, FAT, DIFAT, mini stream, the
// directory walk, and every kind of damage taking an error path.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/fixture/CompoundFileWriter.h"
#include "support/TestSupport.h"

namespace {

using aafsdk::AafResult;
using aafsdk::CfbEntryType;
using aafsdk::CompoundFile;
using aafsdk::fixture::CfbImage;
using aafsdk::fixture::CfbNode;
using aafsdk::fixture::CfbOptions;
using aafsdk::fixture::DirField;

constexpr std::uint32_t kNone = 0xffffffffu;

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::string Pattern(std::size_t size, unsigned seed)
{
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        s[i] = static_cast<char>((i * 31 + seed * 7 + i / 251) & 0xff);
    return s;
}

// A storage with a small (mini-stream) stream, a large (FAT) stream and an empty one, and a stream
// at the root.
CfbNode SampleTree()
{
    CfbNode root = CfbNode::Storage("Root Entry");
    CfbNode& storage = root.add(CfbNode::Storage("Header-2", {0x01, 0x01, 0x01, 0x0d}));
    storage.add(CfbNode::Stream("properties", Pattern(300, 1)));
    storage.add(CfbNode::Stream("big", Pattern(10000, 2)));
    storage.add(CfbNode::Stream("empty", ""));
    root.add(CfbNode::Stream("referenced properties", Pattern(59, 3)));
    return root;
}

CfbImage Write(const CfbNode& root, unsigned shift = 9)
{
    CfbOptions options;
    options.sectorShift = shift;
    return aafsdk::fixture::WriteCompoundFile(root, options);
}

std::unique_ptr<CompoundFile> Open(const std::string& bytes, AafResult* result)
{
    std::unique_ptr<CompoundFile> file;
    *result = CompoundFile::Open(aafsdk::FileBytes::Own(Bytes(bytes)), &file);
    return file;
}

// Opens the file and reads every stream the directory reaches; the first failure, or success.
AafResult OpenAndReadAll(const std::string& bytes)
{
    AafResult result = 0;
    auto file = Open(bytes, &result);
    if (!file)
        return result;
    std::vector<std::uint32_t> pending{0};
    while (!pending.empty()) {
        const std::uint32_t storage = pending.back();
        pending.pop_back();
        for (std::uint32_t child : file->entry(storage).children) {
            if (file->entry(child).type == CfbEntryType::Storage) {
                pending.push_back(child);
                continue;
            }
            std::vector<std::uint8_t> content, scratch;
            std::span<const std::uint8_t> view;
            result = file->ReadStream(child, &content);
            // The view without a copy fails where the read does, and holds the same bytes otherwise.
            EXPECT_EQ(file->ViewStream(child, &scratch, &view), result);
            if (!aafsdk::Succeeded(result))
                return result;
            if (content.size() != file->entry(child).size)
                return aafsdk::kResultReadFailure;
            EXPECT_TRUE(std::equal(content.begin(), content.end(), view.begin(), view.end()));
        }
    }
    return aafsdk::kResultSuccess;
}

std::string Read(const CompoundFile& file, std::uint32_t storage, std::u16string_view name)
{
    const std::uint32_t id = file.FindChild(storage, name);
    EXPECT_NE(id, aafsdk::kNoEntry);
    std::vector<std::uint8_t> content;
    EXPECT_EQ(file.ReadStream(id, &content), aafsdk::kResultSuccess);
    return {content.begin(), content.end()};
}

TEST(Cfb, BothSectorSizesReadTheSameTree)
{
    for (unsigned shift : {9u, 12u}) {
        SCOPED_TRACE(shift);
        AafResult result = 0;
        const auto file = Open(Write(SampleTree(), shift).bytes, &result);
        ASSERT_EQ(result, aafsdk::kResultSuccess);
        EXPECT_EQ(file->sectorSize(), 1u << shift);
        EXPECT_EQ(file->majorVersion(), shift == 9 ? 3 : 4);
        // Children come in tree order: shorter names first.
        ASSERT_EQ(file->entry(0).children.size(), 2u);
        const std::uint32_t header = file->entry(0).children[0];
        EXPECT_EQ(file->entry(header).name, u"Header-2");
        EXPECT_EQ(file->entry(header).type, CfbEntryType::Storage);
        EXPECT_EQ(file->entry(header).clsid.ToString(), "0d010101-0000-0000-0000-000000000000");
        std::vector<std::u16string> names;
        for (std::uint32_t child : file->entry(header).children)
            names.emplace_back(file->entry(child).name);
        EXPECT_EQ(names, (std::vector<std::u16string>{u"big", u"empty", u"properties"}));
        EXPECT_EQ(Read(*file, header, u"properties"), Pattern(300, 1));
        EXPECT_EQ(Read(*file, header, u"big"), Pattern(10000, 2));
        EXPECT_EQ(Read(*file, header, u"empty"), "");
        EXPECT_EQ(Read(*file, 0, u"referenced properties"), Pattern(59, 3));
        EXPECT_EQ(file->FindChild(header, u"Properties"), aafsdk::kNoEntry);
    }
}

TEST(Cfb, FatBeyondTheHeaderIsReadThroughDifatSectors)
{
    // 512-byte sectors: 109 FAT sectors cover 6.8 MiB, so an 8 MiB stream needs DIFAT sectors.
    CfbNode root = CfbNode::Storage("Root Entry");
    root.add(CfbNode::Stream("essence", Pattern(8u << 20, 4)));
    const CfbImage image = Write(root, 9);
    ASSERT_FALSE(image.layout.difatSectors.empty());
    AafResult result = 0;
    const auto file = Open(image.bytes, &result);
    ASSERT_EQ(result, aafsdk::kResultSuccess);
    EXPECT_EQ(Read(*file, 0, u"essence"), Pattern(8u << 20, 4));
}

TEST(Cfb, HundredThousandChildrenOfOneStorage)
{
    constexpr std::uint32_t kChildren = 100000;
    CfbNode root = CfbNode::Storage("Root Entry");
    CfbNode& mobs = root.add(CfbNode::Storage("Mobs-1901"));
    for (std::uint32_t i = 0; i < kChildren; ++i)
        mobs.add(CfbNode::Stream(std::string(1, 'm').append(std::to_string(i)), i % 1000 == 0 ? "x" : ""));
    CfbImage image = Write(root, 12);
    const std::uint32_t storage = image.layout.find("/Mobs-1901");
    const std::uint32_t first = image.layout.entries[storage].child;

    // Also as a degenerate tree, every child the right sibling of the one before, in the writer's
    // (sorted) order: a walk that recursed along sibling links would go 100,000 deep.
    CfbImage chain = image;
    std::uint32_t lowest = kNone;
    for (std::uint32_t e = 0; e < chain.layout.entries.size(); ++e)
        if (chain.layout.path(e).rfind("/Mobs-1901/", 0) == 0 && lowest == kNone)
            lowest = e;
    for (std::uint32_t i = 0; i < kChildren; ++i) {
        chain.setDirectory(lowest + i, DirField::Left, kNone);
        chain.setDirectory(lowest + i, DirField::Right, i + 1 < kChildren ? lowest + i + 1 : kNone);
    }
    chain.setDirectory(storage, DirField::Child, lowest);
    ASSERT_NE(first, lowest);

    for (const CfbImage* each : {&image, &chain}) {
        AafResult result = 0;
        const auto file = Open(each->bytes, &result);
        ASSERT_EQ(result, aafsdk::kResultSuccess);
        const std::uint32_t id = file->FindChild(0, u"Mobs-1901");
        ASSERT_EQ(file->entry(id).children.size(), kChildren);
        EXPECT_EQ(file->entry(file->entry(id).children.front()).name, u"m0");  // shorter names first
        EXPECT_EQ(Read(*file, id, u"m99000"), "x");
        EXPECT_EQ(file->entry(file->FindChild(id, u"m12345")).parent, id);
    }
}

struct Damage {
    const char* what;
    std::function<void(CfbImage&)> apply;
    AafResult expected;
};

TEST(Cfb, DamageTakesAnErrorPath)
{
    const auto entry = [](const CfbImage& image, const char* path) { return image.layout.find(path); };
    const Damage cases[] = {
        {"empty file", [](CfbImage& f) { f.truncate(0); }, aafsdk::kResultNotAafFile},
        {"shorter than a header", [](CfbImage& f) { f.truncate(300); }, aafsdk::kResultNotAafFile},
        {"signature", [](CfbImage& f) { f.setU8(7, 0xe0); }, aafsdk::kResultNotAafFile},
        {"byte-order mark", [](CfbImage& f) { f.setU16(0x1c, 0xfeff); }, aafsdk::kResultNotAafFile},
        {"sector shift", [](CfbImage& f) { f.setU16(0x1e, 10); }, aafsdk::kResultNotAafFile},
        {"shift against version", [](CfbImage& f) { f.setU16(0x1a, 4); }, aafsdk::kResultNotAafFile},
        {"mini sector shift", [](CfbImage& f) { f.setU16(0x20, 7); }, aafsdk::kResultNotAafFile},
        {"mini-stream cutoff", [](CfbImage& f) { f.setU32(0x38, 2048); }, aafsdk::kResultNotAafFile},
        {"more FAT sectors than the file", [](CfbImage& f) { f.setU32(0x2c, 1000000); }, aafsdk::kResultReadFailure},
        {"FAT sector out of range", [](CfbImage& f) { f.setU32(0x4c, 0x00ffffff); }, aafsdk::kResultReadFailure},
        {"FAT sector a marker", [](CfbImage& f) { f.setU32(0x4c, 0xfffffffe); }, aafsdk::kResultReadFailure},
        {"directory start out of range", [](CfbImage& f) { f.setU32(0x30, 0x00ffffff); }, aafsdk::kResultReadFailure},
        {"directory chain cycle",
         [](CfbImage& f) { f.setFat(f.layout.directorySectors.back(), f.layout.directorySectors.front()); },
         aafsdk::kResultReadFailure},
        {"directory in the FAT's sector", [](CfbImage& f) { f.setU32(0x30, f.layout.fatSectors.front()); },
         aafsdk::kResultReadFailure},
        {"sibling cycle", [&](CfbImage& f) { f.setDirectory(entry(f, "/Header-2/big"), DirField::Left, entry(f, "/Header-2/big")); },
         aafsdk::kResultReadFailure},
        {"child back to the root", [&](CfbImage& f) { f.setDirectory(entry(f, "/Header-2"), DirField::Child, 0); },
         aafsdk::kResultReadFailure},
        {"two parents for one entry",
         [&](CfbImage& f) { f.setDirectory(entry(f, "/referenced properties"), DirField::Right, entry(f, "/Header-2/big")); },
         aafsdk::kResultReadFailure},
        {"sibling out of range", [&](CfbImage& f) { f.setDirectory(entry(f, "/Header-2/big"), DirField::Right, 5000); },
         aafsdk::kResultReadFailure},
        {"stream longer than the file",
         [&](CfbImage& f) { f.setDirectory(entry(f, "/Header-2/big"), DirField::SizeLow, 0x7fffffff); },
         aafsdk::kResultReadFailure},
        {"mini stream longer than the mini stream",
         [&](CfbImage& f) { f.setDirectory(entry(f, "/Header-2/properties"), DirField::SizeLow, 4000); },
         aafsdk::kResultReadFailure},
        {"stream chain cycle",
         [&](CfbImage& f) {
             const auto& chain = f.layout.entries[entry(f, "/Header-2/big")].chain;
             f.setFat(chain.back(), chain.front());
         },
         aafsdk::kResultReadFailure},
        {"stream chain short",
         [&](CfbImage& f) { f.setFat(f.layout.entries[entry(f, "/Header-2/big")].chain[5], 0xfffffffe); },
         aafsdk::kResultReadFailure},
        {"stream chain out of range",
         [&](CfbImage& f) { f.setFat(f.layout.entries[entry(f, "/Header-2/big")].chain[5], 0x00ffffff); },
         aafsdk::kResultReadFailure},
        {"stream start out of range",
         [&](CfbImage& f) { f.setDirectory(entry(f, "/Header-2/big"), DirField::StartSector, 0x00ffffff); },
         aafsdk::kResultReadFailure},
        {"mini chain cycle",
         [&](CfbImage& f) {
             const auto& chain = f.layout.entries[entry(f, "/Header-2/properties")].chain;
             f.setMiniFat(chain.back(), chain.front());
         },
         aafsdk::kResultReadFailure},
        {"mini start out of range",
         [&](CfbImage& f) { f.setDirectory(entry(f, "/Header-2/properties"), DirField::StartSector, 0x00ffffff); },
         aafsdk::kResultReadFailure},
        {"two streams share sectors",
         [&](CfbImage& f) {
             f.setDirectory(entry(f, "/referenced properties"), DirField::StartSector,
                            f.layout.entries[entry(f, "/Header-2/properties")].chain.front());
         },
         aafsdk::kResultReadFailure},
        {"mini stream chain cycle",
         [&](CfbImage& f) { f.setFat(f.layout.miniStreamSectors.front(), f.layout.miniStreamSectors.front()); },
         aafsdk::kResultReadFailure},
        {"root not a root entry", [](CfbImage& f) { f.setDirectory(0, DirField::Type, 1); }, aafsdk::kResultReadFailure},
        {"truncated in the middle", [](CfbImage& f) { f.truncate(f.bytes.size() / 2); }, aafsdk::kResultReadFailure},
    };
    const CfbImage good = Write(SampleTree(), 9);
    ASSERT_EQ(OpenAndReadAll(good.bytes), aafsdk::kResultSuccess);
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.what);
        CfbImage damaged = good;
        c.apply(damaged);
        EXPECT_EQ(OpenAndReadAll(damaged.bytes), c.expected);
    }
}

TEST(Cfb, EntryWithABadNameIsLeftOut)
{
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"odd byte count", 7}, {"no terminator counted", 6}, {"longer than the field", 66}, {"empty", 0}};
    for (const auto& [what, length] : cases) {
        SCOPED_TRACE(what);
        CfbImage image = Write(SampleTree(), 12);
        image.setDirectory(image.layout.find("/Header-2/big"), DirField::NameLength, length);
        AafResult result = 0;
        const auto file = Open(image.bytes, &result);
        ASSERT_EQ(result, aafsdk::kResultSuccess);
        const std::uint32_t header = file->FindChild(0, u"Header-2");
        EXPECT_EQ(file->FindChild(header, u"big"), aafsdk::kNoEntry);
        EXPECT_EQ(Read(*file, header, u"properties"), Pattern(300, 1));  // its siblings remain
    }
}

// Only the counted terminator may be NUL: a NUL unit anywhere before it (first, in a whole group of
// four units, in the units left over, last) leaves the entry out; the names around it stay.
TEST(Cfb, EntryWithANulInItsNameIsLeftOut)
{
    const std::u16string names[] = {u"a-long-stream-name", u"thirty-one-units-in-this-name--"};
    for (const std::u16string& name : names) {
        CfbNode root = SampleTree();
        root.children.front().add(CfbNode::Stream(aafsdk::Utf16ToUtf8(name), Pattern(20, 4)));
        const CfbImage good = Write(root);
        const std::string path = "/Header-2/" + aafsdk::Utf16ToUtf8(name);
        for (const std::size_t at : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{7}, name.size() - 2,
                                     name.size() - 1, name.size()}) {
            SCOPED_TRACE(aafsdk::Utf16ToUtf8(name) + " " + std::to_string(at));
            CfbImage image = good;
            if (at < name.size())
                image.setU16(image.entryOffset(image.layout.find(path)) + 2 * at, 0);
            AafResult result = 0;
            const auto file = Open(image.bytes, &result);
            ASSERT_EQ(result, aafsdk::kResultSuccess);
            const std::uint32_t header = file->FindChild(0, u"Header-2");
            EXPECT_EQ(file->FindChild(header, name) == aafsdk::kNoEntry, at < name.size());
            EXPECT_EQ(Read(*file, header, u"big"), Pattern(10000, 2));
        }
    }
}

// A hinted look-up finds what the plain one does, whatever the order of the names and the hint.
TEST(Cfb, HintedChildLookUpFindsWhatThePlainOneDoes)
{
    CfbNode root = SampleTree();
    CfbNode& storage = root.children.front();
    std::vector<std::u16string> names;
    for (unsigned key = 0; key < 40; key += key % 7 == 3 ? 2 : 1) {  // some keys missing
        char name[16];
        std::snprintf(name, sizeof name, "E{%x}", key);
        storage.add(CfbNode::Stream(name, Pattern(8, 5)));
    }
    for (unsigned key = 0; key < 42; ++key) {
        char name[16];
        std::snprintf(name, sizeof name, "E{%x}", key);
        names.push_back(std::u16string(name, name + std::strlen(name)));
    }
    storage.add(CfbNode::Stream("E index", Pattern(8, 6)));
    AafResult result = 0;
    const auto file = Open(Write(root).bytes, &result);
    ASSERT_EQ(result, aafsdk::kResultSuccess);
    const std::uint32_t header = file->FindChild(0, u"Header-2");
    std::vector<std::u16string> reversed(names.rbegin(), names.rend());
    std::vector<std::u16string> mixed = names;
    mixed.insert(mixed.begin() + 10, {u"big", u"nothing", u"E index", u"E{3}"});
    for (const auto* order : {&names, &reversed, &mixed}) {
        for (const std::size_t start : {std::size_t{0}, std::size_t{5}, std::size_t{1000}, SIZE_MAX}) {
            std::size_t hint = start;
            for (const std::u16string& name : *order) {
                SCOPED_TRACE(aafsdk::Utf16ToUtf8(name) + " from " + std::to_string(start));
                EXPECT_EQ(file->FindChild(header, name, &hint), file->FindChild(header, name));
            }
        }
    }
    std::size_t hint = 0;
    EXPECT_EQ(file->FindChild(0xffffu, u"big", &hint), aafsdk::kNoEntry);
}

TEST(Cfb, MappedFileAndMissingFile)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "a.aaf", Write(SampleTree()).bytes);
    std::unique_ptr<aafsdk::FileBytes> bytes;
    ASSERT_EQ(aafsdk::FileBytes::Map(dir / "a.aaf", &bytes), aafsdk::kResultSuccess);
    std::unique_ptr<CompoundFile> file;
    ASSERT_EQ(CompoundFile::Open(std::move(bytes), &file), aafsdk::kResultSuccess);
    EXPECT_EQ(Read(*file, file->FindChild(0, u"Header-2"), u"big"), Pattern(10000, 2));

    EXPECT_EQ(aafsdk::FileBytes::Map(dir / "none.aaf", &bytes), aafsdk::kResultFileNotFound);
    EXPECT_EQ(aafsdk::FileBytes::Map(dir.path(), &bytes), aafsdk::kResultNotReadable);
}

TEST(Cfb, Utf16ToUtf8)
{
    const std::pair<std::u16string, std::string> cases[] = {
        {u"Mobs-1901{10}", "Mobs-1901{10}"},
        {u"caf\u00e9", "caf\xc3\xa9"},
        {u"\u65e5\u672c", "\xe6\x97\xa5\xe6\x9c\xac"},
        {u"\U0001f3ac", "\xf0\x9f\x8e\xac"},
        {std::u16string(1, char16_t{0xd800}) + u"x", "\xef\xbf\xbdx"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(aafsdk::Utf16ToUtf8(in), out);
}

}  // namespace
