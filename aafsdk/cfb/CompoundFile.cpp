#include "aafsdk/cfb/CompoundFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "aafsdk/cfb/ByteReader.h"

namespace aafsdk {
namespace {

// The order children are looked up in: by length, then by their bytes. Any strict order serves
// FindChild; this one compares most names by their length alone.
bool NameBefore(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) < 0;
}

constexpr std::uint8_t kSignature[8] = {0xd0, 0xcf, 0x11, 0xe0, 0xa1, 0xb1, 0x1a, 0xe1};
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kEntrySize = 128;
constexpr std::uint32_t kMiniSectorShift = 6;
constexpr std::uint32_t kMiniSectorSize = 1u << kMiniSectorShift;
constexpr std::uint32_t kMiniStreamCutoff = 4096;

// Sector numbers at or above this are markers, never sectors.
constexpr std::uint32_t kMaxRegularSector = 0xfffffffau;
constexpr std::uint32_t kEndOfChain = 0xfffffffeu;
constexpr std::uint32_t kFreeSector = 0xffffffffu;

// Owners of sectors that are not streams (the owner arrays hold entry numbers otherwise).
constexpr std::uint32_t kOwnerFree = 0xffffffffu;
constexpr std::uint32_t kOwnerStructure = 0xfffffffeu;  // FAT, DIFAT, mini FAT and directory sectors

class OwnedBytes final : public FileBytes {
public:
    explicit OwnedBytes(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::span<const std::uint8_t> bytes() const override { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

class MappedBytes final : public FileBytes {
public:
    MappedBytes(void* data, std::size_t size) : data_(data), size_(size) {}
    ~MappedBytes() override { munmap(data_, size_); }
    MappedBytes(const MappedBytes&) = delete;
    MappedBytes& operator=(const MappedBytes&) = delete;
    std::span<const std::uint8_t> bytes() const override { return {static_cast<const std::uint8_t*>(data_), size_}; }

private:
    void* data_;
    std::size_t size_;
};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::uint64_t DivideRoundingUp(std::uint64_t value, std::uint64_t by) { return value / by + (value % by != 0); }

// A little-endian word at a fixed offset of a span that holds it (callers pass constant offsets
// within a whole directory entry).
template <typename T>
T LittleEndian(std::span<const std::uint8_t> bytes, std::size_t at)
{
    T v = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&v, bytes.subspan(at, sizeof(T)).data(), sizeof(T));
    } else {
        for (std::size_t i = sizeof(T); i-- > 0;)
            v = static_cast<T>(v << 8 | bytes[at + i]);
    }
    return v;
}

// Directory names: UTF-16LE, the byte count including the NUL, at most 32 characters in all.
// Appended to out; false (out as it was) when malformed.
bool DecodeEntryName(std::span<const std::uint8_t> field, std::uint16_t byteCount, std::u16string* out)
{
    if (byteCount < 2 || byteCount > field.size() || byteCount % 2 != 0)
        return false;
    const std::size_t chars = byteCount / 2 - 1;
    if ((field[2 * chars] | field[2 * chars + 1]) != 0)
        return false;
    // Only the terminator may be NUL: checked four units to a word (a word has a zero unit exactly
    // when this bit trick leaves a bit set), then the units left over.
    const std::uint8_t* units = field.data();
    bool nul = false;
    std::size_t i = 0;
    for (; i + 4 <= chars; i += 4) {
        std::uint64_t word = 0;
        std::memcpy(&word, units + 2 * i, sizeof word);
        nul |= ((word - 0x0001000100010001u) & ~word & 0x8000800080008000u) != 0;
    }
    for (; i < chars; ++i)
        nul |= (units[2 * i] | units[2 * i + 1]) == 0;
    if (nul)
        return false;
    const std::size_t at = out->size();
    out->resize(at + chars);
    char16_t* name = out->data() + at;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(name, units, chars * 2);
    } else {
        for (std::size_t u = 0; u < chars; ++u)
            name[u] = static_cast<char16_t>(units[2 * u] | units[2 * u + 1] << 8);
    }
    return true;
}

// Of children sharing a name, the first in the tree's order is the one found: a stable sort, by
// insertion for the few children most storages have.
template <class NameOf>
void SortByName(std::uint32_t* first, std::uint32_t* last, NameOf nameOf)
{
    auto before = [&nameOf](std::uint32_t a, std::uint32_t b) { return NameBefore(nameOf(a), nameOf(b)); };
    if (last - first > 32) {
        std::stable_sort(first, last, before);
        return;
    }
    for (std::uint32_t* i = first + (first != last); i < last; ++i) {
        const std::uint32_t value = *i;
        std::uint32_t* j = i;
        for (; j > first && before(value, *(j - 1)); --j)
            *j = *(j - 1);
        *j = value;
    }
}

}  // namespace

