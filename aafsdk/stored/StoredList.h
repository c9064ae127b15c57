#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>

namespace aafsdk {

// A list of plain records in one pointer: its count and capacity live at the front of the block
// that holds the records, and an empty list holds no block. Most stored properties carry no
// references, so the two lists each of them has cost 8 bytes apiece instead of a vector's 24.
template <class T>
class StoredList {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
    static_assert(alignof(T) <= alignof(std::max_align_t));

public:
    StoredList() = default;
    StoredList(const StoredList& other)
    {
        if (!other.empty()) {
            Grow(other.size());
            std::memcpy(static_cast<void*>(data()), other.data(), other.size() * sizeof(T));
            head()->size = other.head()->size;
        }
    }
    StoredList(StoredList&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    StoredList& operator=(StoredList other) noexcept
    {
        std::swap(block_, other.block_);
        return *this;
    }
    ~StoredList() { ::operator delete(block_); }

    std::size_t size() const { return block_ ? head()->size : 0; }
    bool empty() const { return size() == 0; }
    T* data() { return block_ ? Items() : nullptr; }
    const T* data() const { return block_ ? Items() : nullptr; }
    T* begin() { return data(); }
    T* end() { return data() + size(); }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size(); }
    T& operator[](std::size_t i) { return data()[i]; }
    const T& operator[](std::size_t i) const { return data()[i]; }
    const T& at(std::size_t i) const
    {
        if (i >= size())
            throw std::out_of_range("StoredList::at");
        return data()[i];
    }
    T& front() { return data()[0]; }
    const T& front() const { return data()[0]; }
    T& back() { return data()[size() - 1]; }
    const T& back() const { return data()[size() - 1]; }

    void reserve(std::size_t n)
    {
        if (n > capacity())
            Grow(n);
    }
    void push_back(const T& value)
    {
        if (size() == capacity())
            Grow(std::max<std::size_t>(1, 2 * capacity()));  // most lists hold one reference
        new (data() + head()->size) T(value);
        ++head()->size;
    }
    void resize(std::size_t n)
    {
        reserve(n);
        for (std::size_t i = size(); i < n; ++i)
            new (data() + i) T();
        if (block_)
            head()->size = static_cast<std::uint32_t>(n);
    }
    T* erase(T* at)
    {
        std::memmove(static_cast<void*>(at), at + 1, static_cast<std::size_t>(end() - at - 1) * sizeof(T));
        --head()->size;
        return at;
    }
    void clear()
    {
        if (block_)
            head()->size = 0;
    }

    friend bool operator==(const StoredList& a, const StoredList& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    struct Head {
        std::uint32_t size;
        std::uint32_t capacity;
    };
    // The records start after the head, at a place aligned for them.
    static constexpr std::size_t kItems = (sizeof(Head) + alignof(T) - 1) / alignof(T) * alignof(T);

    Head* head() const { return static_cast<Head*>(block_); }
    T* Items() const { return std::launder(reinterpret_cast<T*>(static_cast<char*>(block_) + kItems)); }
    std::size_t capacity() const { return block_ ? head()->capacity : 0; }

    void Grow(std::size_t n)
    {
        void* block = ::operator new(kItems + n * sizeof(T));
        const std::uint32_t count = static_cast<std::uint32_t>(size());
        if (count != 0)
            std::memcpy(static_cast<char*>(block) + kItems, Items(), count * sizeof(T));
        ::operator delete(block_);
        block_ = block;
        *head() = {count, static_cast<std::uint32_t>(n)};
    }

    void* block_ = nullptr;
};

}  // namespace aafsdk
