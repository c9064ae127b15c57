#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "aafsdk/model/ObjectModel.h"
#include "aafsdk/stored/StoredGraph.h"

namespace aafsdk {

struct Definition;

enum class ValueKind : std::uint8_t {
    Integer,
    Enumeration,
    ExtendibleEnumeration,
    Character,
    String,
    Record,
    FixedArray,
    VariableArray,
    Set,
    Indirect,
    Opaque,
    Stream,
    StrongReference,
    StrongReferenceVector,
    StrongReferenceSet,
    WeakReference,
    WeakReferenceVector,
    WeakReferenceSet,
};

const char* ValueKindName(ValueKind kind);

// Where a weak reference leads. The object is set when the file holds the target; the definition
// pointers are set whenever the model knows the target, from the file or built in (a file need not
// store the built-in classes, types and definitions it refers to).
struct WeakTarget {
    WeakReference reference;
    ObjectId object = kNoObject;
    const ClassDef* classDef = nullptr;
    const TypeDef* typeDef = nullptr;
    const PropertyDef* propertyDef = nullptr;
    const Definition* definition = nullptr;

    bool resolved() const
    {
        return object != kNoObject || classDef || typeDef || propertyDef || definition;
    }
};

// A decoded value. Which fields hold it depends on the kind:
// - Integer, Enumeration, Character: bits (sign-extended for signed types); see Int64().
// - ExtendibleEnumeration: auid.
// - String: text, without its terminator.
// - Record: elements, one per member in member order.
// - FixedArray, VariableArray, Set: Count() elements, through ElementAt(); arrays of characters also
//   keep text (all code units, terminators included).
// - Indirect, Opaque: auid is the actual type; elements[0] is the value (Opaque of an unknown type:
//   no element, the bytes are kept).
// - Stream: text is the child stream's name, count its size in bytes, bits its byte-order byte.
// - Strong references: objects, in index order; weak references: targets, in index order.
// bytes views the stored bytes of data values: the value is valid while they live.
struct Value {
    ValueKind kind = ValueKind::Opaque;
    const TypeDef* type = nullptr;  // the type the value was decoded by (a rename stays a rename)
    std::span<const std::uint8_t> bytes;
    std::uint64_t bits = 0;
    Auid auid;
    std::u16string text;
    std::vector<Value> elements;
    std::vector<ObjectId> objects;
    std::vector<WeakTarget> targets;
    std::size_t count = 0;  // arrays and sets

    std::int64_t Int64() const { return static_cast<std::int64_t>(bits); }
};

// Decodes value bytes stored in data form (0x82) by their type. Only little-endian values are
// understood. An indirect value names its actual type, looked up in the model. False with a reason
// when the bytes do not fit the type.
[[nodiscard]] bool DecodeData(const ObjectModel& model, const TypeDef& type, std::span<const std::uint8_t> bytes,
                              Value* out, std::string* error);

// Element i of an array or set value (elements of byte strings are made on demand).
[[nodiscard]] bool ElementAt(const Value& array, std::size_t index, Value* out);

}  // namespace aafsdk