AafResult FileBytes::Map(const std::filesystem::path& path, std::unique_ptr<FileBytes>* out)
{
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? kResultFileNotFound : kResultNotReadable;
    struct stat info {};
    if (fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return kResultNotReadable;
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size == 0) {
        *out = Own({});
        return kResultSuccess;
    }
    void* data = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    if (data == MAP_FAILED)
        return kResultNotReadable;
    *out = std::make_unique<MappedBytes>(data, size);
    return kResultSuccess;
}

std::unique_ptr<FileBytes> FileBytes::Own(std::vector<std::uint8_t> bytes)
{
    return std::make_unique<OwnedBytes>(std::move(bytes));
}

AafResult CompoundFile::Open(std::unique_ptr<FileBytes> file, std::unique_ptr<CompoundFile>* out)
{
    std::unique_ptr<CompoundFile> cfb(new CompoundFile());
    cfb->file_ = std::move(file);
    const AafResult result = cfb->Load();
    if (!Succeeded(result))
        return result;
    *out = std::move(cfb);
    return kResultSuccess;
}

AafResult CompoundFile::Load()
{
    std::vector<Links> links;
    AafResult result = LoadHeaderAndFat();
    if (Succeeded(result))
        result = LoadDirectory(&links);
    if (Succeeded(result))
        result = WalkDirectory(links);
    if (Succeeded(result))
        ResolveStreamChains();
    fatOwner_ = {};
    return result;
}

bool CompoundFile::Follow(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint32_t units,
                          std::vector<std::uint32_t>& owner, std::uint32_t entry,
                          std::vector<std::uint32_t>* chain) const
{
    chain->clear();
    // Every step claims a unit no chain has claimed before, so a walk never takes more steps than
    // the table has entries and a cycle or a shared sector stops it.
    for (std::uint32_t at = start; at != kEndOfChain; at = table[at]) {
        if (at >= kMaxRegularSector || at >= units || at >= table.size() || owner[at] != kOwnerFree)
            return false;
        owner[at] = entry;
        chain->push_back(at);
    }
    return true;
}

