// The locator and descriptor wrappers over interface doubles: what they read, which failures end
// the conversion, which keep defaults, and that every interface handed out is released.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/import/ClassifyDescriptors.h"
#include "aaf/import/FileDescriptorT.h"
#include "aaf/import/LocatorT.h"
#include "aaf/import/TapeR.h"
#include "support/AafMocks.h"

namespace {

using testing::_;
using testing::HasSubstr;
using testing::NiceMock;
using testing::Return;
using namespace testsupport;

constexpr HRESULT kAbsent = AAFRESULT_PROP_NOT_PRESENT;

// A source mob with every interface a descriptor can offer. Nothing is offered until a test says
// so; held counts the references handed out and not yet released.
struct SourceDoubles {
    NiceMock<MockIAAFSourceMob> mob;
    NiceMock<MockIAAFEssenceDescriptor> essence;
    NiceMock<MockIAAFFileDescriptor> file;
    NiceMock<MockIAAFDigitalImageDescriptor> image;
    NiceMock<MockIAAFDigitalImageDescriptor2> image2;
    NiceMock<MockIAAFCDCIDescriptor> cdci;
    NiceMock<MockIAAFCDCIDescriptor2> cdci2;
    NiceMock<MockIAAFRGBADescriptor> rgba;
    NiceMock<MockIAAFRGBADescriptor2> rgba2;
    NiceMock<MockIAAFSoundDescriptor> sound;
    NiceMock<MockIAAFPCMDescriptor> pcm;
    NiceMock<MockIAAFTapeDescriptor> tape;
    NiceMock<MockIAAFLocator> locators[2];
    NiceMock<MockIAAFTextLocator> textLocator;
    int held = 0;

    SourceDoubles()
    {
        Counted(mob);
        Counted(essence);
        Counted(file);
        Counted(image);
        Counted(image2);
        Counted(cdci);
        Counted(cdci2);
        Counted(rgba);
        Counted(rgba2);
        Counted(sound);
        Counted(pcm);
        Counted(tape);
        Counted(locators[0]);
        Counted(locators[1]);
        Counted(textLocator);
        ON_CALL(mob, GetEssenceDescriptor(_)).WillByDefault([this](IAAFEssenceDescriptor** out) {
            *out = &essence;
            ++held;
            return AAFRESULT_SUCCESS;
        });
        Offer(essence, IID_IAAFFileDescriptor, static_cast<IAAFFileDescriptor*>(&file));
    }

    template <class Mock>
    void Counted(Mock& double_)
    {
        ON_CALL(double_, QueryInterface(_, _)).WillByDefault(Return(E_NOINTERFACE));
        ON_CALL(double_, Release()).WillByDefault([this] { return static_cast<ULONG>(--held); });
    }

    // from hands out to (which may be null) for iid, with success.
    template <class Mock, class Interface>
    void Offer(Mock& from, REFIID iid, Interface* to)
    {
        ON_CALL(from, QueryInterface(iid, _)).WillByDefault([this, to](REFIID, void** out) {
            *out = to;
            if (to != nullptr)
                ++held;
            return AAFRESULT_SUCCESS;
        });
    }

