#pragma once

// Value types of the SDK-facing interfaces. Layouts follow the AAF SDK's in-memory forms; nothing
// here is read from a file byte for byte (the stored-format reader assembles every field).

#include <compare>
#include <cstdint>

using aafInt8 = std::int8_t;
using aafInt16 = std::int16_t;
using aafInt32 = std::int32_t;
using aafInt64 = std::int64_t;
using aafUInt8 = std::uint8_t;
using aafUInt16 = std::uint16_t;
using aafUInt32 = std::uint32_t;
using aafUInt64 = std::uint64_t;

// Result of every interface method: 0 for success, negative for failure.
using HRESULT = std::int32_t;
using AAFRESULT = HRESULT;
using ULONG = std::uint32_t;

using aafCharacter = char16_t;
using aafBoolean_t = aafInt32;
enum : aafBoolean_t { kAAFFalse = 0, kAAFTrue = 1 };

using aafPosition_t = aafInt64;
using aafLength_t = aafInt64;
using aafFrameOffset_t = aafInt64;
using aafSlotID_t = aafUInt32;
using aafNumSlots_t = aafUInt32;
using aafDataBuffer_t = aafUInt8*;
using aafMemPtr_t = aafUInt8*;

// 16-byte identifier. The defaulted order compares Data1, Data2, Data3 as unsigned numbers and
// then the Data4 bytes in turn, which is the order the definition tables are keyed by.
struct aafUID_t {
    aafUInt32 Data1;
    aafUInt16 Data2;
    aafUInt16 Data3;
    aafUInt8 Data4[8];

    friend constexpr bool operator==(const aafUID_t&, const aafUID_t&) = default;
    friend constexpr auto operator<=>(const aafUID_t&, const aafUID_t&) = default;
};

using IID = aafUID_t;
using REFIID = const IID&;
using aafClassID_t = aafUID_t;

// 32-byte mob identifier: a SMPTE label prefix, the instance number and the material AUID.
struct aafMobID_t {
    aafUInt8 label[12];
    aafUInt8 length;
    aafUInt8 instanceHigh;
    aafUInt8 instanceMid;
    aafUInt8 instanceLow;
    aafUID_t material;

    friend constexpr bool operator==(const aafMobID_t&, const aafMobID_t&) = default;
    friend constexpr auto operator<=>(const aafMobID_t&, const aafMobID_t&) = default;
};

struct aafRational_t {
    aafInt32 numerator;
    aafInt32 denominator;

    friend constexpr bool operator==(const aafRational_t&, const aafRational_t&) = default;
};

struct aafSourceRef_t {
    aafMobID_t sourceID;
    aafSlotID_t sourceSlotID;
    aafPosition_t startTime;
};

using aafDropType_t = aafInt32;
enum : aafDropType_t { kAAFTcNonDrop = 0, kAAFTcDrop = 1 };

struct aafTimecode_t {
    aafFrameOffset_t startFrame;
    aafDropType_t drop;
    aafUInt16 fps;
};

using aafMobKind_t = aafInt32;
enum : aafMobKind_t {
    kAAFCompMob = 0,
    kAAFMasterMob = 1,
    kAAFFileMob = 2,
    kAAFTapeMob = 3,
    kAAFFilmMob = 4,
    kAAFPrimaryMob = 5,
    kAAFAllMob = 6,
    kAAFPhysicalMob = 7
};

using aafSearchTag_t = aafInt32;
enum : aafSearchTag_t {
    kAAFNoSearch = 0,
    kAAFByMobID = 1,
    kAAFByMobKind = 2,
    kAAFByName = 3,
    kAAFByClass = 4,
    kAAFByDataDef = 5
};

struct aafSearchCrit_t {
    aafSearchTag_t searchTag;
    union {
        aafMobID_t mobID;
        aafMobKind_t mobKind;
        const aafCharacter* name;
        aafClassID_t objClass;
        aafUID_t datadef;
    } tags;
};

using eAAFTypeCategory_t = aafInt32;
enum : eAAFTypeCategory_t {
    kAAFTypeCatUnknown = 0,
    kAAFTypeCatInt = 1,
    kAAFTypeCatCharacter = 2,
    kAAFTypeCatStrongObjRef = 3,
    kAAFTypeCatWeakObjRef = 4,
    kAAFTypeCatRename = 5,
    kAAFTypeCatEnum = 6,
    kAAFTypeCatFixedArray = 7,
    kAAFTypeCatVariableArray = 8,
    kAAFTypeCatSet = 9,
    kAAFTypeCatRecord = 10,
    kAAFTypeCatStream = 11,
    kAAFTypeCatString = 12,
    kAAFTypeCatExtEnum = 13,
    kAAFTypeCatIndirect = 14,
    kAAFTypeCatOpaque = 15,
    kAAFTypeCatEncrypted = 16
};

using aafFadeType_t = aafInt32;
enum : aafFadeType_t { kAAFFadeNone = 0, kAAFFadeLinearAmp = 1, kAAFFadeLinearPower = 2 };

using aafEditHint_t = aafInt32;
enum : aafEditHint_t {
    kAAFNoEditHint = 0,
    kAAFProportional = 1,
    kAAFRelativeLeft = 2,
    kAAFRelativeRight = 3,
    kAAFRelativeFixed = 4
};

