// The typed faces of type definitions, which read property values of their type: integers,
// strings, sets, variable arrays, records and object references.

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/ObjectEnumerator.h"
#include "aafsdk/com/PropertyValue.h"

namespace aafsdk::com {
namespace {

// The model's type behind a facet of a given category.
HRESULT TypeOf(const ModelObject& self, TypeCategory category, const TypeDef** out)
{
    const TypeDef* t = TypeOfSubject(self);
    if (!t)
        return AAFRESULT_TYPE_NOT_FOUND;
    if (t->category != category)
        return AAFRESULT_BAD_TYPE_CATEGORY;
    *out = t;
    return AAFRESULT_SUCCESS;
}

// The value of a property value of this type: AAFRESULT_BAD_TYPE for a value of another type or
// one this layer did not hand out.
HRESULT ValueOf(const ModelObject& self, TypeCategory category, IAAFPropertyValue* pv, const PropertyValue** out)
{
    if (!pv)
        return AAFRESULT_NULL_PARAM;
    const TypeDef* t = nullptr;
    const HRESULT hr = TypeOf(self, category, &t);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    const PropertyValue* value = PropertyValue::Of(pv);
    if (!value || value->value().type != t || value->file() != self.file())
        return AAFRESULT_BAD_TYPE;
    *out = value;
    return AAFRESULT_SUCCESS;
}

HRESULT CountOf(const ModelObject& self, TypeCategory category, IAAFPropertyValue* pv, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    const PropertyValue* value = nullptr;
    const HRESULT hr = ValueOf(self, category, pv, &value);
    if (hr == AAFRESULT_SUCCESS)
        *out = static_cast<aafUInt32>(ElementCount(value->value()));
    return hr;
}

class TypeDefInt final : public Facet<IAAFTypeDefInt> {
public:
    using Facet::Facet;
    HRESULT GetSize(aafUInt32* pSize) override
    {
        if (!pSize)
            return AAFRESULT_NULL_PARAM;
        const TypeDef* t = nullptr;
        const HRESULT hr = TypeOf(self(), TypeCategory::Integer, &t);
        if (hr == AAFRESULT_SUCCESS)
            *pSize = t->size;
        return hr;
    }
    // The integer widened (by its signedness) or narrowed to valSize bytes; AAFRESULT_SMALLBUF
    // when valSize is below the type's size.
    HRESULT GetInteger(IAAFPropertyValue* pPropVal, aafMemPtr_t pVal, aafUInt32 valSize) override
    {
        if (!pVal)
            return AAFRESULT_NULL_PARAM;
        const PropertyValue* value = nullptr;
        const HRESULT hr = ValueOf(self(), TypeCategory::Integer, pPropVal, &value);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        if (valSize != 1 && valSize != 2 && valSize != 4 && valSize != 8)
            return AAFRESULT_BAD_SIZE;
        if (valSize < value->value().type->size)
            return AAFRESULT_SMALLBUF;
        // The decoded bits are sign-extended for signed types and zero-extended otherwise.
        for (aafUInt32 i = 0; i < valSize; ++i)
            pVal[i] = static_cast<aafUInt8>(value->value().bits >> (8 * i));
        return AAFRESULT_SUCCESS;
    }
};

class TypeDefString final : public Facet<IAAFTypeDefString> {
public:
    using Facet::Facet;
    HRESULT GetCount(IAAFPropertyValue* pPropVal, aafUInt32* pCount) override
    {
        if (!pCount)
            return AAFRESULT_NULL_PARAM;
        const PropertyValue* value = nullptr;
        const HRESULT hr = ValueOf(self(), TypeCategory::String, pPropVal, &value);
        if (hr == AAFRESULT_SUCCESS)
            *pCount = static_cast<aafUInt32>(value->value().text.size() + 1);
        return hr;
    }
    HRESULT GetElements(IAAFPropertyValue* pPropVal, aafCharacter* pBuffer, aafUInt32 bufferSize) override
    {
        if (!pBuffer)
            return AAFRESULT_NULL_PARAM;
        const PropertyValue* value = nullptr;
        const HRESULT hr = ValueOf(self(), TypeCategory::String, pPropVal, &value);
        return hr != AAFRESULT_SUCCESS ? hr : CopyText(value->value().text, pBuffer, bufferSize);
    }
};

class TypeDefSet final : public Facet<IAAFTypeDefSet> {
public:
    using Facet::Facet;
    HRESULT GetCount(IAAFPropertyValue* pSetPropertyValue, aafUInt32* pCount) override
    {
        return CountOf(self(), TypeCategory::Set, pSetPropertyValue, pCount);
    }
    HRESULT GetElements(IAAFPropertyValue* pSetPropertyValue, IEnumAAFPropertyValues** ppEnum) override
    {
        if (!ppEnum)
            return AAFRESULT_NULL_PARAM;
        *ppEnum = nullptr;
        const PropertyValue* value = nullptr;
        const HRESULT hr = ValueOf(self(), TypeCategory::Set, pSetPropertyValue, &value);
        return hr != AAFRESULT_SUCCESS ? hr
                                       : MakeStandalone<PropertyValueEnumerator>(ppEnum, value->file(), value->value());
    }
};

class TypeDefVariableArray final : public Facet<IAAFTypeDefVariableArray> {
public:
    using Facet::Facet;
    HRESULT GetType(IAAFTypeDef** ppTypeDef) override
    {
        if (!ppTypeDef)
            return AAFRESULT_NULL_PARAM;
        *ppTypeDef = nullptr;
        const TypeDef* t = nullptr;
        const HRESULT hr = TypeOf(self(), TypeCategory::VariableArray, &t);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        return t->element ? HandSubject(self().file(), Subject::OfType(t->element), ppTypeDef)
                          : AAFRESULT_TYPE_NOT_FOUND;
    }
    HRESULT GetCount(IAAFPropertyValue* pPropVal, aafUInt32* pCount) override
    {
        return CountOf(self(), TypeCategory::VariableArray, pPropVal, pCount);
    }
    HRESULT GetElementValue(IAAFPropertyValue* pInPropVal, aafUInt32 index, IAAFPropertyValue** ppOutPropVal) override
    {
        if (!ppOutPropVal)
            return AAFRESULT_NULL_PARAM;
        *ppOutPropVal = nullptr;
        const PropertyValue* value = nullptr;
        const HRESULT hr = ValueOf(self(), TypeCategory::VariableArray, pInPropVal, &value);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        Value element;
        if (index >= ElementCount(value->value()))
            return AAFRESULT_BADINDEX;
        if (!CollectionElement(value->value(), index, &element))
            return AAFRESULT_BAD_PROP;
        return HandValue(value->file(), std::move(element), ppOutPropVal);
    }
};

class TypeDefRecord final : public Facet<IAAFTypeDefRecord> {
public:
    using Facet::Facet;
    HRESULT GetCount(aafUInt32* pCount) override
    {
        if (!pCount)
            return AAFRESULT_NULL_PARAM;
        const TypeDef* t = nullptr;
        const HRESULT hr = TypeOf(self(), TypeCategory::Record, &t);
        if (hr == AAFRESULT_SUCCESS)
            *pCount = static_cast<aafUInt32>(t->members.size());
        return hr;
    }
    HRESULT GetMemberNameBufLen(aafUInt32 index, aafUInt32* pLen) override
    {
        if (!pLen)
            return AAFRESULT_NULL_PARAM;
        const RecordMember* m = nullptr;
        const HRESULT hr = Member(index, &m);
        return hr != AAFRESULT_SUCCESS ? hr : TextBufLen(Utf8ToUtf16(m->name), pLen);
    }
    HRESULT GetMemberName(aafUInt32 index, aafCharacter* pName, aafUInt32 bufSize) override
    {
        if (!pName)
            return AAFRESULT_NULL_PARAM;
        const RecordMember* m = nullptr;
        const HRESULT hr = Member(index, &m);
        return hr != AAFRESULT_SUCCESS ? hr : CopyText(Utf8ToUtf16(m->name), pName, bufSize);
    }
    HRESULT GetMemberType(aafUInt32 index, IAAFTypeDef** ppTypeDef) override
    {
        if (!ppTypeDef)
            return AAFRESULT_NULL_PARAM;
        *ppTypeDef = nullptr;
        const RecordMember* m = nullptr;
        const HRESULT hr = Member(index, &m);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        return m->type ? HandSubject(self().file(), Subject::OfType(m->type), ppTypeDef) : AAFRESULT_TYPE_NOT_FOUND;
    }
    HRESULT GetValue(IAAFPropertyValue* pInPropVal, aafUInt32 index, IAAFPropertyValue** ppOutPropVal) override
    {
        if (!ppOutPropVal)
            return AAFRESULT_NULL_PARAM;
        *ppOutPropVal = nullptr;
        const PropertyValue* value = nullptr;
        const HRESULT hr = ValueOf(self(), TypeCategory::Record, pInPropVal, &value);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        const auto& members = value->value().elements;
        if (index >= members.size())
            return AAFRESULT_BADINDEX;
        return HandValue(value->file(), members[index], ppOutPropVal);
    }

private:
    HRESULT Member(aafUInt32 index, const RecordMember** out) const
    {
        const TypeDef* t = nullptr;
        const HRESULT hr = TypeOf(self(), TypeCategory::Record, &t);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        if (index >= t->members.size())
            return AAFRESULT_BADINDEX;
        *out = &t->members[index];
        return AAFRESULT_SUCCESS;
    }
};

// Only queried: the element type of a strong-reference vector, read through IAAFTypeDefObjectRef.
class TypeDefStrongObjRef final : public Facet<IAAFTypeDefStrongObjRef> {
public:
    using Facet::Facet;
};

class TypeDefObjectRef final : public Facet<IAAFTypeDefObjectRef> {
public:
    using Facet::Facet;
    // The object a reference value leads to, as interface iid (E_NOINTERFACE when it has not that
    // interface); AAFRESULT_INVALID_OBJ for a weak reference to an object the file does not hold.
    HRESULT GetObject(IAAFPropertyValue* pPropVal, REFIID iid, IUnknown** ppObject) override
    {
        if (!ppObject || !pPropVal)
            return AAFRESULT_NULL_PARAM;
        *ppObject = nullptr;
        const TypeDef* t = TypeOfSubject(self());
        if (!t)
            return AAFRESULT_TYPE_NOT_FOUND;
        if (t->category != TypeCategory::StrongObjectReference && t->category != TypeCategory::WeakObjectReference)
            return AAFRESULT_BAD_TYPE_CATEGORY;
        const PropertyValue* value = PropertyValue::Of(pPropVal);
        if (!value || value->value().type != t || value->file() != self().file())
            return AAFRESULT_BAD_TYPE;
        const Value& v = value->value();
        ObjectId object = kNoObject;
        if (v.kind == ValueKind::StrongReference && v.objects.size() == 1)
            object = v.objects[0];
        else if (v.kind == ValueKind::WeakReference && v.targets.size() == 1)
            object = v.targets[0].object;
        else
            return AAFRESULT_BAD_TYPE;
        if (object >= self().graph().objects.size())
            return AAFRESULT_INVALID_OBJ;
        return ModelObject::Hand(self().file(), Subject::Stored(object), iid, reinterpret_cast<void**>(ppObject));
    }
};

constexpr InterfaceEntry kRows[] = {
    Row<TypeDefInt>(classes::kTypeDefinitionInteger),
    Row<TypeDefString>(classes::kTypeDefinitionString),
    Row<TypeDefSet>(classes::kTypeDefinitionSet),
    Row<TypeDefVariableArray>(classes::kTypeDefinitionVariableArray),
    Row<TypeDefRecord>(classes::kTypeDefinitionRecord),
    Row<TypeDefStrongObjRef>(classes::kTypeDefinitionStrongObjectReference),
    Row<TypeDefObjectRef>(classes::kTypeDefinitionStrongObjectReference),
    Row<TypeDefObjectRef>(classes::kTypeDefinitionWeakObjectReference),
};

}  // namespace

std::span<const InterfaceEntry> TypeDefinitionInterfaceRows()
{
    return kRows;
}

}  // namespace aafsdk::com
