#pragma once

#include <string>

#include "config/TranslationLog.h"
#include "fcpxml/TrimTagBase.h"

class ItemTagBase;
class FCPClipItemTag;
class FCPGeneratorItemTag;
class FCPTransitionItemTag;
class FCPFillerTag;
struct EffectInfo;

// The owning handle of one heap track item: a clip item, generator item, transition item or
// filler. Copying clones the item by its run-time class; a slot holding none of the four kinds
// copies as an empty slot. Destroying the slot deletes the item.
class ItemSlot {
public:
    ItemSlot() = default;
    // Takes ownership of item.
    explicit ItemSlot(ItemTagBase* item) : item_(item) {}
    ItemSlot(const ItemSlot& other);
    ItemSlot& operator=(const ItemSlot& other);
    ItemSlot(ItemSlot&& other) noexcept : item_(other.item_) { other.item_ = nullptr; }
    ItemSlot& operator=(ItemSlot&& other) noexcept;
    ~ItemSlot();

    ItemTagBase* get() const { return item_; }
    // Deletes the item held and takes ownership of item.
    void reset(ItemTagBase* item = nullptr);

private:
    ItemTagBase* item_ = nullptr;
};

// Each tests the item in the order clip item, generator item, transition item, filler.

// 1 to 4 for the four kinds, 0 for an empty slot or any other object.
int GetItemKind(const ItemSlot& slot);
// The item's media type; 2 for any other object.
int GetItemMediaType(const ItemSlot& slot);
// The item's five times; all 0 for any other object.
void GetItemTrimValues(const ItemSlot& slot, TrimValues& values);
// The item's times for changing in place; any other object's own, when it has them, else null.
TrimTagBase* GetItemTrim(const ItemSlot& slot);
// <clipitem>, <generatoritem> or <transitionitem>; a filler and any other object write nothing.
void WriteItem(const ItemSlot& slot);
// target := a new copy of source's item of the same class; empty for any other object.
void CloneItem(const ItemSlot& source, ItemSlot& target);
// Deletes the item through its virtual destructor; the slot is empty afterwards.
void DeleteItem(ItemSlot& slot);
// A translation record on a clip, generator or transition item; nothing for a filler.
void AddItemTranslation(const std::string& fcpName, const std::string& aafName,
                        const std::string& action, ItemSlot& slot, TranslationStatus status);
// The filter on a clip or generator item; nothing for the other kinds. Answers whether the item kept
// it (an audio clip item refuses a filter without data in its range).
bool AddFilterToItem(const EffectInfo& effect, ItemSlot& slot);
// Appends text to the clip comment of a clip or generator item, ", "-joined.
void AddItemClipComment(ItemSlot& slot, const std::string& text);

// Fill the slot with a heap copy of the item, deleting what it held.
void NewClipItemCopy(ItemSlot& slot, const FCPClipItemTag& item);
void NewGeneratorItemCopy(ItemSlot& slot, const FCPGeneratorItemTag& item);
void NewTransitionItemCopy(ItemSlot& slot, const FCPTransitionItemTag& item);
void NewFillerCopy(ItemSlot& slot, const FCPFillerTag& item);
