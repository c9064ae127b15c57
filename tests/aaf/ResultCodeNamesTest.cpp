#include "aaf/ResultCodeNames.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct CodeRun {
    unsigned first;
    unsigned last;
};

// The runs of consecutive codes the table covers.
constexpr CodeRun kRuns[] = {
    {0x80004001, 0x80004001}, {0x80120010, 0x8012002E}, {0x80120030, 0x8012003A}, {0x80120064, 0x801200BA},
    {0x801200C8, 0x801200C8}, {0x801200CA, 0x801200D2}, {0x801200D5, 0x801200D6}, {0x801200D9, 0x801200DE},
    {0x801200FA, 0x8012012A}, {0x8012012C, 0x8012012D}, {0x80120130, 0x80120135}, {0x80120140, 0x80120140},
    {0x8012015E, 0x80120162}, {0x80120164, 0x8012016D}, {0x80120190, 0x801201A5}, {0x801201C2, 0x801201C5},
    {0x801201C8, 0x801201CC}, {0x801201D0, 0x801201D2}, {0x801201F4, 0x801201F5}, {0x80120200, 0x80120204},
    {0x80120400, 0x80120401}, {0x80120500, 0x80120501},
};

TEST(ResultCodeNamesTest, HoldsExactlyTheCodesOfTheRunsInOrder)
{
    std::vector<AAFRESULT> expected;
    for (const CodeRun& run : kRuns)
        for (unsigned code = run.first; code <= run.last; ++code)
            expected.push_back(static_cast<AAFRESULT>(code));
    ASSERT_EQ(expected.size(), 266u);

    std::vector<AAFRESULT> actual;
    int withReason = 0;
    for (const ResultCodeName& row : ResultCodeNames) {
        actual.push_back(row.code);
        EXPECT_EQ(std::string(row.text).rfind("AAFRESULT_", 0), 0u) << row.text;
        withReason += std::string(row.text).find(" - ") != std::string::npos;
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(withReason, 56);
}

TEST(ResultCodeNamesTest, LooksUpTextsWithTheirReasons)
{
    const struct {
        unsigned code;
        const char* text;
    } cases[] = {
        {0x80004001, "AAFRESULT_NOT_IMPLEMENTED"},
        {0x80120010, "AAFRESULT_BAD_SESSION"},
        {0x8012001B, "AAFRESULT_NOBYTEORDER - Failed to open the file"},
        {0x8012001D, "AAFRESULT_NOT_AAF_FILE"},
        {0x80120021, "AAFRESULT_FILE_NOT_FOUND"},
        {0x80120030, "AAFRESULT_OPERATION_NOT_PERMITTED - Failed to open the file"},
        {0x80120064, "AAFRESULT_DESCSAMPRATE"},
        {0x80120068, "AAFRESULT_3COMPONENT"},
        {0x8012006F, "AAFRESULT_SMALLBUF"},
        {0x8012007B, "AAFRESULT_SWABBUFSIZE"},
        {0x8012007C, "AAFRESULT_SWABBUFSIZE"},
        {0x801200BA, "AAFRESULT_NO_MORE_FLAVOURS"},
        {0x801200C8, "AAFRESULT_BADINDEX"},
        {0x801200CA, "AAFRESULT_INVALID_LINKAGE - Array index out of range"},
        {0x801200CB, "AAFRESULT_BAD_PROP - Property code out of range"},
        {0x801200CE, "AAFRESULT_END_OF_DATA - Type code out of range"},
        {0x801200CF, "AAFRESULT_PROP_NOT_PRESENT"},
        {0x801200D2, "AAFRESULT_TOO_MANY_TYPES - Invalid data definition"},
        {0x80120107, "AAFRESULT_NO_MORE_MOBS"},
        {0x80120111, "AAFRESULT_NO_MORE_OBJECTS"},
        {0x80120112, "AAFRESULT_ITER_WRONG_TYPE - No More Objects"},
        {0x80120117, "AAFRESULT_TRAVERSAL_NOT_POSS"},
        {0x80120118, "AAFRESULT_INVALID_TRAN_EFFECT - Mob traversal failed"},
        {0x8012012A, "AAFRESULT_EVENT_SEMANTICS - Mob traversal failed"},
        {0x8012015E, "AAFRESULT_NOMEMORY"},
        {0x80120161, "AAFRESULT_OVERFLOW64 - Memory allocation failed, no more heap memory"},
        {0x80120164, "AAFRESULT_NULL_PARAM"},
        {0x8012019B, "AAFRESULT_INVALID_OBJ"},
        {0x8012019C, "AAFRESULT_BAD_VIRTUAL_CREATE - Invalid object for this operation"},
        {0x801201A5, "AAFRESULT_INVALID_BOOLTYPE - Invalid object for this operation"},
        {0x801201CB, "AAFRESULT_WRONG_SIZE - Abstract class"},
        {0x801201D1, "AAFRESULT_UNEXPECTED_EXCEPTION (C++)"},
        {0x80120501, "AAFRESULT_RESULT_NOT_RECOGNIZED"},
        // Not in the table.
        {0x00000000, ""},
        {0x00000001, ""},
        {0x80004002, ""},
        {0x801200C9, ""},
        {0x80120502, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LookupResultName(static_cast<AAFRESULT>(c.code)), c.text) << std::hex << c.code;
}

}  // namespace
