#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "aafsdk/include/AAF.h"
#include "records/Auid.h"

class ItemSlot;
struct PropertyValueList;
struct TaggedValueEntry;

// Queries the interface held in the holder slot for iid into the out slot and returns the query's
// result; a null holder gives AAFRESULT_BADINDEX without any call. The name ("IID_IAAFMob2") is
// for tracing only. The out slot is left null unless the query succeeded.
template <class Out, class Holder>
HRESULT GetInterface(Out** out, REFIID iid, [[maybe_unused]] const char* name, Holder* holder)
{
    *out = nullptr;
    if (holder == nullptr)
        return AAFRESULT_BADINDEX;
    void* raw = nullptr;
    const HRESULT result = holder->QueryInterface(iid, &raw);
    if (result >= 0)
        *out = static_cast<Out*>(raw);
    return result;
}

// Releases the interface in the slot, if any, and empties the slot.
template <class Interface>
void ReleaseInterface(Interface*& slot)
{
    if (slot != nullptr) {
        slot->Release();
        slot = nullptr;
    }
}

// The head of every AAF wrapper. A wrapper owns one reference on each interface it holds; its own
// destructor releases its typed interfaces, and this head then releases the object interface.
struct ObjectT {
    // Result of the wrapper's last construction step; negative when construction failed, and every
    // later step then does nothing.
    std::int32_t status = 0;
    // Result of a second, optional query (such as IAAFMob2 beside IAAFMob); 0 when none is made.
    std::int32_t secondStatus = 0;
    IAAFObject* object = nullptr;
    std::uint32_t propertyCount = 0;

    ObjectT() = default;
    ObjectT(const ObjectT&) = delete;
    ObjectT& operator=(const ObjectT&) = delete;
    ~ObjectT() { ReleaseObject(); }

    // Counts the object's properties into propertyCount; a null object or a failed count raises.
    std::int32_t CountProperties();
    void ReleaseObject() { ReleaseInterface(object); }

    // The object's property values (PropertyValues.cpp). Appends the value of the property whose
    // definition's AUID is id, looked up directly; nothing when no properties were counted before.
    // Returns status.
    std::int32_t CollectPropertyValues(PropertyValueList& list, const Auid& id);
    // The same, with the values of tagged values read only where readValueOf takes the name: the
    // others are listed by name alone.
    using TaggedValueNameFilter = bool (*)(const std::string& name);
    std::int32_t CollectPropertyValues(PropertyValueList& list, const Auid& id, TaggedValueNameFilter readValueOf);
    // The comment tagged values of the object's attributes become clip comments of the current item
    // (the top of the import's item stack; null when it is empty, and then nothing is read).
    void AddCommentsToCurrentItem(ItemSlot* currentItem);
    // The object's attribute tagged values by name; a later one replaces an earlier one. Nothing is
    // read without a current item.
    void CollectTaggedValues(std::map<std::string, TaggedValueEntry>& map, const ItemSlot* currentItem);
};