    void Picture()
    {
        Offer(file, IID_IAAFDigitalImageDescriptor, static_cast<IAAFDigitalImageDescriptor*>(&image));
        Offer(image, IID_IAAFDigitalImageDescriptor2, static_cast<IAAFDigitalImageDescriptor2*>(&image2));
    }
    void Cdci()
    {
        Picture();
        Offer(image, IID_IAAFCDCIDescriptor, static_cast<IAAFCDCIDescriptor*>(&cdci));
        Offer(cdci, IID_IAAFCDCIDescriptor2, static_cast<IAAFCDCIDescriptor2*>(&cdci2));
    }
    void Rgba(std::vector<aafRGBAComponent_t> layout)
    {
        Picture();
        Offer(image, IID_IAAFRGBADescriptor, static_cast<IAAFRGBADescriptor*>(&rgba));
        Offer(rgba, IID_IAAFRGBADescriptor2, static_cast<IAAFRGBADescriptor2*>(&rgba2));
        ON_CALL(rgba, CountPixelLayoutElements(_))
            .WillByDefault(testing::DoAll(testing::SetArgPointee<0>(static_cast<aafUInt32>(layout.size())),
                                          Return(AAFRESULT_SUCCESS)));
        ON_CALL(rgba, GetPixelLayout(_, _)).WillByDefault([layout](aafUInt32 n, aafRGBAComponent_t* out) {
            if (n < layout.size())
                return AAFRESULT_SMALLBUF;
            std::copy(layout.begin(), layout.end(), out);
            return AAFRESULT_SUCCESS;
        });
    }
    void Sound()
    {
        Offer(file, IID_IAAFSoundDescriptor, static_cast<IAAFSoundDescriptor*>(&sound));
        Offer(sound, IID_IAAFPCMDescriptor, static_cast<IAAFPCMDescriptor*>(&pcm));
    }
};

// A getter that succeeds with the value in its first argument.
template <class T>
auto Gives(T value)
{
    return testing::DoAll(testing::SetArgPointee<0>(value), Return(AAFRESULT_SUCCESS));
}

// Getter pair of a text: its byte size with the terminator, then the text.
template <class LenCall, class TextCall>
void GivesText(LenCall& lenCall, TextCall& textCall, const std::u16string& text)
{
    const auto bytes = static_cast<aafUInt32>((text.size() + 1) * sizeof(aafCharacter));
    lenCall.WillByDefault(Gives(bytes));
    textCall.WillByDefault([text](aafCharacter* out, aafUInt32 size) {
        if (size < (text.size() + 1) * sizeof(aafCharacter))
            return AAFRESULT_SMALLBUF;
        std::copy(text.begin(), text.end(), out);
        out[text.size()] = 0;
        return AAFRESULT_SUCCESS;
    });
}

void GivesPath(MockIAAFLocator& locator, const std::u16string& path)
{
    GivesText(ON_CALL(locator, GetPathBufLen(_)), ON_CALL(locator, GetPath(_, _)), path);
}

// Runs the call and gives the value it raised (0 when it returned) with what it printed.
template <class Call>
std::pair<int, std::string> Raised(Call call)
{
    testing::internal::CaptureStdout();
    int raised = 0;
    try {
        call();
    } catch (int code) {
        raised = code;
    }
    return {raised, testing::internal::GetCapturedStdout()};
}

DescriptorLists ReadDescriptors(SourceDoubles& d)
{
    DescriptorLists lists;
    FileDescriptorT descriptor(&d.mob);
    EXPECT_GE(descriptor.Read(lists), 0);
    return lists;
}

TEST(LocatorTTest, ReadsEveryLocatorPathAndTextLocatorNameCharacterForCharacter)
{
    SourceDoubles d;
    ON_CALL(d.essence, CountLocators(_)).WillByDefault(Gives(3u));
    ON_CALL(d.essence, GetLocatorAt(1, _)).WillByDefault(Return(AAFRESULT_BADINDEX));
    ON_CALL(d.essence, GetLocatorAt(0, _)).WillByDefault([&d](aafUInt32, IAAFLocator** out) {
        *out = &d.locators[0];
        ++d.held;
        return AAFRESULT_SUCCESS;
    });
    ON_CALL(d.essence, GetLocatorAt(2, _)).WillByDefault([&d](aafUInt32, IAAFLocator** out) {
        *out = &d.locators[1];
        ++d.held;
        return AAFRESULT_SUCCESS;
    });
    GivesPath(d.locators[0], u"file:///m\u00e9dia/\u65e5\u672c\u8a9e/\U0001F3AC.wav");
    d.Offer(d.locators[1], IID_IAAFTextLocator, static_cast<IAAFTextLocator*>(&d.textLocator));
    GivesText(ON_CALL(d.textLocator, GetNameBufLen(_)), ON_CALL(d.textLocator, GetName(_, _)), u"Reel \u00c5");
    ON_CALL(d.locators[1], GetPathBufLen(_)).WillByDefault(Return(kAbsent));

    {
        LocatorT locator(&d.mob);
        EXPECT_EQ(locator.status, 0);
        EXPECT_EQ(locator.locatorCount, 3);
        ASSERT_EQ(locator.records.size(), 2u);  // the unreadable second locator is skipped
        EXPECT_EQ(locator.records[0].path,
                  "file:///m\xC3\xA9" "dia/\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E/\xF0\x9F\x8E\xAC.wav");
        EXPECT_EQ(locator.records[0].name, "");
        EXPECT_EQ(locator.records[1].path, "");
        EXPECT_EQ(locator.records[1].name, "Reel \xC3\x85");
        EXPECT_EQ(locator.FirstLocatorPath(), locator.records[0].path);
    }
    EXPECT_EQ(d.held, 0);
}

TEST(LocatorTTest, WithoutAnEssenceDescriptorThereIsNothingToRead)
{
    LocatorT none(nullptr);
    EXPECT_EQ(none.status, AAFRESULT_BADINDEX);
    EXPECT_EQ(none.FirstLocatorPath(), "");

    SourceDoubles d;
    ON_CALL(d.mob, GetEssenceDescriptor(_)).WillByDefault(Return(AAFRESULT_NO_ESSENCE_DESC));
    EXPECT_CALL(d.essence, CountLocators(_)).Times(0);
    FileDescriptorT descriptor(&d.mob);
    EXPECT_EQ(descriptor.status, AAFRESULT_NO_ESSENCE_DESC);
    DescriptorLists lists;
    EXPECT_EQ(descriptor.Read(lists), AAFRESULT_NO_ESSENCE_DESC);
    EXPECT_EQ(ClassifyDescriptors(lists), 0);
}

TEST(LocatorTTest, FailedLocatorCountEndsTheConversionAndReleasesTheDescriptor)
{
    SourceDoubles d;
    ON_CALL(d.essence, CountLocators(_)).WillByDefault(Return(AAFRESULT_NOT_IMPLEMENTED));
    const auto [code, out] = Raised([&] { FileDescriptorT descriptor(&d.mob); });
    EXPECT_EQ(code, -50);
    EXPECT_EQ(out, "\n(CountLocators)**ERROR_HRESULT** : AAFRESULT_NOT_IMPLEMENTED\n");
    EXPECT_EQ(d.held, 0);
}

TEST(LocatorTTest, NullLocatorIsAZeroObject)
{
    const auto [code, out] = Raised([] { LocatorT::GetLocatorPath(nullptr); });
    EXPECT_EQ(code, -50);
    EXPECT_EQ(out, "\n**ERROR_ZERO_OBJECT**\n");
}

TEST(FileDescriptorTTest, CdciPictureIsReadWhole)
{
    SourceDoubles d;
    d.Cdci();
    ON_CALL(d.image, GetStoredView(_, _))
        .WillByDefault(testing::DoAll(testing::SetArgPointee<0>(1080u), testing::SetArgPointee<1>(1920u), Return(0)));
    ON_CALL(d.image, GetImageAspectRatio(_)).WillByDefault(Gives(aafRational_t{16, 9}));
    ON_CALL(d.image, GetVideoLineMapSize(_)).WillByDefault(Gives(2u));
    ON_CALL(d.image, GetVideoLineMap(2u, _)).WillByDefault([](aafUInt32, aafInt32* out) {
        out[0] = 21;
        out[1] = 584;
        return AAFRESULT_SUCCESS;
    });
    // A compression no table names keeps its AUID as its name; the other names come from their tables.
    const aafUID_t compression{0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}};
    ON_CALL(d.image, GetCompression(_)).WillByDefault(Gives(compression));
    ON_CALL(d.image2, GetFieldDominance(_)).WillByDefault(Gives(1));
    ON_CALL(d.cdci, GetHorizontalSubsampling(_)).WillByDefault(Gives(2u));
    ON_CALL(d.cdci, GetComponentWidth(_)).WillByDefault(Gives(10));
    ON_CALL(d.cdci, GetColorSiting(_)).WillByDefault(Gives(4));
    ON_CALL(d.cdci2, GetReversedByteOrder(_)).WillByDefault(Gives(kAAFTrue));

