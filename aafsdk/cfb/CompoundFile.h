#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aafsdk/stored/Auid.h"
#include "aafsdk/stored/StoredResult.h"

namespace aafsdk {

// The bytes of one file: a read-only mapping of a file on disk, or bytes handed in. Essence streams
// are never touched, so mapping keeps a file with gigabytes of media as cheap to open as a small one.
class FileBytes {
public:
    virtual ~FileBytes() = default;
    virtual std::span<const std::uint8_t> bytes() const = 0;

    [[nodiscard]] static AafResult Map(const std::filesystem::path& path, std::unique_ptr<FileBytes>* out);
    static std::unique_ptr<FileBytes> Own(std::vector<std::uint8_t> bytes);
};

enum class CfbEntryType : std::uint8_t { Unused = 0, Storage = 1, Stream = 2, Root = 5 };

inline constexpr std::uint32_t kNoEntry = 0xffffffffu;

// One directory entry, made on demand from the file's compact record of it. Names and child lists
// are views into the compound file that holds the entry.
struct CfbEntry {
    std::u16string_view name;
    CfbEntryType type = CfbEntryType::Unused;
    Auid clsid;
    std::uint64_t size = 0;         // streams only
    std::uint32_t startSector = 0;  // streams only
    std::uint32_t parent = kNoEntry;
    std::span<const std::uint32_t> children;  // storages: entry numbers in directory tree order
    std::span<const std::uint32_t> childrenByName;  // the same, sorted by name, for FindChild
};

// A read-only compound file. Open checks the header, loads the FAT, mini FAT and directory, resolves
// the mini stream's chain, and walks the directory tree once (iteratively, each entry at most once).
class CompoundFile {
public:
    // kResultNotAafFile when the bytes are not a compound file; kResultReadFailure when its sectors
    // or directory are damaged.
    [[nodiscard]] static AafResult Open(std::unique_ptr<FileBytes> file, std::unique_ptr<CompoundFile>* out);

    // Entry 0 is the root storage; ids below entryCount() are entries.
    std::uint32_t entryCount() const { return static_cast<std::uint32_t>(records_.size()); }
    CfbEntry entry(std::uint32_t id) const;
    CfbEntryType type(std::uint32_t id) const { return records_[id].type; }
    std::uint64_t size(std::uint32_t id) const { return records_[id].size; }
    std::u16string_view name(std::uint32_t id) const { return NameOf(id); }
    Auid clsid(std::uint32_t id) const;
    // The child of a storage with exactly this name, or kNoEntry.
    std::uint32_t FindChild(std::uint32_t storage, std::u16string_view name) const;
    // The same, trying first the place after *hint (where the previous name was found): a
    // collection's elements are named in their sorted order. *hint becomes the place found (start
    // from 0; any value is safe).
    std::uint32_t FindChild(std::uint32_t storage, std::u16string_view name, std::size_t* hint) const;

    std::uint32_t sectorSize() const { return sectorSize_; }
    std::uint16_t majorVersion() const { return majorVersion_; }
    // The 16 bytes at offset 8 of the header (AAF writes its file-kind signature here).
    const Auid& headerClsid() const { return headerClsid_; }

    // Reads a whole stream, bounded by the file; kResultReadFailure on a damaged chain.
    [[nodiscard]] AafResult ReadStream(std::uint32_t id, std::vector<std::uint8_t>* out) const;
    // The same bytes without a copy where the stream lies in one stretch of the file (most small
    // streams do); otherwise copied into scratch. The view lives as long as the file or scratch.
    [[nodiscard]] AafResult ViewStream(std::uint32_t id, std::vector<std::uint8_t>* scratch,
                                       std::span<const std::uint8_t>* out) const;

