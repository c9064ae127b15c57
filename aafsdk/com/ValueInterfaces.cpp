// Tagged values, KLV data and type definitions.

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

constexpr std::uint8_t kLittleEndian = 0x4c;
constexpr std::size_t kTypedValueHeader = 17;  // byte order, then the value's type AUID

// The value bytes of an indirect or opaque property and the AUID of their type.
HRESULT TypedValue(const StoredObject& object, std::uint16_t pid, std::span<const std::uint8_t>* bytes, Auid* type)
{
    std::span<const std::uint8_t> all;
    const HRESULT hr = ReadBytes(object, pid, &all);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    if (all.size() < kTypedValueHeader || all[0] != kLittleEndian)
        return AAFRESULT_BAD_PROP;
    if (type)
        *type = Auid::FromBytes(all.subspan(1, 16));
    *bytes = all.subspan(kTypedValueHeader);
    return AAFRESULT_SUCCESS;
}

HRESULT ValueBufLen(const StoredObject& object, std::uint16_t pid, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = TypedValue(object, pid, &bytes, nullptr);
    if (hr == AAFRESULT_SUCCESS)
        *out = static_cast<aafUInt32>(bytes.size());
    return hr;
}

HRESULT Value(const StoredObject& object, std::uint16_t pid, aafUInt32 size, aafDataBuffer_t buffer, aafUInt32* read)
{
    if (!buffer || !read)
        return AAFRESULT_NULL_PARAM;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = TypedValue(object, pid, &bytes, nullptr);
    return hr != AAFRESULT_SUCCESS ? hr : CopyBytes(bytes, buffer, size, read);
}

class TaggedValue final : public Facet<IAAFTaggedValue> {
public:
    using Facet::Facet;
    HRESULT GetNameBufLen(aafUInt32* pBufSize) override
    {
        return TextPropertyBufLen(stored(), pids::kTaggedValueName, pBufSize);
    }
    HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) override
    {
        return CopyTextProperty(stored(), pids::kTaggedValueName, pName, bufSize);
    }
    HRESULT GetValueBufLen(aafUInt32* pLen) override { return ValueBufLen(stored(), pids::kTaggedValueValue, pLen); }
    HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) override
    {
        return Value(stored(), pids::kTaggedValueValue, valueSize, pValue, pBytesRead);
    }
    HRESULT GetTypeDefinition(IAAFTypeDef** ppTypeDef) override
    {
        if (!ppTypeDef)
            return AAFRESULT_NULL_PARAM;
        *ppTypeDef = nullptr;
        std::span<const std::uint8_t> bytes;
        Auid typeId;
        const HRESULT hr = TypedValue(stored(), pids::kTaggedValueValue, &bytes, &typeId);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        const TypeDef* type = self().model().model().FindType(typeId);
        return type ? HandSubject(self().file(), Subject::OfType(type), ppTypeDef) : AAFRESULT_TYPE_NOT_FOUND;
    }
};

class KLVData final : public Facet<IAAFKLVData> {
public:
    using Facet::Facet;
    HRESULT GetValueBufLen(aafUInt32* pLen) override { return ValueBufLen(stored(), pids::kKLVDataValue, pLen); }
    HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) override
    {
        return Value(stored(), pids::kKLVDataValue, valueSize, pValue, pBytesRead);
    }
};

eAAFTypeCategory_t SdkCategory(TypeCategory c)
{
    switch (c) {
    case TypeCategory::Integer: return kAAFTypeCatInt;
    case TypeCategory::Character: return kAAFTypeCatCharacter;
    case TypeCategory::String: return kAAFTypeCatString;
    case TypeCategory::Record: return kAAFTypeCatRecord;
    case TypeCategory::Enumeration: return kAAFTypeCatEnum;
    case TypeCategory::ExtendibleEnumeration: return kAAFTypeCatExtEnum;
    case TypeCategory::FixedArray: return kAAFTypeCatFixedArray;
    case TypeCategory::VariableArray: return kAAFTypeCatVariableArray;
    case TypeCategory::Set: return kAAFTypeCatSet;
    case TypeCategory::StrongObjectReference: return kAAFTypeCatStrongObjRef;
    case TypeCategory::WeakObjectReference: return kAAFTypeCatWeakObjRef;
    case TypeCategory::Rename: return kAAFTypeCatRename;
    case TypeCategory::Indirect: return kAAFTypeCatIndirect;
    case TypeCategory::Opaque: return kAAFTypeCatOpaque;
    case TypeCategory::Stream: return kAAFTypeCatStream;
    }
    return kAAFTypeCatUnknown;
}

class TypeDefinition final : public Facet<IAAFTypeDef> {
public:
    using Facet::Facet;
    HRESULT GetTypeCategory(eAAFTypeCategory_t* pTypeCategory) override
    {
        if (!pTypeCategory)
            return AAFRESULT_NULL_PARAM;
        const TypeDef* type = TypeOfSubject(self());
        if (!type)
            return AAFRESULT_TYPE_NOT_FOUND;
        *pTypeCategory = SdkCategory(type->category);
        return AAFRESULT_SUCCESS;
    }
};

constexpr InterfaceEntry kRows[] = {
    Row<TaggedValue>(classes::kTaggedValue),
    Row<KLVData>(classes::kKLVData),
    Row<TypeDefinition>(classes::kTypeDefinition),
};

}  // namespace

const TypeDef* TypeOfSubject(const ModelObject& object)
{
    if (object.subject().kind == Subject::Kind::Type)
        return object.subject().type;
    if (!object.stored())
        return nullptr;
    aafUID_t uid{};
    if (ReadUid(*object.stored(), pids::kMetaDefinitionIdentification, &uid) != AAFRESULT_SUCCESS)
        return nullptr;
    return object.model().model().FindType(AuidFromUid(uid));
}

std::span<const InterfaceEntry> ValueInterfaceRows()
{
    return kRows;
}

}  // namespace aafsdk::com