AafResult CompoundFile::LoadHeaderAndFat()
{
    const auto bytes = file_->bytes();
    if (bytes.size() < kHeaderSize || !std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin()))
        return kResultNotAafFile;

    ByteReader header(bytes.first(kHeaderSize));
    std::span<const std::uint8_t> clsid;
    std::uint16_t minorVersion = 0, byteOrder = 0, sectorShift = 0, miniSectorShift = 0;
    std::uint32_t directorySectors = 0, fatSectors = 0, transaction = 0, miniFatSectors = 0;
    std::uint32_t firstDifatSector = 0, difatSectors = 0;
    if (!header.Skip(8) || !header.Bytes(16, &clsid) || !header.U16(&minorVersion) || !header.U16(&majorVersion_) ||
        !header.U16(&byteOrder) || !header.U16(&sectorShift) || !header.U16(&miniSectorShift) || !header.Skip(6) ||
        !header.U32(&directorySectors) || !header.U32(&fatSectors) || !header.U32(&firstDirectorySector_) ||
        !header.U32(&transaction) || !header.U32(&miniCutoff_) || !header.U32(&firstMiniFatSector_) ||
        !header.U32(&miniFatSectors) || !header.U32(&firstDifatSector) || !header.U32(&difatSectors))
        return kResultNotAafFile;
    headerClsid_ = Auid::FromBytes(clsid);
    const bool shiftMatchesVersion =
        (majorVersion_ == 3 && sectorShift == 9) || (majorVersion_ == 4 && sectorShift == 12);
    if (!shiftMatchesVersion || byteOrder != 0xfffe || miniSectorShift != kMiniSectorShift ||
        miniCutoff_ != kMiniStreamCutoff)
        return kResultNotAafFile;
    sectorShift_ = sectorShift;
    sectorSize_ = 1u << sectorShift;

    // Sector N starts at (N + 1) * sector size; the last one may be cut short by the end of the file.
    const std::uint64_t sectors = bytes.size() <= sectorSize_ ? 0 : DivideRoundingUp(bytes.size() - sectorSize_, sectorSize_);
    if (sectors >= kMaxRegularSector)
        return kResultReadFailure;
    sectorCount_ = static_cast<std::uint32_t>(sectors);
    if (fatSectors > sectorCount_ || difatSectors > sectorCount_)
        return kResultReadFailure;
    fatOwner_.assign(sectorCount_, kOwnerFree);

    // The FAT sector numbers: 109 in the header, the rest in a chain of DIFAT sectors, each ending
    // with the number of the next.
    std::vector<std::uint32_t> fatSectorList;
    fatSectorList.reserve(fatSectors);
    for (std::size_t i = 0; i < kHeaderDifatEntries && fatSectorList.size() < fatSectors; ++i) {
        std::uint32_t sector = 0;
        if (!header.U32(&sector))
            return kResultReadFailure;
        fatSectorList.push_back(sector);
    }
    const std::uint32_t perDifat = sectorSize_ / 4 - 1;
    std::uint32_t difat = firstDifatSector;
    for (std::uint32_t d = 0; fatSectorList.size() < fatSectors; ++d) {
        if (d >= difatSectors || difat >= sectorCount_ || fatOwner_[difat] != kOwnerFree)
            return kResultReadFailure;
        fatOwner_[difat] = kOwnerStructure;
        std::vector<std::uint8_t> sector(sectorSize_);
        if (!CopySectors(difat, 0, sectorSize_, sector.data()))
            return kResultReadFailure;
        ByteReader reader(sector);
        for (std::uint32_t i = 0; i < perDifat; ++i) {
            std::uint32_t fatSector = 0;
            if (!reader.U32(&fatSector))
                return kResultReadFailure;
            if (fatSectorList.size() < fatSectors)
                fatSectorList.push_back(fatSector);
        }
        if (!reader.U32(&difat))
            return kResultReadFailure;
    }

    fat_.reserve(static_cast<std::size_t>(fatSectors) * (sectorSize_ / 4));
    std::vector<std::uint8_t> sector(sectorSize_);
    for (std::uint32_t fatSector : fatSectorList) {
        if (fatSector >= sectorCount_ || fatOwner_[fatSector] != kOwnerFree)
            return kResultReadFailure;
        fatOwner_[fatSector] = kOwnerStructure;
        if (!CopySectors(fatSector, 0, sectorSize_, sector.data()))
            return kResultReadFailure;
        ByteReader reader(sector);
        std::uint32_t next = 0;
        while (reader.U32(&next))
            fat_.push_back(next);
    }

    // The mini FAT: an ordinary chain of sectors of "next mini sector" numbers.
    if (miniFatSectors != 0 || firstMiniFatSector_ != kEndOfChain) {
        std::vector<std::uint32_t> chain;
        if (firstMiniFatSector_ != kFreeSector &&
            !Follow(fat_, firstMiniFatSector_, sectorCount_, fatOwner_, kOwnerStructure, &chain))
            return kResultReadFailure;
        miniFat_.reserve(chain.size() * (sectorSize_ / 4));
        for (std::uint32_t s : chain) {
            if (!CopySectors(s, 0, sectorSize_, sector.data()))
                return kResultReadFailure;
            ByteReader reader(sector);
            std::uint32_t next = 0;
            while (reader.U32(&next))
                miniFat_.push_back(next);
        }
    }
    return kResultSuccess;
}

