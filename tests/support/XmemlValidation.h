#pragma once

#include <string>

namespace testsupport {

// The result of checking a document against the xmeml version 5 DTD with xmllint.
struct DtdCheck {
    bool ran = false;        // false when the DTD or xmllint is not available
    std::string skipReason;  // why it did not run
    std::string problems;    // xmllint's messages, the DTD's known marker colour gap left out
};

// Checks a whole document, or a fragment (a bin, clip or sequence), which is first put inside an
// xmeml root. The DTD is read in place from the shared folder.
DtdCheck CheckAgainstDtd(const std::string& text);

}  // namespace testsupport

// Skips the test when the check cannot run; otherwise fails with xmllint's messages.
#define EXPECT_VALID_XMEML(text)                                                     \
    do {                                                                             \
        const ::testsupport::DtdCheck check_ = ::testsupport::CheckAgainstDtd(text);   \
        if (!check_.ran)                                                             \
            GTEST_SKIP() << check_.skipReason;                                       \
        EXPECT_EQ(check_.problems, "");                                              \
    } while (false)
