// The file, its header and dictionary, and mobs.

#include <exception>
#include <new>
#include <string>

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/MobKinds.h"
#include "aafsdk/com/ObjectEnumerator.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

constexpr std::uint16_t kPidRootHeader = 0x0002;

using MobEnumerator = ObjectEnumerator<IEnumAAFMobs, IAAFMob, AAFRESULT_NO_MORE_MOBS>;
using TaggedValueEnumerator = ObjectEnumerator<IEnumAAFTaggedValues, IAAFTaggedValue>;
using KLVDataEnumerator = ObjectEnumerator<IEnumAAFKLVData, IAAFKLVData>;

class File final : public Standalone<IAAFFile> {
public:
    explicit File(FilePtr file) : file_(std::move(file)) {}

    HRESULT GetHeader(IAAFHeader** ppHeader) override
    {
        if (!ppHeader)
            return AAFRESULT_NULL_PARAM;
        *ppHeader = nullptr;
        if (!file_)
            return AAFRESULT_NOT_OPEN;
        ObjectId header = kNoObject;
        const HRESULT hr = ReadStrongReference(file_->graph().object(StoredGraph::root()), kPidRootHeader, &header);
        return hr != AAFRESULT_SUCCESS ? hr : HandStored(file_, header, ppHeader);
    }

    HRESULT GetDictionary(IAAFDictionary** ppDictionary) override
    {
        if (!ppDictionary)
            return AAFRESULT_NULL_PARAM;
        *ppDictionary = nullptr;
        if (!file_)
            return AAFRESULT_NOT_OPEN;
        ObjectId header = kNoObject, dictionary = kNoObject;
        HRESULT hr = ReadStrongReference(file_->graph().object(StoredGraph::root()), kPidRootHeader, &header);
        if (hr == AAFRESULT_SUCCESS)
            hr = ReadStrongReference(file_->graph().object(header), pids::kHeaderDictionary, &dictionary);
        return hr != AAFRESULT_SUCCESS ? hr : HandStored(file_, dictionary, ppDictionary);
    }

    // The objects the caller still holds stay readable; the file goes with the last of them.
    HRESULT Close() override
    {
        if (!file_)
            return AAFRESULT_NOT_OPEN;
        file_.reset();
        return AAFRESULT_SUCCESS;
    }

private:
    FilePtr file_;
};

class Header final : public Facet<IAAFHeader> {
public:
    using Facet::Facet;

    HRESULT CountMobs(aafMobKind_t mobKind, aafNumSlots_t* pResult) override
    {
        if (!pResult)
            return AAFRESULT_NULL_PARAM;
        std::vector<ObjectId> mobs;
        const HRESULT hr = MobsOfKind(self(), mobKind, &mobs);
        if (hr == AAFRESULT_SUCCESS)
            *pResult = static_cast<aafNumSlots_t>(mobs.size());
        return hr;
    }

    HRESULT GetMobs(aafSearchCrit_t* pSearchCriteria, IEnumAAFMobs** ppEnum) override
    {
        if (!ppEnum)
            return AAFRESULT_NULL_PARAM;
        *ppEnum = nullptr;
        std::vector<ObjectId> mobs;
        HRESULT hr = AAFRESULT_SUCCESS;
        if (!pSearchCriteria || pSearchCriteria->searchTag == kAAFNoSearch) {
            hr = MobsOfKind(self(), kAAFAllMob, &mobs);
        } else if (pSearchCriteria->searchTag == kAAFByMobKind) {
            hr = MobsOfKind(self(), pSearchCriteria->tags.mobKind, &mobs);
        } else if (pSearchCriteria->searchTag == kAAFByMobID) {
            ObjectId mob = kNoObject;
            hr = FindMob(self(), pSearchCriteria->tags.mobID, &mob);
            if (hr == AAFRESULT_SUCCESS)
                mobs.push_back(mob);
            else if (hr == AAFRESULT_MOB_NOT_FOUND)
                hr = AAFRESULT_SUCCESS;
        } else {
            return AAFRESULT_INVALID_SEARCH_CRIT;
        }
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        return MakeStandalone<MobEnumerator>(ppEnum, self().file(), std::move(mobs));
    }

