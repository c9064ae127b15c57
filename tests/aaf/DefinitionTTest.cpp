#include "aaf/DefinitionT.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "support/DefinitionDoubles.h"

namespace {

using testing::_;
using testing::NiceMock;
using testing::Return;
using testing::StrictMock;

constexpr Auid kUnlisted = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}};
constexpr Auid kLinear = {0x5B6C85A4, 0x0EDE, 0x11D3, {0x80, 0xA9, 0x00, 0x60, 0x08, 0x14, 0x3E, 0x6F}};

TEST(DefinitionT, ReadsNameDescriptionAndAuidThroughEitherInterface)
{
    const struct {
        bool meta;
        Auid id;
        std::u16string name;
        std::string expectedName;
    } cases[] = {
        {true, kLinear, u"Überblendung", "Überblendung"},
        {false, kUnlisted, u"ディゾルブ", "ディゾルブ"},
        // A definition without a name of its own is named by the dictionary, or by its AUID.
        {false, kLinear, u"", "Linear"},
        {true, kUnlisted, u"", AuidToText(kUnlisted)},
        {false, kUnlisted, u"", AuidToText(kUnlisted)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expectedName);
        NiceMock<testsupport::MockIUnknown> holder;
        NiceMock<testsupport::MockIAAFMetaDefinition> meta;
        NiceMock<testsupport::MockIAAFDefObject> def;
        aaftest::RefuseQueries(holder);
        aaftest::AnswerQuery(holder, IID_IAAFMetaDefinition, static_cast<IAAFMetaDefinition*>(&meta));
        aaftest::AnswerQuery(holder, IID_IAAFDefObject, static_cast<IAAFDefObject*>(&def));
        aaftest::AnswerDefinition(meta, c.id, c.name, u"described");
        aaftest::AnswerDefinition(def, c.id, c.name, u"described");

        DefinitionT definition;
        EXPECT_EQ(c.meta ? definition.ReadMetaDefinition(&holder) : definition.ReadDefObject(&holder), 0);
        EXPECT_EQ(definition.name, c.expectedName);
        EXPECT_EQ(definition.description, "described");
        EXPECT_EQ(definition.id, c.id);
        EXPECT_EQ(definition.idText, AuidToText(c.id));
    }
}

TEST(DefinitionT, FailedStepsGiveTheirResult)
{
    // No holder, or no interface: nothing is read.
    {
        DefinitionT definition;
        EXPECT_EQ(definition.ReadMetaDefinition(nullptr), AAFRESULT_BADINDEX);
        NiceMock<testsupport::MockIUnknown> holder;
        aaftest::RefuseQueries(holder);
        EXPECT_EQ(definition.ReadDefObject(&holder), E_NOINTERFACE);
        EXPECT_EQ(definition.name, "");
        EXPECT_EQ(definition.idText, "");
    }
    // A failed AUID read is the status; the name falls back on the zero AUID's text.
    {
        NiceMock<testsupport::MockIUnknown> holder;
        NiceMock<testsupport::MockIAAFMetaDefinition> meta;
        aaftest::AnswerQuery(holder, IID_IAAFMetaDefinition, static_cast<IAAFMetaDefinition*>(&meta));
        aaftest::AnswerDefinition(meta, kLinear);
        ON_CALL(meta, GetAUID(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
        DefinitionT definition;
        EXPECT_EQ(definition.ReadMetaDefinition(&holder), AAFRESULT_PROP_NOT_PRESENT);
        EXPECT_EQ(definition.id, Auid{});
        EXPECT_EQ(definition.idText, AuidToText(Auid{}));
        EXPECT_EQ(definition.name, AuidToText(Auid{}));
    }
}

TEST(DefinitionT, TheIdAloneReadsNoTexts)
{
    NiceMock<testsupport::MockIUnknown> holder;
    StrictMock<testsupport::MockIAAFMetaDefinition> meta;
    aaftest::AnswerQuery(holder, IID_IAAFMetaDefinition, static_cast<IAAFMetaDefinition*>(&meta));
    // Only the AUID is asked for (and the interface released): a strict double fails on anything else.
    EXPECT_CALL(meta, GetAUID(_)).WillOnce(testing::DoAll(testing::SetArgPointee<0>(ToAafUid(kLinear)), Return(0)));
    EXPECT_CALL(meta, Release()).WillRepeatedly(Return(0));
    DefinitionT definition;
    EXPECT_EQ(definition.ReadMetaDefinitionId(&holder), 0);
    EXPECT_EQ(definition.id, kLinear);
    EXPECT_EQ(definition.name, "");
    EXPECT_EQ(definition.idText, "");

    NiceMock<testsupport::MockIUnknown> refusing;
    aaftest::RefuseQueries(refusing);
    EXPECT_EQ(DefinitionT().ReadMetaDefinitionId(&refusing), E_NOINTERFACE);
}

TEST(DefinitionT, ReadingAgainReleasesTheEarlierInterface)
{
    NiceMock<testsupport::MockIUnknown> holder;
    NiceMock<testsupport::MockIAAFDefObject> first;
    NiceMock<testsupport::MockIAAFDefObject> second;
    aaftest::AnswerDefinition(first, kLinear, u"first");
    aaftest::AnswerDefinition(second, kUnlisted, u"second");
    EXPECT_CALL(holder, QueryInterface(IID_IAAFDefObject, _))
        .WillOnce(testsupport::HandOut<1>(static_cast<IAAFDefObject*>(&first)))
        .WillOnce(testsupport::HandOut<1>(static_cast<IAAFDefObject*>(&second)));
    EXPECT_CALL(first, Release()).Times(1);
    EXPECT_CALL(second, Release()).Times(1);
    {
        DefinitionT definition;
        definition.ReadDefObject(&holder);
        definition.ReadDefObject(&holder);
        EXPECT_EQ(definition.name, "second");
        EXPECT_EQ(definition.id, kUnlisted);
    }
}

TEST(DefinitionT, UnlistedAuidIsNamedByItsTextAndNotKnown)
{
    bool known = true;
    EXPECT_EQ(GetDefinitionName(kUnlisted, known), "{0x12345678, 0x9abc, 0xdef0, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}}");
    EXPECT_FALSE(known);
}

}  // namespace