    const DescriptorLists lists = ReadDescriptors(d);
    ASSERT_EQ(lists.images.size(), 1u);
    const DigitalImageInfo& image = lists.images[0];
    EXPECT_EQ(image.storedWidth, 1920);
    EXPECT_EQ(image.storedHeight, 1080);
    EXPECT_EQ(image.imageAspectRatioNumerator, 16);
    EXPECT_EQ(image.imageAspectRatioDenominator, 9);
    EXPECT_EQ(image.videoLineMap, (std::vector<int32_t>{21, 584}));
    EXPECT_EQ(image.compression.name, "{0x01020304, 0x0506, 0x0708, {0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f, 0x10}}");
    EXPECT_EQ(image.fieldDominance, 1);
    ASSERT_EQ(lists.cdci.size(), 1u);
    EXPECT_EQ(lists.cdci[0].horizontalSubsampling, 2);
    EXPECT_EQ(lists.cdci[0].verticalSubsampling, 2);
    EXPECT_EQ(lists.cdci[0].componentWidth, 10);
    EXPECT_EQ(lists.cdci[0].colorSiting, 4);
    EXPECT_EQ(lists.cdci[0].reversedByteOrder, "TRUE");
    EXPECT_TRUE(lists.rgba.empty());
    EXPECT_TRUE(lists.sounds.empty());
    EXPECT_EQ(ClassifyDescriptors(lists), 2);
    EXPECT_EQ(d.held, 0);
}

