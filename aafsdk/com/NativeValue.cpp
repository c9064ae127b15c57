#include "aafsdk/com/NativeValue.h"

#include <algorithm>

#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

constexpr std::uint8_t kLittleEndian = 0x4c;
constexpr std::size_t kTypedValueHeader = 17;  // byte order, then the value's type AUID
constexpr int kMaxDepth = 32;
// The SDK's enumeration types are 32-bit integers.
constexpr std::size_t kBuiltinEnumerationSize = 4;

const TypeDef* Unrenamed(const TypeDef* t)
{
    for (int i = 0; t && t->category == TypeCategory::Rename && i < kMaxDepth; ++i)
        t = t->element;
    return t;
}

std::size_t EnumerationSize(const TypeDef& t)
{
    if (t.builtin)
        return kBuiltinEnumerationSize;
    const TypeDef* base = Unrenamed(t.element);
    return base ? base->fixedSize : 0;
}

// The alignment of a type's native form: what a C structure holding it gives it.
std::size_t Alignment(const TypeDef* type, int depth)
{
    const TypeDef* t = Unrenamed(type);
    if (!t || depth > kMaxDepth)
        return 1;
    switch (t->category) {
    case TypeCategory::Integer:
        return std::max<std::size_t>(t->size, 1);
    case TypeCategory::Character:
        return sizeof(aafCharacter);
    case TypeCategory::Enumeration:
        return std::max<std::size_t>(EnumerationSize(*t), 1);
    case TypeCategory::ExtendibleEnumeration:
        return alignof(aafUID_t);
    case TypeCategory::Record: {
        std::size_t a = 1;
        for (const auto& m : t->members)
            a = std::max(a, Alignment(m.type, depth + 1));
        return a;
    }
    case TypeCategory::FixedArray:
        return Alignment(t->element, depth + 1);
    default:
        return 1;
    }
}

void PutLittle(std::uint64_t v, std::size_t size, std::vector<std::uint8_t>& out)
{
    const std::size_t at = out.size();
    out.resize(at + size);
    for (std::size_t i = 0; i < size; ++i)
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * std::min<std::size_t>(i, 7)));
}

void PadTo(std::size_t start, std::size_t alignment, std::vector<std::uint8_t>& out)
{
    while ((out.size() - start) % alignment != 0)
        out.push_back(0);
}

// An array of one-byte integers whose elements are made from its bytes on demand.
bool IsStoredByteString(const Value& v, const TypeDef& t)
{
    const TypeDef* element = Unrenamed(t.element);
    return v.elements.empty() && element && element->category == TypeCategory::Integer && element->size == 1 &&
           v.bytes.size() >= v.count;
}

bool Append(const Value& v, std::vector<std::uint8_t>& out, int depth)
{
    const TypeDef* t = Unrenamed(v.type);
    if (!t || depth > kMaxDepth)
        return false;
    switch (v.kind) {
    case ValueKind::Integer:
        PutLittle(v.bits, t->size, out);
        return true;
    case ValueKind::Character:
        PutLittle(v.bits, sizeof(aafCharacter), out);
        return true;
    case ValueKind::Enumeration:
        PutLittle(v.bits, EnumerationSize(*t), out);
        return true;
    case ValueKind::ExtendibleEnumeration:
        // Stored little-endian field by field, as aafUID_t is laid out in memory.
        out.insert(out.end(), v.bytes.begin(), v.bytes.end());
        return true;
    case ValueKind::String: {
        static_assert(sizeof(aafCharacter) == 2);
        const std::size_t at = out.size();
        out.resize(at + 2 * (v.text.size() + 1));
        std::uint8_t* p = out.data() + at;
        for (char16_t c : v.text) {
            *p++ = static_cast<std::uint8_t>(c);
            *p++ = static_cast<std::uint8_t>(c >> 8);
        }
        *p++ = 0;
        *p = 0;
        return true;
    }
    case ValueKind::Record: {
        const std::size_t start = out.size();
        for (std::size_t i = 0; i < v.elements.size(); ++i) {
            PadTo(start, Alignment(v.elements[i].type, depth + 1), out);
            if (!Append(v.elements[i], out, depth + 1))
                return false;
        }
        PadTo(start, Alignment(t, depth), out);
        return true;
    }
    case ValueKind::FixedArray:
    case ValueKind::VariableArray:
    case ValueKind::Set:
        if (IsStoredByteString(v, *t) && depth < kMaxDepth) {
            // One-byte integers are their stored bytes: copied at once, not element by element.
            out.insert(out.end(), v.bytes.begin(), v.bytes.begin() + static_cast<std::ptrdiff_t>(v.count));
            return true;
        }
        for (std::size_t i = 0; i < v.count; ++i) {
            Value element;
            if (!ElementAt(v, i, &element) || !Append(element, out, depth + 1))
                return false;
        }
        return true;
    case ValueKind::Indirect:
    case ValueKind::Opaque:
        // A typed value inside a value: the SDK keeps it as stored, header included.
        out.insert(out.end(), v.bytes.begin(), v.bytes.end());
        return true;
    default:
        return false;
    }
}

}  // namespace

