#include "aaf/CheckHResult.h"

#include <functional>
#include <optional>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/AafMocks.h"

namespace {

using testing::_;
using testing::Return;
using testing::StrictMock;

struct Outcome {
    std::string out;
    std::optional<int> raised;
};

Outcome RunCapturingStdout(const std::function<void()>& call)
{
    testing::internal::CaptureStdout();
    std::optional<int> raised;
    try {
        call();
    } catch (int code) {
        raised = code;
    }
    return {testing::internal::GetCapturedStdout(), raised};
}

TEST(CheckHResultTest, RequiredReadPrintsTheCodesNameAndRaises)
{
    const struct {
        const char* where;
        unsigned result;
        int errorCode;
        const char* out;
        std::optional<int> raised;
        const char* lastError;
    } cases[] = {
        {"GetHeader", 0, kAafCallFailed, "", std::nullopt, "untouched"},
        // A success code other than 0 fails like any other.
        {"GetHeader", 1, kAafCallFailed, "\n(GetHeader)**ERROR_HRESULT** \n", kAafCallFailed, " (GetHeader)"},
        {"GetHeader", 0x8012001D, kAafCallFailed, "\n(GetHeader)**ERROR_HRESULT** : AAFRESULT_NOT_AAF_FILE\n",
         kAafCallFailed, "AAFRESULT_NOT_AAF_FILE (GetHeader)"},
        {"GetHeader", 0x8012007C, kAafCallFailed, "\n(GetHeader)**ERROR_HRESULT** : AAFRESULT_SWABBUFSIZE\n",
         kAafCallFailed, "AAFRESULT_SWABBUFSIZE (GetHeader)"},
        {"GetHeader", 0x8012001B, kAafCallFailed,
         "\n(GetHeader)**ERROR_HRESULT** : AAFRESULT_NOBYTEORDER - Failed to open the file\n", kAafCallFailed,
         "AAFRESULT_NOBYTEORDER - Failed to open the file (GetHeader)"},
        // Not in the table: the short line.
        {"GetHeader", 0x80004002, kAafCallFailed, "\n(GetHeader)**ERROR_HRESULT** \n", kAafCallFailed,
         " (GetHeader)"},
        {"AAFFileOpenExistingRead", 0x80120021, kAafOpenFailed,
         "\n(AAFFileOpenExistingRead)**ERROR_HRESULT** : AAFRESULT_FILE_NOT_FOUND\n", kAafOpenFailed,
         "AAFRESULT_FILE_NOT_FOUND (AAFFileOpenExistingRead)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        StrictMock<testsupport::MockIAAFFile> file;
        EXPECT_CALL(file, GetHeader(_)).WillOnce(Return(static_cast<HRESULT>(c.result)));
        LastErrorText = "untouched";
        const Outcome outcome = RunCapturingStdout([&] {
            IAAFHeader* header = nullptr;
            EXPECT_EQ(CheckHResult(c.where, CheckNotNull(&file, "FileT: GetHeader")->GetHeader(&header), c.errorCode),
                      0);
        });
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.raised, c.raised);
        EXPECT_EQ(LastErrorText, c.lastError);
    }
}

TEST(CheckHResultTest, NullInterfaceRaisesBeforeAnyCall)
{
    IAAFSoundDescriptor* sound = nullptr;
    const Outcome outcome = RunCapturingStdout([&] {
        aafBoolean_t locked = kAAFFalse;
        static_cast<void>(CheckNotNull(sound, "SoundR: IsLocked")->IsLocked(&locked));
    });
    EXPECT_EQ(outcome.out, "\n**ERROR_NULL_OBJECT**\n");
    EXPECT_EQ(outcome.raised, kAafCallFailed);
    EXPECT_EQ(LastErrorText, "Null object:  (SoundR: IsLocked)");
}

TEST(CheckHResultTest, NonNullInterfaceIsHandedBack)
{
    StrictMock<testsupport::MockIAAFMob> mob;
    const Outcome outcome = RunCapturingStdout([&] { EXPECT_EQ(CheckNotNull(&mob, "MobtT: GetMobID"), &mob); });
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.raised, std::nullopt);
}

TEST(CheckHResultTest, ZeroObjectRaisesTheGivenCode)
{
    const Outcome outcome = RunCapturingStdout([] { ReportZeroObject(kAafCallFailed, "DataT: IsSoundKind"); });
    EXPECT_EQ(outcome.out, "\n**ERROR_ZERO_OBJECT**\n");
    EXPECT_EQ(outcome.raised, kAafCallFailed);
    EXPECT_EQ(LastErrorText, "Null object:  (DataT: IsSoundKind)");
}

}  // namespace
