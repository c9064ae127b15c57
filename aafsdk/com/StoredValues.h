#pragma once

// Reads of stored property values for the interface implementations, checked against their size
// and stored form, and the copying of values into callers' buffers. Every read gives
// AAFRESULT_PROP_NOT_PRESENT when the object does not carry the property and AAFRESULT_BAD_PROP
// when its stored bytes do not fit.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "aafsdk/include/AAFResult.h"
#include "aafsdk/include/AAFTypes.h"
#include "aafsdk/stored/StoredGraph.h"

namespace aafsdk::com {

// An unsigned integer of size bytes (1, 2, 4 or 8) in the object's byte order.
[[nodiscard]] HRESULT ReadUnsigned(const StoredObject& object, std::uint16_t pid, unsigned size, std::uint64_t* out);
// The same, sign-extended.
[[nodiscard]] HRESULT ReadSigned(const StoredObject& object, std::uint16_t pid, unsigned size, std::int64_t* out);

template <class T>
[[nodiscard]] HRESULT ReadInteger(const StoredObject& object, std::uint16_t pid, T* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    HRESULT hr;
    if constexpr (std::is_signed_v<T>) {
        std::int64_t v = 0;
        hr = ReadSigned(object, pid, sizeof(T), &v);
        if (hr == AAFRESULT_SUCCESS)
            *out = static_cast<T>(v);
    } else {
        std::uint64_t v = 0;
        hr = ReadUnsigned(object, pid, sizeof(T), &v);
        if (hr == AAFRESULT_SUCCESS)
            *out = static_cast<T>(v);
    }
    return hr;
}

// An enumeration stored in one byte (its stored size), widened to the SDK's enumeration type.
template <class T>
[[nodiscard]] HRESULT ReadEnum8(const StoredObject& object, std::uint16_t pid, T* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::uint64_t v = 0;
    const HRESULT hr = ReadUnsigned(object, pid, 1, &v);
    if (hr == AAFRESULT_SUCCESS)
        *out = static_cast<T>(v);
    return hr;
}

[[nodiscard]] HRESULT ReadUid(const StoredObject& object, std::uint16_t pid, aafUID_t* out);
[[nodiscard]] HRESULT ReadMobId(const StoredObject& object, std::uint16_t pid, aafMobID_t* out);
[[nodiscard]] HRESULT ReadRational(const StoredObject& object, std::uint16_t pid, aafRational_t* out);
// A UTF-16 string without its terminator.
[[nodiscard]] HRESULT ReadText(const StoredObject& object, std::uint16_t pid, std::u16string* out);
// The data bytes of a property stored as data.
[[nodiscard]] HRESULT ReadBytes(const StoredObject& object, std::uint16_t pid, std::span<const std::uint8_t>* out);

// The object of a strong reference.
[[nodiscard]] HRESULT ReadStrongReference(const StoredObject& object, std::uint16_t pid, ObjectId* out);
// The objects of a strong-reference vector or set, in index order.
[[nodiscard]] HRESULT ReadStrongElements(const StoredObject& object, std::uint16_t pid, std::vector<ObjectId>* out);
// The object at an element index of a strong-reference vector or set, without copying the
// collection; AAFRESULT_BADINDEX past its end.
[[nodiscard]] HRESULT ReadStrongElementAt(const StoredObject& object, std::uint16_t pid, aafUInt32 index, ObjectId* out);
// The element count of an optional strong collection: 0 when absent.
[[nodiscard]] HRESULT CountOptionalElements(const StoredObject& object, std::uint16_t pid, aafUInt32* out);
// The single weak reference of a property.
[[nodiscard]] HRESULT ReadWeakReference(const StoredObject& object, std::uint16_t pid, WeakReference* out);

// Conversions of stored identifier bytes (little-endian fields) to the SDK's forms.
aafUID_t UidFromBytes(std::span<const std::uint8_t> sixteen, bool bigEndian = false);
aafMobID_t MobIdFromBytes(std::span<const std::uint8_t> thirtyTwo, bool bigEndian = false);
Auid AuidFromUid(const aafUID_t& uid);
aafUID_t UidFromAuid(const Auid& auid);

// Text out: the buffer size in bytes with the terminator, and the copy into a buffer of bufSize
// bytes (AAFRESULT_SMALLBUF when it does not hold the text and its terminator).
[[nodiscard]] HRESULT TextBufLen(const std::u16string& text, aafUInt32* out);
[[nodiscard]] HRESULT CopyText(const std::u16string& text, aafCharacter* buffer, aafUInt32 bufSize);
// Bytes out: all of them or AAFRESULT_SMALLBUF; *bytesRead says how many.
[[nodiscard]] HRESULT CopyBytes(std::span<const std::uint8_t> bytes, aafDataBuffer_t buffer, aafUInt32 bufSize,
                                aafUInt32* bytesRead);

// Index checks shared by every GetXxxAt.
template <class T>
[[nodiscard]] HRESULT CheckIndex(const std::vector<T>& v, aafUInt32 index)
{
    return index < v.size() ? AAFRESULT_SUCCESS : AAFRESULT_BADINDEX;
}

}  // namespace aafsdk::com

namespace aafsdk::com {

// A text property straight out: its buffer size, or the text itself.
[[nodiscard]] HRESULT TextPropertyBufLen(const StoredObject& object, std::uint16_t pid, aafUInt32* out);
[[nodiscard]] HRESULT CopyTextProperty(const StoredObject& object, std::uint16_t pid, aafCharacter* buffer,
                                       aafUInt32 bufSize);

}  // namespace aafsdk::com