    HRESULT LookupMob(const aafMobID_t& mobID, IAAFMob** ppMob) override
    {
        if (!ppMob)
            return AAFRESULT_NULL_PARAM;
        *ppMob = nullptr;
        ObjectId mob = kNoObject;
        const HRESULT hr = FindMob(self(), mobID, &mob);
        return hr != AAFRESULT_SUCCESS ? hr : HandStored(self().file(), mob, ppMob);
    }
};

class Dictionary final : public Facet<IAAFDictionary> {
public:
    using Facet::Facet;
};

class Mob final : public Facet<IAAFMob> {
public:
    using Facet::Facet;

    HRESULT GetMobID(aafMobID_t* pMobID) override { return ReadMobId(stored(), pids::kMobMobID, pMobID); }
    HRESULT GetNameBufLen(aafUInt32* pBufSize) override
    {
        return TextPropertyBufLen(stored(), pids::kMobName, pBufSize);
    }
    HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) override
    {
        return CopyTextProperty(stored(), pids::kMobName, pName, bufSize);
    }

    // A mob without slots is empty, not broken.
    HRESULT CountSlots(aafNumSlots_t* pNumSlots) override
    {
        return CountOptionalElements(stored(), pids::kMobSlots, pNumSlots);
    }

    HRESULT GetSlotAt(aafUInt32 index, IAAFMobSlot** ppSlot) override
    {
        if (!ppSlot)
            return AAFRESULT_NULL_PARAM;
        *ppSlot = nullptr;
        std::vector<ObjectId> slots;
        HRESULT hr = Slots(&slots);
        if (hr == AAFRESULT_SUCCESS)
            hr = CheckIndex(slots, index);
        return hr != AAFRESULT_SUCCESS ? hr : HandStored(self().file(), slots[index], ppSlot);
    }

    HRESULT LookupSlot(aafSlotID_t slotId, IAAFMobSlot** ppSlot) override
    {
        if (!ppSlot)
            return AAFRESULT_NULL_PARAM;
        *ppSlot = nullptr;
        std::vector<ObjectId> slots;
        const HRESULT hr = Slots(&slots);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        for (ObjectId slot : slots) {
            aafUInt32 id = 0;
            if (ReadInteger(self().graph().object(slot), pids::kMobSlotSlotID, &id) == AAFRESULT_SUCCESS && id == slotId)
                return HandStored(self().file(), slot, ppSlot);
        }
        return AAFRESULT_SLOT_NOT_FOUND;
    }

    HRESULT CountComments(aafUInt32* pNumComments) override
    {
        return CountOptionalElements(stored(), pids::kMobUserComments, pNumComments);
    }
    HRESULT GetComments(IEnumAAFTaggedValues** ppEnum) override
    {
        return EnumerateOptional<TaggedValueEnumerator>(self(), pids::kMobUserComments, ppEnum);
    }

private:
    HRESULT Slots(std::vector<ObjectId>* slots) const
    {
        const HRESULT hr = ReadStrongElements(stored(), pids::kMobSlots, slots);
        return hr == AAFRESULT_PROP_NOT_PRESENT ? AAFRESULT_SUCCESS : hr;
    }
};

class Mob2 final : public Facet<IAAFMob2> {
public:
    using Facet::Facet;

    HRESULT GetUsageCode(aafUID_t* pUsageCode) override { return ReadUid(stored(), pids::kMobUsageCode, pUsageCode); }
    HRESULT CountKLVData(aafUInt32* pNumData) override
    {
        return CountOptionalElements(stored(), pids::kMobKLVData, pNumData);
    }
    HRESULT GetKLVData(IEnumAAFKLVData** ppEnum) override
    {
        return EnumerateOptional<KLVDataEnumerator>(self(), pids::kMobKLVData, ppEnum);
    }
    HRESULT CountAttributes(aafUInt32* pNumAttributes) override
    {
        return CountOptionalElements(stored(), pids::kMobAttributes, pNumAttributes);
    }
    HRESULT GetAttributes(IEnumAAFTaggedValues** ppEnum) override
    {
        return EnumerateOptional<TaggedValueEnumerator>(self(), pids::kMobAttributes, ppEnum);
    }
};

class MasterMob final : public Facet<IAAFMasterMob> {
public:
    using Facet::Facet;
};

class CompositionMob final : public Facet<IAAFCompositionMob> {
public:
    using Facet::Facet;
};

class SourceMob final : public Facet<IAAFSourceMob> {
public:
    using Facet::Facet;

