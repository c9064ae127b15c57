#include "fcpxml/NumberText.h"

#include <limits>

#include <gtest/gtest.h>

TEST(NumberText, IntToStringIsPlainDecimal)
{
    EXPECT_EQ(IntToString(0), "0");
    EXPECT_EQ(IntToString(-42), "-42");
    EXPECT_EQ(IntToString(1234567), "1234567");  // never grouped
    EXPECT_EQ(IntToString(std::numeric_limits<int>::min()), "-2147483648");
    EXPECT_EQ(IntToString(std::numeric_limits<int>::max()), "2147483647");
}

TEST(NumberText, FloatToStringUsesSixSignificantDigits)
{
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float value;
        const char* expected;
    } cases[] = {
        {0.0f, "0"},         {100.0f, "100"},       {-3.0f, "-3"},         {1.5f, "1.5"},
        {0.1f, "0.1"},       {1.0f / 3, "0.333333"}, {-0.25f, "-0.25"},    {123456.0f, "123456"},
        {1234567.0f, "1.23457e+06"}, {1e-5f, "1e-05"}, {-0.0f, "-0"},      {inf, "inf"},
        {-inf, "-inf"},      {std::numeric_limits<float>::quiet_NaN(), "nan"},
        {-std::numeric_limits<float>::quiet_NaN(), "nan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToString(c.value), c.expected) << c.expected;
}
