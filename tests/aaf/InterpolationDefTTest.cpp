#include "aaf/InterpolationDefT.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/RegistryAuid.h"
#include "support/DefinitionDoubles.h"

namespace {

using testing::_;
using testing::NiceMock;
using testing::Return;

// A varying value whose interpolation definition reads as the given AUID without a name.
struct VaryingValueDoubles {
    explicit VaryingValueDoubles(const Auid& id)
    {
        ON_CALL(varying, GetInterpolationDefinition(_))
            .WillByDefault(testsupport::HandOut<0>(static_cast<IAAFInterpolationDef*>(&interpolation)));
        aaftest::RefuseQueries(interpolation);
        aaftest::AnswerQuery(interpolation, IID_IAAFDefObject, static_cast<IAAFDefObject*>(&definition));
        aaftest::AnswerDefinition(definition, id);
    }
    NiceMock<testsupport::MockIAAFVaryingValue> varying;
    NiceMock<testsupport::MockIAAFInterpolationDef> interpolation;
    NiceMock<testsupport::MockIAAFDefObject> definition;
};

TEST(InterpolationDefT, ReadsTheInterpolationOfAVaryingValueAndItsKind)
{
    const struct {
        Auid id;
        const char* name;
        int kind;
    } cases[] = {
        {RegistryAuid("{5B6C85A3-0EDE-11D3-80A9-006008143E6F}"), "None", 1},
        {RegistryAuid("{5B6C85A4-0EDE-11D3-80A9-006008143E6F}"), "Linear", 1},
        {RegistryAuid("{DF394EDA-6AC6-4566-8DBE-F28B0BDD781A}"), "AvidBezierInterpolator", 2},
        {RegistryAuid("{5B6C85A5-0EDE-11D3-80A9-006008143E6F}"), "Constant", 3},
        {RegistryAuid("{A04A5439-8A0E-4CB7-975F-A5B255866883}"), "Avid cubic interpolation", 4},
        {RegistryAuid("{5B6C85A6-0EDE-11D3-80A9-006008143E6F}"), "BSpline", 5},
        {RegistryAuid("{15829EC3-1F24-458A-960D-C65BB23C2AA1}"), "Log", 6},
        {RegistryAuid("{C09153F7-BD18-4E5A-AD09-CBDD654FA001}"), "Power", 7},
        // An interpolation no table knows: named by its AUID, interpolated as linear.
        {RegistryAuid("{BFFFAA38-0000-0000-2C2C-F75B00000001}"), "{0xbfffaa38, 0x0000, 0x0000, {0x2c, 0x2c, 0xf7, 0x5b, 0x00, 0x00, 0x00, 0x01}}", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VaryingValueDoubles doubles(c.id);
        InterpolationDefT interpolation(&doubles.varying);
        EXPECT_EQ(interpolation.status, 0);
        EXPECT_EQ(interpolation.id, c.id);
        EXPECT_EQ(interpolation.name, c.name);
        EXPECT_EQ(interpolation.GetInterpolationKind(), c.kind);
    }
}

TEST(InterpolationDefT, FailuresLeaveNoDefinitionAndTheLinearKind)
{
    {
        InterpolationDefT interpolation(nullptr);
        EXPECT_EQ(interpolation.status, AAFRESULT_BADINDEX);
        EXPECT_EQ(interpolation.interpolationDef, nullptr);
        EXPECT_EQ(interpolation.GetInterpolationKind(), 1);
    }
    {
        VaryingValueDoubles doubles(RegistryAuid("{5B6C85A6-0EDE-11D3-80A9-006008143E6F}"));
        ON_CALL(doubles.varying, GetInterpolationDefinition(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
        EXPECT_CALL(doubles.interpolation, QueryInterface(_, _)).Times(0);
        InterpolationDefT interpolation(&doubles.varying);
        EXPECT_EQ(interpolation.status, AAFRESULT_PROP_NOT_PRESENT);
        EXPECT_EQ(interpolation.name, "");
        EXPECT_EQ(interpolation.GetInterpolationKind(), 1);
    }
    // A definition without IAAFDefObject: the query's result, nothing read.
    {
        VaryingValueDoubles doubles(RegistryAuid("{5B6C85A6-0EDE-11D3-80A9-006008143E6F}"));
        aaftest::RefuseQueries(doubles.interpolation);
        InterpolationDefT interpolation(&doubles.varying);
        EXPECT_EQ(interpolation.status, E_NOINTERFACE);
        EXPECT_EQ(interpolation.GetInterpolationKind(), 1);
    }
}

TEST(InterpolationDefT, ReleasesWhatItHolds)
{
    VaryingValueDoubles doubles(RegistryAuid("{5B6C85A4-0EDE-11D3-80A9-006008143E6F}"));
    EXPECT_CALL(doubles.interpolation, Release()).Times(1);
    EXPECT_CALL(doubles.definition, Release()).Times(1);
    EXPECT_CALL(doubles.varying, Release()).Times(0);
    InterpolationDefT interpolation(&doubles.varying);
}

}  // namespace
