#include "aaf/ValueMakers.h"

#include "records/FloatToInt.h"

void MakeIntValue(int value, ValueBase** out) { *out = new IntValue(value); }

void MakeRatioValue(ValueBase** out, int numerator, int denominator)
{
    *out = new RatioValue(numerator, denominator);
}

void MakeBoolValue(ValueBase** out, bool value) { *out = new BoolValue(value ? 1 : 0); }

void MakeStringValue(ValueBase** out, const std::string& text) { *out = new StringValue(text); }

void MakeTaggedValue(ValueBase** out, const TaggedValueEntry& entry) { *out = new TaggedValue(entry); }

void MakeTaggedValueVector(const std::vector<TaggedValueEntry>& entries, ValueBase** out)
{
    *out = new TaggedValueVector(entries);
}

void MakeArrayValue(const std::vector<std::string>& hexBytes, ValueBase** out,
                    const std::vector<std::string>& charBytes, int byteCount)
{
    *out = new ArrayValue(charBytes, hexBytes, byteCount);
}

void MakeParamRefValue(ValueBase** out, const Auid& parameterDefinition, const ValueBase* value)
{
    *out = new ParamRefValue(parameterDefinition, value);
}

bool HasValue(const ValueBase* value)
{
    if (value == nullptr)
        return false;
    if (auto array = dynamic_cast<const ArrayValue*>(value))
        return array->HasData();
    return true;
}

float ValueAsFloat(const ValueBase* value)
{
    if (auto ratio = dynamic_cast<const RatioValue*>(value)) {
        if (ratio->numerator == 0 || ratio->denominator == 0)
            return 0.0f;
        return static_cast<float>(ratio->numerator) / static_cast<float>(ratio->denominator);
    }
    if (auto integer = dynamic_cast<const IntValue*>(value))
        return static_cast<float>(integer->value);
    return 0.0f;
}

int ValueAsFlooredInt(const ValueBase* value)
{
    return FloatToInt(ValueAsFloat(value), IntRounding::Down);
}
