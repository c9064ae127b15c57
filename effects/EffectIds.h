#pragma once

#include "aaf/RegistryAuid.h"
#include "records/Auid.h"

// The operations, parameters and properties the effect translation recognises by AUID.

// Operations.
inline constexpr Auid kSubmaster = RegistryAuid("{F1DB0F3D-8D64-11D3-80DF-006008143E6F}");
inline constexpr Auid kMonoAudioPan = RegistryAuid("{9D2EA893-0968-11D3-8A38-0050040EF7D2}");
inline constexpr Auid kMonoAudioGain = RegistryAuid("{9D2EA894-0968-11D3-8A38-0050040EF7D2}");
inline constexpr Auid kVideoSpeedControl = RegistryAuid("{9D2EA890-0968-11D3-8A38-0050040EF7D2}");
inline constexpr Auid kVideoSpeedControl2 = RegistryAuid("{F1DB0F27-8D64-11D3-80DF-006008143E6F}");
inline constexpr Auid kVideoRepeat = RegistryAuid("{9D2EA891-0968-11D3-8A38-0050040EF7D2}");
inline constexpr Auid k3DMatteKey = RegistryAuid("{00000000-E068-BFFF-A800-0000704C3870}");
inline constexpr Auid k3DMatteKey2 = RegistryAuid("{0C864774-E428-3B2D-8115-1C736806191A}");
inline constexpr Auid k3DMatteKey3 = RegistryAuid("{F1DB0F40-8D64-11D3-80DF-006008143E6F}");
inline constexpr Auid k2DMatteKey2 = RegistryAuid("{6435694C-2C45-4A42-A49F-FE8C4A287688}");
inline constexpr Auid k2DMatteKey = RegistryAuid("{F1DB0F46-8D64-11D3-80DF-006008143E6F}");
inline constexpr Auid kTitleToolText = RegistryAuid("{2D6C555B-B259-11D3-A064-006094EB75CB}");
inline constexpr Auid kTitle2 = RegistryAuid("{2DB619EF-7210-4E89-95D7-970336D72E8C}");
inline constexpr Auid kTitle3 = RegistryAuid("{2C50831C-572E-4042-B1DD-55ED0B7C49DF}");
inline constexpr Auid kResize = RegistryAuid("{E48D1F45-C61A-476D-8E2D-C969B626650A}");
inline constexpr Auid kSBlendV2 = RegistryAuid("{47052D96-EFFC-431A-B2FE-3B4291C5D8FD}");
inline constexpr Auid kSBlend = RegistryAuid("{F1DB0F4B-8D64-11D3-80DF-006008143E6F}");
inline constexpr Auid k3DMatteKeyPromoted = RegistryAuid("{EB84FB3D-0302-4097-99D4-5E33C4F7990A}");
inline constexpr Auid kPictureInPictureV2 = RegistryAuid("{40354B09-153F-463F-834B-8018AD6A01ED}");
inline constexpr Auid kSuperimpose = RegistryAuid("{F9FF09D2-CC85-3D29-A982-A8776842DAC0}");
inline constexpr Auid kFlip = RegistryAuid("{9CCF57AC-564D-31C1-A6CD-72E4375FF873}");
inline constexpr Auid kFlop = RegistryAuid("{429F4C1F-5795-33EB-BC7A-CA40BE038999}");
inline constexpr Auid kSubmasterUnknown3 = RegistryAuid("{8BC42739-6BAB-11D3-80CF-006008143E6F}");
inline constexpr Auid kFlipFlop = RegistryAuid("{451A0A83-89A2-3A9E-B8E5-CFC11E1B06DA}");

// Transition operations.
inline constexpr Auid kVideoDissolve = RegistryAuid("{0C3BEA40-FC05-11D2-8A29-0050040EF7D2}");
inline constexpr Auid kVideoDissolve2 = RegistryAuid("{89D9B67E-5584-302D-9ABD-8BD330C46841}");
inline constexpr Auid kMonoAudioDissolve = RegistryAuid("{0C3BEA41-FC05-11D2-8A29-0050040EF7D2}");
inline constexpr Auid kDipAvx1 = RegistryAuid("{5E9010D1-2AB3-37BC-9166-5D74846558AC}");
inline constexpr Auid kDipAvx2 = RegistryAuid("{D94E75C8-6ADF-11D3-80CF-006008143E6F}");
inline constexpr Auid kFadeUp2 = RegistryAuid("{A3479FAE-4715-38B8-B020-907AE09E8769}");
inline constexpr Auid kFadeUp = RegistryAuid("{D94E75C7-6ADF-11D3-80CF-006008143E6F}");
inline constexpr Auid kFadeDown2 = RegistryAuid("{624E04B0-8063-3D9F-8172-6EA7CF0BED6D}");
inline constexpr Auid kSmpteVideoWipe = RegistryAuid("{0C3BEA44-FC05-11D2-8A29-0050040EF7D2}");

// Parameters.
inline constexpr Auid kLevelParameter = RegistryAuid("{E4962320-2267-11D3-8A4C-0050040EF7D2}");
inline constexpr Auid kAudioGainParameter = RegistryAuid("{47C00F7D-FB55-11D3-9FF7-0004AC969F50}");
inline constexpr Auid kAmplitudeParameter = RegistryAuid("{E4962321-2267-11D3-8A4C-0050040EF7D2}");
inline constexpr Auid kPanParameter = RegistryAuid("{E4962322-2267-11D3-8A4C-0050040EF7D2}");
inline constexpr Auid kSmpteWipeNumberParameter = RegistryAuid("{E4962323-2267-11D3-8A4C-0050040EF7D2}");
// A time warp's speed ratio and its point lists: position, speed and source frame.
inline constexpr Auid kSpeedRatioParameter = RegistryAuid("{72559A80-24D7-11D3-8A50-0050040EF7D2}");
inline constexpr Auid kPositionPointsParameter = RegistryAuid("{8D56827A-847E-11D5-935A-50F857C10000}");
inline constexpr Auid kSpeedPointsParameter = RegistryAuid("{8D56827C-847E-11D5-935A-50F857C10000}");
inline constexpr Auid kSourceFramesParameter = RegistryAuid("{8D56827D-847E-11D5-935A-50F857C10000}");
// The Bezier handles of a control point and their mode.
inline constexpr Auid kFirstHandleX = RegistryAuid("{8D56830E-847E-11D5-935A-50F857C10000}");
inline constexpr Auid kFirstHandleY = RegistryAuid("{8D56830F-847E-11D5-935A-50F857C10000}");
inline constexpr Auid kSecondHandleX = RegistryAuid("{8D568310-847E-11D5-935A-50F857C10000}");
inline constexpr Auid kSecondHandleY = RegistryAuid("{8D568311-847E-11D5-935A-50F857C10000}");
inline constexpr Auid kHandleFlag = RegistryAuid("{8D568312-847E-11D5-935A-50F857C10000}");

// Properties an editing system adds: a time warp's speed ratio and the handle parameters of a
// control point. (The motion-effect tags are in the attribute list, kAttributesPropertyId.)
inline constexpr Auid kSpeedRatioProperty = RegistryAuid("{77AD6841-08FC-4F53-BD0A-2A6B0B5F94D9}");
inline constexpr Auid kControlPointHandlesProperty = RegistryAuid("{3C1B48D0-C32C-4EA9-BB9D-35B898527283}");

// Types.
inline constexpr Auid kRationalType = RegistryAuid("{03010100-0000-0000-060E-2B3401040101}");
