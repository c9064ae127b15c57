#include "aaf/PropertyValues.h"

#include <cstring>
#include <deque>
#include <list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aaf/CheckHResult.h"
#include "aaf/ObjectT.h"
#include "aaf/ReferencedParameterReader.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/ItemSlot.h"
#include "records/ParameterRecord.h"
#include "support/DefinitionDoubles.h"
#include "support/ValueText.h"

namespace {

using testing::_;
using testing::DoAll;
using testing::NiceMock;
using testing::Return;
using testing::SetArgPointee;
using testing::StrictMock;
using testsupport::HandOut;

constexpr Auid kTaggedValueReference = {0x05021A00, 0, 0, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kParameterReference = {0x05021600, 0, 0, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kStringType = {0x01100200, 0, 0, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kInt32Type = {0x01010700, 0, 0, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kOtherType = {0x04100200, 0, 0, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x04, 0x01, 0x01}};
constexpr Auid kOtherProperty = {0x06010104, 0x0101, 0, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x01, 0x01, 0x02}};

// Little-endian UTF-16 bytes of a text, with or without its terminator.
std::vector<aafUInt8> WideBytes(const std::u16string& text, bool terminated = true)
{
    std::vector<aafUInt8> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<aafUInt8>(unit & 0xFF));
        bytes.push_back(static_cast<aafUInt8>(unit >> 8));
    }
    if (terminated)
        bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// One type definition with every typed face a reader may ask for; only those answered are found.
struct TypeDouble {
    NiceMock<testsupport::MockIAAFTypeDef> type;
    NiceMock<testsupport::MockIAAFMetaDefinition> meta;
    NiceMock<testsupport::MockIAAFTypeDefInt> integer;
    NiceMock<testsupport::MockIAAFTypeDefString> text;
    NiceMock<testsupport::MockIAAFTypeDefSet> set;
    NiceMock<testsupport::MockIAAFTypeDefVariableArray> array;
    NiceMock<testsupport::MockIAAFTypeDefRecord> record;
    NiceMock<testsupport::MockIAAFTypeDefStrongObjRef> strong;
    NiceMock<testsupport::MockIAAFTypeDefObjectRef> reference;

    explicit TypeDouble(const Auid& id = kOtherType)
    {
        aaftest::RefuseQueries(type);
        aaftest::RefuseQueries(strong);
        aaftest::AnswerQuery(type, IID_IAAFMetaDefinition, static_cast<IAAFMetaDefinition*>(&meta));
        aaftest::AnswerDefinition(meta, id);
    }
    // An integer of size bytes whose stored value is the low bytes of stored.
    void Integer(aafUInt32 size, std::uint64_t stored, HRESULT readResult = 0)
    {
        aaftest::AnswerQuery(type, IID_IAAFTypeDefInt, static_cast<IAAFTypeDefInt*>(&integer));
        ON_CALL(integer, GetSize(_)).WillByDefault(DoAll(SetArgPointee<0>(size), Return(0)));
        ON_CALL(integer, GetInteger(_, _, _))
            .WillByDefault([=](IAAFPropertyValue*, aafMemPtr_t out, aafUInt32 bytes) -> HRESULT {
                if (readResult < 0)
                    return readResult;
                if (bytes != size)
                    return AAFRESULT_BAD_SIZE;
                std::memcpy(out, &stored, bytes);
                return 0;
            });
    }
    void Text() { aaftest::AnswerQuery(type, IID_IAAFTypeDefString, static_cast<IAAFTypeDefString*>(&text)); }
    void Set() { aaftest::AnswerQuery(type, IID_IAAFTypeDefSet, static_cast<IAAFTypeDefSet*>(&set)); }
    void Record() { aaftest::AnswerQuery(type, IID_IAAFTypeDefRecord, static_cast<IAAFTypeDefRecord*>(&record)); }
    void Array(TypeDouble& element)
    {
        aaftest::AnswerQuery(type, IID_IAAFTypeDefVariableArray, static_cast<IAAFTypeDefVariableArray*>(&array));
        ON_CALL(array, GetType(_)).WillByDefault(HandOut<0>(static_cast<IAAFTypeDef*>(&element.type)));
    }
    void StrongReference()
    {
        aaftest::AnswerQuery(type, IID_IAAFTypeDefStrongObjRef, static_cast<IAAFTypeDefStrongObjRef*>(&strong));
        aaftest::AnswerQuery(strong, IID_IAAFTypeDefObjectRef, static_cast<IAAFTypeDefObjectRef*>(&reference));
    }
};

// A tagged value: its name, its type and its stored bytes.
struct TaggedInput {
    std::u16string name;
    Auid type;
    std::vector<aafUInt8> bytes;
};

// A variable array of tagged-value references, as an attribute list is stored.
struct TaggedList {
    TypeDouble arrayType;
    TypeDouble elementType{kTaggedValueReference};
    NiceMock<testsupport::MockIAAFPropertyValue> value;
    std::deque<NiceMock<testsupport::MockIAAFPropertyValue>> elements;
    std::deque<NiceMock<testsupport::MockIAAFTaggedValue>> tagged;
    std::deque<TypeDouble> taggedTypes;

    explicit TaggedList(const std::vector<TaggedInput>& inputs)
    {
        arrayType.Array(elementType);
        elementType.StrongReference();
        ON_CALL(arrayType.array, GetCount(&value, _))
            .WillByDefault(DoAll(SetArgPointee<1>(static_cast<aafUInt32>(inputs.size())), Return(0)));
        ON_CALL(arrayType.array, GetElementValue(_, _, _)).WillByDefault(Return(AAFRESULT_BADINDEX));
        ON_CALL(value, IsDefinedType(_)).WillByDefault(DoAll(SetArgPointee<0>(kAAFTrue), Return(0)));
        ON_CALL(value, GetType(_)).WillByDefault(HandOut<0>(static_cast<IAAFTypeDef*>(&arrayType.type)));
        for (aafUInt32 i = 0; i < inputs.size(); ++i) {
            const TaggedInput& input = inputs[i];
            auto& element = elements.emplace_back();
            auto& t = tagged.emplace_back();
            auto& type = taggedTypes.emplace_back(input.type);
            ON_CALL(arrayType.array, GetElementValue(&value, i, _))
                .WillByDefault(HandOut<2>(static_cast<IAAFPropertyValue*>(&element)));
            ON_CALL(elementType.reference, GetObject(&element, IID_IAAFTaggedValue, _))
                .WillByDefault(HandOut<2>(static_cast<IUnknown*>(static_cast<IAAFTaggedValue*>(&t))));
            ON_CALL(t, GetNameBufLen(_)).WillByDefault(aaftest::TextLength(input.name));
            ON_CALL(t, GetName(_, _)).WillByDefault(aaftest::TextCopy(input.name));
            ON_CALL(t, GetTypeDefinition(_)).WillByDefault(HandOut<0>(static_cast<IAAFTypeDef*>(&type.type)));
            ON_CALL(t, GetValueBufLen(_))
                .WillByDefault(DoAll(SetArgPointee<0>(static_cast<aafUInt32>(input.bytes.size())), Return(0)));
            ON_CALL(t, GetValue(_, _, _))
                .WillByDefault([bytes = input.bytes](aafUInt32 size, aafDataBuffer_t out, aafUInt32* read) -> HRESULT {
                    const aafUInt32 n = std::min<aafUInt32>(size, static_cast<aafUInt32>(bytes.size()));
                    std::memcpy(out, bytes.data(), n);
                    *read = n;
                    return 0;
                });
        }
    }
};

using testsupport::Describe;

using Texts = std::vector<std::string>;

TEST(ReadTypedValue, IntegersByTheirTypeSize)
{
    const struct {
        aafUInt32 size;
        std::uint64_t stored;
        HRESULT readResult;
        Texts expected;
    } cases[] = {
        {4, 0xFFFFFFF9u, 0, {"int -7"}},
        {2, 0xFFFF, 0, {"int 65535"}},
        {1, 0x80, 0, {"int 128"}},
        {8, 0x100000005ull, 0, {"int 5"}},
        {3, 1, 0, {}},  // no integer type has this size
        {4, 1, AAFRESULT_PROP_NOT_PRESENT, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        TypeDouble type;
        type.Integer(c.size, c.stored, c.readResult);
        NiceMock<testsupport::MockIAAFPropertyValue> value;
        PropertyValueList list;
        EXPECT_EQ(ReadTypedValue(&type.type, &value, list), 0);
        EXPECT_EQ(Describe(list), c.expected);
    }
}

TEST(ReadTypedValue, TextWithinItsCountAndEmptyWhenUnreadable)
{
    const struct {
        std::u16string stored;
        aafUInt32 count;
        HRESULT countResult;
        HRESULT elementsResult;
        std::string expected;
    } cases[] = {
        {u"Grüße", 6, 0, 0, "Grüße"},
        {u"日本語の名前", 7, 0, 0, "日本語の名前"},
        {u"中文", 3, 0, 0, "中文"},
        {u"abcdef", 3, 0, 0, "abc"},  // no terminator within the count
        {u"", 0, 0, 0, ""},
        {u"lost", 5, AAFRESULT_PROP_NOT_PRESENT, 0, ""},
        {u"lost", 5, 0, AAFRESULT_SMALLBUF, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        TypeDouble type;
        type.Text();
        NiceMock<testsupport::MockIAAFPropertyValue> value;
        ON_CALL(type.text, GetCount(&value, _)).WillByDefault(DoAll(SetArgPointee<1>(c.count), Return(c.countResult)));
        ON_CALL(type.text, GetElements(&value, _, _))
            .WillByDefault([&](IAAFPropertyValue*, aafCharacter* out, aafUInt32 bytes) -> HRESULT {
                EXPECT_EQ(bytes, c.count * sizeof(aafCharacter));
                std::u16string padded = c.stored + std::u16string(c.count, u'\0');
                std::copy_n(padded.begin(), bytes / sizeof(aafCharacter), out);
                return c.elementsResult;
            });
        PropertyValueList list;
        ReadTypedValue(&type.type, &value, list);
        EXPECT_EQ(Describe(list), Texts{"text " + c.expected});
    }
}

// A set whose count claims more elements than its enumerator gives.
struct IntegerSet {
    TypeDouble setType;
    TypeDouble elementType;
    NiceMock<testsupport::MockIAAFPropertyValue> value;
    NiceMock<testsupport::MockIEnumAAFPropertyValues> elements;
    std::deque<NiceMock<testsupport::MockIAAFPropertyValue>> members;

    IntegerSet(aafUInt32 claimed, int given)
    {
        setType.Set();
        elementType.Integer(4, 0);
        ON_CALL(elementType.integer, GetInteger(_, _, 4))
            .WillByDefault([this](IAAFPropertyValue* member, aafMemPtr_t out, aafUInt32) -> HRESULT {
                for (std::size_t i = 0; i < members.size(); ++i)
                    if (member == &members[i]) {
                        const std::int32_t v = static_cast<std::int32_t>(i + 1) * 10;
                        std::memcpy(out, &v, 4);
                    }
                return 0;
            });
        ON_CALL(setType.set, GetCount(&value, _)).WillByDefault(DoAll(SetArgPointee<1>(claimed), Return(0)));
        ON_CALL(setType.set, GetElements(&value, _)).WillByDefault(HandOut<1>(static_cast<IEnumAAFPropertyValues*>(&elements)));
        auto& next = EXPECT_CALL(elements, NextOne(_));
        for (int i = 0; i < given; ++i) {
            auto& member = members.emplace_back();
            ON_CALL(member, GetType(_)).WillByDefault(HandOut<0>(static_cast<IAAFTypeDef*>(&elementType.type)));
        }
        // Each given element once, then one failure; nothing is asked after it.
        next.Times(given + 1);
        for (auto& member : members)
            next.WillOnce(HandOut<0>(static_cast<IAAFPropertyValue*>(&member)));
        next.WillOnce(Return(AAFRESULT_NO_MORE_OBJECTS));
    }
};

TEST(ReadTypedValue, SetElementsAreFlattenedAndTheWalkStopsWithTheEnumerator)
{
    IntegerSet set(5, 3);
    PropertyValueList list;
    ReadTypedValue(&set.setType.type, &set.value, list);
    EXPECT_EQ(Describe(list), (Texts{"int 10", "int 20", "int 30"}));
}

TEST(ReadTypedValue, SetCountFailureReadsNothingAndAFailedElementTypeRaises)
{
    {
        TypeDouble setType;
        setType.Set();
        NiceMock<testsupport::MockIAAFPropertyValue> value;
        ON_CALL(setType.set, GetCount(_, _)).WillByDefault(DoAll(SetArgPointee<1>(3), Return(AAFRESULT_PROP_NOT_PRESENT)));
        EXPECT_CALL(setType.set, GetElements(_, _)).Times(0);
        PropertyValueList list;
        ReadTypedValue(&setType.type, &value, list);
        EXPECT_TRUE(list.values.empty());
    }
    {
        TypeDouble setType;
        setType.Set();
        NiceMock<testsupport::MockIAAFPropertyValue> value;
        NiceMock<testsupport::MockIEnumAAFPropertyValues> elements;
        NiceMock<testsupport::MockIAAFPropertyValue> member;
        ON_CALL(setType.set, GetCount(_, _)).WillByDefault(DoAll(SetArgPointee<1>(1), Return(0)));
        ON_CALL(setType.set, GetElements(_, _)).WillByDefault(HandOut<1>(static_cast<IEnumAAFPropertyValues*>(&elements)));
        ON_CALL(elements, NextOne(_)).WillByDefault(HandOut<0>(static_cast<IAAFPropertyValue*>(&member)));
        ON_CALL(member, GetType(_)).WillByDefault(Return(AAFRESULT_TYPE_NOT_FOUND));
        PropertyValueList list;
        testing::internal::CaptureStdout();
        std::optional<int> raised;
        try {
            ReadTypedValue(&setType.type, &value, list);
        } catch (int code) {
            raised = code;
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n(GetType)**ERROR_HRESULT** : AAFRESULT_TYPE_NOT_FOUND\n");
        EXPECT_EQ(raised, kAafCallFailed);
    }
}

TEST(ReadTypedValue, RecordKeepsItsIntegerMembersAsAVector)
{
    const struct {
        std::vector<std::u16string> names;
        Texts expected;
    } cases[] = {
        {{u"Frames", u"Label"}, {"vector Frames=int 12"}},  // the text member reads as no integer
        {{}, {"vector"}},
    };
    for (const auto& c : cases) {
        TypeDouble recordType;
        recordType.Record();
        TypeDouble frames;
        frames.Integer(4, 12);
        TypeDouble label;
        label.Text();
        NiceMock<testsupport::MockIAAFPropertyValue> value;
        NiceMock<testsupport::MockIAAFPropertyValue> members[2];
        TypeDouble* types[2] = {&frames, &label};
        ON_CALL(recordType.record, GetCount(_))
            .WillByDefault(DoAll(SetArgPointee<0>(static_cast<aafUInt32>(c.names.size())), Return(0)));
        for (aafUInt32 i = 0; i < c.names.size(); ++i) {
            ON_CALL(recordType.record, GetMemberNameBufLen(i, _))
                .WillByDefault(DoAll(SetArgPointee<1>(static_cast<aafUInt32>((c.names[i].size() + 1) * 2)), Return(0)));
            ON_CALL(recordType.record, GetMemberName(i, _, _))
                .WillByDefault([&, i](aafUInt32, aafCharacter* out, aafUInt32 bytes) {
                    return aaftest::TextCopy(c.names[i])(out, bytes);
                });
            ON_CALL(recordType.record, GetMemberType(i, _)).WillByDefault(HandOut<1>(static_cast<IAAFTypeDef*>(&types[i]->type)));
            ON_CALL(recordType.record, GetValue(&value, i, _)).WillByDefault(HandOut<2>(static_cast<IAAFPropertyValue*>(&members[i])));
        }
        PropertyValueList list;
        ReadTypedValue(&recordType.type, &value, list);
        EXPECT_EQ(Describe(list), c.expected);
    }
}

TEST(ReadTypedValue, TaggedValueReferencesReadNameAndValueWithinTheirBytes)
{
    TaggedList tags({
        {u"_COMMENT", kStringType, WideBytes(u"take 2")},
        // Neither is terminated, and the text has an odd byte: the value's length bounds both.
        {u"Bandname", kStringType, [] {
             auto b = WideBytes(u"A001", false);
             b.push_back('X');
             return b;
         }()},
        {u"Count", kInt32Type, {0x05, 0x01}},
        {u"Empty", kStringType, WideBytes(u"")},
        {u"Blob", kOtherType, {1, 2, 3, 4}},
        {u"Größe", kInt32Type, {0xFF, 0xFF, 0xFF, 0xFF, 0x77}},
    });
    PropertyValueList list;
    EXPECT_EQ(ReadTypedValue(&tags.arrayType.type, &tags.value, list), 0);
    EXPECT_EQ(Describe(list), (Texts{"tagged _COMMENT=text take 2", "tagged Bandname=text A001", "tagged Count=int 261",
                                     "tagged Empty=null", "tagged Blob=null", "tagged Größe=int -1"}));
    for (const ValueBase* v : list.values)
        EXPECT_EQ(dynamic_cast<const TaggedValue&>(*v).entry.typeCategory, -1);
}

// Stands in for the effect readers' parameter reader.
struct FakeParameterReader : ReferencedParameterReader {
    ValueBase* first = nullptr;
    int calls = 0;
    void Read(IAAFTypeDefObjectRef*, IAAFPropertyValue*, Auid& definition, ParameterRecord& record) override
    {
        ++calls;
        definition = Auid{77, 0, 0, {}};
        if (first != nullptr) {
            ValueBase* copy = nullptr;
            CloneValue(&copy, &first);
            record.constantValues.push_back(copy);
        }
    }
};

TEST(ReadTypedValue, ParameterReferencesGoThroughTheParameterReader)
{
    RatioValue half(1, 2);
    ArrayValue noBytes;
    const struct {
        bool withReader;
        ValueBase* first;
        Texts expected;
    } cases[] = {
        {true, &half, {"parameter 77=ratio 1/2"}},
        {true, &noBytes, {}},  // a value without data is no value
        {true, nullptr, {}},
        {false, &half, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TaggedList refs({{u"", kOtherType, {}}});
        aaftest::AnswerDefinition(refs.elementType.meta, kParameterReference);
        FakeParameterReader reader;
        reader.first = c.first;
        SetReferencedParameterReader(c.withReader ? &reader : nullptr);
        PropertyValueList list;
        ReadTypedValue(&refs.arrayType.type, &refs.value, list);
        SetReferencedParameterReader(nullptr);
        EXPECT_EQ(Describe(list), c.expected);
        EXPECT_EQ(reader.calls, c.withReader ? 1 : 0);
    }
}

TEST(ReadTypedValue, ATypeNoReaderKnowsAddsNothing)
{
    TypeDouble type;
    NiceMock<testsupport::MockIAAFPropertyValue> value;
    PropertyValueList list;
    EXPECT_LT(ReadTypedValue(&type.type, &value, list), 0);
    EXPECT_TRUE(list.values.empty());
}

TEST(TypeDefinitionAuids, OfATypeAndOfAnArraysElements)
{
    TypeDouble array(kOtherType);
    TypeDouble element(kInt32Type);
    array.Array(element);
    EXPECT_EQ(GetTypeDefinitionAuid(&array.type), kOtherType);
    Auid out;
    std::int32_t status = 1;
    GetArrayElementTypeAuid(out, status, &array.type);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, kInt32Type);

    // Not an array: the query's result, and the AUID as it was.
    out = kStringType;
    GetArrayElementTypeAuid(out, status, &element.type);
    EXPECT_EQ(status, E_NOINTERFACE);
    EXPECT_EQ(out, kStringType);
}

// An object that gives the values of its properties by their definitions' AUIDs; any other id is
// not present.
struct ObjectDouble {
    NiceMock<testsupport::MockIAAFObject> object;

    ObjectDouble() { ON_CALL(object, LookupPropertyValue(_, _)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT)); }
    // Adds a property with the given id whose value is value (null: its value cannot be read).
    void Add(const Auid& id, IAAFPropertyValue* value)
    {
        if (value != nullptr)
            ON_CALL(object, LookupPropertyValue(ToAafUid(id), _)).WillByDefault(HandOut<1>(value));
        else
            ON_CALL(object, LookupPropertyValue(ToAafUid(id), _)).WillByDefault(Return(AAFRESULT_BAD_PROP));
    }
};

TEST(CollectPropertyValues, ReadsOnlyThePropertyWithTheId)
{
    TypeDouble integer;
    integer.Integer(4, 42);
    NiceMock<testsupport::MockIAAFPropertyValue> matching;
    NiceMock<testsupport::MockIAAFPropertyValue> other;
    for (auto* v : {&matching, &other}) {
        ON_CALL(*v, IsDefinedType(_)).WillByDefault(DoAll(SetArgPointee<0>(kAAFTrue), Return(0)));
        ON_CALL(*v, GetType(_)).WillByDefault(HandOut<0>(static_cast<IAAFTypeDef*>(&integer.type)));
    }
    EXPECT_CALL(other, GetType(_)).Times(0);
    struct Case {
        const char* what;
        std::vector<std::pair<Auid, IAAFPropertyValue*>> properties;
        Texts read;
    };
    const Case cases[] = {
        {"present among others", {{kOtherProperty, &other}, {kAttributesPropertyId, &matching}}, {"int 42"}},
        {"not present", {{kOtherProperty, &other}}, {}},
        {"present, value unreadable", {{kOtherProperty, &other}, {kAttributesPropertyId, nullptr}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ObjectDouble o;
        for (const auto& [id, value] : c.properties)
            o.Add(id, value);
        EXPECT_CALL(o.object, LookupPropertyValue(ToAafUid(kAttributesPropertyId), _)).Times(1);
        ObjectT head;
        head.object = &o.object;
        head.propertyCount = static_cast<std::uint32_t>(c.properties.size());
        PropertyValueList list;
        EXPECT_EQ(head.CollectPropertyValues(list, kAttributesPropertyId), 0);
        EXPECT_EQ(Describe(list), c.read);
        head.object = nullptr;  // the double's, not the wrapper's
    }
}

TEST(CollectPropertyValues, UndefinedTypesReadNothingAndANullValueRaises)
{
    {
        NiceMock<testsupport::MockIAAFPropertyValue> undefined;
        ON_CALL(undefined, IsDefinedType(_)).WillByDefault(DoAll(SetArgPointee<0>(kAAFFalse), Return(0)));
        EXPECT_CALL(undefined, GetType(_)).Times(0);
        ObjectDouble o;
        o.Add(kAttributesPropertyId, &undefined);
        ObjectT head;
        head.object = &o.object;
        head.propertyCount = 2;
        PropertyValueList list;
        head.CollectPropertyValues(list, kAttributesPropertyId);
        EXPECT_TRUE(list.values.empty());
    }
    {
        ObjectDouble o;
        EXPECT_CALL(o.object, LookupPropertyValue(_, _)).WillOnce(HandOut<1>(static_cast<IAAFPropertyValue*>(nullptr)));
        ObjectT head;
        head.object = &o.object;
        head.propertyCount = 1;
        PropertyValueList list;
        testing::internal::CaptureStdout();
        std::optional<int> raised;
        try {
            head.CollectPropertyValues(list, kAttributesPropertyId);
        } catch (int code) {
            raised = code;
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n**ERROR_NULL_OBJECT**\n");
        EXPECT_EQ(raised, kAafCallFailed);
    }
}

TEST(CollectPropertyValues, AFailedWrapperOrNoObjectCallsNothing)
{
    StrictMock<testsupport::MockIAAFObject> object;
    EXPECT_CALL(object, Release()).WillOnce(Return(0));
    ObjectT failed;
    failed.object = &object;
    failed.status = E_NOINTERFACE;
    failed.propertyCount = 3;
    PropertyValueList list;
    EXPECT_EQ(failed.CollectPropertyValues(list, kAttributesPropertyId), E_NOINTERFACE);
    ObjectT empty;
    empty.propertyCount = 3;
    EXPECT_EQ(empty.CollectPropertyValues(list, kAttributesPropertyId), 0);
    // No properties counted: none are looked up.
    StrictMock<testsupport::MockIAAFObject> uncounted;
    EXPECT_CALL(uncounted, Release()).WillOnce(Return(0));
    ObjectT none;
    none.object = &uncounted;
    EXPECT_EQ(none.CollectPropertyValues(list, kAttributesPropertyId), 0);
    EXPECT_TRUE(list.values.empty());
}

// An object whose attribute list holds the given tagged values, and a current item to comment.
struct AttributedObject {
    TaggedList tags;
    ObjectDouble o;
    ObjectT head;

    explicit AttributedObject(const std::vector<TaggedInput>& inputs) : tags(inputs)
    {
        o.Add(kAttributesPropertyId, &tags.value);
        head.object = &o.object;
        head.propertyCount = 1;
    }
};

TEST(CollectPropertyValues, EveryInterfaceHandedOutIsReleasedOnce)
{
    AttributedObject attributed({
        {u"_COMMENT", kStringType, WideBytes(u"one")},
        {u"Take", kInt32Type, {3, 0, 0, 0}},
    });
    auto& tags = attributed.tags;
    const auto once = [](auto& mock, int times = 1) { EXPECT_CALL(mock, Release()).Times(times); };
    once(tags.value);
    once(tags.arrayType.type);
    once(tags.arrayType.array);
    once(tags.elementType.type);
    once(tags.elementType.meta);
    once(tags.elementType.strong, 2);
    once(tags.elementType.reference, 2);
    for (std::size_t i = 0; i < 2; ++i) {
        once(tags.elements[i]);
        once(tags.tagged[i]);
        once(tags.taggedTypes[i].type);
        once(tags.taggedTypes[i].meta);
    }
    PropertyValueList list;
    attributed.head.CollectPropertyValues(list, kAttributesPropertyId);
    EXPECT_EQ(Describe(list), (Texts{"tagged _COMMENT=text one", "tagged Take=int 3"}));
    attributed.head.object = nullptr;  // the caller's reference
}

// The import's item stack as the readers are handed it: the front is the current item.
struct CurrentItemTest : testing::Test {
    std::list<ItemSlot> items;
    void PushClipItem()
    {
        ItemSlot slot;
        NewClipItemCopy(slot, FCPClipItemTag("shot"));
        items.push_front(slot);
    }
    ItemSlot* Current() { return &items.front(); }
    std::string FrontClipComment()
    {
        auto* item = dynamic_cast<FCPClipItemTag*>(items.front().get());
        return item ? item->comments.clipcommenta : "(not a clip item)";
    }
};

TEST_F(CurrentItemTest, CommentNamesWithinTheCommentTagBecomeClipComments)
{
    AttributedObject attributed({
        {u"_COMMENT", kStringType, WideBytes(u"first")},
        {u"COMMENT", kInt32Type, {5, 0, 0, 0}},
        {u"MENT", kStringType, WideBytes(u"Grüße aus Köln")},
        {u"", kStringType, WideBytes(u"撮影 3")},
        {u"Comments", kStringType, WideBytes(u"not a comment tag")},
        {u"_COMMENTS", kStringType, WideBytes(u"longer than the tag")},
        {u"_COMMENT", kStringType, WideBytes(u"")},
        {u"_COMMENT", kOtherType, {1, 2}},
    });
    PushClipItem();
    PushClipItem();  // the front item is the current one
    attributed.head.AddCommentsToCurrentItem(Current());
    EXPECT_EQ(FrontClipComment(), "first, 5, Grüße aus Köln, 撮影 3");
    items.pop_front();
    EXPECT_EQ(FrontClipComment(), "");
}

TEST_F(CurrentItemTest, WithoutACurrentItemNothingIsReadOrPrinted)
{
    StrictMock<testsupport::MockIAAFObject> object;
    EXPECT_CALL(object, Release()).WillOnce(Return(0));
    ObjectT head;
    head.object = &object;
    head.propertyCount = 1;
    std::map<std::string, TaggedValueEntry> map;
    testing::internal::CaptureStdout();
    head.AddCommentsToCurrentItem(nullptr);
    head.CollectTaggedValues(map, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(map.empty());
}

TEST_F(CurrentItemTest, TaggedValuesAreCollectedByNameTheLaterWinning)
{
    AttributedObject attributed({
        {u"Reel", kStringType, WideBytes(u"A001")},
        {u"Take", kInt32Type, {3, 0, 0, 0}},
        {u"Reel", kStringType, WideBytes(u"B002")},
    });
    PushClipItem();
    std::map<std::string, TaggedValueEntry> map;
    testing::internal::CaptureStdout();
    attributed.head.CollectTaggedValues(map, Current());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nCA: tag: Reel\n\nCA: tag: Take\n\nCA: tag: Reel\n");
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(Describe(map.at("Reel").value), "text B002");
    EXPECT_EQ(Describe(map.at("Take").value), "int 3");
    EXPECT_EQ(FrontClipComment(), "");
}

}  // namespace
