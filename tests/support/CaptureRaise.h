#pragma once

#include <string>

#include <gtest/gtest.h>

namespace testsupport {

// Runs body, which must raise the integer code (as a failed AAF read does), and returns what it
// printed on standard output.
template <class Body>
std::string RaisedOutput(int code, Body body)
{
    testing::internal::CaptureStdout();
    int raised = 0;
    try {
        body();
    } catch (int value) {
        raised = value;
    }
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(raised, code) << out;
    return out;
}

}  // namespace testsupport
