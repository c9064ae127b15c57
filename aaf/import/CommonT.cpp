#include "aaf/import/CommonT.h"

#include <vector>

#include "aaf/CheckHResult.h"
#include "aaf/HeldInterface.h"
#include "aaf/TextConversion.h"

namespace {

// Stored values are far smaller; a larger length comes from a damaged file.
constexpr aafUInt32 kMaxValueBytes = 1u << 20;

template <class Interface>
std::string ReadValueText(Interface* iface)
{
    CheckNotNull(iface, "CommonT: GetValue");
    aafUInt32 length = 0;
    if (iface->GetValueBufLen(&length) != 0 || length == 0 || length > kMaxValueBytes)
        return std::string();
    std::vector<aafUInt8> bytes(length, 0);
    aafUInt32 read = 0;
    if (iface->GetValue(length, bytes.data(), &read) != 0)
        return std::string();
    return WideBytesToString(bytes.data(), read < length ? read : length);
}

// Each of count tagged values of the enumerator, stored by its own name with its value text; an
// enumerator that fails has nothing more to give.
void StoreTaggedValues(IEnumAAFTaggedValues* values, aafUInt32 count, std::map<std::string, TaggedValueEntry>& map,
                       bool readCategory)
{
    for (aafUInt32 i = 0; i < count; ++i) {
        Held<IAAFTaggedValue> tagged;
        if (!Obtained(values->NextOne(tagged.out()), tagged))
            break;
        const std::string name = CommonT::GetName(tagged.get());
        const std::string text = CommonT::GetValue(tagged.get());
        std::int32_t category = 0;
        if (readCategory) {
            Held<IAAFTypeDef> type;
            CheckHResult("GetTypeDefinition",
                         CheckNotNull(tagged.get(), "CommonT: GetTypeDefinition")->GetTypeDefinition(type.out()),
                         kAafCallFailed);
            eAAFTypeCategory_t typeCategory = kAAFTypeCatUnknown;
            CheckHResult("GetTypeCategory",
                         CheckNotNull(type.get(), "CommonT: GetTypeCategory")->GetTypeCategory(&typeCategory),
                         kAafCallFailed);
            category = static_cast<std::int32_t>(typeCategory);
        }
        map[name] = TaggedValueEntry(name, text, category);
    }
}

}  // namespace

std::string CommonT::GetName(IAAFMob* mob)
{
    return ReadText(mob, "CommonT: GetName", &IAAFMob::GetNameBufLen, &IAAFMob::GetName);
}

std::string CommonT::GetName(IAAFMobSlot* slot)
{
    return ReadText(slot, "CommonT: GetName", &IAAFMobSlot::GetNameBufLen, &IAAFMobSlot::GetName);
}

std::string CommonT::GetName(IAAFTextLocator* locator)
{
    return ReadText(locator, "CommonT: GetName", &IAAFTextLocator::GetNameBufLen, &IAAFTextLocator::GetName);
}

std::string CommonT::GetName(IAAFTaggedValue* taggedValue)
{
    return ReadText(taggedValue, "CommonT: GetName", &IAAFTaggedValue::GetNameBufLen, &IAAFTaggedValue::GetName);
}

std::string CommonT::GetValue(IAAFTaggedValue* taggedValue)
{
    return ReadValueText(taggedValue);
}

std::string CommonT::GetValue(IAAFKLVData* klvData)
{
    return ReadValueText(klvData);
}

void CommonT::GetComments(IAAFMob* mob, std::map<std::string, TaggedValueEntry>& map)
{
    CheckNotNull(mob, "CommonT: GetComments");
    aafUInt32 count = 0;
    CheckHResult("CountComments", CheckNotNull(mob, "CommonT: CountComments")->CountComments(&count), kAafCallFailed);
    Held<IEnumAAFTaggedValues> comments;
    if (count == 0 || !Obtained(mob->GetComments(comments.out()), comments))
        return;
    StoreTaggedValues(comments.get(), count, map, true);
}

void CommonT::GetKLVData(IAAFMob2* mob, std::map<std::string, TaggedValueEntry>& map)
{
    CheckNotNull(mob, "CommonT: GetKLVData");
    aafUInt32 count = 0;
    CheckHResult("CountKLVData", CheckNotNull(mob, "CommonT: CountKLVData")->CountKLVData(&count), kAafCallFailed);
    Held<IEnumAAFKLVData> items;
    if (count == 0 || !Obtained(mob->GetKLVData(items.out()), items))
        return;
    for (aafUInt32 i = 0; i < count; ++i) {
        Held<IAAFKLVData> item;
        if (!Obtained(items->NextOne(item.out()), item))
            break;
        map["Key"] = TaggedValueEntry("Key", GetValue(item.get()), 0);
    }
}

void CommonT::GetAttributes(IAAFMob2* mob, std::map<std::string, TaggedValueEntry>& map)
{
    CheckNotNull(mob, "CommonT: GetAttributes");
    aafUInt32 count = 0;
    CheckHResult("CountAttributes", CheckNotNull(mob, "CommonT: CountAttributes")->CountAttributes(&count),
                 kAafCallFailed);
    Held<IEnumAAFTaggedValues> attributes;
    if (count == 0 || !Obtained(mob->GetAttributes(attributes.out()), attributes))
        return;
    StoreTaggedValues(attributes.get(), count, map, false);
}