bool NativeBytes(const Value& value, std::vector<std::uint8_t>* out)
{
    out->clear();
    return Append(value, *out, 0);
}

HRESULT TypedValueBytes(const StoredObject& object, std::uint16_t pid, std::span<const std::uint8_t>* bytes, Auid* type)
{
    std::span<const std::uint8_t> all;
    const HRESULT hr = ReadBytes(object, pid, &all);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    if (all.size() < kTypedValueHeader || all[0] != kLittleEndian)
        return AAFRESULT_BAD_PROP;
    if (type)
        *type = Auid::FromBytes(all.subspan(1, 16));
    *bytes = all.subspan(kTypedValueHeader);
    return AAFRESULT_SUCCESS;
}

namespace {

// The value bytes of an indirect property and the model's definition of their type.
HRESULT IndirectBytes(const ModelObject& owner, std::uint16_t pid, std::span<const std::uint8_t>* bytes,
                      const TypeDef** type)
{
    Auid typeId;
    const HRESULT hr = TypedValueBytes(*owner.stored(), pid, bytes, &typeId);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    *type = owner.model().model().FindType(typeId);
    return *type ? AAFRESULT_SUCCESS : AAFRESULT_TYPE_NOT_FOUND;
}

}  // namespace

HRESULT IndirectValue(const ModelObject& owner, std::uint16_t pid, Value* out)
{
    std::span<const std::uint8_t> bytes;
    const TypeDef* type = nullptr;
    const HRESULT hr = IndirectBytes(owner, pid, &bytes, &type);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    return DecodeData(owner.model().model(), *type, bytes, out, nullptr) ? AAFRESULT_SUCCESS : AAFRESULT_BAD_PROP;
}

namespace {

// A string of two-byte characters whose stored bytes pass the decoder's checks (a whole number of
// characters, the last the terminator) holds them in its native form already: little-endian, the
// terminator included. Comments are such strings, and long ones.
bool StoredFormIsNative(const TypeDef& type, std::span<const std::uint8_t> bytes)
{
    if (type.category != TypeCategory::String || !type.complete || (type.fixedSize != 0 && type.fixedSize != bytes.size()))
        return false;
    const TypeDef* c = Unrenamed(type.element);
    const std::size_t n = bytes.size();
    return c && c->fixedSize == 2 && n >= 2 && n % 2 == 0 && bytes[n - 2] == 0 && bytes[n - 1] == 0;
}

// The native bytes of an indirect property: its stored bytes where they are that form, else the
// decoded value's bytes made in *made.
HRESULT NativeIndirect(const ModelObject& owner, std::uint16_t pid, std::vector<std::uint8_t>* made,
                       std::span<const std::uint8_t>* out)
{
    std::span<const std::uint8_t> bytes;
    const TypeDef* type = nullptr;
    const HRESULT hr = IndirectBytes(owner, pid, &bytes, &type);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    if (StoredFormIsNative(*type, bytes)) {
        *out = bytes;
        return AAFRESULT_SUCCESS;
    }
    Value value;
    if (!DecodeData(owner.model().model(), *type, bytes, &value, nullptr))
        return AAFRESULT_BAD_PROP;
    if (!NativeBytes(value, made))
        return AAFRESULT_BAD_TYPE;
    *out = *made;
    return AAFRESULT_SUCCESS;
}

}  // namespace

HRESULT IndirectValueBufLen(const ModelObject& owner, std::uint16_t pid, aafUInt32* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    std::vector<std::uint8_t> made;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = NativeIndirect(owner, pid, &made, &bytes);
    if (hr == AAFRESULT_SUCCESS)
        *out = static_cast<aafUInt32>(bytes.size());
    return hr;
}

HRESULT CopyIndirectValue(const ModelObject& owner, std::uint16_t pid, aafUInt32 size, aafDataBuffer_t buffer,
                          aafUInt32* bytesRead)
{
    if (!buffer || !bytesRead)
        return AAFRESULT_NULL_PARAM;
    std::vector<std::uint8_t> made;
    std::span<const std::uint8_t> bytes;
    const HRESULT hr = NativeIndirect(owner, pid, &made, &bytes);
    return hr != AAFRESULT_SUCCESS ? hr : CopyBytes(bytes, buffer, size, bytesRead);
}

HRESULT IndirectTypeDefinition(const ModelObject& owner, std::uint16_t pid, IAAFTypeDef** out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = nullptr;
    std::span<const std::uint8_t> bytes;
    const TypeDef* type = nullptr;
    const HRESULT hr = IndirectBytes(owner, pid, &bytes, &type);
    return hr != AAFRESULT_SUCCESS ? hr : HandSubject(owner.file(), Subject::OfType(type), out);
}

}  // namespace aafsdk::com
