#include "support/TestSupport.h"

TEST(EntryPoint, NoArgumentsExitsZero)
{
    testsupport::TempDir dir;
    auto result = testsupport::RunConverter({}, dir.path());
    EXPECT_EQ(result.exitCode, 0);
}