bool CompoundFile::CopySectors(std::uint32_t sector, std::uint64_t offset, std::size_t length, std::uint8_t* out) const
{
    const auto bytes = file_->bytes();
    const std::uint64_t start = (static_cast<std::uint64_t>(sector) + 1) * sectorSize_ + offset;
    if (start > bytes.size() || length > bytes.size() - start)
        return false;
    std::memcpy(out, bytes.data() + start, length);
    return true;
}

AafResult CompoundFile::LoadDirectory(std::vector<Links>* links)
{
    std::vector<std::uint32_t>& chain = directorySectors_;
    if (!Follow(fat_, firstDirectorySector_, sectorCount_, fatOwner_, kOwnerStructure, &chain) || chain.empty())
        return kResultReadFailure;
    const std::size_t perSector = sectorSize_ / kEntrySize;
    // Entry numbers and the places of names in names_ (31 units at most each) are 32 bits: 2^27
    // entries, a directory of 16 GiB, is far past any real file.
    if (chain.size() * perSector > (std::size_t{1} << 27))
        return kResultReadFailure;
    const auto bytes = file_->bytes();
    std::vector<std::span<const std::uint8_t>> sectors(chain.size());
    std::size_t nameUnits = 0;
    for (std::size_t s = 0; s < chain.size(); ++s) {
        const std::uint64_t at = (static_cast<std::uint64_t>(chain[s]) + 1) * sectorSize_;
        if (at > bytes.size() || sectorSize_ > bytes.size() - at)
            return kResultReadFailure;
        sectors[s] = bytes.subspan(static_cast<std::size_t>(at), sectorSize_);
        // The names' lengths first, so that they all go into one string of the size they need.
        for (std::size_t e = 0; e < perSector; ++e) {
            const auto nameBytes = LittleEndian<std::uint16_t>(sectors[s], e * kEntrySize + 64);
            nameUnits += nameBytes >= 2 && nameBytes <= 64 ? nameBytes / 2 - 1 : 0;
        }
    }
    records_.resize(chain.size() * perSector);
    links->resize(records_.size());
    names_.reserve(nameUnits);
    for (std::size_t s = 0; s < chain.size(); ++s) {
        for (std::size_t e = 0; e < perSector; ++e) {
            // Fields at fixed offsets of the 128 bytes, which the sector holds whole.
            const std::span<const std::uint8_t> raw = sectors[s].subspan(e * kEntrySize, kEntrySize);
            Record& entry = records_[s * perSector + e];
            const auto nameBytes = LittleEndian<std::uint16_t>(raw, 64);
            const std::uint8_t type = raw[66];
            const auto left = LittleEndian<std::uint32_t>(raw, 68);
            const auto right = LittleEndian<std::uint32_t>(raw, 72);
            const auto child = LittleEndian<std::uint32_t>(raw, 76);
            const auto start = LittleEndian<std::uint32_t>(raw, 116);
            const auto size = LittleEndian<std::uint64_t>(raw, 120);
            const bool known = type == 1 || type == 2 || type == 5;
            const std::size_t nameAt = names_.size();
            if (!known || !DecodeEntryName(raw.first(64), nameBytes, &names_)) {
                entry.type = CfbEntryType::Unused;
            } else {
                entry.type = static_cast<CfbEntryType>(type);
            }
            entry.nameAt = static_cast<std::uint32_t>(nameAt);
            entry.nameLength = static_cast<std::uint8_t>(names_.size() - nameAt);
            entry.startSector = start;
            entry.size = majorVersion_ == 3 ? (size & 0xffffffffu) : size;
            (*links)[s * perSector + e] = {left, right, child};
        }
    }
    if (records_[0].type != CfbEntryType::Root)
        return kResultReadFailure;
    return kResultSuccess;
}

