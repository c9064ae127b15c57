#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace aafsdk {

// The bytes of one stored value: a view into bytes that outlive it (the file a graph was read
// from, which the graph keeps), or bytes of its own for a value built or changed in code. A view
// costs no allocation, and a file holds hundreds of thousands of values. Reads never copy; only
// the changing calls make a view bytes of its own first.
class StoredBytes {
public:
    StoredBytes() = default;
    StoredBytes(std::vector<std::uint8_t> bytes) : at_(new std::vector<std::uint8_t>(std::move(bytes))), owned_(true) {}
    StoredBytes(std::initializer_list<std::uint8_t> bytes) : StoredBytes(std::vector<std::uint8_t>(bytes)) {}
    // Values are at most 64 KiB (their length is 16 bits), so a 32-bit size holds any.
    static StoredBytes View(std::span<const std::uint8_t> bytes)
    {
        StoredBytes b;
        b.at_ = bytes.data();
        b.size_ = static_cast<std::uint32_t>(bytes.size());
        return b;
    }

    StoredBytes(const StoredBytes& other) : at_(other.at_), size_(other.size_), owned_(other.owned_)
    {
        if (owned_)
            at_ = new std::vector<std::uint8_t>(*other.vector());
    }
    StoredBytes(StoredBytes&& other) noexcept : at_(other.at_), size_(other.size_), owned_(other.owned_)
    {
        other.at_ = nullptr;
        other.size_ = 0;
        other.owned_ = false;
    }
    StoredBytes& operator=(StoredBytes other) noexcept
    {
        std::swap(at_, other.at_);
        std::swap(size_, other.size_);
        std::swap(owned_, other.owned_);
        return *this;
    }
    ~StoredBytes()
    {
        if (owned_)
            delete vector();
    }

    const std::uint8_t* data() const { return owned_ ? vector()->data() : static_cast<const std::uint8_t*>(at_); }
    std::size_t size() const { return owned_ ? vector()->size() : size_; }
    bool empty() const { return size() == 0; }
    const std::uint8_t* begin() const { return data(); }
    const std::uint8_t* end() const { return data() + size(); }
    const std::uint8_t& operator[](std::size_t i) const { return data()[i]; }
    const std::uint8_t& front() const { return data()[0]; }
    const std::uint8_t& back() const { return data()[size() - 1]; }

    // The bytes as a vector of the value's own, to change (a view is copied into it first).
    std::vector<std::uint8_t>& Edit()
    {
        if (!owned_) {
            at_ = new std::vector<std::uint8_t>(begin(), end());
            size_ = 0;
            owned_ = true;
        }
        return *vector();
    }
    template <class It>
    void assign(It first, It last)
    {
        Edit().assign(first, last);
    }
    void push_back(std::uint8_t b) { Edit().push_back(b); }
    void pop_back() { Edit().pop_back(); }
    template <class It>
    void insert(const std::uint8_t* at, It first, It last)
    {
        const std::size_t offset = static_cast<std::size_t>(at - data());
        auto& bytes = Edit();
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(offset), first, last);
    }
    void resize(std::size_t n) { Edit().resize(n); }

    friend bool operator==(const StoredBytes& a, const StoredBytes& b)
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    }
    friend bool operator==(const StoredBytes& a, const std::vector<std::uint8_t>& b)
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    }

private:
    std::vector<std::uint8_t>* vector() const { return static_cast<std::vector<std::uint8_t>*>(const_cast<void*>(at_)); }

    // A view: the first byte and the size. Bytes of its own: the vector that holds them.
    const void* at_ = nullptr;
    std::uint32_t size_ = 0;
    bool owned_ = false;
};

}  // namespace aafsdk
