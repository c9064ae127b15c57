// Decoding value bytes by their type, and how decoded values read.
#include <gtest/gtest.h>

#include "aafsdk/model/FileModel.h"
#include "aafsdk/model/ModelDump.h"
#include "aafsdk/model/Value.h"

namespace aafsdk {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(std::uint8_t(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

// A model over a graph that holds only the root object: the built-in model alone.
class ModelValueTest : public ::testing::Test {
protected:
    ModelValueTest()
    {
        StoredObject root;
        root.classId = kRootClassId;
        graph_.objects.push_back(root);
        file_ = FileModel::Build(graph_);
    }

    const TypeDef& Type(const Auid& id) const { return *file_->model().FindType(id); }

    StoredGraph graph_;
    std::unique_ptr<FileModel> file_;
};

constexpr Auid kUInt8 = "01010100-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kUInt32 = "01010300-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kUInt64 = "01010400-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kInt8 = "01010500-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kInt16 = "01010600-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kInt32 = "01010700-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kInt64 = "01010800-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kPosition = "01012001-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kBoolean = "01040100-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kRational = "03010100-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kTimeStamp = "03010700-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kProductVersion = "03010200-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kUsage = "02020104-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kStringArray = "04010500-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kInt32Array = "04010300-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kUInt32Set = "04030200-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kUInt8Array = "04010100-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kRgbaLayout = "04020100-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kIndirect = "04100300-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kOpaque = "04100400-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kStream = "04100200-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kMobStrongReference = "05021300-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kMobIdType = "01030200-0000-0000-060e-2b3401040101"_auid;

TEST_F(ModelValueTest, DecodesEveryCategoryOfData)
{
    struct Case {
        Auid type;
        const char* bytes;
        ValueKind kind;
        const char* text;
    };
    const Case cases[] = {
        {kUInt8, "ff", ValueKind::Integer, "255"},
        {kInt8, "ff", ValueKind::Integer, "-1"},
        {kInt16, "fe ff", ValueKind::Integer, "-2"},
        {kUInt32, "00 40 00 00", ValueKind::Integer, "16384"},
        {kInt64, "ff ff ff ff ff ff ff ff", ValueKind::Integer, "-1"},
        {kUInt64, "ff ff ff ff ff ff ff ff", ValueKind::Integer, "18446744073709551615"},
        {kPosition, "10 00 00 00 00 00 00 80", ValueKind::Integer, "-9223372036854775792"},
        {kBoolean, "01", ValueKind::Enumeration, "True"},
        {kBoolean, "07", ValueKind::Enumeration, "7 (no member)"},
        {ids::kTypeAuid, "01 12 01 0d 00 01 00 00 06 0e 2b 34 04 01 01 05", ValueKind::Record,
         "{0d011201-0100-0000-060e-2b3404010105}"},
        {kMobIdType, "06 0a 2b 34 01 01 01 01 01 01 0f 00 13 00 00 00 13 b3 ba 59 83 de 2e 79 06 0e 2b 34 7f 7f 2a 80",
         ValueKind::Record, "060a2b340101010101010f00-13-000000-59bab313-de83-792e-060e-2b347f7f2a80"},
        {kRational, "18 00 00 00 01 00 00 00", ValueKind::Record, "{Numerator: 24, Denominator: 1}"},
        {kTimeStamp, "e1 07 0c 05 16 23 0f 00", ValueKind::Record,
         "{date: {year: 2017, month: 12, day: 5}, time: {hour: 22, minute: 35, second: 15, fraction: 0}}"},
        {kProductVersion, "08 00 06 00 00 00 00 00 01", ValueKind::Record,
         "{major: 8, minor: 6, tertiary: 0, patchLevel: 0, type: VersionReleased}"},
        {kUsage, "02 01 01 0d 01 01 00 07 06 0e 2b 34 04 01 01 01", ValueKind::ExtendibleEnumeration,
         "Usage_TopLevel {0d010102-0101-0700-060e-2b3404010101}"},
        {kUsage, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01", ValueKind::ExtendibleEnumeration,
         "{00000000-0000-0000-0000-000000000001}"},
        {ids::kTypeString, "41 00 e9 00 00 00", ValueKind::String, "\"A\xc3\xa9\""},
        {ids::kTypeString, "00 00", ValueKind::String, "\"\""},
        {kStringArray, "72 00 65 00 64 00 00 00 67 00 00 00", ValueKind::VariableArray, "[\"red\", \"g\"]"},
        {kInt32Array, "2d 00 00 00 00 00 00 00", ValueKind::VariableArray, "[45, 0]"},
        {kInt32Array, "", ValueKind::VariableArray, "[]"},
        {kUInt32Set, "03 00 00 00", ValueKind::Set, "[3]"},
        {kUInt8Array, "01 02 ff", ValueKind::VariableArray, "<01 02 ff>"},
        {kRgbaLayout, "52 08 47 08 42 08 00 00 00 00 00 00 00 00 00 00", ValueKind::FixedArray,
         "[{Code: CompRed, Size: 8}, {Code: CompGreen, Size: 8}, {Code: CompBlue, Size: 8}, {Code: CompNull, Size: 0}, "
         "{Code: CompNull, Size: 0}, {Code: CompNull, Size: 0}, {Code: CompNull, Size: 0}, {Code: CompNull, Size: 0}]"},
        {kIndirect, "4c 00 07 01 01 00 00 00 00 06 0e 2b 34 01 04 01 01 00 40 00 00", ValueKind::Indirect,
         "Int32 16384"},
        {kIndirect, "4c 00 01 01 03 00 00 00 00 06 0e 2b 34 01 04 01 01 02 00 00 00 01 00 00 00", ValueKind::Indirect,
         "Rational {Numerator: 2, Denominator: 1}"},
        {kIndirect, "4c 00 02 10 01 00 00 00 00 06 0e 2b 34 01 04 01 01 41 00 00 00", ValueKind::Indirect,
         "String \"A\""},
        {kOpaque, "4c 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 aa bb", ValueKind::Opaque,
         "(type {04030201-0605-0807-090a-0b0c0d0e0f10}) <aa bb>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto bytes = Bytes(c.bytes);
        Value v;
        std::string error;
        ASSERT_TRUE(DecodeData(file_->model(), Type(c.type), bytes, &v, &error)) << error;
        EXPECT_EQ(v.kind, c.kind);
        EXPECT_EQ(v.type, &Type(c.type));
        EXPECT_EQ(FormatValue(*file_, v), c.text);
    }
}

TEST_F(ModelValueTest, RejectsBytesThatDoNotFitTheirType)
{
    struct Case {
        Auid type;
        const char* bytes;
        const char* error;
    };
    const Case cases[] = {
        {kUInt32, "00 40 00", "takes 4 bytes"},
        {kRational, "18 00 00 00 01 00 00 00 00", "takes 8 bytes"},
        {ids::kTypeString, "41 00", "no terminator"},
        {ids::kTypeString, "41 00 00", "no string"},
        {ids::kTypeString, "", "no string"},
        {kInt32Array, "01 00 00 00 02", "whole number"},
        {kIndirect, "4c 00 07 01 01", "too short"},
        {kIndirect, "42 00 07 01 01 00 00 00 00 06 0e 2b 34 01 04 01 01 00 00 40 00", "big-endian"},
        {kIndirect, "00 00 07 01 01 00 00 00 00 06 0e 2b 34 01 04 01 01 00 00 40 00", "byte order"},
        {kIndirect, "4c 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 aa", "is not defined"},
        {kIndirect, "4c 00 07 01 01 00 00 00 00 06 0e 2b 34 01 04 01 01 00 40", "takes 4 bytes"},
        {kStream, "55 41 00 00 00", "stream value stored as data"},
        {kMobStrongReference, "41 00 00 00", "object reference stored as data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const auto bytes = Bytes(c.bytes);
        Value v;
        std::string error;
        EXPECT_FALSE(DecodeData(file_->model(), Type(c.type), bytes, &v, &error));
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST_F(ModelValueTest, ElementsOfArraysAndByteStrings)
{
    Value v;
    const auto ints = Bytes("2d 00 00 00 fe ff ff ff");
    ASSERT_TRUE(DecodeData(file_->model(), Type(kInt32Array), ints, &v, nullptr));
    ASSERT_EQ(v.count, 2u);
    Value e;
    ASSERT_TRUE(ElementAt(v, 1, &e));
    EXPECT_EQ(e.Int64(), -2);
    EXPECT_EQ(e.type, &Type(kInt32));
    EXPECT_FALSE(ElementAt(v, 2, &e));

    // Byte strings keep their bytes; elements are made when asked for.
    const auto bytes = Bytes("01 ff");
    ASSERT_TRUE(DecodeData(file_->model(), Type(kUInt8Array), bytes, &v, nullptr));
    EXPECT_EQ(v.count, 2u);
    EXPECT_TRUE(v.elements.empty());
    ASSERT_TRUE(ElementAt(v, 1, &e));
    EXPECT_EQ(e.kind, ValueKind::Integer);
    EXPECT_EQ(e.bits, 0xffu);
    EXPECT_EQ(e.type, &Type(kUInt8));
    EXPECT_FALSE(ElementAt(v, 2, &e));
}

}  // namespace
}  // namespace aafsdk