Auid CompoundFile::clsid(std::uint32_t id) const
{
    // The directory's sectors were checked to lie in the file when it was loaded.
    const std::size_t perSector = sectorSize_ / kEntrySize;
    const std::size_t at = (static_cast<std::size_t>(directorySectors_[id / perSector]) + 1) * sectorSize_ +
                           id % perSector * kEntrySize + 80;
    return Auid::FromBytes(file_->bytes().subspan(at, 16));
}

CfbEntry CompoundFile::entry(std::uint32_t id) const
{
    const Record& r = records_[id];
    CfbEntry e;
    e.name = NameOf(id);
    e.type = r.type;
    e.clsid = clsid(id);
    e.size = r.size;
    e.startSector = r.startSector;
    e.parent = r.parent;
    if (r.type == CfbEntryType::Storage || r.type == CfbEntryType::Root) {
        e.children = std::span<const std::uint32_t>(children_).subspan(r.first, r.last - r.first);
        e.childrenByName = ByName(id);
    }
    return e;
}

AafResult CompoundFile::WalkDirectory(const std::vector<Links>& links)
{
    const auto count = static_cast<std::uint32_t>(records_.size());
    constexpr int kLeft = 0, kRight = 1, kChild = 2;

    std::vector<bool> visited(count, false);
    visited[0] = true;
    std::vector<std::uint32_t> storages{0};
    std::vector<std::uint32_t> stack;
    // Each entry is a child at most once, so the lists never outgrow this and the spans hold.
    children_.reserve(count);
    childrenByName_.reserve(count);
    while (!storages.empty()) {
        const std::uint32_t storage = storages.back();
        storages.pop_back();
        const std::size_t first = children_.size();
        // In-order walk of the storage's tree of children, without recursion.
        std::uint32_t node = links[storage][kChild];
        stack.clear();
        while (node != kFreeSector || !stack.empty()) {
            while (node != kFreeSector) {
                if (node >= count || visited[node])
                    return kResultReadFailure;
                visited[node] = true;
                stack.push_back(node);
                node = links[node][kLeft];
            }
            node = stack.back();
            stack.pop_back();
            Record& entry = records_[node];
            if (entry.type == CfbEntryType::Storage || entry.type == CfbEntryType::Stream) {
                entry.parent = storage;
                children_.push_back(node);
                if (entry.type == CfbEntryType::Storage) {
                    entry.size = 0;
                    storages.push_back(node);
                }
            }
            node = links[node][kRight];
        }
        const std::size_t size = children_.size() - first;
        childrenByName_.insert(childrenByName_.end(), children_.begin() + std::ptrdiff_t(first), children_.end());
        SortByName(childrenByName_.data() + first, childrenByName_.data() + first + size,
                   [this](std::uint32_t id) { return NameOf(id); });
        records_[storage].first = static_cast<std::uint32_t>(first);
        records_[storage].last = static_cast<std::uint32_t>(first + size);
    }
    // Entries the tree does not reach are not part of the file's contents.
    for (std::uint32_t i = 1; i < count; ++i)
        if (!visited[i])
            records_[i].type = CfbEntryType::Unused;
    return kResultSuccess;
}

