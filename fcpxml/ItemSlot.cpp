#include "fcpxml/ItemSlot.h"

#include <typeinfo>

#include "fcpxml/CommentsInfo.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"

namespace {

// Calls the matching visitor for the item's run-time class, tested in the order clip item,
// generator item, transition item, filler; other for anything else, an empty slot included.
template <typename Clip, typename Generator, typename Transition, typename Filler, typename Other>
auto Dispatch(ItemTagBase* item, Clip clip, Generator generator, Transition transition,
              Filler filler, Other other)
{
    // The four classes are unrelated, so an item of exactly one of them takes the cheap type test;
    // a subclass falls through to the casts, in order.
    if (item == nullptr)
        return other();
    const std::type_info& type = typeid(*item);
    if (type == typeid(FCPClipItemTag))
        return clip(*static_cast<FCPClipItemTag*>(item));
    if (type == typeid(FCPGeneratorItemTag))
        return generator(*static_cast<FCPGeneratorItemTag*>(item));
    if (type == typeid(FCPTransitionItemTag))
        return transition(*static_cast<FCPTransitionItemTag*>(item));
    if (type == typeid(FCPFillerTag))
        return filler(*static_cast<FCPFillerTag*>(item));
    if (auto p = dynamic_cast<FCPClipItemTag*>(item))
        return clip(*p);
    if (auto p = dynamic_cast<FCPGeneratorItemTag*>(item))
        return generator(*p);
    if (auto p = dynamic_cast<FCPTransitionItemTag*>(item))
        return transition(*p);
    if (auto p = dynamic_cast<FCPFillerTag*>(item))
        return filler(*p);
    return other();
}

// The same visitor for every kind.
template <typename Visit, typename Other>
auto DispatchAll(ItemTagBase* item, Visit visit, Other other)
{
    return Dispatch(item, visit, visit, visit, visit, other);
}

ItemTagBase* CopyOf(const ItemSlot& slot)
{
    return DispatchAll(
        slot.get(), [](const auto& item) -> ItemTagBase* { return new std::decay_t<decltype(item)>(item); },
        []() -> ItemTagBase* { return nullptr; });
}

}  // namespace

ItemSlot::ItemSlot(const ItemSlot& other) : item_(CopyOf(other)) {}

ItemSlot& ItemSlot::operator=(const ItemSlot& other)
{
    if (this != &other)
        reset(CopyOf(other));
    return *this;
}

ItemSlot& ItemSlot::operator=(ItemSlot&& other) noexcept
{
    if (this != &other) {
        reset(other.item_);
        other.item_ = nullptr;
    }
    return *this;
}

ItemSlot::~ItemSlot() { delete item_; }

void ItemSlot::reset(ItemTagBase* item)
{
    if (item == item_)
        return;
    delete item_;
    item_ = item;
}

int GetItemKind(const ItemSlot& slot)
{
    return Dispatch(
        slot.get(), [](FCPClipItemTag&) { return int(ItemKindClipItem); },
        [](FCPGeneratorItemTag&) { return int(ItemKindGeneratorItem); },
        [](FCPTransitionItemTag&) { return int(ItemKindTransitionItem); },
        [](FCPFillerTag&) { return int(ItemKindFiller); }, [] { return int(ItemKindNone); });
}

int GetItemMediaType(const ItemSlot& slot)
{
    return DispatchAll(slot.get(), [](const auto& item) { return item.mediaType; }, [] { return 2; });
}

TrimTagBase* GetItemTrim(const ItemSlot& slot)
{
    return DispatchAll(
        slot.get(), [](auto& item) -> TrimTagBase* { return &item; },
        [&slot] { return dynamic_cast<TrimTagBase*>(slot.get()); });
}

void GetItemTrimValues(const ItemSlot& slot, TrimValues& values)
{
    values = DispatchAll(
        slot.get(),
        [](const auto& item) {
            return TrimValues{item.duration, item.start, item.end, item.in, item.out};
        },
        [] { return TrimValues{}; });
}

void WriteItem(const ItemSlot& slot)
{
    Dispatch(
        slot.get(), [](FCPClipItemTag& item) { item.WriteClipItem(); },
        [](FCPGeneratorItemTag& item) { item.WriteGeneratorItem(); },
        [](FCPTransitionItemTag& item) { item.WriteTransitionItem(); }, [](FCPFillerTag&) {}, [] {});
}

void CloneItem(const ItemSlot& source, ItemSlot& target) { target.reset(CopyOf(source)); }

void DeleteItem(ItemSlot& slot) { slot.reset(); }

void AddItemTranslation(const std::string& fcpName, const std::string& aafName,
                        const std::string& action, ItemSlot& slot, TranslationStatus status)
{
    auto add = [&](auto& item) { item.AddTranslation(fcpName, aafName, action, status); };
    Dispatch(slot.get(), add, add, add, [](FCPFillerTag&) {}, [] {});
}

bool AddFilterToItem(const EffectInfo& effect, ItemSlot& slot)
{
    auto add = [&](auto& item) { return item.AddFilter(effect); };
    return Dispatch(
        slot.get(), add, add, [](FCPTransitionItemTag&) { return false; }, [](FCPFillerTag&) { return false; },
        [] { return false; });
}

void AddItemClipComment(ItemSlot& slot, const std::string& text)
{
    auto append = [&](auto& item) { AppendCommaJoined(text, item.comments.clipcommenta); };
    Dispatch(slot.get(), append, append, [](FCPTransitionItemTag&) {}, [](FCPFillerTag&) {}, [] {});
}

void NewClipItemCopy(ItemSlot& slot, const FCPClipItemTag& item) { slot.reset(new FCPClipItemTag(item)); }

void NewGeneratorItemCopy(ItemSlot& slot, const FCPGeneratorItemTag& item)
{
    slot.reset(new FCPGeneratorItemTag(item));
}

void NewTransitionItemCopy(ItemSlot& slot, const FCPTransitionItemTag& item)
{
    slot.reset(new FCPTransitionItemTag(item));
}

void NewFillerCopy(ItemSlot& slot, const FCPFillerTag& item) { slot.reset(new FCPFillerTag(item)); }
