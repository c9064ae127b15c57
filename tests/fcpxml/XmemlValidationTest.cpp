#include <gtest/gtest.h>

#include "support/XmemlValidation.h"

namespace {

// The checker lets through only the DTD's marker colour gap.
TEST(XmemlValidation, FiltersOnlyTheMarkerColorGap)
{
    struct Case {
        const char* label;
        const char* fragment;
        bool valid;
    };
    const Case cases[] = {
        {"marker with colour", "<clip><marker><name>m</name><color><alpha>0</alpha></color><in>0</in>"
                               "<out>-1</out></marker></clip>",
         true},
        {"marker with another child", "<clip><marker><name>m</name><bogus/></marker></clip>", false},
        {"marker with colour and another child",
         "<clip><marker><color><alpha>0</alpha></color><bogus/></marker></clip>", false},
        {"colour outside a marker's gap", "<clip><color/></clip>", false},
        {"undeclared element", "<clip><stillframe>FALSE</stillframe><bogus/></clip>", false},
        {"plain clip", "<clip id=\"c\"><name>x</name></clip>", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const testsupport::DtdCheck check = testsupport::CheckAgainstDtd(c.fragment);
        if (!check.ran)
            GTEST_SKIP() << check.skipReason;
        EXPECT_EQ(check.problems.empty(), c.valid) << check.problems;
    }
}

}  // namespace
