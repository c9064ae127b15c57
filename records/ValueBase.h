#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/Auid.h"

// The root of every AAF property and parameter value. Values are held through owning pointers,
// deleted through the virtual destructor and deep-copied with CloneValue; null means "no value".
class ValueBase {
public:
    ValueBase() = default;
    virtual ~ValueBase() = default;

protected:
    ValueBase(const ValueBase&) = default;
    ValueBase& operator=(const ValueBase&) = default;
};

class IntValue : public ValueBase {
public:
    explicit IntValue(int32_t v = 0) : value(v) {}
    int32_t value;
};

class RatioValue : public ValueBase {
public:
    RatioValue(int32_t num = 0, int32_t den = 0) : numerator(num), denominator(den) {}
    int32_t numerator;
    int32_t denominator;
};

class BoolValue : public ValueBase {
public:
    explicit BoolValue(int32_t v = 0) : value(v) {}
    int32_t value;  // 0 or 1
};

class StringValue : public ValueBase {
public:
    explicit StringValue(std::string t = {}) : text(std::move(t)) {}
    std::string text;
};

// The payload of a tagged value; owns its value.
struct TaggedValueEntry {
    TaggedValueEntry() = default;
    // The value becomes a new StringValue of the text.
    TaggedValueEntry(const std::string& entryName, const std::string& text, int32_t category);
    TaggedValueEntry(const TaggedValueEntry& other);
    TaggedValueEntry& operator=(const TaggedValueEntry& other);
    ~TaggedValueEntry();

    std::string name;
    ValueBase* value = nullptr;
    int32_t typeCategory = -1;  // the SDK's type category of the value's type; -1 unset
};

class TaggedValue : public ValueBase {
public:
    TaggedValue() = default;
    explicit TaggedValue(const TaggedValueEntry& e) : entry(e) {}
    TaggedValueEntry entry;
};

class TaggedValueVector : public ValueBase {
public:
    TaggedValueVector() = default;
    explicit TaggedValueVector(const std::vector<TaggedValueEntry>& e) : entries(e) {}
    std::vector<TaggedValueEntry> entries;
};

// Raw bytes as text, one element per byte.
class ArrayValue : public ValueBase {
public:
    ArrayValue() = default;
    ArrayValue(std::vector<std::string> chars, std::vector<std::string> hex, int32_t count)
        : charBytes(std::move(chars)), hexBytes(std::move(hex)), byteCount(count)
    {
    }
    // True when either list holds a byte.
    bool HasData() const { return !charBytes.empty() || !hexBytes.empty(); }
    // Copies both lists and the byte count.
    void Assign(const ArrayValue& other)
    {
        charBytes = other.charBytes;
        hexBytes = other.hexBytes;
        byteCount = other.byteCount;
    }

    std::vector<std::string> charBytes;  // the byte when printable, "." otherwise
    std::vector<std::string> hexBytes;   // "%02x " of the byte
    int32_t byteCount = 0;
};

// A parameter read through a reference: its definition and an owned copy of its value.
class ParamRefValue : public ValueBase {
public:
    ParamRefValue() = default;
    ParamRefValue(const Auid& definition, const ValueBase* source);
    ParamRefValue(const ParamRefValue& other);
    ParamRefValue& operator=(const ParamRefValue& other);
    ~ParamRefValue() override;

    Auid parameterDefinition;
    ValueBase* value = nullptr;
};

// Stores a new deep copy of *source, of the same class, into *destination and returns
// destination. A null source, or a class outside the family, leaves the destination untouched.
// The destination is expected to hold no value.
ValueBase** CloneValue(ValueBase** destination, const ValueBase* const* source);
