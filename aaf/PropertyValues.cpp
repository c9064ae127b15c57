#include "aaf/PropertyValues.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "aaf/Auid.h"
#include "aaf/CheckHResult.h"
#include "aaf/DefinitionT.h"
#include "aaf/HeldInterface.h"
#include "aaf/ObjectT.h"
#include "aaf/ReferencedParameterReader.h"
#include "aaf/TextConversion.h"
#include "aaf/ValueMakers.h"
#include "fcpxml/CommentText.h"
#include "fcpxml/ItemSlot.h"
#include "records/ParameterRecord.h"

namespace {

constexpr Auid kTaggedValueStrongReference = {0x05021A00, 0x0000, 0x0000, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kParameterStrongReference = {0x05021600, 0x0000, 0x0000, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kStringType = {0x01100200, 0x0000, 0x0000, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kInt32Type = {0x01010700, 0x0000, 0x0000, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};

// Stored values are far smaller; a larger size or count comes from a damaged file.
constexpr aafUInt32 kMaxValueBytes = 1u << 20;
// Sets nest values within values; a damaged file must not recurse without end.
constexpr int kMaxNesting = 32;

// Integers of 1 and 2 bytes widen as unsigned, 8-byte integers keep their low 32 bits.
bool ReadInteger(IAAFTypeDefInt* type, IAAFPropertyValue* value, ValueBase** out)
{
    aafUInt32 size = 0;
    if (type->GetSize(&size) != 0)
        size = 0;
    if (value == nullptr || (size != 1 && size != 2 && size != 4 && size != 8))
        return false;
    aafUInt8 bytes[8] = {};
    if (type->GetInteger(value, bytes, size) < 0)
        return false;
    std::int32_t result = 0;
    if (size == 1) {
        result = bytes[0];
    } else if (size == 2) {
        std::uint16_t v;
        std::memcpy(&v, bytes, sizeof v);
        result = v;
    } else if (size == 4) {
        std::memcpy(&result, bytes, sizeof result);
    } else {
        std::int64_t v;
        std::memcpy(&v, bytes, sizeof v);
        result = static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
    }
    MakeIntValue(result, out);
    return true;
}

void ReadString(IAAFTypeDefString* type, IAAFPropertyValue* value, PropertyValueList& list)
{
    if (value == nullptr)
        return;
    std::string text;
    aafUInt32 count = 0;  // characters, terminator included
    if (type->GetCount(value, &count) >= 0 && count > 0 && count <= kMaxValueBytes / sizeof(aafCharacter)) {
        std::vector<aafCharacter> characters(count + 1, u'\0');
        if (type->GetElements(value, characters.data(), count * sizeof(aafCharacter)) >= 0)
            text = CharsToString(count, characters.data());
    }
    ValueBase* made = nullptr;
    MakeStringValue(&made, text);
    list.Append(made);
}

// The bytes of a tagged value's value, at most kMaxValueBytes; false when they cannot be read.
bool ReadTaggedBytes(IAAFTaggedValue* tagged, aafUInt32 size, std::vector<aafUInt8>& bytes)
{
    bytes.assign(size, 0);
    aafUInt32 read = 0;
    if (tagged->GetValue(size, bytes.data(), &read) < 0)
        return false;
    bytes.resize(std::min(read, size));
    return true;
}

using TaggedValueNameFilter = ObjectT::TaggedValueNameFilter;

// The tagged-value object an object reference points at: its name, and its value when it is a
// text or an Int32 and the filter (when there is one) takes the name. False when it cannot be had.
bool ReadReferencedTaggedValue(IAAFTypeDefObjectRef* reference, IAAFPropertyValue* element, TaggedValueEntry& entry,
                               TaggedValueNameFilter keep)
{
    Held<IUnknown> object;
    if (!Obtained(reference->GetObject(element, IID_IAAFTaggedValue, object.out()), object))
        return false;
    auto* tagged = static_cast<IAAFTaggedValue*>(object.get());
    entry.name = ReadText(tagged, "CommonT: GetName", &IAAFTaggedValue::GetNameBufLen, &IAAFTaggedValue::GetName);
    entry.typeCategory = -1;
    if (keep != nullptr && !keep(entry.name))
        return true;

    Held<IAAFTypeDef> typeDefinition;
    if (!Obtained(tagged->GetTypeDefinition(typeDefinition.out()), typeDefinition))
        return true;
    DefinitionT type;
    if (type.ReadMetaDefinitionId(typeDefinition.get()) < 0)
        return true;
    std::vector<aafUInt8> bytes;
    if (AuidEquals(type.id, kStringType)) {
        aafUInt32 length = 0;
        if (tagged->GetValueBufLen(&length) >= 0 && length <= kMaxValueBytes && ReadTaggedBytes(tagged, length, bytes)) {
            // The value's own length bounds the text: it need not be terminated.
            std::string text = WideBytesToString(bytes.data(), bytes.size());
            if (!text.empty())
                MakeStringValue(&entry.value, text);
        }
    } else if (AuidEquals(type.id, kInt32Type)) {
        if (ReadTaggedBytes(tagged, 4, bytes) && !bytes.empty()) {
            aafUInt8 word[4] = {};
            std::memcpy(word, bytes.data(), bytes.size());
            std::int32_t v;
            std::memcpy(&v, word, sizeof v);
            MakeIntValue(v, &entry.value);
        }
    }
    return true;
}

std::int32_t ReadTypedValueAt(IAAFTypeDef* type, IAAFPropertyValue* value, PropertyValueList& list, int depth,
                              TaggedValueNameFilter keep);

void ReadSet(IAAFTypeDefSet* type, IAAFPropertyValue* value, PropertyValueList& list, int depth,
             TaggedValueNameFilter keep)
{
    aafUInt32 count = 0;
    if (CheckNotNull(type, "TypeDefSetR: GetCount")->GetCount(value, &count) != 0 || count == 0)
        return;
    Held<IEnumAAFPropertyValues> elements;
    if (!Obtained(CheckNotNull(type, "TypeDefSetR: GetElements")->GetElements(value, elements.out()), elements))
        return;
    for (aafUInt32 i = 0; i < count; ++i) {
        Held<IAAFPropertyValue> element;
        // An exhausted or failing enumerator has nothing more to give.
        if (!Obtained(elements->NextOne(element.out()), element))
            break;
        Held<IAAFTypeDef> elementType;
        CheckHResult("GetType", CheckNotNull(element.get(), "CommonT: GetType")->GetType(elementType.out()), kAafCallFailed);
        if (elementType && depth < kMaxNesting)
            ReadTypedValueAt(elementType.get(), element.get(), list, depth + 1, keep);
    }
}

void ReadVariableArray(IAAFTypeDefVariableArray* type, IAAFPropertyValue* value, PropertyValueList& list,
                       TaggedValueNameFilter keep)
{
    Held<IAAFTypeDef> elementType;
    if (value == nullptr || !Obtained(type->GetType(elementType.out()), elementType))
        return;
    DefinitionT elementDefinition;
    if (elementDefinition.ReadMetaDefinitionId(elementType.get()) < 0)
        return;
    const Auid elementTypeId = elementDefinition.id;
    aafUInt32 count = 0;
    if (CheckNotNull(type, "TypeDefVariableArrayR: GetCount")->GetCount(value, &count) != 0)
        count = 0;
    for (aafUInt32 i = 0; i < count; ++i) {
        Held<IAAFPropertyValue> element;
        // Indexes past a failing one fail too.
        if (!Obtained(type->GetElementValue(value, i, element.out()), element))
            break;
        Held<IAAFTypeDefStrongObjRef> strongReference;
        Held<IAAFTypeDefObjectRef> reference;
        if (GetInterface(strongReference.out(), IID_IAAFTypeDefStrongObjRef, "IID_IAAFTypeDefStrongObjRef",
                         elementType.get()) < 0 ||
            GetInterface(reference.out(), IID_IAAFTypeDefObjectRef, "IID_IAAFTypeDefObjectRef",
                         strongReference.get()) < 0 ||
            !reference)
            continue;
        if (AuidEquals(elementTypeId, kTaggedValueStrongReference)) {
            TaggedValueEntry entry;
            if (ReadReferencedTaggedValue(reference.get(), element.get(), entry, keep)) {
                ValueBase* made = nullptr;
                MakeTaggedValue(&made, entry);
                list.Append(made);
            }
        } else if (AuidEquals(elementTypeId, kParameterStrongReference)) {
            ReferencedParameterReader* reader = GetReferencedParameterReader();
            if (reader == nullptr)
                continue;
            Auid definition;
            ParameterRecord record;
            reader->Read(reference.get(), element.get(), definition, record);
            if (!record.constantValues.empty() && HasValue(record.constantValues.front())) {
                ValueBase* made = nullptr;
                MakeParamRefValue(&made, definition, record.constantValues.front());
                list.Append(made);
            }
        }
    }
}

void ReadRecord(IAAFTypeDefRecord* type, IAAFPropertyValue* value, PropertyValueList& list)
{
    aafUInt32 count = 0;
    if (type->GetCount(&count) != 0)
        count = 0;
    std::vector<TaggedValueEntry> retained;
    for (aafUInt32 i = 0; i < count; ++i) {
        TaggedValueEntry entry;
        CheckNotNull(type, "TypeDefRecordR: GetMemberName");
        entry.name = ReadTextWith([&](aafUInt32* bytes) { return type->GetMemberNameBufLen(i, bytes); },
                                  [&](aafCharacter* text, aafUInt32 bytes) { return type->GetMemberName(i, text, bytes); });
        Held<IAAFTypeDef> memberType;
        Held<IAAFPropertyValue> memberValue;
        Held<IAAFTypeDefInt> integerType;
        if (Obtained(type->GetMemberType(i, memberType.out()), memberType) &&
            Obtained(type->GetValue(value, i, memberValue.out()), memberValue) &&
            GetInterface(integerType.out(), IID_IAAFTypeDefInt, "IID_IAAFTypeDefInt", memberType.get()) >= 0 &&
            integerType)
            ReadInteger(integerType.get(), memberValue.get(), &entry.value);
        if (HasValue(entry.value))
            retained.push_back(entry);
    }
    ValueBase* made = nullptr;
    MakeTaggedValueVector(retained, &made);
    list.Append(made);
}

std::int32_t ReadTypedValueAt(IAAFTypeDef* type, IAAFPropertyValue* value, PropertyValueList& list, int depth,
                              TaggedValueNameFilter keep)
{
    Held<IAAFTypeDefInt> integer;
    HRESULT result = GetInterface(integer.out(), IID_IAAFTypeDefInt, "IID_IAAFTypeDefInt", type);
    if (result >= 0 && integer) {
        ValueBase* made = nullptr;
        if (ReadInteger(integer.get(), value, &made))
            list.Append(made);
        return 0;
    }
    Held<IAAFTypeDefString> text;
    result = GetInterface(text.out(), IID_IAAFTypeDefString, "IID_IAAFTypeDefString", type);
    if (result >= 0 && text) {
        ReadString(text.get(), value, list);
        return 0;
    }
    Held<IAAFTypeDefSet> set;
    result = GetInterface(set.out(), IID_IAAFTypeDefSet, "IID_IAAFTypeDefSet", type);
    if (result >= 0 && set) {
        ReadSet(set.get(), value, list, depth, keep);
        return 0;
    }
    Held<IAAFTypeDefVariableArray> array;
    result = GetInterface(array.out(), IID_IAAFTypeDefVariableArray, "IID_IAAFTypeDefVariableArray", type);
    if (result >= 0 && array) {
        ReadVariableArray(array.get(), value, list, keep);
        return 0;
    }
    Held<IAAFTypeDefRecord> record;
    result = GetInterface(record.out(), IID_IAAFTypeDefRecord, "IID_IAAFTypeDefRecord", type);
    if (result >= 0 && record) {
        ReadRecord(record.get(), value, list);
        return 0;
    }
    return result;
}

// The values of the object's property of that AUID, looked up directly; nothing when no properties
// were counted before.
std::int32_t CollectValues(ObjectT& object, PropertyValueList& list, const Auid& id, TaggedValueNameFilter keep)
{
    if (object.status < 0 || object.object == nullptr || object.propertyCount == 0)
        return object.status;
    Held<IAAFPropertyValue> value;
    if (object.object->LookupPropertyValue(ToAafUid(id), value.out()) < 0)
        return object.status;
    CheckNotNull(value.get(), "CommonT: Initialize");
    aafBoolean_t defined = kAAFFalse;
    Held<IAAFTypeDef> type;
    if (value->IsDefinedType(&defined) >= 0 && defined != kAAFFalse && Obtained(value->GetType(type.out()), type))
        ReadTypedValueAt(type.get(), value.get(), list, 0, keep);
    return object.status;
}

const std::string kCommentTag = "_COMMENT";

// The names of comment tagged values are parts of the tag.
bool IsCommentName(const std::string& name) { return kCommentTag.find(name) != std::string::npos; }

}  // namespace

PropertyValueList::~PropertyValueList()
{
    for (ValueBase* value : values)
        delete value;
}

void PropertyValueList::Append(ValueBase* value)
{
    std::unique_ptr<ValueBase> guard(value);
    values.push_back(value);
    guard.release();
}

std::int32_t ReadTypedValue(IAAFTypeDef* type, IAAFPropertyValue* value, PropertyValueList& list)
{
    return ReadTypedValueAt(type, value, list, 0, nullptr);
}

Auid GetTypeDefinitionAuid(IUnknown* typeDefinition)
{
    DefinitionT definition;
    definition.ReadMetaDefinitionId(typeDefinition);
    return definition.id;
}

void GetArrayElementTypeAuid(Auid& out, std::int32_t& status, IUnknown* typeDefinition)
{
    Held<IAAFTypeDefVariableArray> array;
    status = GetInterface(array.out(), IID_IAAFTypeDefVariableArray, "IID_IAAFTypeDefVariableArray", typeDefinition);
    Held<IAAFTypeDef> elementType;
    if (status < 0 || !array || !Obtained(array->GetType(elementType.out()), elementType))
        return;
    DefinitionT element;
    if (element.ReadMetaDefinitionId(elementType.get()) >= 0)
        out = element.id;
}

std::int32_t ObjectT::CollectPropertyValues(PropertyValueList& list, const Auid& id)
{
    return CollectValues(*this, list, id, nullptr);
}

std::int32_t ObjectT::CollectPropertyValues(PropertyValueList& list, const Auid& id, TaggedValueNameFilter readValueOf)
{
    return CollectValues(*this, list, id, readValueOf);
}

void ObjectT::AddCommentsToCurrentItem(ItemSlot* currentItem)
{
    if (object == nullptr || currentItem == nullptr)
        return;
    PropertyValueList list;
    // The values of attributes other than comments, often long texts, are not read.
    if (CollectValues(*this, list, kAttributesPropertyId, IsCommentName) < 0)
        return;
    for (const ValueBase* value : list.values) {
        auto tagged = dynamic_cast<const TaggedValue*>(value);
        if (tagged == nullptr || !IsCommentName(tagged->entry.name))
            continue;
        CommentText comment;
        TaggedValueToCommentText(tagged->entry, comment);
        if (!comment.text.empty())
            AddItemClipComment(*currentItem, comment.text);
    }
}

void ObjectT::CollectTaggedValues(std::map<std::string, TaggedValueEntry>& map, const ItemSlot* currentItem)
{
    if (object == nullptr || currentItem == nullptr)
        return;
    PropertyValueList list;
    CollectPropertyValues(list, kAttributesPropertyId);
    for (const ValueBase* value : list.values) {
        if (auto tagged = dynamic_cast<const TaggedValue*>(value)) {
            std::printf("\nCA: tag: %s\n", tagged->entry.name.c_str());
            map[tagged->entry.name] = tagged->entry;
        }
    }
}
