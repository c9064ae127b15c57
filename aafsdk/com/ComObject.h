#pragma once

// The implementation side of the COM-style interfaces.
//
// Every AAF object that a caller reaches is one ModelObject: reference counted, it answers
// QueryInterface for every interface its class (or, for an extension class, its nearest known
// ancestor) has. Each interface is implemented by a small facet class deriving from Facet<I>; the
// facet forwards IUnknown to its ModelObject and is made on the first QueryInterface for it. Which
// facet answers which interface for which class is a table of InterfaceEntry rows: a new interface
// is a facet class plus a row, in its own source file, listed in InterfaceTables.h.
//
//     class SequenceFacet final : public Facet<IAAFSequence> {
//     public:
//         using Facet::Facet;
//         HRESULT CountComponents(aafUInt32* n) override { ... self().stored() ... }
//     };
//     const InterfaceEntry kRows[] = {Row<SequenceFacet>(classes::kSequence), ...};
//
// Things that are not objects of the file (enumerators, property values) derive from
// Standalone<I...>. Every object holds the FileState, so the file stays open while anything the
// caller got from it lives, and goes with the last Release.

#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <new>
#include <cstddef>
#include <span>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "aafsdk/include/AAF.h"
#include "aafsdk/model/FileModel.h"

namespace aafsdk::com {

class ModelObject;
struct InterfaceEntry;

// What an implementation object stands for: a stored object, a Dictionary definition the file
// does not store (a built-in one, or an AUID no Dictionary knows), or a type or property definition
// of the model.
struct Subject {
    enum class Kind : std::uint8_t { Stored, Definition, Type, Property };
    Kind kind = Kind::Stored;
    ObjectId object = kNoObject;
    DefinitionKind definitionKind = DefinitionKind::Data;
    Auid id;                                  // Definition: its AUID
    const TypeDef* type = nullptr;            // Type
    const PropertyDef* property = nullptr;    // Property

    static Subject Stored(ObjectId object)
    {
        return Subject{Kind::Stored, object, DefinitionKind::Data, {}, nullptr, nullptr};
    }
    static Subject OfDefinition(DefinitionKind kind, const Auid& id)
    {
        return Subject{Kind::Definition, kNoObject, kind, id, nullptr, nullptr};
    }
    static Subject OfType(const TypeDef* type)
    {
        return Subject{Kind::Type, kNoObject, DefinitionKind::Data, {}, type, nullptr};
    }
    static Subject OfProperty(const PropertyDef* property)
    {
        return Subject{Kind::Property, kNoObject, DefinitionKind::Data, {}, nullptr, property};
    }

    friend auto operator<=>(const Subject&, const Subject&) = default;
};

// One open file: the stored graph, its object model and the implementation objects alive on it.
class FileState {
public:
    FileState(std::unique_ptr<StoredGraph> graph, std::unique_ptr<FileModel> model);
    FileState(const FileState&) = delete;
    FileState& operator=(const FileState&) = delete;

    const StoredGraph& graph() const { return *graph_; }
    const FileModel& model() const { return *model_; }

    // Live objects by subject, so one AAF object is one implementation object. Entries are removed
    // by the objects themselves as they go. Stored objects are found by their id directly.
    ModelObject* FindLive(const Subject& subject) const;
    void AddLive(const Subject& subject, ModelObject* object);
    void RemoveLive(const Subject& subject);

    // The built-in class a stored object answers as (FileModel::KnownClassOf), found once.
    const ClassDef& KnownClassOf(ObjectId object);

    // Which row answers each interface for objects of one class: the rows' choice, made on the
    // first query of that interface, by the interface's index in the dispatch table.
    using Dispatch = std::vector<const InterfaceEntry*>;
    Dispatch& DispatchOf(const ClassDef& classDef, bool stored);

