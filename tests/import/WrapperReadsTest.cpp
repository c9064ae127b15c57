// The wrappers' reads over interface doubles: which reads raise and what they print, which fall back
// on a default, and the rules the wrappers apply to what they read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/CheckHResult.h"
#include "aaf/import/CommonT.h"
#include "aaf/import/ComponentT.h"
#include "aaf/import/DataT.h"
#include "aaf/import/EssenceT.h"
#include "aaf/import/EventT.h"
#include "aaf/import/MobSlotT.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SourceT.h"
#include "support/AafMocks.h"
#include "support/CaptureRaise.h"
#include "support/DefinitionDoubles.h"

namespace {

using testing::_;
using testing::DoAll;
using testing::NiceMock;
using testing::Return;
using testing::SetArgPointee;
using testsupport::RaisedOutput;

struct KindAnswers {
    int kind;  // the one kind that answers true; 0 none
    bool second;  // the data definition has IAAFDataDef2
    bool third;   // and IAAFDataDef3
};

TEST(DataT, FirstKindThatAnswersDecides)
{
    const struct {
        KindAnswers answers;
        int expected;
    } cases[] = {
        {{1, true, true}, 1}, {{2, true, true}, 2}, {{3, true, true}, 3}, {{4, true, true}, 4},
        {{5, true, true}, 5}, {{6, true, true}, 6}, {{7, true, true}, 7}, {{8, true, true}, 8},
        {{0, true, true}, 0},
        // Without the later interfaces the later kinds are never asked.
        {{6, false, false}, 0}, {{8, true, false}, 0}, {{2, false, false}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.answers.kind << " second " << c.answers.second << " third "
                                        << c.answers.third);
        NiceMock<testsupport::MockIAAFDataDef> first;
        NiceMock<testsupport::MockIAAFDataDef2> second;
        NiceMock<testsupport::MockIAAFDataDef3> third;
        aaftest::RefuseQueries(first);
        if (c.answers.second)
            aaftest::AnswerQuery(first, IID_IAAFDataDef2, static_cast<IAAFDataDef2*>(&second));
        if (c.answers.third)
            aaftest::AnswerQuery(first, IID_IAAFDataDef3, static_cast<IAAFDataDef3*>(&third));
        const auto answer = [&](int kind) {
            return DoAll(SetArgPointee<0>(c.answers.kind == kind ? kAAFTrue : kAAFFalse), Return(AAFRESULT_SUCCESS));
        };
        ON_CALL(first, IsSoundKind(_)).WillByDefault(answer(1));
        ON_CALL(first, IsPictureKind(_)).WillByDefault(answer(2));
        ON_CALL(first, IsMatteKind(_)).WillByDefault(answer(3));
        ON_CALL(first, IsPictureWithMatteKind(_)).WillByDefault(answer(4));
        ON_CALL(second, IsEdgecodeKind(_)).WillByDefault(answer(5));
        ON_CALL(second, IsTimecodeKind(_)).WillByDefault(answer(6));
        ON_CALL(third, IsAuxiliaryKind(_)).WillByDefault(answer(7));
        ON_CALL(third, IsDescriptiveMetadataKind(_)).WillByDefault(answer(8));
        if (c.answers.kind == 1)
            EXPECT_CALL(first, IsPictureKind(_)).Times(0);
        EXPECT_EQ(DataT::GetDataKind(&first), c.expected);
    }
}

TEST(DataT, NullDefinitionAndFailingTestRaise)
{
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [] { DataT::GetDataKind(nullptr); }), "\n**ERROR_ZERO_OBJECT**\n");
    EXPECT_EQ(LastErrorText, "Null object:  (DataT: IsSoundKind)");

    NiceMock<testsupport::MockIAAFDataDef> first;
    ON_CALL(first, IsSoundKind(_)).WillByDefault(DoAll(SetArgPointee<0>(kAAFFalse), Return(AAFRESULT_SUCCESS)));
    ON_CALL(first, IsPictureKind(_)).WillByDefault(Return(AAFRESULT_INVALID_DATADEF));
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { DataT::GetDataKind(&first); }),
              "\n(IsPictureKind)**ERROR_HRESULT** : AAFRESULT_INVALID_DATADEF\n");
}

TEST(ComponentT, FailedLengthIsZeroAndFailedCountRaises)
{
    NiceMock<testsupport::MockIAAFComponent> component;
    ON_CALL(component, GetLength(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
    EXPECT_EQ(ComponentT::GetLength(&component), 0);
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [] { ComponentT::GetLength(nullptr); }), "\n**ERROR_NULL_OBJECT**\n");

    NiceMock<testsupport::MockIAAFSequence> sequence;
    ON_CALL(sequence, CountComponents(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { ComponentT::CountComponents(&sequence); }),
              "\n(CountComponents)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n");
}

