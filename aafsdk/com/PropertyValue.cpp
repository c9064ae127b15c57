#include "aafsdk/com/PropertyValue.h"

#include "aafsdk/com/ObjectEnumerator.h"

namespace aafsdk::com {
namespace {

const TypeDef* ElementType(const Value& collection)
{
    const TypeDef* t = collection.type;
    for (int i = 0; t && t->category == TypeCategory::Rename && i < 32; ++i)
        t = t->element;
    return t ? t->element : nullptr;
}

bool IsStrongCollection(ValueKind kind)
{
    return kind == ValueKind::StrongReferenceVector || kind == ValueKind::StrongReferenceSet;
}

bool IsWeakCollection(ValueKind kind)
{
    return kind == ValueKind::WeakReferenceVector || kind == ValueKind::WeakReferenceSet;
}

}  // namespace

HRESULT PropertyValue::IsDefinedType(aafBoolean_t* pIsDefined)
{
    if (!pIsDefined)
        return AAFRESULT_NULL_PARAM;
    *pIsDefined = kAAFTrue;
    return AAFRESULT_SUCCESS;
}

HRESULT PropertyValue::GetType(IAAFTypeDef** ppTypeDef)
{
    if (!ppTypeDef)
        return AAFRESULT_NULL_PARAM;
    *ppTypeDef = nullptr;
    if (!value_.type)
        return AAFRESULT_TYPE_NOT_FOUND;
    return HandSubject(file_, Subject::OfType(value_.type), ppTypeDef);
}

HRESULT HandValue(const FilePtr& file, Value value, IAAFPropertyValue** out)
{
    return MakeStandalone<PropertyValue>(out, file, std::move(value));
}

std::size_t ElementCount(const Value& collection)
{
    switch (collection.kind) {
    case ValueKind::FixedArray:
    case ValueKind::VariableArray:
    case ValueKind::Set:
        return collection.count;
    case ValueKind::StrongReferenceVector:
    case ValueKind::StrongReferenceSet:
        return collection.objects.size();
    case ValueKind::WeakReferenceVector:
    case ValueKind::WeakReferenceSet:
        return collection.targets.size();
    default:
        return 0;
    }
}

bool CollectionElement(const Value& collection, std::size_t index, Value* out)
{
    if (index >= ElementCount(collection))
        return false;
    if (IsStrongCollection(collection.kind) || IsWeakCollection(collection.kind)) {
        *out = Value{};
        out->type = ElementType(collection);
        if (IsStrongCollection(collection.kind)) {
            out->kind = ValueKind::StrongReference;
            out->objects = {collection.objects[index]};
        } else {
            out->kind = ValueKind::WeakReference;
            out->targets = {collection.targets[index]};
        }
        out->count = 1;
        return true;
    }
    return ElementAt(collection, index, out);
}

HRESULT PropertyValueEnumerator::NextOne(IAAFPropertyValue** ppPropertyValue)
{
    if (!ppPropertyValue)
        return AAFRESULT_NULL_PARAM;
    *ppPropertyValue = nullptr;
    Value element;
    if (next_ >= ElementCount(collection_))
        return AAFRESULT_NO_MORE_OBJECTS;
    if (!CollectionElement(collection_, next_++, &element))
        return AAFRESULT_BAD_PROP;
    return HandValue(file_, std::move(element), ppPropertyValue);
}

}  // namespace aafsdk::com
