#include "records/ValueBase.h"

namespace {

ValueBase* CopyOf(const ValueBase* source)
{
    ValueBase* copy = nullptr;
    CloneValue(&copy, &source);
    return copy;
}

}  // namespace

TaggedValueEntry::TaggedValueEntry(const std::string& entryName, const std::string& text,
                                   int32_t category)
    : name(entryName), value(new StringValue(text)), typeCategory(category)
{
}

TaggedValueEntry::TaggedValueEntry(const TaggedValueEntry& other)
    : name(other.name), value(CopyOf(other.value)), typeCategory(other.typeCategory)
{
}

TaggedValueEntry& TaggedValueEntry::operator=(const TaggedValueEntry& other)
{
    if (this != &other) {
        ValueBase* copy = CopyOf(other.value);
        delete value;
        value = copy;
        name = other.name;
        typeCategory = other.typeCategory;
    }
    return *this;
}

TaggedValueEntry::~TaggedValueEntry() { delete value; }

ParamRefValue::ParamRefValue(const Auid& definition, const ValueBase* source)
    : parameterDefinition(definition), value(CopyOf(source))
{
}

ParamRefValue::ParamRefValue(const ParamRefValue& other)
    : ValueBase(other), parameterDefinition(other.parameterDefinition), value(CopyOf(other.value))
{
}

ParamRefValue& ParamRefValue::operator=(const ParamRefValue& other)
{
    if (this != &other) {
        ValueBase* copy = CopyOf(other.value);
        delete value;
        value = copy;
        parameterDefinition = other.parameterDefinition;
    }
    return *this;
}

ParamRefValue::~ParamRefValue() { delete value; }

ValueBase** CloneValue(ValueBase** destination, const ValueBase* const* source)
{
    const ValueBase* v = source ? *source : nullptr;
    if (!destination || !v)
        return destination;
    // Tested in this order; the first class that matches makes the copy.
    if (auto p = dynamic_cast<const IntValue*>(v))
        *destination = new IntValue(*p);
    else if (auto r = dynamic_cast<const RatioValue*>(v))
        *destination = new RatioValue(*r);
    else if (auto b = dynamic_cast<const BoolValue*>(v))
        *destination = new BoolValue(*b);
    else if (auto s = dynamic_cast<const StringValue*>(v))
        *destination = new StringValue(*s);
    else if (auto t = dynamic_cast<const TaggedValue*>(v))
        *destination = new TaggedValue(*t);
    else if (auto a = dynamic_cast<const ArrayValue*>(v))
        *destination = new ArrayValue(*a);
    else if (auto tv = dynamic_cast<const TaggedValueVector*>(v))
        *destination = new TaggedValueVector(*tv);
    else if (auto pr = dynamic_cast<const ParamRefValue*>(v))
        *destination = new ParamRefValue(*pr);
    return destination;
}
