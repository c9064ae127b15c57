#include "effects/ApplyConversionRule.h"

#include <cmath>

#include "records/FloatToInt.h"

namespace {

// Single precision at every step where the rule says so.
float Single(double value) { return static_cast<float>(value); }

float MagnitudeToPercent(float x)
{
    float m = std::fabs(x);
    if (m < 2000.0f)
        m = Single(m + 1000.0f);
    return Single(100.0 - static_cast<double>(m) * 100.0 / 2000.0);
}

float UnitToSignedUnit(float x)
{
    if (x == 0.0f)
        return -1.0f;
    if (x == 1.0f)
        return 1.0f;
    if (x > 0.5f)
        return Single(Single(x - 0.5f) * 2.0);
    if (x == 0.5f)
        return 0.0f;
    if (x >= 0.1f)
        return -Single(1.0 - static_cast<double>(Single(2.0 * static_cast<double>(x))));
    return -Single(1.0 - static_cast<double>(x));
}

}  // namespace

void ApplyConversionRule(float& value, const ValueConversionRule& rule)
{
    if (rule.a == 0.0f)
        return;
    switch (rule.kind) {
    case 1: value = Single(static_cast<double>(value) + rule.a); break;
    case 2: value = Single(static_cast<double>(value) - rule.a); break;
    case 3: value = Single(static_cast<double>(rule.a) / rule.b * value); break;
    case 4:
        if (value != 0.0f)
            value = Single(static_cast<double>(value) / rule.a);
        break;
    case 7: value = MagnitudeToPercent(value); break;
    case 11: value = UnitToSignedUnit(value); break;
    default: break;
    }
}

void ApplyConversionRuleToInt(int& value, const ValueConversionRule& rule)
{
    float converted = static_cast<float>(value);
    ApplyConversionRule(converted, rule);
    value = FloatToInt(converted);
}