// A KLV item or tagged value whose value is the UTF-16 text.
template <class Mock>
void AnswerValue(Mock& mock, const std::u16string& text)
{
    const auto bytes = static_cast<aafUInt32>(text.size() * sizeof(aafCharacter));
    ON_CALL(mock, GetValueBufLen(_)).WillByDefault(DoAll(SetArgPointee<0>(bytes), Return(AAFRESULT_SUCCESS)));
    ON_CALL(mock, GetValue(_, _, _)).WillByDefault([text](aafUInt32 size, aafDataBuffer_t buffer, aafUInt32* read) {
        const aafUInt32 n = std::min<aafUInt32>(size, static_cast<aafUInt32>(text.size() * 2));
        for (aafUInt32 i = 0; i < n; ++i)
            buffer[i] = static_cast<aafUInt8>(text[i / 2] >> (8 * (i % 2)));
        *read = n;
        return AAFRESULT_SUCCESS;
    });
}

TEST(CommonT, KlvItemsAllGoUnderKeySoTheLastOneStays)
{
    NiceMock<testsupport::MockIAAFMob2> mob;
    NiceMock<testsupport::MockIEnumAAFKLVData> items;
    NiceMock<testsupport::MockIAAFKLVData> first, second;
    AnswerValue(first, u"first item");
    AnswerValue(second, u"zweites St\u00fcck");
    ON_CALL(mob, CountKLVData(_)).WillByDefault(DoAll(SetArgPointee<0>(2u), Return(AAFRESULT_SUCCESS)));
    ON_CALL(mob, GetKLVData(_)).WillByDefault(testsupport::HandOut<0>(static_cast<IEnumAAFKLVData*>(&items)));
    EXPECT_CALL(items, NextOne(_))
        .WillOnce(testsupport::HandOut<0>(static_cast<IAAFKLVData*>(&first)))
        .WillOnce(testsupport::HandOut<0>(static_cast<IAAFKLVData*>(&second)));
    std::map<std::string, TaggedValueEntry> map;
    CommonT::GetKLVData(&mob, map);
    ASSERT_EQ(map.size(), 1u);
    const auto* text = dynamic_cast<const StringValue*>(map.at("Key").value);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "zweites St\u00fcck");
    EXPECT_EQ(map.at("Key").typeCategory, 0);
}

TEST(CommonT, CommentsKeepTheirTypeCategoryAndCountsAreRequired)
{
    NiceMock<testsupport::MockIAAFMob> mob;
    NiceMock<testsupport::MockIEnumAAFTaggedValues> comments;
    NiceMock<testsupport::MockIAAFTaggedValue> comment;
    NiceMock<testsupport::MockIAAFTypeDef> type;
    ON_CALL(comment, GetNameBufLen(_)).WillByDefault(aaftest::TextLength(u"Notes"));
    ON_CALL(comment, GetName(_, _)).WillByDefault(aaftest::TextCopy(u"Notes"));
    AnswerValue(comment, u"take 2");
    ON_CALL(comment, GetTypeDefinition(_)).WillByDefault(testsupport::HandOut<0>(static_cast<IAAFTypeDef*>(&type)));
    ON_CALL(type, GetTypeCategory(_))
        .WillByDefault(DoAll(SetArgPointee<0>(kAAFTypeCatString), Return(AAFRESULT_SUCCESS)));
    ON_CALL(mob, CountComments(_)).WillByDefault(DoAll(SetArgPointee<0>(3u), Return(AAFRESULT_SUCCESS)));
    ON_CALL(mob, GetComments(_)).WillByDefault(testsupport::HandOut<0>(static_cast<IEnumAAFTaggedValues*>(&comments)));
    // The enumerator ends early: the count is not trusted beyond it.
    EXPECT_CALL(comments, NextOne(_))
        .WillOnce(testsupport::HandOut<0>(static_cast<IAAFTaggedValue*>(&comment)))
        .WillOnce(Return(AAFRESULT_NO_MORE_OBJECTS));
    std::map<std::string, TaggedValueEntry> map;
    CommonT::GetComments(&mob, map);
    ASSERT_EQ(map.count("Notes"), 1u);
    EXPECT_EQ(map.at("Notes").typeCategory, kAAFTypeCatString);
    EXPECT_EQ(dynamic_cast<const StringValue*>(map.at("Notes").value)->text, "take 2");

    ON_CALL(type, GetTypeCategory(_)).WillByDefault(Return(AAFRESULT_NOT_IMPLEMENTED));
    EXPECT_CALL(comments, NextOne(_)).WillOnce(testsupport::HandOut<0>(static_cast<IAAFTaggedValue*>(&comment)));
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { CommonT::GetComments(&mob, map); }),
              "\n(GetTypeCategory)**ERROR_HRESULT** : AAFRESULT_NOT_IMPLEMENTED\n");

    ON_CALL(mob, CountComments(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { CommonT::GetComments(&mob, map); }),
              "\n(CountComments)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n");
    NiceMock<testsupport::MockIAAFMob2> mob2;
    ON_CALL(mob2, CountAttributes(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { CommonT::GetAttributes(&mob2, map); }),
              "\n(CountAttributes)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n");
}