    // The mobs of one header's content storage by MobID, the first of each id (FindMob); made on the
    // first lookup, since a lookup per clip must not walk every mob.
    struct MobIndex {
        struct Hash {
            std::size_t operator()(const aafMobID_t& id) const noexcept;
        };
        ObjectId header = kNoObject;
        std::unordered_map<aafMobID_t, ObjectId, Hash> byId;
    };
    MobIndex& mobIndex() { return mobIndex_; }

    // The mobs of one kind under one header (MobsOfKind), kept for the next query: a count of a
    // kind is followed by the enumeration of the same kind.
    struct MobsOfKindCache {
        ObjectId header = kNoObject;
        aafMobKind_t kind = 0;
        std::vector<ObjectId> mobs;
    };
    MobsOfKindCache& lastMobsOfKind() { return lastMobsOfKind_; }

private:
    std::unique_ptr<StoredGraph> graph_;
    std::unique_ptr<FileModel> model_;
    struct StoredSlot {
        ModelObject* live = nullptr;
        const ClassDef* knownClass = nullptr;
    };
    std::vector<StoredSlot> stored_;
    std::map<Subject, ModelObject*> live_;  // subjects other than stored objects
    std::unordered_map<const ClassDef*, Dispatch> dispatch_[2];  // [stored]
    MobIndex mobIndex_;
    MobsOfKindCache lastMobsOfKind_;
};

using FilePtr = std::shared_ptr<FileState>;

// The interface id of each interface type.
template <class I>
struct IidOf;

struct FacetBase {
    virtual ~FacetBase() = default;
    virtual void* Pointer() = 0;
};

// Room an object keeps for its first facets, so that making one needs no allocation of its own.
inline constexpr std::size_t kInlineFacets = 4;
inline constexpr std::size_t kInlineFacetBytes = 4 * sizeof(void*);

// The implementation object of one AAF object.
class ModelObject final : public IUnknown {
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG AddRef() override;
    ULONG Release() override;

    const FilePtr& file() const { return file_; }
    const FileModel& model() const { return file_->model(); }
    const StoredGraph& graph() const { return file_->graph(); }
    const Subject& subject() const { return subject_; }
    // The stored object, or kNoObject for definitions and types the file does not store.
    ObjectId object() const { return subject_.object; }
    // nullptr when the subject is not a stored object.
    const StoredObject* stored() const
    {
        return subject_.kind == Subject::Kind::Stored ? &graph().object(subject_.object) : nullptr;
    }
    // The built-in class the object answers as.
    const ClassDef& classDef() const { return *class_; }
    bool IsA(const Auid& classId) const { return class_->IsA(classId); }

    // The implementation object of a subject (made when none lives), queried for iid. The object
    // goes again at once when it does not answer.
    [[nodiscard]] static HRESULT Hand(const FilePtr& file, const Subject& subject, REFIID iid, void** out);

private:
    ModelObject(FilePtr file, const Subject& subject, const ClassDef& classDef);
    ~ModelObject() override;

    FilePtr file_;
    Subject subject_;
    const ClassDef* class_;
    // Made facets by interface: the first kInlineFacets in inline_, each placed in its room when
    // it fits there (placed_ tells which), the others in more_; all but the placed on the heap.
    struct MadeFacet {
        IID iid;
        FacetBase* facet;
    };
    FacetBase* AddFacet(REFIID iid, const InterfaceEntry& row);