    std::span<const std::uint8_t> fileBytes() const { return file_->bytes(); }

private:
    // A stretch of consecutive sectors (or mini sectors) of one stream's chain.
    struct Run {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };
    // Where an entry's bytes are: its chain, resolved once at open.
    struct Chain {
        std::uint32_t runBegin = 0;
        std::uint32_t runEnd = 0;
        bool mini = false;
        bool ok = false;
    };
    // What the reader keeps of an entry, 32 bytes of the 128 stored: a file holds an entry or two
    // for every object. The CLSID is read from the directory's bytes when asked for.
    struct Record {
        std::uint64_t size = 0;
        std::uint32_t startSector = 0;
        std::uint32_t parent = kNoEntry;
        // Storages: their children in children_ and childrenByName_. Streams: their chain's runs.
        std::uint32_t first = 0;
        std::uint32_t last = 0;
        std::uint32_t nameAt = 0;  // in names_
        std::uint8_t nameLength = 0;
        CfbEntryType type = CfbEntryType::Unused;
        bool mini = false;  // streams: the chain is of mini sectors
        bool ok = false;    // streams: the chain was resolved
    };
    std::u16string_view NameOf(std::uint32_t id) const
    {
        // Within names_ by construction: no check on the lookups' path.
        return std::u16string_view(names_.data() + records_[id].nameAt, records_[id].nameLength);
    }
    std::span<const std::uint32_t> ByName(std::uint32_t storage) const
    {
        const Record& r = records_[storage];
        return std::span<const std::uint32_t>(childrenByName_.data() + r.first, r.last - r.first);
    }
    Chain ChainOf(const Record& r) const { return {r.first, r.last, r.mini, r.ok}; }

    CompoundFile() = default;
    AafResult Load();
    AafResult LoadHeaderAndFat();
    using Links = std::array<std::uint32_t, 3>;  // left sibling, right sibling, child
    AafResult LoadDirectory(std::vector<Links>* links);
    AafResult WalkDirectory(const std::vector<Links>& links);
    void ResolveStreamChains();
    // Follows table from start, claiming each unit in owner for entry; false on a marker other than
    // end of chain, a unit out of range or already claimed (a cycle or a cross-link).
    bool Follow(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint32_t units,
                std::vector<std::uint32_t>& owner, std::uint32_t entry, std::vector<std::uint32_t>* chain) const;
    // Follow for a stream: its first needed units become runs in out; false (and no runs) when the
    // chain is damaged or shorter than needed.
    bool FollowRuns(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint32_t units,
                    std::vector<std::uint32_t>& owner, std::uint32_t entry, std::uint64_t needed, Chain* out);
    bool CopySectors(std::uint32_t sector, std::uint64_t offset, std::size_t length, std::uint8_t* out) const;
    // Where a stream's bytes lie in the file, when in one stretch: true with its file offset.
    bool ContiguousOffset(const Chain& chain, std::uint64_t size, std::uint64_t* offset) const;

    std::unique_ptr<FileBytes> file_;
    std::vector<Record> records_;  // by entry
    std::vector<std::uint32_t> directorySectors_;  // the directory's chain, for the CLSIDs
    std::u16string names_;  // every entry's name, end to end
    std::vector<std::uint32_t> children_;  // every storage's children, end to end
    std::vector<std::uint32_t> childrenByName_;
    std::vector<Run> runs_;
    std::vector<std::uint32_t> fat_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<std::uint32_t> miniStreamSectors_;
    std::vector<std::uint32_t> fatOwner_;  // used while resolving chains at open
    std::uint64_t miniStreamSize_ = 0;
    std::uint32_t sectorSize_ = 512;
    std::uint32_t sectorShift_ = 9;
    std::uint32_t sectorCount_ = 0;  // sectors the file holds after the header (the last may be short)
    std::uint32_t miniCutoff_ = 4096;
    std::uint32_t firstDirectorySector_ = 0;
    std::uint32_t firstMiniFatSector_ = 0;
    std::uint16_t majorVersion_ = 3;
    Auid headerClsid_;
};

// UTF-16 to UTF-8 (lone surrogates become U+FFFD).
std::string Utf16ToUtf8(std::u16string_view text);
// The same for UTF-16LE text as stored, two bytes a unit (a last odd byte is ignored).
std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);
// UTF-8 to UTF-16, for names the model keeps as UTF-8 (malformed sequences become U+FFFD).
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace aafsdk