bool CompoundFile::FollowRuns(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint32_t units,
                              std::vector<std::uint32_t>& owner, std::uint32_t entry, std::uint64_t needed, Chain* out)
{
    // As Follow, but the first needed units go straight into runs; a chain that fails or falls
    // short leaves no runs behind (its units stay claimed, as Follow leaves them).
    const std::size_t begin = runs_.size();
    std::uint64_t taken = 0;
    for (std::uint32_t at = start; at != kEndOfChain; at = table[at]) {
        if (at >= kMaxRegularSector || at >= units || at >= table.size() || owner[at] != kOwnerFree) {
            runs_.resize(begin);
            return false;
        }
        owner[at] = entry;
        if (taken < needed) {
            if (runs_.size() > begin && runs_.back().first + runs_.back().count == at)
                ++runs_.back().count;
            else
                runs_.push_back({at, 1});
        }
        ++taken;
    }
    if (taken < needed) {
        runs_.resize(begin);
        return false;
    }
    out->runBegin = static_cast<std::uint32_t>(begin);
    out->runEnd = static_cast<std::uint32_t>(runs_.size());
    out->ok = true;
    return true;
}

void CompoundFile::ResolveStreamChains()
{
    std::vector<std::uint32_t> chain;
    // The mini stream: the root entry's chain, always in ordinary sectors.
    const Record& root = records_[0];
    const std::uint64_t miniNeeded = DivideRoundingUp(root.size, sectorSize_);
    if (root.size != 0 && miniNeeded <= sectorCount_ &&
        Follow(fat_, root.startSector, sectorCount_, fatOwner_, 0, &chain) && chain.size() >= miniNeeded) {
        miniStreamSectors_.assign(chain.begin(), chain.begin() + static_cast<std::ptrdiff_t>(miniNeeded));
        miniStreamSize_ = root.size;
    }
    const std::uint64_t miniUnits =
        std::min<std::uint64_t>(DivideRoundingUp(miniStreamSize_, kMiniSectorSize), kMaxRegularSector);
    std::vector<std::uint32_t> miniOwner(static_cast<std::size_t>(std::min<std::uint64_t>(miniUnits, miniFat_.size())),
                                         kOwnerFree);

    for (std::uint32_t id = 1; id < records_.size(); ++id) {
        Record& entry = records_[id];
        if (entry.type != CfbEntryType::Stream || entry.size == 0)
            continue;
        Chain result;
        result.mini = entry.size < miniCutoff_;
        const std::uint32_t unit = result.mini ? kMiniSectorSize : sectorSize_;
        const std::uint64_t needed = DivideRoundingUp(entry.size, unit);
        const std::uint64_t available = result.mini ? miniOwner.size() : sectorCount_;
        if (needed > available)
            continue;  // longer than the (mini) stream that would hold it
        if (result.mini)
            FollowRuns(miniFat_, entry.startSector, static_cast<std::uint32_t>(miniOwner.size()), miniOwner, id, needed,
                       &result);
        else
            FollowRuns(fat_, entry.startSector, sectorCount_, fatOwner_, id, needed, &result);
        entry.first = result.runBegin;
        entry.last = result.runEnd;
        entry.mini = result.mini;
        entry.ok = result.ok;
    }
}

std::uint32_t CompoundFile::FindChild(std::uint32_t storage, std::u16string_view name) const
{
    if (storage >= records_.size())
        return kNoEntry;
    const auto byName = ByName(storage);
    auto it = std::lower_bound(byName.begin(), byName.end(), name,
                               [this](std::uint32_t a, std::u16string_view n) { return NameBefore(NameOf(a), n); });
    // Not before the name, so equal exactly when the name is not before it either.
    if (it == byName.end() || NameBefore(name, NameOf(*it)))
        return kNoEntry;
    return *it;
}

std::uint32_t CompoundFile::FindChild(std::uint32_t storage, std::u16string_view name, std::size_t* hint) const
{
    if (storage >= records_.size())
        return kNoEntry;
    const auto byName = ByName(storage);
    // The found place is the first child not before the name: the hinted one is, when the one
    // before it is before the name.
    const std::size_t at = *hint < byName.size() ? *hint + 1 : 0;
    if (at != 0 && at < byName.size() && NameBefore(NameOf(byName[at - 1]), name) &&
        !NameBefore(NameOf(byName[at]), name)) {
        *hint = at;
        return NameBefore(name, NameOf(byName[at])) ? kNoEntry : byName[at];
    }
    auto it = std::lower_bound(byName.begin(), byName.end(), name,
                               [this](std::uint32_t a, std::u16string_view n) { return NameBefore(NameOf(a), n); });
    *hint = static_cast<std::size_t>(it - byName.begin());
    if (it == byName.end() || NameBefore(name, NameOf(*it)))
        return kNoEntry;
    return *it;
}