    FileState::Dispatch* dispatch_;
    ULONG refs_ = 0;
    std::uint8_t inlineCount_ = 0;
    std::uint8_t placed_ = 0;  // bit i: facet i is placed in room i
    MadeFacet inline_[kInlineFacets];
    alignas(std::max_align_t) unsigned char room_[kInlineFacets][kInlineFacetBytes];
    std::vector<MadeFacet> more_;
};

// Base of every facet: IUnknown goes to the owning object.
template <class I>
class Facet : public I, public FacetBase {
public:
    using Interface = I;
    explicit Facet(ModelObject& owner) : owner_(owner) {}

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override { return owner_.QueryInterface(riid, ppvObject); }
    ULONG AddRef() override { return owner_.AddRef(); }
    ULONG Release() override { return owner_.Release(); }
    void* Pointer() override { return static_cast<I*>(this); }

protected:
    ModelObject& self() const { return owner_; }
    const StoredObject& stored() const { return *owner_.stored(); }

private:
    ModelObject& owner_;
};

// One row of the dispatch table: objects whose class is classId or derives from it answer iid
// with a facet made by make. Rows whose subject is a definition or a type match on the class the
// subject answers as (DataDefinition, TypeDefinitionInteger, ...); a storedOnly row answers only
// for objects the file stores.
struct InterfaceEntry {
    IID iid;
    Auid classId;
    // Makes the facet in room (kInlineFacetBytes, max-aligned) when it fits there and room is given
    // (*placed says so), else on the heap.
    FacetBase* (*make)(ModelObject&, void* room, bool* placed);
    bool storedOnly = false;
};

template <class F>
FacetBase* MakeFacet(ModelObject& owner, void* room, bool* placed)
{
    if constexpr (sizeof(F) <= kInlineFacetBytes && alignof(F) <= alignof(std::max_align_t)) {
        if (room) {
            *placed = true;
            return new (room) F(owner);
        }
    }
    *placed = false;
    return new F(owner);
}

template <class F>
constexpr InterfaceEntry Row(const Auid& classId)
{
    return InterfaceEntry{IidOf<typename F::Interface>::value, classId, &MakeFacet<F>, false};
}

template <class F>
constexpr InterfaceEntry StoredRow(const Auid& classId)
{
    return InterfaceEntry{IidOf<typename F::Interface>::value, classId, &MakeFacet<F>, true};
}

// An object that is not one of the file's: implements the interfaces Is... itself.
template <class... Is>
class Standalone : public Is... {
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (!ppvObject)
            return AAFRESULT_NULL_PARAM;
        *ppvObject = nullptr;
        if (riid == IID_IUnknown)
            *ppvObject = static_cast<First*>(this);
        else
            (void)((riid == IidOf<Is>::value ? (*ppvObject = static_cast<Is*>(this), true) : false) || ...);
        if (!*ppvObject)
            return E_NOINTERFACE;
        ++refs_;
        return AAFRESULT_SUCCESS;
    }
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override
    {
        const ULONG left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }

    using First = std::tuple_element_t<0, std::tuple<Is...>>;

protected:
    Standalone() = default;
    virtual ~Standalone() = default;

private:
    ULONG refs_ = 0;
};

// Hands out the object behind a stored object id as interface I.
template <class I>
[[nodiscard]] HRESULT HandStored(const FilePtr& file, ObjectId object, I** out)
{
    return ModelObject::Hand(file, Subject::Stored(object), IidOf<I>::value, reinterpret_cast<void**>(out));
}

template <class I>
[[nodiscard]] HRESULT HandSubject(const FilePtr& file, const Subject& subject, I** out)
{
    return ModelObject::Hand(file, subject, IidOf<I>::value, reinterpret_cast<void**>(out));
}

#define AAFSDK_COM_IID(I)                                   \
    template <>                                             \
    struct IidOf<I> {                                       \
        static constexpr const IID& value = IID_##I;        \
    };
