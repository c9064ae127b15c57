#include "aafsdk/com/ComObject.h"

#include <cstring>
#include <new>
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

// The dispatch rows of one interface id, in table order, and the id's index among all of them.
struct InterfaceRows {
    IID iid;
    std::size_t index = 0;
    std::vector<const InterfaceEntry*> rows;
};

// The interfaces of the dispatch table, found by id in an open-addressed table kept at most a
// quarter full: a query looks only at its own interface's rows.
class InterfaceIndex {
public:
    InterfaceIndex()
    {
        for (auto group : {MobInterfaceRows(), ValueInterfaceRows(), SlotInterfaceRows(), SegmentInterfaceRows(),
                           DescriptorInterfaceRows(), EffectInterfaceRows(), DefinitionInterfaceRows(),
                           PropertyInterfaceRows(), TypeDefinitionInterfaceRows()})
            for (const InterfaceEntry& row : group) {
                InterfaceRows* rows = nullptr;
                for (InterfaceRows& known : interfaces_)
                    if (known.iid == row.iid)
                        rows = &known;
                if (!rows) {
                    rows = &interfaces_.emplace_back();
                    rows->iid = row.iid;
                    rows->index = interfaces_.size() - 1;
                }
                rows->rows.push_back(&row);
            }
        std::size_t slots = 16;
        while (slots < 4 * interfaces_.size())
            slots *= 2;
        slots_.assign(slots, nullptr);
        mask_ = slots - 1;
        for (const InterfaceRows& rows : interfaces_) {
            std::size_t i = Slot(rows.iid);
            while (slots_[i])
                i = (i + 1) & mask_;
            slots_[i] = &rows;
        }
    }
    InterfaceIndex(const InterfaceIndex&) = delete;
    InterfaceIndex& operator=(const InterfaceIndex&) = delete;

    // nullptr for an id no row answers.
    const InterfaceRows* Find(const IID& iid) const
    {
        for (std::size_t i = Slot(iid);; i = (i + 1) & mask_) {
            const InterfaceRows* rows = slots_[i];
            if (!rows || rows->iid == iid)
                return rows;
        }
    }
    std::size_t size() const { return interfaces_.size(); }

private:
    std::size_t Slot(const IID& iid) const
    {
        const std::size_t h = HashIid(iid);
        return (h ^ (h >> 29)) & mask_;
    }

    std::vector<InterfaceRows> interfaces_;
    std::vector<const InterfaceRows*> slots_;
    std::size_t mask_ = 0;
};

const InterfaceIndex& Interfaces()
{
    static const InterfaceIndex index;
    return index;
}

// A dispatch entry not chosen yet (nullptr: no row answers).
const InterfaceEntry kUnchosen{};

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

const ClassDef* ClassOfSubject(FileState& file, const Subject& subject)
{
    const FileModel& model = file.model();
    switch (subject.kind) {
    case Subject::Kind::Stored:
        if (subject.object >= model.graph().objects.size())
            return nullptr;
        return &file.KnownClassOf(subject.object);
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
    : graph_(std::move(graph)), model_(std::move(model)), stored_(graph_ ? graph_->objects.size() : 0)
{
}

ModelObject* FileState::FindLive(const Subject& subject) const
{
    if (subject.kind == Subject::Kind::Stored)
        return subject.object < stored_.size() ? stored_[subject.object].live : nullptr;
    const auto it = live_.find(subject);
    return it != live_.end() ? it->second : nullptr;
}

void FileState::AddLive(const Subject& subject, ModelObject* object)
{
    if (subject.kind == Subject::Kind::Stored)
        stored_.at(subject.object).live = object;
    else
        live_.emplace(subject, object);
}

void FileState::RemoveLive(const Subject& subject)
{
    if (subject.kind == Subject::Kind::Stored) {
        if (subject.object < stored_.size())
            stored_[subject.object].live = nullptr;
    } else {
        live_.erase(subject);
    }
}

const ClassDef& FileState::KnownClassOf(ObjectId object)
{
    if (object >= stored_.size())
        return model_->KnownClassOf(object);
    StoredSlot& slot = stored_[object];
    if (!slot.knownClass)
        slot.knownClass = &model_->KnownClassOf(object);
    return *slot.knownClass;
}

FileState::Dispatch& FileState::DispatchOf(const ClassDef& classDef, bool stored)
{
    auto [it, added] = dispatch_[stored ? 1 : 0].try_emplace(&classDef);
    if (added)
        it->second.assign(Interfaces().size(), &kUnchosen);
    return it->second;
}

ModelObject::ModelObject(FilePtr file, const Subject& subject, const ClassDef& classDef)
    : file_(std::move(file)),
      subject_(subject),
      class_(&classDef),
      dispatch_(&file_->DispatchOf(classDef, subject.kind == Subject::Kind::Stored))
{
    file_->AddLive(subject_, this);
}

ModelObject::~ModelObject()
{
    file_->RemoveLive(subject_);
    for (std::size_t i = 0; i < inlineCount_; ++i) {
        if (placed_ & (1u << i))
            inline_[i].facet->~FacetBase();
        else
            delete inline_[i].facet;
    }
    for (const MadeFacet& made : more_)
        delete made.facet;
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
    FacetBase* facet = nullptr;
    for (std::size_t i = 0; i < inlineCount_ && !facet; ++i)
        if (inline_[i].iid == riid)
            facet = inline_[i].facet;
    for (std::size_t i = 0; i < more_.size() && !facet; ++i)
        if (more_[i].iid == riid)
            facet = more_[i].facet;
    if (!facet) {
        const InterfaceRows* rows = Interfaces().Find(riid);
        if (!rows)
            return E_NOINTERFACE;
        // The class's choice among the interface's rows, made once.
        const InterfaceEntry*& chosen = (*dispatch_)[rows->index];
        if (chosen == &kUnchosen) {
            chosen = nullptr;
            for (const InterfaceEntry* row : rows->rows) {
                const bool subjectFits = !row->storedOnly || subject_.kind == Subject::Kind::Stored;
                if (subjectFits && class_->IsA(row->classId)) {
                    chosen = row;
                    break;
                }
            }
        }
        if (!chosen)
            return E_NOINTERFACE;
        try {
            facet = AddFacet(riid, *chosen);
        } catch (const std::bad_alloc&) {
            return AAFRESULT_NOMEMORY;
        }
    }
    *ppvObject = facet->Pointer();
    AddRef();
    return AAFRESULT_SUCCESS;
}

FacetBase* ModelObject::AddFacet(REFIID iid, const InterfaceEntry& row)
{
    bool placed = false;
    if (inlineCount_ < kInlineFacets) {
        FacetBase* facet = row.make(*this, room_[inlineCount_], &placed);
        if (placed)
            placed_ |= static_cast<std::uint8_t>(1u << inlineCount_);
        inline_[inlineCount_++] = MadeFacet{iid, facet};
        return facet;
    }
    more_.reserve(more_.size() + 1);
    FacetBase* facet = row.make(*this, nullptr, &placed);
    more_.push_back(MadeFacet{iid, facet});
    return facet;
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
    ModelObject* object = file->FindLive(subject);
    if (!object) {
        const ClassDef* c = ClassOfSubject(*file, subject);
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