// A source clip double naming slot 3 of a mob from frame 10, without fades.
void AnswerSourceClip(testsupport::MockIAAFSourceClip& clip)
{
    aafSourceRef_t reference{};
    reference.sourceID.material.Data1 = 0x5eed;
    reference.sourceSlotID = 3;
    reference.startTime = 10;
    ON_CALL(clip, GetSourceReference(_)).WillByDefault(DoAll(SetArgPointee<0>(reference), Return(AAFRESULT_SUCCESS)));
    ON_CALL(clip, GetFade(_, _, _, _, _, _)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
}

TEST(SourceT, ClipWithoutLengthTakesTheEnclosingOrTheSlotLength)
{
    const struct {
        int length;
        int enclosing;
        int parent;
        int slotLength;
        int expected;
    } cases[] = {
        {40, 250, kParentSequenceComponent, 100, 40},
        {0, 250, kParentSequenceComponent, 100, 250},
        {0, 0, kParentTimelineSlot, 100, 100},
        {0, 0, kParentSequenceComponent, 100, 0},
    };
    for (const auto& c : cases) {
        NiceMock<testsupport::MockIUnknown> segment;
        NiceMock<testsupport::MockIAAFSourceClip> clip;
        aaftest::RefuseQueries(segment);
        aaftest::AnswerQuery(segment, IID_IAAFSourceClip, static_cast<IAAFSourceClip*>(&clip));
        AnswerSourceClip(clip);
        ComponentContext context;
        context.length = c.length;
        context.enclosingLength = c.enclosing;
        context.parentKind = c.parent;
        context.slot.length = c.slotLength;
        context.dataKind = 1;
        const SourceT source(&segment, context);
        EXPECT_EQ(source.status, 0);
        EXPECT_EQ(source.reference.length, c.expected) << c.length << " " << c.enclosing << " " << c.parent;
        EXPECT_EQ(source.reference.dataKind, 1);
        EXPECT_EQ(source.reference.sourceSlotId, 3);
        EXPECT_EQ(source.reference.startTime, 10);
        EXPECT_EQ(source.reference.sourceMobId.material.Data1, 0x5eedu);
        EXPECT_EQ(source.reference.fadeInPresent, 0);
    }
}

TEST(SourceT, OtherSegmentsAreNoClipsAndAFailedReferenceRaises)
{
    NiceMock<testsupport::MockIUnknown> segment;
    aaftest::RefuseQueries(segment);
    EXPECT_LT(SourceT(&segment, ComponentContext()).status, 0);
    EXPECT_EQ(SourceT(nullptr, ComponentContext()).status, AAFRESULT_BADINDEX);

    NiceMock<testsupport::MockIAAFSourceClip> clip;
    aaftest::AnswerQuery(segment, IID_IAAFSourceClip, static_cast<IAAFSourceClip*>(&clip));
    ON_CALL(clip, GetSourceReference(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
    // The clip the failed wrapper queried is released all the same.
    EXPECT_CALL(clip, Release()).Times(1);
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { SourceT source(&segment, ComponentContext()); }),
              "\n(GetSourceReference)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n");
}

TEST(EssenceT, AnAlphaChoiceIsPreferredAndBecomesAPicture)
{
    const auto choice = [](int slot, int kind) {
        SourceReference reference;
        reference.sourceSlotId = slot;
        reference.dataKind = kind;
        return reference;
    };
    const struct {
        std::vector<SourceReference> choices;
        int slot;
        int kind;
    } cases[] = {
        {{choice(1, 2), choice(2, 12), choice(3, 12)}, 2, 2},
        {{choice(1, 2), choice(2, 1)}, 1, 2},
        {{choice(4, 1)}, 4, 1},
        {{}, 9, 2},  // nothing listed: the chosen reference stays
    };
    for (const auto& c : cases) {
        EssenceT group(nullptr, ComponentContext());
        group.chosen = choice(9, 2);
        group.choices = c.choices;
        group.ChooseReference();
        EXPECT_EQ(group.chosen.sourceSlotId, c.slot);
        EXPECT_EQ(group.chosen.dataKind, c.kind);
    }
}

TEST(EventT, MarkersGoUnderEveryDescribedSlot)
{
    EventT event;
    event.marker.position = 12;
    EventMarkerLists map;
    event.AddToMarkerMap(map, 1);
    EXPECT_TRUE(map.empty()) << "no described slot";

    NiceMock<testsupport::MockIAAFDescriptiveMarker> marker;
    ON_CALL(marker, GetDescribedSlotIDsSize(_)).WillByDefault(DoAll(SetArgPointee<0>(2u), Return(AAFRESULT_SUCCESS)));
    ON_CALL(marker, GetDescribedSlotIDs(2u, _)).WillByDefault([](aafUInt32, aafUInt32* ids) {
        ids[0] = 2;
        ids[1] = 5;
        return AAFRESULT_SUCCESS;
    });
    EXPECT_EQ(EventT::GetDescribedSlotIDs(&marker, event.describedSlotIds), 0);
    EXPECT_EQ(EventT::GetDescribedSlotIDs(nullptr, event.describedSlotIds), AAFRESULT_BADINDEX);
    event.AddToMarkerMap(map, -1);
    EXPECT_TRUE(map.empty()) << "no slot key";
    event.AddToMarkerMap(map, 1);
    event.AddToMarkerMap(map, 1);
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(map[2][1].size(), 2u);
    EXPECT_EQ(map[5][1].size(), 2u);
    EXPECT_EQ(map[5][1][0].position, 12);
}

TEST(EventT, AnEventOfNoKnownKindFailsAndAFailedPositionRaises)
{
    NiceMock<testsupport::MockIUnknown> segment;
    aaftest::RefuseQueries(segment);
    EventT unknown;
    EXPECT_LT(unknown.Read(&segment), 0);

    // A descriptive marker without the generic object interface is read through its own.
    NiceMock<testsupport::MockIAAFDescriptiveMarker> marker;
    NiceMock<testsupport::MockIAAFEvent> event;
    aaftest::AnswerQuery(segment, IID_IAAFDescriptiveMarker, static_cast<IAAFDescriptiveMarker*>(&marker));
    aaftest::RefuseQueries(marker);
    aaftest::AnswerQuery(marker, IID_IAAFEvent, static_cast<IAAFEvent*>(&event));
    ON_CALL(event, GetPosition(_)).WillByDefault(DoAll(SetArgPointee<0>(aafPosition_t{48}), Return(AAFRESULT_SUCCESS)));
    ON_CALL(event, GetCommentBufLen(_)).WillByDefault(aaftest::TextLength(u"look here"));
    ON_CALL(event, GetComment(_, _)).WillByDefault(aaftest::TextCopy(u"look here"));
    ON_CALL(marker, GetDescribedSlotIDsSize(_)).WillByDefault(DoAll(SetArgPointee<0>(1u), Return(AAFRESULT_SUCCESS)));
    ON_CALL(marker, GetDescribedSlotIDs(1u, _)).WillByDefault(DoAll(SetArgPointee<1>(7u), Return(AAFRESULT_SUCCESS)));
    EventT read;
    EXPECT_EQ(read.Read(&segment), 0);
    EXPECT_EQ(read.marker.position, 48);
    EXPECT_EQ(read.marker.comment, "look here");
    EXPECT_EQ(read.describedSlotIds, std::vector<std::int32_t>{7});

    ON_CALL(event, GetPosition(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
    EventT failing;
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { failing.Read(&segment); }),
              "\n(GetPosition)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n");
}

TEST(MobSlotT, OptionalPositionsFallBackOnMinusOne)
{
    NiceMock<testsupport::MockIAAFTimelineMobSlot2> slot;
    ON_CALL(slot, GetMarkIn(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
    ON_CALL(slot, GetMarkOut(_)).WillByDefault(DoAll(SetArgPointee<0>(aafPosition_t{90}), Return(AAFRESULT_SUCCESS)));
    EXPECT_EQ(MobSlotT::GetMarkIn(&slot), -1);
    EXPECT_EQ(MobSlotT::GetMarkOut(&slot), 90);
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [] { MobSlotT::GetOrigin(nullptr); }), "\n**ERROR_NULL_OBJECT**\n");
    EXPECT_EQ(LastErrorText, "Null object:  (MobSlotT: GetOrigin)");
}

}  // namespace
