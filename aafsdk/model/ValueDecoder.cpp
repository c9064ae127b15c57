#include "aafsdk/model/Value.h"

namespace aafsdk {
namespace {

constexpr int kMaxDepth = 32;  // types are acyclic once linked; this bounds nesting all the same
constexpr std::uint8_t kLittleEndian = 0x4c;
constexpr std::uint8_t kBigEndian = 0x42;

constexpr const char* kKindNames[] = {
    "Integer",       "Enumeration", "ExtendibleEnumeration", "Character",       "String",
    "Record",        "FixedArray",  "VariableArray",         "Set",             "Indirect",
    "Opaque",        "Stream",      "StrongReference",       "StrongReferenceVector",
    "StrongReferenceSet", "WeakReference", "WeakReferenceVector", "WeakReferenceSet",
};

std::uint64_t ReadLittle(std::span<const std::uint8_t> b)
{
    std::uint64_t v = 0;
    for (std::size_t i = b.size(); i-- > 0;)
        v = v << 8 | b[i];
    return v;
}

std::uint64_t SignExtend(std::uint64_t v, std::size_t size)
{
    if (size >= 8)
        return v;
    const std::uint64_t sign = std::uint64_t(1) << (size * 8 - 1);
    return (v ^ sign) - sign;
}

const TypeDef* Unrenamed(const TypeDef* t)
{
    for (int i = 0; t && t->category == TypeCategory::Rename && i < kMaxDepth; ++i)
        t = t->element;
    return t;
}

// Element types whose arrays are byte strings: their elements are made on demand only.
bool IsByteElement(const TypeDef* element)
{
    const TypeDef* e = Unrenamed(element);
    return e && e->fixedSize == 1 &&
           (e->category == TypeCategory::Integer || e->category == TypeCategory::Character ||
            e->category == TypeCategory::Enumeration);
}

class Decoder {
public:
    Decoder(const ObjectModel& model, std::string* error) : model_(model), error_(*error) {}

    bool Decode(const TypeDef& type, std::span<const std::uint8_t> bytes, Value* out, int depth)
    {
        if (depth > kMaxDepth)
            return Fail("values nested too deeply");
        if (!type.complete)
            return Fail("type " + type.name + " (" + type.id.ToString() + ") names a type the file does not define");
        out->type = &type;
        out->bytes = bytes;
        if (type.fixedSize != 0 && bytes.size() != type.fixedSize)
            return Fail(type.name + " takes " + std::to_string(type.fixedSize) + " bytes, the value has " +
                        std::to_string(bytes.size()));
        switch (type.category) {
        case TypeCategory::Integer:
            out->kind = ValueKind::Integer;
            out->bits = ReadLittle(bytes);
            if (type.isSigned)
                out->bits = SignExtend(out->bits, bytes.size());
            return true;
        case TypeCategory::Character:
            out->kind = ValueKind::Character;
            out->bits = ReadLittle(bytes);
            return true;
        case TypeCategory::Enumeration: {
            out->kind = ValueKind::Enumeration;
            out->bits = ReadLittle(bytes);
            const TypeDef* base = Unrenamed(type.element);
            if (base && base->category == TypeCategory::Integer && base->isSigned)
                out->bits = SignExtend(out->bits, bytes.size());
            return true;
        }
        case TypeCategory::ExtendibleEnumeration:
            out->kind = ValueKind::ExtendibleEnumeration;
            out->auid = Auid::FromBytes(bytes);
            return true;
        case TypeCategory::Rename: {
            if (!Decode(*type.element, bytes, out, depth + 1))
                return false;
            out->type = &type;
            return true;
        }
        case TypeCategory::Record: {
            out->kind = ValueKind::Record;
            out->elements.resize(type.members.size());
            std::size_t pos = 0;
            for (std::size_t i = 0; i < type.members.size(); ++i) {
                const TypeDef& m = *type.members[i].type;
                if (!Decode(m, bytes.subspan(pos, m.fixedSize), &out->elements[i], depth + 1))
                    return false;
                pos += m.fixedSize;
            }
            return true;
        }
        case TypeCategory::FixedArray:
            out->kind = ValueKind::FixedArray;
            return Elements(type, bytes, out, depth);
        case TypeCategory::VariableArray:
            out->kind = ValueKind::VariableArray;
            return Elements(type, bytes, out, depth);
        case TypeCategory::Set:
            out->kind = ValueKind::Set;
            return Elements(type, bytes, out, depth);
        case TypeCategory::String:
            return String(type, bytes, out);
        case TypeCategory::Indirect:
        case TypeCategory::Opaque:
            return Indirect(type, bytes, out, depth);
        case TypeCategory::Stream:
            return Fail("a stream value stored as data");
        case TypeCategory::StrongObjectReference:
        case TypeCategory::WeakObjectReference:
            return Fail("an object reference stored as data");
        }
        return Fail("a type of unknown category");
    }

private:
    bool Fail(std::string why)
    {
        error_ = std::move(why);
        return false;
    }

