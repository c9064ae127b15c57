// Tagged values, KLV data and type definitions.

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/NativeValue.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

// KLV values are opaque: their stored bytes as they are.
HRESULT OpaqueBufLen(const StoredObject& object, std::uint16_t pid, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = TypedValueBytes(object, pid, &bytes, nullptr);
    if (hr == AAFRESULT_SUCCESS)
        *out = static_cast<aafUInt32>(bytes.size());
    return hr;
}

HRESULT CopyOpaque(const StoredObject& object, std::uint16_t pid, aafUInt32 size, aafDataBuffer_t buffer,
                   aafUInt32* read)
{
    if (!buffer || !read)
        return AAFRESULT_NULL_PARAM;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = TypedValueBytes(object, pid, &bytes, nullptr);
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
    // The value in the SDK's in-memory form: a Boolean as 4 bytes, a record as its structure.
    HRESULT GetValueBufLen(aafUInt32* pLen) override
    {
        return IndirectValueBufLen(self(), pids::kTaggedValueValue, pLen);
    }
    HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) override
    {
        return CopyIndirectValue(self(), pids::kTaggedValueValue, valueSize, pValue, pBytesRead);
    }
    HRESULT GetTypeDefinition(IAAFTypeDef** ppTypeDef) override
    {
        return IndirectTypeDefinition(self(), pids::kTaggedValueValue, ppTypeDef);
    }
};

class KLVData final : public Facet<IAAFKLVData> {
public:
    using Facet::Facet;
    HRESULT GetValueBufLen(aafUInt32* pLen) override { return OpaqueBufLen(stored(), pids::kKLVDataValue, pLen); }
    HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) override
    {
        return CopyOpaque(stored(), pids::kKLVDataValue, valueSize, pValue, pBytesRead);
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
