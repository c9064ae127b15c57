#pragma once

#include "aaf/ObjectT.h"
#include "aafsdk/include/AAF.h"

// One owned reference to an interface, released when the holder goes; out() empties the holder
// before a call fills it again.
template <class T>
class Held {
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() { ReleaseInterface(p_); }
    T** out()
    {
        ReleaseInterface(p_);
        return &p_;
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// The holder is looked at only after the call has filled it.
template <class T>
bool Obtained(HRESULT result, const Held<T>& iface)
{
    return result >= 0 && static_cast<bool>(iface);
}