    bool Elements(const TypeDef& type, std::span<const std::uint8_t> bytes, Value* out, int depth)
    {
        const TypeDef& e = *type.element;
        const TypeDef* base = Unrenamed(&e);
        if (!base || base->category == TypeCategory::StrongObjectReference ||
            base->category == TypeCategory::WeakObjectReference)
            return Fail(type.name + ": references stored as data");
        if (e.fixedSize == 0)
            return Fail(type.name + ": elements of variable size (" + e.name + ") cannot be stored as data");
        if (bytes.size() % e.fixedSize != 0)
            return Fail(type.name + ": " + std::to_string(bytes.size()) + " bytes are not a whole number of " +
                        std::to_string(e.fixedSize) + "-byte elements");
        out->count = bytes.size() / e.fixedSize;
        if (base->category == TypeCategory::Character) {
            out->text.reserve(out->count);
            for (std::size_t i = 0; i < out->count; ++i)
                out->text.push_back(char16_t(ReadLittle(bytes.subspan(i * e.fixedSize, e.fixedSize))));
        }
        if (IsByteElement(&e))
            return true;
        out->elements.resize(out->count);
        for (std::size_t i = 0; i < out->count; ++i)
            if (!Decode(e, bytes.subspan(i * e.fixedSize, e.fixedSize), &out->elements[i], depth + 1))
                return false;
        return true;
    }

    bool String(const TypeDef& type, std::span<const std::uint8_t> bytes, Value* out)
    {
        out->kind = ValueKind::String;
        const TypeDef* c = Unrenamed(type.element);
        const std::size_t unit = c ? c->fixedSize : 0;
        if (unit != 1 && unit != 2)
            return Fail(type.name + ": characters of " + std::to_string(unit) + " bytes are not supported");
        if (bytes.size() < unit || bytes.size() % unit != 0)
            return Fail(type.name + ": " + std::to_string(bytes.size()) + " bytes are no string of " +
                        std::to_string(unit) + "-byte characters");
        const std::size_t n = bytes.size() / unit;
        if (ReadLittle(bytes.subspan((n - 1) * unit, unit)) != 0)
            return Fail(type.name + ": the string has no terminator");
        out->text.resize(n - 1);
        for (std::size_t i = 0; i + 1 < n; ++i)
            out->text[i] = char16_t(ReadLittle(bytes.subspan(i * unit, unit)));
        return true;
    }

    bool Indirect(const TypeDef& type, std::span<const std::uint8_t> bytes, Value* out, int depth)
    {
        const bool opaque = type.category == TypeCategory::Opaque;
        out->kind = opaque ? ValueKind::Opaque : ValueKind::Indirect;
        if (bytes.size() < 17)
            return Fail(type.name + ": " + std::to_string(bytes.size()) + " bytes are too short for a typed value");
        if (bytes[0] == kBigEndian)
            return Fail(type.name + ": big-endian values are not supported");
        if (bytes[0] != kLittleEndian)
            return Fail(type.name + ": unknown byte order " + std::to_string(bytes[0]));
        out->auid = Auid::FromBytes(bytes.subspan(1, 16));
        const TypeDef* actual = model_.FindType(out->auid);
        if (!actual) {
            if (opaque)
                return true;  // kept as bytes: the point of an opaque value
            return Fail(type.name + ": the value's type " + out->auid.ToString() + " is not defined");
        }
        out->elements.resize(1);
        return Decode(*actual, bytes.subspan(17), &out->elements[0], depth + 1);
    }

    const ObjectModel& model_;
    std::string& error_;
};

}  // namespace

const char* ValueKindName(ValueKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(kKindNames) ? kKindNames[index] : "Unknown";
}

bool DecodeData(const ObjectModel& model, const TypeDef& type, std::span<const std::uint8_t> bytes, Value* out,
                std::string* error)
{
    *out = Value{};
    std::string scratch;
    Decoder decoder(model, error ? error : &scratch);
    return decoder.Decode(type, bytes, out, 0);
}

bool ElementAt(const Value& array, std::size_t index, Value* out)
{
    if (index >= array.count)
        return false;
    if (index < array.elements.size()) {
        *out = array.elements[index];
        return true;
    }
    const TypeDef* t = Unrenamed(array.type);
    if (!t || !t->element || !IsByteElement(t->element))
        return false;
    const TypeDef& e = *t->element;
    const TypeDef* base = Unrenamed(&e);
    *out = Value{};
    out->type = &e;
    out->bytes = array.bytes.subspan(index, 1);
    out->bits = out->bytes[0];
    switch (base->category) {
    case TypeCategory::Character:
        out->kind = ValueKind::Character;
        break;
    case TypeCategory::Enumeration: {
        out->kind = ValueKind::Enumeration;
        const TypeDef* eb = Unrenamed(base->element);
        if (eb && eb->isSigned)
            out->bits = SignExtend(out->bits, 1);
        break;
    }
    default:
        out->kind = ValueKind::Integer;
        if (base->isSigned)
            out->bits = SignExtend(out->bits, 1);
        break;
    }
    return true;
}

}  // namespace aafsdk