TEST(FileDescriptorTTest, OptionalReadsThatFailKeepTheirDefaults)
{
    SourceDoubles d;
    d.Cdci();
    ON_CALL(d.image, GetFrameLayout(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image, GetImageAspectRatio(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image, GetAlphaTransparency(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image, GetCompression(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image, GetDisplayView(_, _, _, _)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image, GetGamma(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image, GetImageAlignmentFactor(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image, GetSampledView(_, _, _, _)).WillByDefault(Return(kAbsent));
    // A line-map size no stored property can hold is not allocated; the map read then fails.
    ON_CALL(d.image, GetVideoLineMapSize(_)).WillByDefault(Gives(0xFFFFFFFFu));
    EXPECT_CALL(d.image, GetVideoLineMap(testing::Lt(0x10000u), _)).WillOnce(Return(AAFRESULT_SMALLBUF));
    ON_CALL(d.image2, GetActiveFormatDescriptor(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image2, GetCodingEquations(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image2, GetColorPrimaries(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image2, GetFieldDominance(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image2, GetFieldEndOffset(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image2, GetSignalStandard(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.image2, GetStoredF2Offset(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.cdci, GetColorSiting(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.cdci, GetColorRange(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.cdci, GetPaddingBits(_)).WillByDefault(Return(kAbsent));
    ON_CALL(d.cdci2, GetReversedByteOrder(_)).WillByDefault(Return(kAbsent));

    const DescriptorLists lists = ReadDescriptors(d);
    ASSERT_EQ(lists.images.size(), 1u);
    const DigitalImageInfo& image = lists.images[0];
    EXPECT_EQ(image.frameLayout, 1);
    EXPECT_EQ(image.imageAspectRatioNumerator, 4);
    EXPECT_EQ(image.imageAspectRatioDenominator, 3);
    EXPECT_TRUE(image.videoLineMap.empty());
    EXPECT_EQ(image.compression.name, "None");
    EXPECT_EQ(image.transferCharacteristic.name, "None");
    EXPECT_EQ(image.codingEquations.name, "None");
    EXPECT_EQ(image.colorPrimaries.name, "None");
    EXPECT_EQ(image.displayWidth, -1);
    EXPECT_EQ(image.sampledHeight, -1);
    EXPECT_EQ(image.imageAlignmentFactor, -1);
    EXPECT_EQ(image.activeFormatDescriptor, 255);
    EXPECT_EQ(image.fieldDominance, 2);
    EXPECT_EQ(image.fieldEndOffset, -1);
    EXPECT_EQ(image.storedF2Offset, -1);
    ASSERT_EQ(lists.cdci.size(), 1u);
    EXPECT_EQ(lists.cdci[0].colorSiting, 255);
    EXPECT_EQ(lists.cdci[0].colorRange, -1);
    EXPECT_EQ(lists.cdci[0].paddingBits, -1);
    EXPECT_EQ(lists.cdci[0].reversedByteOrder, "NOT_PRESENT");

    SourceDoubles s;
    s.Sound();
    ON_CALL(s.sound, GetAudioSamplingRate(_)).WillByDefault(Gives(aafRational_t{44100, 1}));
    ON_CALL(s.sound, GetDialNorm(_)).WillByDefault(Return(kAbsent));
    ON_CALL(s.sound, GetAudioRefLevel(_)).WillByDefault(Return(kAbsent));
    ON_CALL(s.sound, GetChannelCount(_)).WillByDefault(Return(kAbsent));
    ON_CALL(s.sound, GetQuantizationBits(_)).WillByDefault(Gives(24u));
    const DescriptorLists sound = ReadDescriptors(s);
    ASSERT_EQ(sound.sounds.size(), 1u);
    EXPECT_EQ(sound.sounds[0].sampleRateNumerator, 44100);
    EXPECT_EQ(sound.sounds[0].dialNorm, -1);
    EXPECT_EQ(sound.sounds[0].audioReferenceLevel, -1);
    EXPECT_EQ(sound.sounds[0].channelCount, 0);
    EXPECT_EQ(sound.sounds[0].quantizationBits, 24);
    EXPECT_TRUE(sound.images.empty());
    EXPECT_EQ(ClassifyDescriptors(sound), 1);
    EXPECT_EQ(s.held, 0);
}

// One required read failing, or one labelled read meeting a null interface: the conversion ends
// with -50 and the printed line, and every interface held is released on the way out.
struct RaiseCase {
    const char* name;
    void (*arrange)(SourceDoubles&);
    const char* printed;
};

const RaiseCase kRaiseCases[] = {
    {"StoredView",
     [](SourceDoubles& d) {
         d.Cdci();
         ON_CALL(d.image, GetStoredView(_, _)).WillByDefault(Return(kAbsent));
     },
     "\n(GetStoredView)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n"},
    {"VideoLineMapSize",
     [](SourceDoubles& d) {
         d.Picture();
         ON_CALL(d.image, GetVideoLineMapSize(_)).WillByDefault(Return(kAbsent));
     },
     "\n(GetVideoLineMapSize)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n"},
    {"HorizontalSubsampling",
     [](SourceDoubles& d) {
         d.Cdci();
         ON_CALL(d.cdci, GetHorizontalSubsampling(_)).WillByDefault(Return(kAbsent));
     },
     "\n(GetHorizontalSubsampling)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n"},
    {"ComponentWidth",
     [](SourceDoubles& d) {
         d.Cdci();
         ON_CALL(d.cdci, GetComponentWidth(_)).WillByDefault(Return(kAbsent));
     },
     "\n(GetComponentWidth)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n"},
    {"AudioSamplingRate",
     [](SourceDoubles& d) {
         d.Sound();
         ON_CALL(d.sound, GetAudioSamplingRate(_)).WillByDefault(Return(kAbsent));
     },
     "\n(GetAudioSamplingRate)**ERROR_HRESULT** : AAFRESULT_PROP_NOT_PRESENT\n"},
    {"NullPicture",
     [](SourceDoubles& d) {
         d.Offer(d.file, IID_IAAFDigitalImageDescriptor, static_cast<IAAFDigitalImageDescriptor*>(nullptr));
     },
     "\n**ERROR_NULL_OBJECT**\n"},
    {"NullSecondVersionAtCodingEquations",
     [](SourceDoubles& d) {
         d.Cdci();
         d.Offer(d.image, IID_IAAFDigitalImageDescriptor2, static_cast<IAAFDigitalImageDescriptor2*>(nullptr));
     },
     "\n**ERROR_NULL_OBJECT**\n"},
    {"NullCdci",
     [](SourceDoubles& d) {
         d.Picture();
         d.Offer(d.image, IID_IAAFCDCIDescriptor, static_cast<IAAFCDCIDescriptor*>(nullptr));
     },
     "\n**ERROR_NULL_OBJECT**\n"},
    {"NullSound",
     [](SourceDoubles& d) { d.Offer(d.file, IID_IAAFSoundDescriptor, static_cast<IAAFSoundDescriptor*>(nullptr)); },
     "\n**ERROR_NULL_OBJECT**\n"},
};

class RequiredReadTest : public testing::TestWithParam<RaiseCase> {};

TEST_P(RequiredReadTest, EndsTheConversion)
{
    SourceDoubles d;
    GetParam().arrange(d);
    DescriptorLists lists;
    const auto [code, out] = Raised([&] {
        FileDescriptorT descriptor(&d.mob);
        descriptor.Read(lists);
    });
    EXPECT_EQ(code, -50);
    EXPECT_EQ(out, GetParam().printed);
    EXPECT_EQ(d.held, 0);
}

INSTANTIATE_TEST_SUITE_P(Descriptors, RequiredReadTest, testing::ValuesIn(kRaiseCases),
                         [](const testing::TestParamInfo<RaiseCase>& c) { return std::string(c.param.name); });

aafRGBAComponent_t C(char code, int size = 8)
{
    return aafRGBAComponent_t{static_cast<aafRGBAComponentKind_t>(code), static_cast<aafUInt8>(size)};
}

TEST(FileDescriptorTTest, RgbaPictureClassifiesByItsAlphaComponent)
{
    struct Case {
        std::vector<aafRGBAComponent_t> layout;
        int kind;
    };
    for (const Case& c : {Case{{C('R'), C('G'), C('B'), C('A')}, 12}, Case{{C('A', 1)}, 12},
                          Case{{C('R'), C('G'), C('B')}, 2}, Case{{C('R'), C('G'), C('B'), C('F')}, 2},
                          Case{{}, 2}}) {
        SCOPED_TRACE(c.layout.size());
        SourceDoubles d;
        d.Rgba(c.layout);
        ON_CALL(d.rgba2, GetAlphaMaxRef(_)).WillByDefault(Return(kAbsent));
        ON_CALL(d.rgba2, GetComponentMaxRef(_)).WillByDefault(Gives(255u));
        const DescriptorLists lists = ReadDescriptors(d);
        ASSERT_EQ(lists.rgba.size(), 1u);
        ASSERT_EQ(lists.rgba[0].pixelLayout.size(), c.layout.size());
        for (std::size_t i = 0; i < c.layout.size(); ++i) {
            EXPECT_EQ(lists.rgba[0].pixelLayout[i].code, c.layout[i].Code);
            EXPECT_EQ(lists.rgba[0].pixelLayout[i].size, c.layout[i].Size);
        }
        EXPECT_EQ(lists.rgba[0].values[0], 255);
        EXPECT_EQ(lists.rgba[0].values[2], -1);  // unreadable
        EXPECT_EQ(lists.images.size(), 1u);
        EXPECT_TRUE(lists.cdci.empty());
        EXPECT_EQ(ClassifyDescriptors(lists), c.kind);
        EXPECT_EQ(d.held, 0);
    }
}

TEST(FileDescriptorTTest, PictureThatIsNeitherCdciNorRgbaStillGetsAnEmptyRgbaRecord)
{
    SourceDoubles d;
    d.Sound();
    d.Picture();  // a picture is never read as a sound too
    EXPECT_CALL(d.sound, GetAudioSamplingRate(_)).Times(0);
    const DescriptorLists lists = ReadDescriptors(d);
    ASSERT_EQ(lists.rgba.size(), 1u);
    EXPECT_TRUE(lists.rgba[0].pixelLayout.empty());
    EXPECT_TRUE(lists.rgba[0].paletteLayout.empty());
    EXPECT_EQ(ClassifyDescriptors(lists), 2);
}

TEST(FileDescriptorTTest, DescriptorThatIsNoPictureNorSoundAddsNothing)
{
    SourceDoubles d;
    DescriptorLists lists;
    FileDescriptorT descriptor(&d.mob);
    EXPECT_EQ(descriptor.Read(lists), 0);
    EXPECT_TRUE(lists.images.empty());
    EXPECT_TRUE(lists.sounds.empty());
    EXPECT_EQ(ClassifyDescriptors(lists), 0);

    // Not a file descriptor at all (a tape): nothing is read.
    SourceDoubles t;
    ON_CALL(t.essence, QueryInterface(IID_IAAFFileDescriptor, _)).WillByDefault(Return(E_NOINTERFACE));
    FileDescriptorT tape(&t.mob);
    EXPECT_EQ(tape.status, E_NOINTERFACE);
    EXPECT_EQ(tape.Read(lists), E_NOINTERFACE);
    EXPECT_EQ(ClassifyDescriptors(lists), 0);
}

TEST(ClassifyDescriptorsTest, CdciWinsThenTheFirstRgbaRecordThenAnySound)
{
    DescriptorLists lists;
    EXPECT_EQ(ClassifyDescriptors(lists), 0);
    lists.otherSounds.emplace_back();
    EXPECT_EQ(ClassifyDescriptors(lists), 1);
    lists.sounds.emplace_back();
    EXPECT_EQ(ClassifyDescriptors(lists), 1);
    lists.rgba.emplace_back();  // empty layout
    lists.rgba.emplace_back();
    lists.rgba.back().pixelLayout = {{'A', 8}};
    EXPECT_EQ(ClassifyDescriptors(lists), 2);
    std::swap(lists.rgba[0], lists.rgba[1]);
    EXPECT_EQ(ClassifyDescriptors(lists), 12);
    lists.cdci.emplace_back();
    EXPECT_EQ(ClassifyDescriptors(lists), 2);
}

TEST(ClassifyDescriptorsTest, ComponentNames)
{
    const std::pair<int32_t, const char*> names[] = {{0, "NULL"},   {48, "NONE"},     {65, "ALPHA"}, {66, "BLUE"},
                                                     {70, "FILL"},  {71, "GREEN"},    {80, "PALETTE"},
                                                     {82, "RED"},   {84, "UNKNOWN"},  {97, "UNKNOWN"},
                                                     {-65, "UNKNOWN"}};
    for (const auto& [code, name] : names)
        EXPECT_EQ(GetRgbaComponentName(code), name) << code;
}

TEST(TapeRTest, ReadsManufacturerAndModel)
{
    SourceDoubles d;
    d.Offer(d.essence, IID_IAAFTapeDescriptor, static_cast<IAAFTapeDescriptor*>(&d.tape));
    GivesText(ON_CALL(d.tape, GetTapeManufacturerBufLen(_)), ON_CALL(d.tape, GetTapeManufacturer(_, _)),
              u"Sony\u00ae");
    ON_CALL(d.tape, GetTapeModelBufLen(_)).WillByDefault(Return(kAbsent));
    {
        TapeR tape(&d.mob);
        EXPECT_EQ(tape.status, 0);
        EXPECT_EQ(tape.tapeDescriptor, &d.tape);
        EXPECT_EQ(tape.GetTapeManufacturer(), "Sony\xC2\xAE");
        EXPECT_EQ(tape.GetTapeModel(), "");
    }
    EXPECT_EQ(d.held, 0);

    // A file mob's descriptor is no tape: empty texts, nothing asked.
    SourceDoubles f;
    EXPECT_CALL(f.tape, GetTapeManufacturerBufLen(_)).Times(0);
    TapeR notTape(&f.mob);
    EXPECT_LT(notTape.status, 0);
    EXPECT_EQ(notTape.GetTapeManufacturer(), "");
    EXPECT_EQ(notTape.GetTapeModel(), "");

    // A tape descriptor handed out null: its text reads raise.
    SourceDoubles n;
    n.Offer(n.essence, IID_IAAFTapeDescriptor, static_cast<IAAFTapeDescriptor*>(nullptr));
    TapeR nullTape(&n.mob);
    const auto [code, out] = Raised([&] { nullTape.GetTapeModel(); });
    EXPECT_EQ(code, -50);
    EXPECT_EQ(out, "\n**ERROR_NULL_OBJECT**\n");
}

}  // namespace