using aafFrameLayout_t = aafInt32;
enum : aafFrameLayout_t {
    kAAFFullFrame = 0,
    kAAFSeparateFields = 1,
    kAAFOneField = 2,
    kAAFMixedFields = 3,
    kAAFSegmentedFrame = 4
};

using aafAlphaTransparency_t = aafInt32;
enum : aafAlphaTransparency_t { kAAFMinValueTransparent = 0, kAAFMaxValueTransparent = 1 };

using aafFieldNumber_t = aafInt32;
enum : aafFieldNumber_t { kAAFUnspecifiedField = 0, kAAFFieldOne = 1, kAAFFieldTwo = 2 };

using aafSignalStandard_t = aafInt32;
enum : aafSignalStandard_t {
    kAAFSignalStandard_None = 0,
    kAAFSignalStandard_ITU601 = 1,
    kAAFSignalStandard_ITU1358 = 2,
    kAAFSignalStandard_SMPTE347M = 3,
    kAAFSignalStandard_SMPTE274M = 4,
    kAAFSignalStandard_SMPTE296M = 5,
    kAAFSignalStandard_SMPTE349M = 6,
    kAAFSignalStandard_SMPTE428_1 = 7
};

using aafColorSiting_t = aafInt32;
enum : aafColorSiting_t {
    kAAFCoSiting = 0,
    kAAFAveraging = 1,
    kAAFThreeTap = 2,
    kAAFQuincunx = 3,
    kAAFRec601 = 4,
    kAAFLineAlternating = 5,
    kAAFVerticalMidpoint = 6,
    kAAFUnknownSiting = 255
};

using aafElectroSpatialFormulation_t = aafInt32;
enum : aafElectroSpatialFormulation_t {
    kAAFEssDefault = 0,
    kAAFEssTwoChannelMode = 1,
    kAAFEssSingleChannelMode = 2,
    kAAFEssPrimarySecondaryMode = 3,
    kAAFEssStereophonicMode = 4,
    kAAFEssSingleChannelDoubleSamplingFrequencyMode = 7,
    kAAFEssStereoLeftChannelDoubleSamplingFrequencyMode = 8,
    kAAFEssStereoRightChannelDoubleSamplingFrequencyMode = 9,
    kAAFEssMultiChannelMode = 15
};

using aafTapeCaseType_t = aafInt32;
enum : aafTapeCaseType_t {
    kAAFTapeCaseNull = 0,
    kAAFThreeFourthInchVideoTape = 1,
    kAAFVHSVideoTape = 2,
    kAAF8mmVideoTape = 3,
    kAAFBetacamVideoTape = 4,
    kAAFCompactCassette = 5,
    kAAFDATCartridge = 6,
    kAAFNagraAudioTape = 7
};

using aafVideoSignalType_t = aafInt32;
enum : aafVideoSignalType_t { kAAFVideoSignalNull = 0, kAAFNTSCSignal = 1, kAAFPALSignal = 2 };

using aafTapeFormatType_t = aafInt32;
enum : aafTapeFormatType_t {
    kAAFTapeFormatNull = 0,
    kAAFBetacamFormat = 1,
    kAAFBetacamSPFormat = 2,
    kAAFVHSFormat = 3,
    kAAFSVHSFormat = 4,
    kAAF8mmFormat = 5,
    kAAFHi8Format = 6
};

using aafScanningDirection_t = aafInt32;
enum : aafScanningDirection_t {
    kAAFScanningDirection_LeftToRightTopToBottom = 0,
    kAAFScanningDirection_RightToLeftTopToBottom = 1,
    kAAFScanningDirection_LeftToRightBottomToTop = 2,
    kAAFScanningDirection_RightToLeftBottomToTop = 3,
    kAAFScanningDirection_TopToBottomLeftToRight = 4,
    kAAFScanningDirection_TopToBottomRightToLeft = 5,
    kAAFScanningDirection_BottomToTopLeftToRight = 6,
    kAAFScanningDirection_BottomToTopRightToLeft = 7
};

// One entry of an RGBA pixel or palette layout; a Code of kAAFCompNull ends the layout.
using aafRGBAComponentKind_t = aafUInt8;
enum : aafRGBAComponentKind_t {
    kAAFCompNull = 0,
    kAAFCompNone = 48,
    kAAFCompAlpha = 65,
    kAAFCompBlue = 66,
    kAAFCompFill = 70,
    kAAFCompGreen = 71,
    kAAFCompPalette = 80,
    kAAFCompRed = 82,
    kAAFCompColorDifferenceU = 85,
    kAAFCompColorDifferenceV = 86,
    kAAFCompComposite = 87,
    kAAFCompNonCoSitedLuma = 88,
    kAAFCompLuma = 89,
    kAAFCompDepth = 90,
    kAAFCompAlphaLSBs = 97,
    kAAFCompBlueLSBs = 98,
    kAAFCompGreenLSBs = 103,
    kAAFCompRedLSBs = 114,
    kAAFCompColorDifferenceULSBs = 117,
    kAAFCompColorDifferenceVLSBs = 118,
    kAAFCompCompositeLSBs = 119,
    kAAFCompNonCoSitedLumaLSBs = 120,
    kAAFCompLumaLSBs = 121,
    kAAFCompDepthLSBs = 122,
    kAAFCompColorX = 216,
    kAAFCompColorY = 217,
    kAAFCompColorZ = 218
};

struct aafRGBAComponent_t {
    aafRGBAComponentKind_t Code;
    aafUInt8 Size;
};