AafResult CompoundFile::ReadStream(std::uint32_t id, std::vector<std::uint8_t>* out) const
{
    if (id >= records_.size() || records_[id].type != CfbEntryType::Stream)
        return kResultReadFailure;
    const Record& entry = records_[id];
    if (entry.size == 0) {
        out->clear();
        return kResultSuccess;
    }
    const Chain chain = ChainOf(entry);
    if (!chain.ok)
        return kResultReadFailure;
    // The chain covers the size, and the size is bounded by the bytes of the file.
    std::vector<std::uint8_t> data(static_cast<std::size_t>(entry.size));
    std::size_t done = 0;
    for (std::uint32_t r = chain.runBegin; r < chain.runEnd && done < data.size(); ++r) {
        const Run& run = runs_[r];
        if (!chain.mini) {
            const std::size_t length = std::min<std::uint64_t>(data.size() - done, std::uint64_t{run.count} << sectorShift_);
            if (!CopySectors(run.first, 0, length, data.data() + done))
                return kResultReadFailure;
            done += length;
            continue;
        }
        // Mini sectors live at byte first * 64 of the mini stream, itself a list of sectors.
        std::uint64_t offset = std::uint64_t{run.first} << kMiniSectorShift;
        std::size_t length = std::min<std::uint64_t>(data.size() - done, std::uint64_t{run.count} << kMiniSectorShift);
        while (length > 0) {
            const std::uint64_t index = offset >> sectorShift_;
            const std::uint64_t within = offset & (sectorSize_ - 1);
            if (index >= miniStreamSectors_.size())
                return kResultReadFailure;
            const std::size_t piece = std::min<std::uint64_t>(length, sectorSize_ - within);
            if (!CopySectors(miniStreamSectors_[index], within, piece, data.data() + done))
                return kResultReadFailure;
            done += piece;
            offset += piece;
            length -= piece;
        }
    }
    if (done != data.size())
        return kResultReadFailure;
    *out = std::move(data);
    return kResultSuccess;
}

bool CompoundFile::ContiguousOffset(const Chain& chain, std::uint64_t size, std::uint64_t* offset) const
{
    const auto bytes = file_->bytes();
    std::uint64_t start = 0, end = 0;  // the stretch so far, as file offsets
    bool first = true;
    std::uint64_t left = size;
    auto extend = [&](std::uint64_t at, std::uint64_t length) {
        if (first) {
            start = end = at;
            first = false;
        }
        if (at != end)
            return false;
        end += length;
        return true;
    };
    for (std::uint32_t r = chain.runBegin; r < chain.runEnd && left > 0; ++r) {
        const Run& run = runs_[r];
        if (!chain.mini) {
            const std::uint64_t length = std::min<std::uint64_t>(left, std::uint64_t{run.count} << sectorShift_);
            if (!extend((std::uint64_t{run.first} + 1) << sectorShift_, length))
                return false;
            left -= length;
            continue;
        }
        std::uint64_t at = std::uint64_t{run.first} << kMiniSectorShift;
        std::uint64_t length = std::min<std::uint64_t>(left, std::uint64_t{run.count} << kMiniSectorShift);
        while (length > 0) {
            const std::uint64_t index = at >> sectorShift_;
            const std::uint64_t within = at & (sectorSize_ - 1);
            if (index >= miniStreamSectors_.size())
                return false;
            const std::uint64_t piece = std::min<std::uint64_t>(length, sectorSize_ - within);
            if (!extend(((std::uint64_t{miniStreamSectors_[index]} + 1) << sectorShift_) + within, piece))
                return false;
            at += piece;
            length -= piece;
            left -= piece;
        }
    }
    if (left != 0 || end > bytes.size())
        return false;
    *offset = start;
    return true;
}

