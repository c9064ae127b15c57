#include "aafsdk/com/MobKinds.h"

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

// Every mob of the content storage; a header without content or mobs has none.
HRESULT AllMobs(const ModelObject& header, std::vector<ObjectId>* out)
{
    out->clear();
    ObjectId content = kNoObject;
    HRESULT hr = ReadStrongReference(*header.stored(), pids::kHeaderContent, &content);
    if (hr == AAFRESULT_PROP_NOT_PRESENT)
        return AAFRESULT_SUCCESS;
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    hr = ReadStrongElements(header.graph().object(content), pids::kContentStorageMobs, out);
    return hr == AAFRESULT_PROP_NOT_PRESENT ? AAFRESULT_SUCCESS : hr;
}

bool DescriptorIsA(FileState& file, ObjectId mob, const Auid& descriptorClass)
{
    ObjectId descriptor = kNoObject;
    if (ReadStrongReference(file.graph().object(mob), pids::kSourceMobEssenceDescription, &descriptor) !=
        AAFRESULT_SUCCESS)
        return false;
    return file.KnownClassOf(descriptor).IsA(descriptorClass);
}

bool IsOfKind(FileState& file, ObjectId mob, aafMobKind_t kind)
{
    const ClassDef& c = file.KnownClassOf(mob);
    if (!c.IsA(classes::kMob))
        return false;
    switch (kind) {
    case kAAFAllMob: return true;
    case kAAFCompMob: return c.IsA(classes::kCompositionMob);
    case kAAFMasterMob: return c.IsA(classes::kMasterMob);
    case kAAFFileMob: return c.IsA(classes::kSourceMob) && DescriptorIsA(file, mob, classes::kFileDescriptor);
    case kAAFTapeMob: return c.IsA(classes::kSourceMob) && DescriptorIsA(file, mob, classes::kTapeDescriptor);
    case kAAFFilmMob: return c.IsA(classes::kSourceMob) && DescriptorIsA(file, mob, classes::kFilmDescriptor);
    case kAAFPhysicalMob:
        return c.IsA(classes::kSourceMob) && DescriptorIsA(file, mob, classes::kPhysicalDescriptor);
    default: return false;
    }
}

}  // namespace

HRESULT MobsOfKind(const ModelObject& header, aafMobKind_t kind, std::vector<ObjectId>* out)
{
    if (kind == kAAFPrimaryMob)
        return AAFRESULT_NOT_IMPLEMENTED;
    if (kind < kAAFCompMob || kind > kAAFPhysicalMob)
        return AAFRESULT_INVALID_MOBTYPE;
    FileState::MobsOfKindCache& last = header.file()->lastMobsOfKind();
    if (last.header == header.object() && last.kind == kind) {
        *out = last.mobs;
        return AAFRESULT_SUCCESS;
    }
    std::vector<ObjectId> all;
    const HRESULT hr = AllMobs(header, &all);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    out->clear();
    for (ObjectId mob : all)
        if (IsOfKind(*header.file(), mob, kind))
            out->push_back(mob);
    last.header = kNoObject;  // stays unset if the copy fails
    last.mobs = *out;
    last.kind = kind;
    last.header = header.object();
    return AAFRESULT_SUCCESS;
}

HRESULT FindMob(const ModelObject& header, const aafMobID_t& id, ObjectId* out)
{
    FileState::MobIndex& index = header.file()->mobIndex();
    if (index.header != header.object()) {
        std::vector<ObjectId> all;
        const HRESULT hr = AllMobs(header, &all);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        index.byId.clear();
        for (ObjectId mob : all) {
            aafMobID_t mobId{};
            if (ReadMobId(header.graph().object(mob), pids::kMobMobID, &mobId) == AAFRESULT_SUCCESS)
                index.byId.emplace(mobId, mob);  // the first mob of an id wins
        }
        index.header = header.object();
    }
    const auto found = index.byId.find(id);
    if (found == index.byId.end())
        return AAFRESULT_MOB_NOT_FOUND;
    *out = found->second;
    return AAFRESULT_SUCCESS;
}

}  // namespace aafsdk::com
