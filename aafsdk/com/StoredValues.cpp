#include "aafsdk/com/StoredValues.h"

#include <cstring>

namespace aafsdk::com {
namespace {

constexpr std::uint8_t kBigEndian = 0x42;

bool Big(const StoredObject& object)
{
    return object.byteOrder == kBigEndian;
}

std::uint64_t Load(std::span<const std::uint8_t> bytes, bool bigEndian)
{
    std::uint64_t v = 0;
    if (bigEndian)
        for (std::uint8_t b : bytes)
            v = v << 8 | b;
    else
        for (std::size_t i = bytes.size(); i-- > 0;)
            v = v << 8 | bytes[i];
    return v;
}

HRESULT DataOfSize(const StoredObject& object, std::uint16_t pid, std::size_t size, std::span<const std::uint8_t>* out)
{
    const StoredProperty* p = object.Find(pid);
    if (!p)
        return AAFRESULT_PROP_NOT_PRESENT;
    if (p->form() != StoredForm::Data || p->value.size() != size)
        return AAFRESULT_BAD_PROP;
    *out = p->value;
    return AAFRESULT_SUCCESS;
}

}  // namespace

HRESULT ReadUnsigned(const StoredObject& object, std::uint16_t pid, unsigned size, std::uint64_t* out)
{
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = DataOfSize(object, pid, size, &bytes);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    *out = Load(bytes, Big(object));
    return AAFRESULT_SUCCESS;
}

HRESULT ReadSigned(const StoredObject& object, std::uint16_t pid, unsigned size, std::int64_t* out)
{
    std::uint64_t v = 0;
    const HRESULT hr = ReadUnsigned(object, pid, size, &v);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    if (size < 8 && (v >> (size * 8 - 1)) & 1)
        v |= ~std::uint64_t(0) << (size * 8);
    *out = static_cast<std::int64_t>(v);
    return AAFRESULT_SUCCESS;
}

HRESULT ReadUid(const StoredObject& object, std::uint16_t pid, aafUID_t* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = DataOfSize(object, pid, 16, &bytes);
    if (hr == AAFRESULT_SUCCESS)
        *out = UidFromBytes(bytes, Big(object));
    return hr;
}

HRESULT ReadMobId(const StoredObject& object, std::uint16_t pid, aafMobID_t* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = DataOfSize(object, pid, 32, &bytes);
    if (hr == AAFRESULT_SUCCESS)
        *out = MobIdFromBytes(bytes, Big(object));
    return hr;
}

HRESULT ReadRational(const StoredObject& object, std::uint16_t pid, aafRational_t* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = DataOfSize(object, pid, 8, &bytes);
    if (hr == AAFRESULT_SUCCESS) {
        out->numerator = static_cast<aafInt32>(Load(bytes.subspan(0, 4), Big(object)));
        out->denominator = static_cast<aafInt32>(Load(bytes.subspan(4, 4), Big(object)));
    }
    return hr;
}

HRESULT ReadText(const StoredObject& object, std::uint16_t pid, std::u16string* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    const StoredProperty* p = object.Find(pid);
    if (!p)
        return AAFRESULT_PROP_NOT_PRESENT;
    if (p->form() != StoredForm::Data || p->value.size() % 2 != 0)
        return AAFRESULT_BAD_PROP;
    // Up to the terminator (writers that pad after it are read the same), then decoded in one pass:
    // names and comments are read for every object.
    const std::uint8_t* at = p->value.data();
    const std::size_t units = p->value.size() / 2;
    std::size_t length = 0;
    while (length < units && (at[2 * length] | at[2 * length + 1]) != 0)
        ++length;
    const int high = Big(object) ? 0 : 1;
    std::u16string text(length, u'\0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char16_t>((at[2 * i + high] << 8) | at[2 * i + 1 - high]);
    *out = std::move(text);
    return AAFRESULT_SUCCESS;
}

HRESULT ReadBytes(const StoredObject& object, std::uint16_t pid, std::span<const std::uint8_t>* out)
{
    const StoredProperty* p = object.Find(pid);
    if (!p)
        return AAFRESULT_PROP_NOT_PRESENT;
    if (p->form() != StoredForm::Data)
        return AAFRESULT_BAD_PROP;
    *out = p->value;
    return AAFRESULT_SUCCESS;
}

HRESULT ReadStrongReference(const StoredObject& object, std::uint16_t pid, ObjectId* out)
{
    const StoredProperty* p = object.Find(pid);
    if (!p)
        return AAFRESULT_PROP_NOT_PRESENT;
    if (p->form() != StoredForm::StrongReference || p->elements.size() != 1 || p->elements[0].object == kNoObject)
        return AAFRESULT_BAD_PROP;
    *out = p->elements[0].object;
    return AAFRESULT_SUCCESS;
}

HRESULT ReadStrongElements(const StoredObject& object, std::uint16_t pid, std::vector<ObjectId>* out)
{
    const StoredProperty* p = object.Find(pid);
    if (!p)
        return AAFRESULT_PROP_NOT_PRESENT;
    if (p->form() != StoredForm::StrongReferenceVector && p->form() != StoredForm::StrongReferenceSet)
        return AAFRESULT_BAD_PROP;
    out->clear();
    for (const auto& e : p->elements)
        if (e.object != kNoObject)
            out->push_back(e.object);
    return AAFRESULT_SUCCESS;
}

namespace {

// The elements of a strong-reference vector or set, in place.
HRESULT StrongCollection(const StoredObject& object, std::uint16_t pid, const StoredList<StrongElement>** out)
{
    const StoredProperty* p = object.Find(pid);
    if (!p)
        return AAFRESULT_PROP_NOT_PRESENT;
    if (p->form() != StoredForm::StrongReferenceVector && p->form() != StoredForm::StrongReferenceSet)
        return AAFRESULT_BAD_PROP;
    *out = &p->elements;
    return AAFRESULT_SUCCESS;
}

}  // namespace

HRESULT ReadStrongElementAt(const StoredObject& object, std::uint16_t pid, aafUInt32 index, ObjectId* out)
{
    const StoredList<StrongElement>* elements = nullptr;
    const HRESULT hr = StrongCollection(object, pid, &elements);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    // The reader leaves out the elements it could not load, so every stored element is an object
    // and the index is the position in the list.
    if (index >= elements->size() || (*elements)[index].object == kNoObject)
        return AAFRESULT_BADINDEX;
    *out = (*elements)[index].object;
    return AAFRESULT_SUCCESS;
}

HRESULT CountOptionalElements(const StoredObject& object, std::uint16_t pid, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    const StoredList<StrongElement>* elements = nullptr;
    const HRESULT hr = StrongCollection(object, pid, &elements);
    if (hr == AAFRESULT_PROP_NOT_PRESENT) {
        *out = 0;
        return AAFRESULT_SUCCESS;
    }
    if (hr == AAFRESULT_SUCCESS)
        *out = static_cast<aafUInt32>(elements->size());
    return hr;
}

HRESULT ReadWeakReference(const StoredObject& object, std::uint16_t pid, WeakReference* out)
{
    const StoredProperty* p = object.Find(pid);
    if (!p)
        return AAFRESULT_PROP_NOT_PRESENT;
    if (p->form() != StoredForm::WeakReference || p->weak.size() != 1)
        return AAFRESULT_BAD_PROP;
    *out = p->weak[0];
    return AAFRESULT_SUCCESS;
}

aafUID_t UidFromBytes(std::span<const std::uint8_t> b, bool bigEndian)
{
    aafUID_t uid{};
    uid.Data1 = static_cast<aafUInt32>(Load(b.subspan(0, 4), bigEndian));
    uid.Data2 = static_cast<aafUInt16>(Load(b.subspan(4, 2), bigEndian));
    uid.Data3 = static_cast<aafUInt16>(Load(b.subspan(6, 2), bigEndian));
    std::memcpy(uid.Data4, b.data() + 8, 8);
    return uid;
}

aafMobID_t MobIdFromBytes(std::span<const std::uint8_t> b, bool bigEndian)
{
    aafMobID_t id{};
    std::memcpy(id.label, b.data(), 12);
    id.length = b[12];
    id.instanceHigh = b[13];
    id.instanceMid = b[14];
    id.instanceLow = b[15];
    id.material = UidFromBytes(b.subspan(16, 16), bigEndian);
    return id;
}

Auid AuidFromUid(const aafUID_t& uid)
{
    Auid a;
    for (int i = 0; i < 4; ++i)
        a.bytes[std::size_t(i)] = std::uint8_t(uid.Data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        a.bytes[std::size_t(4 + i)] = std::uint8_t(uid.Data2 >> (8 * i));
        a.bytes[std::size_t(6 + i)] = std::uint8_t(uid.Data3 >> (8 * i));
    }
    std::memcpy(a.bytes.data() + 8, uid.Data4, 8);
    return a;
}

aafUID_t UidFromAuid(const Auid& auid)
{
    return UidFromBytes(auid.bytes);
}

HRESULT TextBufLen(const std::u16string& text, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = static_cast<aafUInt32>((text.size() + 1) * sizeof(aafCharacter));
    return AAFRESULT_SUCCESS;
}

HRESULT CopyText(const std::u16string& text, aafCharacter* buffer, aafUInt32 bufSize)
{
    if (!buffer)
        return AAFRESULT_NULL_PARAM;
    if (bufSize / sizeof(aafCharacter) < text.size() + 1)
        return AAFRESULT_SMALLBUF;
    std::memcpy(buffer, text.data(), text.size() * sizeof(aafCharacter));
    buffer[text.size()] = 0;
    return AAFRESULT_SUCCESS;
}

HRESULT CopyBytes(std::span<const std::uint8_t> bytes, aafDataBuffer_t buffer, aafUInt32 bufSize, aafUInt32* bytesRead)
{
    if (!buffer || !bytesRead)
        return AAFRESULT_NULL_PARAM;
    if (bufSize < bytes.size())
        return AAFRESULT_SMALLBUF;
    if (!bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    *bytesRead = static_cast<aafUInt32>(bytes.size());
    return AAFRESULT_SUCCESS;
}

}  // namespace aafsdk::com

namespace aafsdk::com {

HRESULT TextPropertyBufLen(const StoredObject& object, std::uint16_t pid, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::u16string text;
    const HRESULT hr = ReadText(object, pid, &text);
    return hr != AAFRESULT_SUCCESS ? hr : TextBufLen(text, out);
}

HRESULT CopyTextProperty(const StoredObject& object, std::uint16_t pid, aafCharacter* buffer, aafUInt32 bufSize)
{
    if (!buffer)
        return AAFRESULT_NULL_PARAM;
    std::u16string text;
    const HRESULT hr = ReadText(object, pid, &text);
    return hr != AAFRESULT_SUCCESS ? hr : CopyText(text, buffer, bufSize);
}

}  // namespace aafsdk::com