AafResult CompoundFile::ViewStream(std::uint32_t id, std::vector<std::uint8_t>* scratch,
                                   std::span<const std::uint8_t>* out) const
{
    if (id >= records_.size() || records_[id].type != CfbEntryType::Stream)
        return kResultReadFailure;
    const Record& entry = records_[id];
    if (entry.size == 0) {
        *out = {};
        return kResultSuccess;
    }
    const Chain chain = ChainOf(entry);
    if (!chain.ok)
        return kResultReadFailure;
    std::uint64_t offset = 0;
    if (ContiguousOffset(chain, entry.size, &offset)) {
        *out = file_->bytes().subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(entry.size));
        return kResultSuccess;
    }
    const AafResult read = ReadStream(id, scratch);
    if (!Succeeded(read))
        return read;
    *out = *scratch;
    return kResultSuccess;
}

namespace {

// Code units from unitAt(0..count), written in place into the longest the text can take (3 bytes a
// unit; a pair of 2 units takes 4), then cut to what was written: names and strings are read by
// the thousand.
template <class UnitAt>
std::string EncodeUtf8(std::size_t count, UnitAt unitAt)
{
    std::string out(count * 3, '\0');
    char* p = out.data();
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = unitAt(i);
        if (c < 0x80) {
            *p++ = static_cast<char>(c);
            continue;
        }
        if (c >= 0xd800 && c <= 0xdbff && i + 1 < count) {
            const char32_t next = unitAt(i + 1);
            if (next >= 0xdc00 && next <= 0xdfff) {
                c = 0x10000 + ((c - 0xd800) << 10) + (next - 0xdc00);
                ++i;
            }
        }
        if (c >= 0xd800 && c <= 0xdfff)
            c = 0xfffd;
        if (c < 0x800) {
            *p++ = static_cast<char>(0xc0 | c >> 6);
            *p++ = static_cast<char>(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            *p++ = static_cast<char>(0xe0 | c >> 12);
            *p++ = static_cast<char>(0x80 | (c >> 6 & 0x3f));
            *p++ = static_cast<char>(0x80 | (c & 0x3f));
        } else {
            *p++ = static_cast<char>(0xf0 | c >> 18);
            *p++ = static_cast<char>(0x80 | (c >> 12 & 0x3f));
            *p++ = static_cast<char>(0x80 | (c >> 6 & 0x3f));
            *p++ = static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    return out;
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text)
{
    return EncodeUtf8(text.size(), [text](std::size_t i) { return char32_t{text[i]}; });
}

std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes)
{
    return EncodeUtf8(bytes.size() / 2, [bytes](std::size_t i) {
        return static_cast<char32_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    });
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        const std::size_t extra = b0 < 0x80                ? 0
                                  : (b0 & 0xe0) == 0xc0     ? 1
                                  : (b0 & 0xf0) == 0xe0     ? 2
                                  : (b0 & 0xf8) == 0xf0     ? 3
                                                            : 4;  // not a lead byte
        char32_t c = extra == 0 ? b0 : extra == 1 ? b0 & 0x1f : extra == 2 ? b0 & 0x0f : b0 & 0x07;
        bool ok = extra < 4 && extra < text.size() - i;
        for (std::size_t k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            ok = (b & 0xc0) == 0x80;
            c = c << 6 | (b & 0x3f);
        }
        static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c < kSmallest[extra] || c > 0x10ffff || (c >= 0xd800 && c < 0xe000)) {
            out.push_back(u'\xfffd');
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xd800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xdc00 + (c & 0x3ff)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i += extra + 1;
    }
    return out;
}

}  // namespace aafsdk
