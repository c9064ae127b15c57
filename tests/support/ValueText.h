#pragma once

// Values of the value model as short texts, for comparing what a reader appended.

#include <string>
#include <vector>

#include "aaf/PropertyValues.h"
#include "records/ValueBase.h"

namespace testsupport {

// A summary of a value for comparison: class and content.
inline std::string Describe(const ValueBase* v)
{
    if (v == nullptr)
        return "null";
    if (auto i = dynamic_cast<const IntValue*>(v))
        return "int " + std::to_string(i->value);
    if (auto s = dynamic_cast<const StringValue*>(v))
        return "text " + s->text;
    if (auto r = dynamic_cast<const RatioValue*>(v))
        return "ratio " + std::to_string(r->numerator) + "/" + std::to_string(r->denominator);
    if (auto t = dynamic_cast<const TaggedValue*>(v))
        return "tagged " + t->entry.name + "=" + Describe(t->entry.value);
    if (auto tv = dynamic_cast<const TaggedValueVector*>(v)) {
        std::string out = "vector";
        for (const auto& e : tv->entries)
            out += " " + e.name + "=" + Describe(e.value);
        return out;
    }
    if (auto b = dynamic_cast<const BoolValue*>(v))
        return "bool " + std::to_string(b->value);
    if (auto a = dynamic_cast<const ArrayValue*>(v)) {
        std::string out = "bytes " + std::to_string(a->byteCount) + " ";
        for (const auto& h : a->hexBytes)
            out += h;
        out += "|";
        for (const auto& c : a->charBytes)
            out += c;
        return out;
    }
    if (auto p = dynamic_cast<const ParamRefValue*>(v))
        return "parameter " + std::to_string(p->parameterDefinition.Data1) + "=" + Describe(p->value);
    return "other";
}

inline std::vector<std::string> Describe(const PropertyValueList& list)
{
    std::vector<std::string> out;
    for (const ValueBase* v : list.values)
        out.push_back(Describe(v));
    return out;
}

}  // namespace testsupport