    HRESULT GetEssenceDescriptor(IAAFEssenceDescriptor** ppEssence) override
    {
        if (!ppEssence)
            return AAFRESULT_NULL_PARAM;
        *ppEssence = nullptr;
        ObjectId descriptor = kNoObject;
        const HRESULT hr = ReadStrongReference(stored(), pids::kSourceMobEssenceDescription, &descriptor);
        return hr != AAFRESULT_SUCCESS ? hr : HandStored(self().file(), descriptor, ppEssence);
    }
};

constexpr InterfaceEntry kRows[] = {
    Row<Header>(classes::kHeader),
    Row<Dictionary>(classes::kDictionary),
    Row<Mob>(classes::kMob),
    Row<Mob2>(classes::kMob),
    Row<MasterMob>(classes::kMasterMob),
    Row<CompositionMob>(classes::kCompositionMob),
    Row<SourceMob>(classes::kSourceMob),
};

// UTF-16 to the bytes the file system takes: UTF-8, and a lone U+DC80..U+DCFF as the one byte
// 0x80..0xFF it stands for (a file name that is not UTF-8); false on any other lone surrogate.
bool PathBytes(const aafCharacter* wide, std::string* out)
{
    std::string bytes;
    for (const aafCharacter* p = wide; *p; ++p) {
        char32_t c = *p;
        if (c >= 0xd800 && c <= 0xdbff && p[1] >= 0xdc00 && p[1] <= 0xdfff) {
            c = 0x10000 + ((c - 0xd800) << 10) + (char32_t(p[1]) - 0xdc00);
            ++p;
        } else if (c >= 0xdc80 && c <= 0xdcff) {
            bytes.push_back(char(c - 0xdc00));
            continue;
        } else if (c >= 0xd800 && c <= 0xdfff) {
            return false;
        }
        if (c < 0x80) {
            bytes.push_back(char(c));
        } else if (c < 0x800) {
            bytes.push_back(char(0xc0 | c >> 6));
            bytes.push_back(char(0x80 | (c & 0x3f)));
        } else if (c < 0x10000) {
            bytes.push_back(char(0xe0 | c >> 12));
            bytes.push_back(char(0x80 | (c >> 6 & 0x3f)));
            bytes.push_back(char(0x80 | (c & 0x3f)));
        } else {
            bytes.push_back(char(0xf0 | c >> 18));
            bytes.push_back(char(0x80 | (c >> 12 & 0x3f)));
            bytes.push_back(char(0x80 | (c >> 6 & 0x3f)));
            bytes.push_back(char(0x80 | (c & 0x3f)));
        }
    }
    *out = std::move(bytes);
    return true;
}

}  // namespace

std::span<const InterfaceEntry> MobInterfaceRows()
{
    return kRows;
}

}  // namespace aafsdk::com

HRESULT AAFFileOpenExistingRead(const aafCharacter* pFileName, aafUInt32 modeFlags, IAAFFile** ppFile)
{
    using namespace aafsdk;
    using namespace aafsdk::com;
    if (!pFileName || !ppFile)
        return AAFRESULT_NULL_PARAM;
    *ppFile = nullptr;
    if (modeFlags != 0)
        return AAFRESULT_BAD_FLAGS;
    std::string path;
    if (!PathBytes(pFileName, &path))
        return AAFRESULT_FILE_NOT_FOUND;
    try {
        std::unique_ptr<StoredGraph> graph;
        const AafResult read = ReadStoredGraph(std::filesystem::path(path), &graph);
        if (read != kResultSuccess)
            return read;
        // A root without a Header is not an AAF file we can read anything from.
        ObjectId header = kNoObject;
        if (ReadStrongReference(graph->object(StoredGraph::root()), kPidRootHeader, &header) != AAFRESULT_SUCCESS ||
            header >= graph->objects.size())
            return AAFRESULT_NOT_AAF_FILE;
        std::unique_ptr<FileModel> model = FileModel::Build(*graph);
        if (!model->IsA(header, classes::kHeader))
            return AAFRESULT_NOT_AAF_FILE;
        auto state = std::make_shared<FileState>(std::move(graph), std::move(model));
        return MakeStandalone<File>(ppFile, std::move(state));
    } catch (const std::bad_alloc&) {
        return AAFRESULT_NOMEMORY;
    } catch (const std::exception&) {
        return AAFRESULT_READ_FAILURE;
    }
}
