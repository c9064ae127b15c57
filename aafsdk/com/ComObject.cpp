#include "aafsdk/com/ComObject.h"

#include <cstring>
#include <new>
#include <unordered_map>
#include <vector>

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"

namespace aafsdk::com {
namespace {

std::size_t HashIid(const IID& iid)
{
    std::uint64_t halves[2];
    static_assert(sizeof halves == sizeof iid);
    std::memcpy(halves, &iid, sizeof iid);
    return static_cast<std::size_t>(halves[0] ^ (halves[1] * 0x9e3779b97f4a7c15ull));
}

struct IidHash {
    std::size_t operator()(const IID& iid) const noexcept { return HashIid(iid); }
};

// The dispatch rows of each interface id, in table order: a query looks only at its own.
const std::unordered_map<IID, std::vector<const InterfaceEntry*>, IidHash>& RowsByIid()
{
    static const std::vector<InterfaceEntry> rows = [] {
        std::vector<InterfaceEntry> all;
        for (auto group : {MobInterfaceRows(), ValueInterfaceRows(), SlotInterfaceRows(), SegmentInterfaceRows(),
                           DescriptorInterfaceRows(), EffectInterfaceRows(), DefinitionInterfaceRows(),
                           PropertyInterfaceRows(), TypeDefinitionInterfaceRows()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    static const auto byIid = [] {
        std::unordered_map<IID, std::vector<const InterfaceEntry*>, IidHash> map;
        for (const InterfaceEntry& row : rows)
            map[row.iid].push_back(&row);
        return map;
    }();
    return byIid;
}

Auid ClassOfDefinitionKind(DefinitionKind kind)
{
    switch (kind) {
    case DefinitionKind::Data: return classes::kDataDefinition;
    case DefinitionKind::Operation: return classes::kOperationDefinition;
    case DefinitionKind::Parameter: return classes::kParameterDefinition;
    case DefinitionKind::Interpolation: return classes::kInterpolationDefinition;
    case DefinitionKind::Container: return classes::kContainerDefinition;
    case DefinitionKind::Codec: return classes::kCodecDefinition;
    case DefinitionKind::Plugin: return classes::kPluginDefinition;
    case DefinitionKind::TaggedValue: return classes::kTaggedValueDefinition;
    case DefinitionKind::KLVData: return classes::kKLVDataDefinition;
    default: return classes::kDefinitionObject;
    }
}

// The meta-class a type definition of this category has.
const ClassDef* ClassOfType(const ObjectModel& model, const TypeDef& type)
{
    if (const ClassDef* c = model.MetaClassOf(type.category))
        return c;
    return model.FindClass(classes::kTypeDefinition);
}

const ClassDef* ClassOfSubject(const FileModel& model, const Subject& subject)
{
    switch (subject.kind) {
    case Subject::Kind::Stored:
        if (subject.object >= model.graph().objects.size())
            return nullptr;
        return &model.KnownClassOf(subject.object);
    case Subject::Kind::Definition:
        return model.model().FindClass(ClassOfDefinitionKind(subject.definitionKind));
    case Subject::Kind::Type:
        return subject.type ? ClassOfType(model.model(), *subject.type) : nullptr;
    case Subject::Kind::Property:
        return subject.property ? model.model().FindClass(classes::kPropertyDefinition) : nullptr;
    }
    return nullptr;
}

}  // namespace

std::size_t FileState::MobIndex::Hash::operator()(const aafMobID_t& id) const noexcept
{
    // The material number varies most; FNV-1a over the whole id keeps labels of other shapes apart.
    unsigned char bytes[sizeof id];
    std::memcpy(bytes, &id, sizeof id);
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char b : bytes)
        h = (h ^ b) * 1099511628211ull;
    return static_cast<std::size_t>(h);
}

FileState::FileState(std::unique_ptr<StoredGraph> graph, std::unique_ptr<FileModel> model)
    : graph_(std::move(graph)), model_(std::move(model))
{
}

ModelObject::ModelObject(FilePtr file, const Subject& subject, const ClassDef& classDef)
    : file_(std::move(file)), subject_(subject), class_(&classDef)
{
    file_->live().emplace(subject_, this);
}

ModelObject::~ModelObject()
{
    file_->live().erase(subject_);
}

const StoredObject* ModelObject::stored() const
{
    return subject_.kind == Subject::Kind::Stored ? &graph().object(subject_.object) : nullptr;
}

HRESULT ModelObject::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!ppvObject)
        return AAFRESULT_NULL_PARAM;
    *ppvObject = nullptr;
    if (riid == IID_IUnknown) {
        *ppvObject = static_cast<IUnknown*>(this);
        AddRef();
        return AAFRESULT_SUCCESS;
    }
    for (auto& [iid, facet] : facets_) {
        if (iid == riid) {
            *ppvObject = facet->Pointer();
            AddRef();
            return AAFRESULT_SUCCESS;
        }
    }
    const auto& byIid = RowsByIid();
    const auto rows = byIid.find(riid);
    if (rows == byIid.end())
        return E_NOINTERFACE;
    for (const InterfaceEntry* entry : rows->second) {
        const InterfaceEntry& row = *entry;
        const bool subjectFits = !row.storedOnly || subject_.kind == Subject::Kind::Stored;
        if (subjectFits && class_->IsA(row.classId)) {
            try {
                facets_.emplace_back(riid, std::unique_ptr<FacetBase>(row.make(*this)));
            } catch (const std::bad_alloc&) {
                return AAFRESULT_NOMEMORY;
            }
            *ppvObject = facets_.back().second->Pointer();
            AddRef();
            return AAFRESULT_SUCCESS;
        }
    }
    return E_NOINTERFACE;
}

ULONG ModelObject::AddRef()
{
    return ++refs_;
}

ULONG ModelObject::Release()
{
    const ULONG left = --refs_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ModelObject::Hand(const FilePtr& file, const Subject& subject, REFIID iid, void** out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = nullptr;
    if (!file)
        return AAFRESULT_NOT_OPEN;
    ModelObject* object = nullptr;
    const auto it = file->live().find(subject);
    if (it != file->live().end()) {
        object = it->second;
    } else {
        const ClassDef* c = ClassOfSubject(file->model(), subject);
        if (!c)
            return AAFRESULT_INVALID_OBJ;
        try {
            object = new ModelObject(file, subject, *c);
        } catch (const std::bad_alloc&) {
            return AAFRESULT_NOMEMORY;
        }
    }
    // Held across the query so that an object nobody else holds goes when it does not answer.
    object->AddRef();
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

}  // namespace aafsdk::com
