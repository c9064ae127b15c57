#include "aaf/TextConversion.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/AafMocks.h"

namespace {

using testing::_;
using testing::DoAll;
using testing::Invoke;
using testing::Return;
using testing::SetArgPointee;
using testing::StrictMock;


TEST(TextConversionTest, WideTextBecomesUtf8WithoutLoss)
{
    const struct {
        std::u16string wide;
        std::size_t maxLength;
        const char* narrow;
    } cases[] = {
        {u"Clip 01", 100, "Clip 01"},
        {u"Café Müller Straße", 100, "Café Müller Straße"},
        {u"日本語のクリップ", 100, "日本語のクリップ"},
        {u"中文名称", 100, "中文名称"},
        {u"\U0001D11E clef \U0001F600", 100, "\xF0\x9D\x84\x9E clef \xF0\x9F\x98\x80"},
        {u"Straße", 5, "Straß"},
        {std::u16string(u"ab\0cd", 5), 5, "ab"},
        {u"", 10, ""},
        {u"abc", 0, ""},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(CharsToString(c.maxLength, c.wide.c_str()), c.narrow);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
    EXPECT_EQ(CharsToString(10, static_cast<const aafCharacter*>(nullptr)), "");
}

// An unpaired surrogate unit stands for no character: it becomes U+FFFD, the rest of the text is
// kept, and nothing is printed.
TEST(TextConversionTest, UnpairedSurrogateBecomesAReplacementCharacter)
{
    const struct {
        std::u16string wide;
        const char* narrow;
    } cases[] = {
        {u"abc\xD800" u"XYZtail", "abc\xEF\xBF\xBDXYZtail"},
        {u"x\xDC00y", "x\xEF\xBF\xBDy"},
        {u"\xE9t\xE9\xD83D", "été\xEF\xBF\xBD"},
        {u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {u"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(CharsToString(c.wide.size(), c.wide.c_str()), c.narrow);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

TEST(TextConversionTest, NarrowCharsStopAtNulOrLength)
{
    EXPECT_EQ(CharsToString(2, "abc"), "ab");
    EXPECT_EQ(CharsToString(3, "a\0b"), "a");
    EXPECT_EQ(CharsToString(3, static_cast<const char*>(nullptr)), "");
}

TEST(TextConversionTest, ValueBytesAreReadWithinTheirLength)
{
    const struct {
        std::vector<aafUInt8> bytes;
        const char* narrow;
    } cases[] = {
        {{'A', 0, 'B', 0}, "AB"},  // an Int32 or opaque payload: no terminator
        {{'A', 0, 'B'}, "A"},      // odd length: the last byte is no character
        {{'A', 0, 0, 0, 'B', 0}, "A"},
        {{0xE9, 0x00, 0x3D, 0xD8, 0x00, 0xDE}, "é\xF0\x9F\x98\x80"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WideBytesToString(c.bytes.data(), c.bytes.size()), c.narrow);
}

TEST(TextConversionTest, PathsBecomeUtf16)
{
    EXPECT_EQ(PathToWideString("media/clip.aaf"), u"media/clip.aaf");
    EXPECT_EQ(PathToWideString("Caf\xC3\xA9/\xE6\x97\xA5\xE6\x9C\xAC.aaf"), u"Café/日本.aaf");
    EXPECT_EQ(PathToWideString("\xF0\x9F\x98\x80"), u"\xD83D\xDE00");
    EXPECT_EQ(PathToWideString(nullptr), u"");
    // Bytes that are not UTF-8 travel as U+DC80 + (byte - 0x80); the file open turns them back.
    EXPECT_EQ(PathToWideString("in\xFF\xE9.aaf"), u"in\xDCFF\xDCE9.aaf");
}

// The getter fills the caller's buffer with the text, at most bufSize bytes of it.
auto FillText(std::u16string text)
{
    return [text](aafCharacter* buffer, aafUInt32 bufSize) {
        std::memcpy(buffer, text.data(), std::min<std::size_t>(bufSize, text.size() * sizeof(aafCharacter)));
        return AAFRESULT_SUCCESS;
    };
}

TEST(TextConversionTest, TextReadThroughTheLengthAndTextGetters)
{
    // Longer than a name usually is, with and without its terminator.
    std::string longNarrow(150, 'x');
    for (int i = 0; i < 150; ++i)
        longNarrow += "ß";
    const std::u16string longWide = std::u16string(150, u'x') + std::u16string(150, u'ß');
    const struct {
        HRESULT lengthResult;
        aafUInt32 bytes;
        std::optional<HRESULT> textResult;  // not called when unset
        std::u16string stored;
        const char* narrow;
    } cases[] = {
        {0, 22, 0, std::u16string(u"Mönch 日本語\0", 10), "Mönch 日本語"},
        // A getter that writes no terminator is read within the length.
        {0, 6, 0, u"abcdef", "abc"},
        {AAFRESULT_PROP_NOT_PRESENT, 0, std::nullopt, u"", ""},
        {0, 0, std::nullopt, u"", ""},
        {0, 1, std::nullopt, u"", ""},
        {0, 8, AAFRESULT_SMALLBUF, u"", ""},
        {0, 602, 0, longWide + u'\0', longNarrow.c_str()},
        {0, 600, 0, longWide, longNarrow.c_str()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.narrow);
        StrictMock<testsupport::MockIAAFMob> mob;
        EXPECT_CALL(mob, GetNameBufLen(_)).WillOnce(DoAll(SetArgPointee<0>(c.bytes), Return(c.lengthResult)));
        if (c.textResult) {
            if (*c.textResult == 0)
                EXPECT_CALL(mob, GetName(_, c.bytes)).WillOnce(Invoke(FillText(c.stored)));
            else
                EXPECT_CALL(mob, GetName(_, c.bytes)).WillOnce(Return(*c.textResult));
        }
        EXPECT_EQ(ReadText<IAAFMob>(&mob, "CommonT: GetName", &IAAFMob::GetNameBufLen, &IAAFMob::GetName), c.narrow);
    }
}

TEST(TextConversionTest, TextReadThroughANullInterfaceRaises)
{
    IAAFMob* mob = nullptr;
    testing::internal::CaptureStdout();
    std::optional<int> raised;
    try {
        static_cast<void>(ReadText(mob, "CommonT: GetName", &IAAFMob::GetNameBufLen, &IAAFMob::GetName));
    } catch (int code) {
        raised = code;
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n**ERROR_NULL_OBJECT**\n");
    EXPECT_EQ(raised, kAafCallFailed);
}

}  // namespace
