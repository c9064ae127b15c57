#pragma once

#include <string>
#include <vector>

#include "records/Auid.h"
#include "records/ValueBase.h"

// The makers store a new value into the out slot. The slot is expected to hold no value: what it
// held is not deleted.
void MakeIntValue(int value, ValueBase** out);
void MakeRatioValue(ValueBase** out, int numerator, int denominator);
// Stores 1 for true and 0 for false.
void MakeBoolValue(ValueBase** out, bool value);
void MakeStringValue(ValueBase** out, const std::string& text);
// Deep copies of the entry, of every entry, and of the parameter's value.
void MakeTaggedValue(ValueBase** out, const TaggedValueEntry& entry);
void MakeTaggedValueVector(const std::vector<TaggedValueEntry>& entries, ValueBase** out);
void MakeArrayValue(const std::vector<std::string>& hexBytes, ValueBase** out,
                    const std::vector<std::string>& charBytes, int byteCount);
void MakeParamRefValue(ValueBase** out, const Auid& parameterDefinition, const ValueBase* value);

// False for no value and for an array without bytes; an empty text counts as a value.
bool HasValue(const ValueBase* value);

// A ratio as numerator / denominator (0 when either is 0), an integer as itself; anything else 0.
float ValueAsFloat(const ValueBase* value);

// The largest integer not above ValueAsFloat.
int ValueAsFlooredInt(const ValueBase* value);
