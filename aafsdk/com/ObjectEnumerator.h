#pragma once

#include <vector>

#include "aafsdk/com/ComObject.h"

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

}  // namespace aafsdk::com
