#pragma once

#include <cstddef>
#include <vector>

#include "aafsdk/model/AuidLiteral.h"

namespace aafsdk {

// Definitions by their AUID (the id member), in one flat table: open addressing with linear
// probing, at most three quarters full. The model fills it with a few hundred definitions for
// each file, which node-based maps paid one allocation apiece for.
template <class T>
class AuidIndex {
public:
    // Room for count definitions without growing.
    void Reserve(std::size_t count)
    {
        std::size_t size = 16;
        while (size * 3 < count * 4)
            size *= 2;
        if (size > slots_.size())
            Rehash(size);
    }

    T* Find(const Auid& id) const
    {
        if (slots_.empty())
            return nullptr;
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = AuidHash{}(id) & mask;; i = (i + 1) & mask) {
            T* item = slots_[i];
            if (!item || item->id == id)
                return item;
        }
    }

    // Adds the definition, or puts it in place of the one with its AUID.
    void Set(T* item)
    {
        if ((count_ + 1) * 4 > slots_.size() * 3)
            Rehash(slots_.empty() ? 16 : slots_.size() * 2);
        T*& slot = Slot(item->id);
        if (!slot)
            ++count_;
        slot = item;
    }

    std::size_t size() const { return count_; }

private:
    T*& Slot(const Auid& id)
    {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = AuidHash{}(id) & mask;
        while (slots_[i] && !(slots_[i]->id == id))
            i = (i + 1) & mask;
        return slots_[i];
    }

    void Rehash(std::size_t size)
    {
        std::vector<T*> old(size, nullptr);
        old.swap(slots_);
        for (T* item : old)
            if (item)
                Slot(item->id) = item;
    }

    std::vector<T*> slots_;  // a power of two of them; nullptr: free
    std::size_t count_ = 0;
};

}  // namespace aafsdk