AAFSDK_COM_IID(IUnknown)
AAFSDK_COM_IID(IAAFFile)
AAFSDK_COM_IID(IAAFHeader)
AAFSDK_COM_IID(IAAFDictionary)
AAFSDK_COM_IID(IEnumAAFMobs)
AAFSDK_COM_IID(IAAFMob)
AAFSDK_COM_IID(IAAFMob2)
AAFSDK_COM_IID(IAAFMasterMob)
AAFSDK_COM_IID(IAAFCompositionMob)
AAFSDK_COM_IID(IAAFSourceMob)
AAFSDK_COM_IID(IEnumAAFTaggedValues)
AAFSDK_COM_IID(IEnumAAFKLVData)
AAFSDK_COM_IID(IAAFTaggedValue)
AAFSDK_COM_IID(IAAFKLVData)
AAFSDK_COM_IID(IAAFTypeDef)
AAFSDK_COM_IID(IAAFMobSlot)
AAFSDK_COM_IID(IAAFTimelineMobSlot)
AAFSDK_COM_IID(IAAFTimelineMobSlot2)
AAFSDK_COM_IID(IAAFEventMobSlot)
AAFSDK_COM_IID(IAAFEventMobSlot2)
AAFSDK_COM_IID(IAAFDataDef)
AAFSDK_COM_IID(IAAFDataDef2)
AAFSDK_COM_IID(IAAFDataDef3)
AAFSDK_COM_IID(IAAFSegment)
AAFSDK_COM_IID(IAAFComponent)
AAFSDK_COM_IID(IAAFSequence)
AAFSDK_COM_IID(IAAFFiller)
AAFSDK_COM_IID(IAAFNestedScope)
AAFSDK_COM_IID(IAAFScopeReference)
AAFSDK_COM_IID(IAAFSelector)
AAFSDK_COM_IID(IAAFSourceClip)
AAFSDK_COM_IID(IAAFEssenceGroup)
AAFSDK_COM_IID(IAAFTimecode)
AAFSDK_COM_IID(IAAFEvent)
AAFSDK_COM_IID(IAAFCommentMarker)
AAFSDK_COM_IID(IAAFDescriptiveMarker)
AAFSDK_COM_IID(IAAFGPITrigger)
AAFSDK_COM_IID(IAAFTransition)
AAFSDK_COM_IID(IAAFOperationGroup)
AAFSDK_COM_IID(IAAFOperationDef)
AAFSDK_COM_IID(IEnumAAFParameters)
AAFSDK_COM_IID(IAAFParameter)
AAFSDK_COM_IID(IAAFParameterDef)
AAFSDK_COM_IID(IAAFConstantValue)
AAFSDK_COM_IID(IAAFVaryingValue)
AAFSDK_COM_IID(IAAFControlPoint)
AAFSDK_COM_IID(IAAFInterpolationDef)
AAFSDK_COM_IID(IAAFDefObject)
AAFSDK_COM_IID(IAAFMetaDefinition)
AAFSDK_COM_IID(IAAFObject)
AAFSDK_COM_IID(IEnumAAFProperties)
AAFSDK_COM_IID(IAAFProperty)
AAFSDK_COM_IID(IAAFPropertyDef)
AAFSDK_COM_IID(IAAFPropertyValue)
AAFSDK_COM_IID(IEnumAAFPropertyValues)
AAFSDK_COM_IID(IAAFTypeDefInt)
AAFSDK_COM_IID(IAAFTypeDefString)
AAFSDK_COM_IID(IAAFTypeDefSet)
AAFSDK_COM_IID(IAAFTypeDefVariableArray)
AAFSDK_COM_IID(IAAFTypeDefRecord)
AAFSDK_COM_IID(IAAFTypeDefStrongObjRef)
AAFSDK_COM_IID(IAAFTypeDefObjectRef)
AAFSDK_COM_IID(IAAFEssenceDescriptor)
AAFSDK_COM_IID(IAAFFileDescriptor)
AAFSDK_COM_IID(IAAFDigitalImageDescriptor)
AAFSDK_COM_IID(IAAFDigitalImageDescriptor2)
AAFSDK_COM_IID(IAAFCDCIDescriptor)
AAFSDK_COM_IID(IAAFCDCIDescriptor2)
AAFSDK_COM_IID(IAAFRGBADescriptor)
AAFSDK_COM_IID(IAAFRGBADescriptor2)
AAFSDK_COM_IID(IAAFSoundDescriptor)
AAFSDK_COM_IID(IAAFPCMDescriptor)
AAFSDK_COM_IID(IAAFTapeDescriptor)
AAFSDK_COM_IID(IAAFLocator)
AAFSDK_COM_IID(IAAFTextLocator)
#undef AAFSDK_COM_IID

}  // namespace aafsdk::com
