#pragma once

#include <vector>

#include "aafsdk/com/ComObject.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {

// An enumerator over stored objects, handing each out as Item. An object that does not answer
// Item fails its NextOne but still uses up its place; past the end NextOne gives `exhausted`.
template <class Enum, class Item, HRESULT exhausted = AAFRESULT_NO_MORE_OBJECTS>
class ObjectEnumerator final : public Standalone<Enum> {
public:
    ObjectEnumerator(FilePtr file, std::vector<ObjectId> objects) : file_(std::move(file)), objects_(std::move(objects))
    {
    }

    HRESULT NextOne(Item** out) override
    {
        if (!out)
            return AAFRESULT_NULL_PARAM;
        *out = nullptr;
        if (next_ >= objects_.size())
            return exhausted;
        return HandStored(file_, objects_[next_++], out);
    }

private:
    FilePtr file_;
    std::vector<ObjectId> objects_;
    std::size_t next_ = 0;
};

// Makes a Standalone object and hands it out through interface I with the caller's reference.
template <class T, class I, class... Args>
[[nodiscard]] HRESULT MakeStandalone(I** out, Args&&... args)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = nullptr;
    T* made = nullptr;
    try {
        made = new T(std::forward<Args>(args)...);
    } catch (const std::bad_alloc&) {
        return AAFRESULT_NOMEMORY;
    }
    made->AddRef();
    *out = made;
    return AAFRESULT_SUCCESS;
}

// The elements of an optional strong collection to enumerate: none when it is absent.
template <class Enumerator, class Enum>
[[nodiscard]] HRESULT EnumerateOptional(const ModelObject& owner, std::uint16_t pid, Enum** out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = nullptr;
    std::vector<ObjectId> elements;
    const HRESULT hr = ReadStrongElements(*owner.stored(), pid, &elements);
    if (hr != AAFRESULT_SUCCESS && hr != AAFRESULT_PROP_NOT_PRESENT)
        return hr;
    return MakeStandalone<Enumerator>(out, owner.file(), std::move(elements));
}

// Element index of a strong collection handed out as interface I; AAFRESULT_BADINDEX past its end
// or when the collection is absent.
template <class I>
[[nodiscard]] HRESULT StrongElementAt(const ModelObject& owner, std::uint16_t pid, aafUInt32 index, I** out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = nullptr;
    ObjectId element = kNoObject;
    const HRESULT hr = ReadStrongElementAt(*owner.stored(), pid, index, &element);
    if (hr == AAFRESULT_PROP_NOT_PRESENT)
        return AAFRESULT_BADINDEX;
    return hr != AAFRESULT_SUCCESS ? hr : HandStored(owner.file(), element, out);
}

}  // namespace aafsdk::com
