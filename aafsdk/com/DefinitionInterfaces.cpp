// Names and identities of definitions: Dictionary definitions (IAAFDefObject) and the meta
// definitions of types and properties (IAAFMetaDefinition, IAAFPropertyDef).

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

// A name or description the model holds: absent when empty (built-in definitions have no
// description, and a definition known by its AUID alone has no name either).
struct Text {
    std::u16string text;
    bool present = false;
};

Text Present(std::u16string text)
{
    return Text{std::move(text), true};
}

Text FromModel(const std::string& utf8)
{
    return utf8.empty() ? Text{} : Present(Utf8ToUtf16(utf8));
}

HRESULT BufLenOf(const Text& t, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    return t.present ? TextBufLen(t.text, out) : AAFRESULT_PROP_NOT_PRESENT;
}

HRESULT CopyOf(const Text& t, aafCharacter* buffer, aafUInt32 bufSize)
{
    if (!buffer)
        return AAFRESULT_NULL_PARAM;
    return t.present ? CopyText(t.text, buffer, bufSize) : AAFRESULT_PROP_NOT_PRESENT;
}

// A stored text property read whole: absent, present, or an error.
HRESULT StoredText(const StoredObject& object, std::uint16_t pid, Text* out)
{
    const HRESULT hr = ReadText(object, pid, &out->text);
    out->present = hr == AAFRESULT_SUCCESS;
    return hr == AAFRESULT_PROP_NOT_PRESENT ? AAFRESULT_SUCCESS : hr;
}

enum class Which : std::uint8_t { Name, Description };

// The name and description methods IAAFDefObject and IAAFMetaDefinition share, over the
// definition's Read(Which, Text*).
template <class Derived, class I>
class NamedFacet : public Facet<I> {
public:
    using Facet<I>::Facet;
    HRESULT GetNameBufLen(aafUInt32* pBufSize) override { return BufLen(Which::Name, pBufSize); }
    HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) override { return Copy(Which::Name, pName, bufSize); }
    HRESULT GetDescriptionBufLen(aafUInt32* pBufSize) override { return BufLen(Which::Description, pBufSize); }
    HRESULT GetDescription(aafCharacter* pDescription, aafUInt32 bufSize) override
    {
        return Copy(Which::Description, pDescription, bufSize);
    }

private:
    HRESULT BufLen(Which which, aafUInt32* out) const
    {
        Text t;
        const HRESULT hr = static_cast<const Derived&>(*this).Read(which, &t);
        return hr != AAFRESULT_SUCCESS ? hr : BufLenOf(t, out);
    }
    HRESULT Copy(Which which, aafCharacter* buffer, aafUInt32 bufSize) const
    {
        Text t;
        const HRESULT hr = static_cast<const Derived&>(*this).Read(which, &t);
        return hr != AAFRESULT_SUCCESS ? hr : CopyOf(t, buffer, bufSize);
    }
};

// The Dictionary definition of a definition subject: the file's or a built-in one, or none for an
// AUID that no Dictionary knows.
const Definition* DictionaryEntry(const ModelObject& self)
{
    const Subject& s = self.subject();
    return self.model().dictionary().Find(s.definitionKind, s.id);
}

class DefObject final : public NamedFacet<DefObject, IAAFDefObject> {
public:
    using NamedFacet::NamedFacet;
    HRESULT GetAUID(aafUID_t* pAuid) override
    {
        if (!pAuid)
            return AAFRESULT_NULL_PARAM;
        if (!self().stored()) {
            *pAuid = UidFromAuid(self().subject().id);
            return AAFRESULT_SUCCESS;
        }
        return ReadUid(stored(), pids::kDefinitionObjectIdentification, pAuid);
    }
    // The stored texts, or for a definition the file does not store the Dictionary's.
    HRESULT Read(Which which, Text* out) const
    {
        if (self().stored())
            return StoredText(stored(),
                              which == Which::Name ? pids::kDefinitionObjectName : pids::kDefinitionObjectDescription,
                              out);
        const Definition* d = DictionaryEntry(self());
        if (d) {
            const std::u16string& text = which == Which::Name ? d->name : d->description;
            if (!text.empty())
                *out = Present(text);
        }
        return AAFRESULT_SUCCESS;
    }
};

// The identity and texts the model holds for a type or property subject.
struct ModelMeta {
    const Auid* id = nullptr;
    const std::string* name = nullptr;
    const std::string* description = nullptr;
};

bool ModelMetaOf(const Subject& s, ModelMeta* out)
{
    if (s.kind == Subject::Kind::Type && s.type)
        *out = ModelMeta{&s.type->id, &s.type->name, &s.type->description};
    else if (s.kind == Subject::Kind::Property && s.property)
        *out = ModelMeta{&s.property->id, &s.property->name, &s.property->description};
    else
        return false;
    return true;
}

class MetaDefinition final : public NamedFacet<MetaDefinition, IAAFMetaDefinition> {
public:
    using NamedFacet::NamedFacet;
    HRESULT GetAUID(aafUID_t* pAuid) override
    {
        if (!pAuid)
            return AAFRESULT_NULL_PARAM;
        ModelMeta m;
        if (ModelMetaOf(self().subject(), &m)) {
            *pAuid = UidFromAuid(*m.id);
            return AAFRESULT_SUCCESS;
        }
        if (!self().stored())
            return AAFRESULT_INVALID_OBJ;
        return ReadUid(stored(), pids::kMetaDefinitionIdentification, pAuid);
    }
    // The model's texts of a type or property, or those a stored meta definition holds.
    HRESULT Read(Which which, Text* out) const
    {
        ModelMeta m;
        if (ModelMetaOf(self().subject(), &m)) {
            *out = FromModel(which == Which::Name ? *m.name : *m.description);
            return AAFRESULT_SUCCESS;
        }
        if (!self().stored())
            return AAFRESULT_INVALID_OBJ;
        return StoredText(stored(),
                          which == Which::Name ? pids::kMetaDefinitionName : pids::kMetaDefinitionDescription, out);
    }
};

// Only queried, to be read as a meta definition.
class PropertyDef final : public Facet<IAAFPropertyDef> {
public:
    using Facet::Facet;
};

constexpr InterfaceEntry kRows[] = {
    Row<DefObject>(classes::kDefinitionObject),
    Row<MetaDefinition>(classes::kMetaDefinition),
    Row<PropertyDef>(classes::kPropertyDefinition),
};

}  // namespace

std::span<const InterfaceEntry> DefinitionInterfaceRows()
{
    return kRows;
}

HRESULT HandDefinition(const FilePtr& file, const StoredObject& owner, std::uint16_t pid, DefinitionKind kind,
                       const Auid& definitionClass, REFIID iid, void** out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = nullptr;
    WeakReference weak;
    const HRESULT hr = ReadWeakReference(owner, pid, &weak);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    const WeakTarget target = file->model().Resolve(weak);
    // The definition classes are built in: the nearest built-in class of the target (found once per
    // object) derives from one exactly when the target's own class does.
    if (target.object != kNoObject && file->KnownClassOf(target.object).IsA(definitionClass))
        return ModelObject::Hand(file, Subject::Stored(target.object), iid, out);
    if (weak.key.size != 16)
        return AAFRESULT_BAD_PROP;
    // A definition the file does not store still answers by its AUID (an unknown one has no name).
    return ModelObject::Hand(file, Subject::OfDefinition(kind, Auid::FromBytes(weak.key.view())), iid, out);
}

}  // namespace aafsdk::com
