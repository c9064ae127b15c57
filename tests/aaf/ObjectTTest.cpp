#include "aaf/ObjectT.h"

#include <optional>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/CheckHResult.h"
#include "support/AafMocks.h"

namespace {

using testing::_;
using testing::DoAll;
using testing::InSequence;
using testing::Return;
using testing::SetArgPointee;
using testing::StrictMock;
using testsupport::HandOut;

TEST(ObjectTTest, GetInterfaceOnANullHolderCallsNothing)
{
    IAAFMob* holder = nullptr;
    IAAFMob2* out = nullptr;
    testing::internal::CaptureStdout();
    EXPECT_EQ(GetInterface(&out, IID_IAAFMob2, "IID_IAAFMob2", holder), AAFRESULT_BADINDEX);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(out, nullptr);
}

TEST(ObjectTTest, GetInterfaceHandsOverTheQueryAndItsResult)
{
    StrictMock<testsupport::MockIAAFMob> mob;
    StrictMock<testsupport::MockIAAFMob2> mob2;
    EXPECT_CALL(mob, QueryInterface(IID_IAAFMob2, _)).WillOnce(HandOut<1>(static_cast<IAAFMob2*>(&mob2)));
    EXPECT_CALL(mob, QueryInterface(IID_IAAFObject, _)).WillOnce(Return(E_NOINTERFACE));

    IAAFMob2* second = nullptr;
    EXPECT_EQ(GetInterface(&second, IID_IAAFMob2, "IID_IAAFMob2", static_cast<IAAFMob*>(&mob)), 0);
    EXPECT_EQ(second, &mob2);
    IAAFObject* object = nullptr;
    EXPECT_EQ(GetInterface(&object, IID_IAAFObject, "IID_IAAFObject", static_cast<IAAFMob*>(&mob)), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
}

// A wrapper as the import builds them: the head, then a typed interface released first.
struct MobWrapper : ObjectT {
    IAAFMob* mob = nullptr;
    ~MobWrapper() { ReleaseInterface(mob); }
};

TEST(ObjectTTest, WrapperReleasesTypedInterfacesThenTheObjectOnce)
{
    StrictMock<testsupport::MockIAAFMob> mob;
    StrictMock<testsupport::MockIAAFObject> object;
    {
        InSequence order;
        EXPECT_CALL(mob, Release()).WillOnce(Return(0));
        EXPECT_CALL(object, Release()).WillOnce(Return(0));
    }
    {
        MobWrapper wrapper;
        wrapper.mob = &mob;
        wrapper.object = &object;
    }
}

TEST(ObjectTTest, ReleaseObjectEmptiesTheSlot)
{
    StrictMock<testsupport::MockIAAFObject> object;
    EXPECT_CALL(object, Release()).WillOnce(Return(0));
    ObjectT head;
    head.object = &object;
    head.ReleaseObject();
    EXPECT_EQ(head.object, nullptr);
    head.ReleaseObject();  // nothing left to release
}

TEST(ObjectTTest, ReleaseInterfaceOnAnEmptySlotDoesNothing)
{
    IAAFMob* slot = nullptr;
    ReleaseInterface(slot);
    EXPECT_EQ(slot, nullptr);
}

TEST(ObjectTTest, CountPropertiesIsARequiredRead)
{
    const struct {
        bool withObject;
        HRESULT result;
        aafUInt32 count;
        const char* out;
        std::optional<int> raised;
    } cases[] = {
        {true, 0, 7, "", std::nullopt},
        {true, AAFRESULT_PROP_NOT_PRESENT, 0, "\n(CountProperties)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n",
         kAafCallFailed},
        {false, 0, 0, "\n**ERROR_NULL_OBJECT**\n", kAafCallFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        StrictMock<testsupport::MockIAAFObject> object;
        ObjectT head;
        if (c.withObject) {
            head.object = &object;
            EXPECT_CALL(object, CountProperties(_)).WillOnce(DoAll(SetArgPointee<0>(c.count), Return(c.result)));
            EXPECT_CALL(object, Release()).WillOnce(Return(0));
        }
        head.status = 3;
        testing::internal::CaptureStdout();
        std::optional<int> raised;
        try {
            EXPECT_EQ(head.CountProperties(), 3);
        } catch (int code) {
            raised = code;
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
        EXPECT_EQ(raised, c.raised);
        EXPECT_EQ(head.propertyCount, c.count);
    }
}

}  // namespace
