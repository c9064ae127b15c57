#include "records/ParameterRecord.h"

#include "records/ValueBase.h"

namespace {

std::vector<ValueBase*> CloneAll(const std::vector<ValueBase*>& values)
{
    std::vector<ValueBase*> copies;
    copies.reserve(values.size());
    for (const ValueBase* v : values) {
        ValueBase* copy = nullptr;
        CloneValue(&copy, &v);
        copies.push_back(copy);
    }
    return copies;
}

void DeleteAll(std::vector<ValueBase*>& values)
{
    for (ValueBase* v : values)
        delete v;
    values.clear();
}

}  // namespace

ParameterRecord::ParameterRecord(const ParameterRecord& other)
    : constantValues(CloneAll(other.constantValues)),
      controlPoints(other.controlPoints),
      mapping(other.mapping)
{
}

ParameterRecord& ParameterRecord::operator=(const ParameterRecord& other)
{
    if (this == &other)
        return *this;
    std::vector<ValueBase*> copies = CloneAll(other.constantValues);
    DeleteAll(constantValues);
    constantValues = std::move(copies);
    controlPoints = other.controlPoints;
    mapping = other.mapping;
    return *this;
}

ParameterRecord::ParameterRecord(ParameterRecord&& other) noexcept
    : constantValues(std::move(other.constantValues)),
      controlPoints(std::move(other.controlPoints)),
      mapping(std::move(other.mapping))
{
    other.constantValues.clear();
}

ParameterRecord& ParameterRecord::operator=(ParameterRecord&& other) noexcept
{
    if (this == &other)
        return *this;
    DeleteAll(constantValues);
    constantValues = std::move(other.constantValues);
    other.constantValues.clear();
    controlPoints = std::move(other.controlPoints);
    mapping = std::move(other.mapping);
    return *this;
}

ParameterRecord::~ParameterRecord() { DeleteAll(constantValues); }
