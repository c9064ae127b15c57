#pragma once

// Opening AAF files through the interfaces and walking every component of their mobs, for tests
// that look for objects of one kind (effects, markers, components with attribute lists).

#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "aafsdk/include/AAF.h"

namespace testsupport {

// One owned interface reference, released when it goes.
template <class I>
class Ref {
public:
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref() { Reset(); }
    I** out()
    {
        Reset();
        return &p_;
    }
    I* get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void Reset()
    {
        if (p_)
            p_->Release();
        p_ = nullptr;
    }

private:
    I* p_ = nullptr;
};

template <class I>
HRESULT Query(IUnknown* from, REFIID iid, Ref<I>* to)
{
    return from->QueryInterface(iid, reinterpret_cast<void**>(to->out()));
}

// An AAF file opened for reading, with its header.
struct OpenedFile {
    Ref<IAAFFile> file;
    Ref<IAAFHeader> header;

    HRESULT Open(const std::filesystem::path& path)
    {
        const std::u16string wide = path.u16string();
        HRESULT hr = AAFFileOpenExistingRead(wide.c_str(), 0, file.out());
        if (hr == 0)
            hr = file->GetHeader(header.out());
        return hr;
    }
};

namespace walk_detail {

inline void Component(IUnknown* component, const std::function<void(IUnknown*)>& visit, int depth)
{
    if (depth > 64)
        return;
    visit(component);
    const auto each = [&](aafUInt32 count, const std::function<HRESULT(aafUInt32, IUnknown**)>& at) {
        for (aafUInt32 i = 0; i < count; ++i) {
            IUnknown* child = nullptr;
            if (at(i, &child) == 0 && child) {
                Component(child, visit, depth + 1);
                child->Release();
            }
        }
    };
    Ref<IAAFSequence> sequence;
    Ref<IAAFNestedScope> scope;
    Ref<IAAFEssenceGroup> group;
    Ref<IAAFSelector> selector;
    Ref<IAAFTransition> transition;
    Ref<IAAFOperationGroup> operation;
    aafUInt32 n = 0;
    if (Query(component, IID_IAAFSequence, &sequence) == 0 && sequence->CountComponents(&n) == 0)
        each(n, [&](aafUInt32 i, IUnknown** c) {
            return sequence->GetComponentAt(i, reinterpret_cast<IAAFComponent**>(c));
        });
    if (Query(component, IID_IAAFNestedScope, &scope) == 0 && scope->CountSegments(&n) == 0)
        each(n, [&](aafUInt32 i, IUnknown** c) { return scope->GetSegmentAt(i, reinterpret_cast<IAAFSegment**>(c)); });
    if (Query(component, IID_IAAFEssenceGroup, &group) == 0 && group->CountChoices(&n) == 0)
        each(n, [&](aafUInt32 i, IUnknown** c) { return group->GetChoiceAt(i, reinterpret_cast<IAAFSegment**>(c)); });
    if (Query(component, IID_IAAFSelector, &selector) == 0)
        each(1, [&](aafUInt32, IUnknown** c) {
            return selector->GetSelectedSegment(reinterpret_cast<IAAFSegment**>(c));
        });
    if (Query(component, IID_IAAFTransition, &transition) == 0)
        each(1, [&](aafUInt32, IUnknown** c) {
            return transition->GetOperationGroup(reinterpret_cast<IAAFOperationGroup**>(c));
        });
    if (Query(component, IID_IAAFOperationGroup, &operation) == 0 && operation->CountSourceSegments(&n) == 0)
        each(n, [&](aafUInt32 i, IUnknown** c) {
            return operation->GetInputSegmentAt(i, reinterpret_cast<IAAFSegment**>(c));
        });
}

}  // namespace walk_detail

// Calls visit with every mob (as IAAFMob) and every component of its slots' segment trees (as
// the interface the walk reached it by), depth first in slot and component order.
inline void ForEachObject(IAAFHeader* header, const std::function<void(IUnknown*)>& visit)
{
    aafSearchCrit_t criteria{};
    criteria.searchTag = kAAFByMobKind;
    criteria.tags.mobKind = kAAFAllMob;
    Ref<IEnumAAFMobs> mobs;
    ASSERT_EQ(header->GetMobs(&criteria, mobs.out()), 0);
    Ref<IAAFMob> mob;
    while (mobs->NextOne(mob.out()) == 0) {
        visit(mob.get());
        aafNumSlots_t slots = 0;
        ASSERT_EQ(mob->CountSlots(&slots), 0);
        for (aafUInt32 i = 0; i < slots; ++i) {
            Ref<IAAFMobSlot> slot;
            Ref<IAAFSegment> segment;
            if (mob->GetSlotAt(i, slot.out()) == 0 && slot->GetSegment(segment.out()) == 0)
                walk_detail::Component(segment.get(), visit, 0);
        }
    }
}

// Calls visit with the path of every AAF file of the shared samples, in directory order.
inline void ForEachSample(const std::filesystem::path& samples,
                          const std::function<void(const std::filesystem::path&)>& visit)
{
    for (const auto& entry : std::filesystem::directory_iterator(samples)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".aaf" || ext == ".AAF")
            visit(entry.path());
    }
}

}  // namespace testsupport
