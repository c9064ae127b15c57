#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
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

struct CfbEntry {
    std::u16string name;
    CfbEntryType type = CfbEntryType::Unused;
    Auid clsid;
    std::uint64_t size = 0;         // streams only
    std::uint32_t startSector = 0;  // streams only
    std::uint32_t parent = kNoEntry;
    std::vector<std::uint32_t> children;  // storages: entry numbers in directory tree order
    std::vector<std::uint32_t> childrenByName;  // the same, sorted by name, for FindChild
};

// A read-only compound file. Open checks the header, loads the FAT, mini FAT and directory, resolves
// the mini stream's chain, and walks the directory tree once (iteratively, each entry at most once).
class CompoundFile {
public:
    // kResultNotAafFile when the bytes are not a compound file; kResultReadFailure when its sectors
    // or directory are damaged.
    [[nodiscard]] static AafResult Open(std::unique_ptr<FileBytes> file, std::unique_ptr<CompoundFile>* out);

    // Entry 0 is the root storage.
    const std::vector<CfbEntry>& entries() const { return entries_; }
    const CfbEntry& entry(std::uint32_t id) const { return entries_[id]; }
    // The child of a storage with exactly this name, or kNoEntry.
    std::uint32_t FindChild(std::uint32_t storage, std::u16string_view name) const;

    std::uint32_t sectorSize() const { return sectorSize_; }
    std::uint16_t majorVersion() const { return majorVersion_; }
    // The 16 bytes at offset 8 of the header (AAF writes its file-kind signature here).
    const Auid& headerClsid() const { return headerClsid_; }

    // Reads a whole stream, bounded by the file; kResultReadFailure on a damaged chain.
    [[nodiscard]] AafResult ReadStream(std::uint32_t id, std::vector<std::uint8_t>* out) const;

    std::span<const std::uint8_t> fileBytes() const { return file_->bytes(); }

private:
    CompoundFile() = default;
    AafResult Load();

    std::unique_ptr<FileBytes> file_;
    std::vector<CfbEntry> entries_;
    std::vector<std::uint32_t> fat_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<std::uint32_t> miniStreamSectors_;
    std::uint64_t miniStreamSize_ = 0;
    std::uint32_t sectorSize_ = 512;
    std::uint32_t sectorCount_ = 0;  // whole or partial sectors the file holds after the header
    std::uint32_t miniCutoff_ = 4096;
    std::uint16_t majorVersion_ = 3;
    Auid headerClsid_;
};

// UTF-16 to UTF-8 (lone surrogates become U+FFFD).
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace aafsdk
