#pragma once

// The COM-style interfaces of the AAF layer. Every method returns 0 on success and a negative
// AAFRESULT on failure, never a positive code; out-values are written only on success. Every
// interface pointer handed out holds a reference that the receiver releases with Release.
// Text buffers: GetXxxBufLen gives the size in bytes of the text with its terminator, and
// GetXxx takes that byte size (a multiple of sizeof(aafCharacter)).

#include "aafsdk/include/AAFInterfaceIds.h"
#include "aafsdk/include/AAFResult.h"
#include "aafsdk/include/AAFTypes.h"
// The SDK loader, AAFLoad and AAFUnload, stands in the platform layer.
#include "platform/AafLoader.h"

struct IUnknown;
struct IAAFFile;
struct IAAFHeader;
struct IAAFDictionary;
struct IEnumAAFMobs;
struct IAAFMob;
struct IAAFMob2;
struct IAAFMasterMob;
struct IAAFCompositionMob;
struct IAAFSourceMob;
struct IEnumAAFTaggedValues;
struct IEnumAAFKLVData;
struct IAAFTaggedValue;
struct IAAFKLVData;
struct IAAFTypeDef;
struct IAAFMobSlot;
struct IAAFTimelineMobSlot;
struct IAAFTimelineMobSlot2;
struct IAAFEventMobSlot;
struct IAAFEventMobSlot2;
struct IAAFDataDef;
struct IAAFDataDef2;
struct IAAFDataDef3;
struct IAAFSegment;
struct IAAFComponent;
struct IAAFSequence;
struct IAAFFiller;
struct IAAFNestedScope;
struct IAAFScopeReference;
struct IAAFSelector;
struct IAAFSourceClip;
struct IAAFEssenceGroup;
struct IAAFTimecode;
struct IAAFEvent;
struct IAAFCommentMarker;
struct IAAFDescriptiveMarker;
struct IAAFGPITrigger;
struct IAAFTransition;
struct IAAFOperationGroup;
struct IAAFOperationDef;
struct IEnumAAFParameters;
struct IAAFParameter;
struct IAAFParameterDef;
struct IAAFConstantValue;
struct IAAFVaryingValue;
struct IAAFControlPoint;
struct IAAFInterpolationDef;
struct IAAFDefObject;
struct IAAFMetaDefinition;
struct IAAFObject;
struct IEnumAAFProperties;
struct IAAFProperty;
struct IAAFPropertyDef;
struct IAAFPropertyValue;
struct IEnumAAFPropertyValues;
struct IAAFTypeDefInt;
struct IAAFTypeDefString;
struct IAAFTypeDefSet;
struct IAAFTypeDefVariableArray;
struct IAAFTypeDefRecord;
struct IAAFTypeDefStrongObjRef;
struct IAAFTypeDefObjectRef;
struct IAAFEssenceDescriptor;
struct IAAFFileDescriptor;
struct IAAFDigitalImageDescriptor;
struct IAAFDigitalImageDescriptor2;
struct IAAFCDCIDescriptor;
struct IAAFCDCIDescriptor2;
struct IAAFRGBADescriptor;
struct IAAFRGBADescriptor2;
struct IAAFSoundDescriptor;
struct IAAFPCMDescriptor;
struct IAAFTapeDescriptor;
struct IAAFLocator;
struct IAAFTextLocator;

struct IUnknown {
    [[nodiscard]] virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    // Objects go with their last Release, never by delete through an interface.
    virtual ~IUnknown() = default;
};

// Files, headers, dictionaries and mobs.

struct IAAFFile : IUnknown {
    [[nodiscard]] virtual HRESULT GetHeader(IAAFHeader** ppHeader) = 0;
    [[nodiscard]] virtual HRESULT GetDictionary(IAAFDictionary** ppDictionary) = 0;
    [[nodiscard]] virtual HRESULT Close() = 0;
};

struct IAAFHeader : IUnknown {
    [[nodiscard]] virtual HRESULT CountMobs(aafMobKind_t mobKind, aafNumSlots_t* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetMobs(aafSearchCrit_t* pSearchCriteria, IEnumAAFMobs** ppEnum) = 0;
    [[nodiscard]] virtual HRESULT LookupMob(const aafMobID_t& mobID, IAAFMob** ppMob) = 0;
};

struct IAAFDictionary : IUnknown {};

struct IEnumAAFMobs : IUnknown {
    [[nodiscard]] virtual HRESULT NextOne(IAAFMob** ppMob) = 0;
};

struct IAAFMob : IUnknown {
    [[nodiscard]] virtual HRESULT GetMobID(aafMobID_t* pMobID) = 0;
    [[nodiscard]] virtual HRESULT GetNameBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT CountSlots(aafNumSlots_t* pNumSlots) = 0;
    [[nodiscard]] virtual HRESULT GetSlotAt(aafUInt32 index, IAAFMobSlot** ppSlot) = 0;
    [[nodiscard]] virtual HRESULT LookupSlot(aafSlotID_t slotId, IAAFMobSlot** ppSlot) = 0;
    [[nodiscard]] virtual HRESULT CountComments(aafUInt32* pNumComments) = 0;
    [[nodiscard]] virtual HRESULT GetComments(IEnumAAFTaggedValues** ppEnum) = 0;
};

struct IAAFMob2 : IUnknown {
    [[nodiscard]] virtual HRESULT GetUsageCode(aafUID_t* pUsageCode) = 0;
    [[nodiscard]] virtual HRESULT CountKLVData(aafUInt32* pNumData) = 0;
    [[nodiscard]] virtual HRESULT GetKLVData(IEnumAAFKLVData** ppEnum) = 0;
    [[nodiscard]] virtual HRESULT CountAttributes(aafUInt32* pNumAttributes) = 0;
    [[nodiscard]] virtual HRESULT GetAttributes(IEnumAAFTaggedValues** ppEnum) = 0;
};

struct IAAFMasterMob : IUnknown {};

struct IAAFCompositionMob : IUnknown {};

struct IAAFSourceMob : IUnknown {
    [[nodiscard]] virtual HRESULT GetEssenceDescriptor(IAAFEssenceDescriptor** ppEssence) = 0;
};

struct IEnumAAFTaggedValues : IUnknown {
    [[nodiscard]] virtual HRESULT NextOne(IAAFTaggedValue** ppTaggedValue) = 0;
};

struct IEnumAAFKLVData : IUnknown {
    [[nodiscard]] virtual HRESULT NextOne(IAAFKLVData** ppKLVData) = 0;
};

// Tagged values, KLV data and type categories.

struct IAAFTaggedValue : IUnknown {
    [[nodiscard]] virtual HRESULT GetNameBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT GetValueBufLen(aafUInt32* pLen) = 0;
    [[nodiscard]] virtual HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) = 0;
    [[nodiscard]] virtual HRESULT GetTypeDefinition(IAAFTypeDef** ppTypeDef) = 0;
};

struct IAAFKLVData : IUnknown {
    [[nodiscard]] virtual HRESULT GetValueBufLen(aafUInt32* pLen) = 0;
    [[nodiscard]] virtual HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) = 0;
};

struct IAAFTypeDef : IUnknown {
    [[nodiscard]] virtual HRESULT GetTypeCategory(eAAFTypeCategory_t* pTypeCategory) = 0;
};

// Slots.

struct IAAFMobSlot : IUnknown {
    [[nodiscard]] virtual HRESULT GetSlotID(aafSlotID_t* pSlotID) = 0;
    [[nodiscard]] virtual HRESULT GetNameBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT GetPhysicalNum(aafUInt32* pPhysicalNum) = 0;
    [[nodiscard]] virtual HRESULT GetDataDef(IAAFDataDef** ppDataDef) = 0;
    [[nodiscard]] virtual HRESULT GetSegment(IAAFSegment** ppSegment) = 0;
};

struct IAAFTimelineMobSlot : IUnknown {
    [[nodiscard]] virtual HRESULT GetEditRate(aafRational_t* pEditRate) = 0;
    [[nodiscard]] virtual HRESULT GetOrigin(aafPosition_t* pOrigin) = 0;
};

struct IAAFTimelineMobSlot2 : IUnknown {
    [[nodiscard]] virtual HRESULT GetMarkIn(aafPosition_t* pMarkIn) = 0;
    [[nodiscard]] virtual HRESULT GetMarkOut(aafPosition_t* pMarkOut) = 0;
};

struct IAAFEventMobSlot : IUnknown {
    [[nodiscard]] virtual HRESULT GetEditRate(aafRational_t* pEditRate) = 0;
};

struct IAAFEventMobSlot2 : IUnknown {
    [[nodiscard]] virtual HRESULT GetEventSlotOrigin(aafPosition_t* pEventSlotOrigin) = 0;
};

// Data definitions.

struct IAAFDataDef : IUnknown {
    [[nodiscard]] virtual HRESULT IsSoundKind(aafBoolean_t* bIsSoundKind) = 0;
    [[nodiscard]] virtual HRESULT IsPictureKind(aafBoolean_t* bIsPictureKind) = 0;
    [[nodiscard]] virtual HRESULT IsMatteKind(aafBoolean_t* bIsMatteKind) = 0;
    [[nodiscard]] virtual HRESULT IsPictureWithMatteKind(aafBoolean_t* bIsPictureWithMatteKind) = 0;
};

struct IAAFDataDef2 : IUnknown {
    [[nodiscard]] virtual HRESULT IsEdgecodeKind(aafBoolean_t* bIsEdgecodeKind) = 0;
    [[nodiscard]] virtual HRESULT IsTimecodeKind(aafBoolean_t* bIsTimecodeKind) = 0;
};

struct IAAFDataDef3 : IUnknown {
    [[nodiscard]] virtual HRESULT IsAuxiliaryKind(aafBoolean_t* bIsAuxiliaryKind) = 0;
    [[nodiscard]] virtual HRESULT IsDescriptiveMetadataKind(aafBoolean_t* bIsDescriptiveMetadataKind) = 0;
};

// Segments, components, events and transitions.

struct IAAFSegment : IUnknown {};

struct IAAFComponent : IUnknown {
    [[nodiscard]] virtual HRESULT GetLength(aafLength_t* pLength) = 0;
};

struct IAAFSequence : IUnknown {
    [[nodiscard]] virtual HRESULT CountComponents(aafUInt32* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetComponentAt(aafUInt32 index, IAAFComponent** ppComponent) = 0;
};

struct IAAFFiller : IUnknown {};

struct IAAFNestedScope : IUnknown {
    [[nodiscard]] virtual HRESULT CountSegments(aafUInt32* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetSegmentAt(aafUInt32 index, IAAFSegment** ppSegment) = 0;
};

struct IAAFScopeReference : IUnknown {};

struct IAAFSelector : IUnknown {
    [[nodiscard]] virtual HRESULT GetSelectedSegment(IAAFSegment** ppSelSegment) = 0;
};

struct IAAFSourceClip : IUnknown {
    [[nodiscard]] virtual HRESULT GetSourceReference(aafSourceRef_t* pSourceRef) = 0;
    [[nodiscard]] virtual HRESULT GetFade(aafLength_t* pFadeInLen, aafFadeType_t* pFadeInType, aafBoolean_t* pFadeInPresent, aafLength_t* pFadeOutLen, aafFadeType_t* pFadeOutType, aafBoolean_t* pFadeOutPresent) = 0;
};

struct IAAFEssenceGroup : IUnknown {
    [[nodiscard]] virtual HRESULT CountChoices(aafUInt32* pCount) = 0;
    [[nodiscard]] virtual HRESULT GetChoiceAt(aafUInt32 index, IAAFSegment** ppChoice) = 0;
    [[nodiscard]] virtual HRESULT GetStillFrame(IAAFSourceClip** ppStillFrame) = 0;
};

struct IAAFTimecode : IUnknown {
    [[nodiscard]] virtual HRESULT GetTimecode(aafTimecode_t* pTimecode) = 0;
};

struct IAAFEvent : IUnknown {
    [[nodiscard]] virtual HRESULT GetPosition(aafPosition_t* pPosition) = 0;
    [[nodiscard]] virtual HRESULT GetCommentBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetComment(aafCharacter* pComment, aafUInt32 bufSize) = 0;
};

struct IAAFCommentMarker : IUnknown {};

struct IAAFDescriptiveMarker : IUnknown {
    [[nodiscard]] virtual HRESULT GetDescribedSlotIDsSize(aafUInt32* pNumberElements) = 0;
    [[nodiscard]] virtual HRESULT GetDescribedSlotIDs(aafUInt32 numberElements, aafUInt32* pDescribedSlotIDs) = 0;
};

struct IAAFGPITrigger : IUnknown {};

struct IAAFTransition : IUnknown {
    [[nodiscard]] virtual HRESULT GetCutPoint(aafPosition_t* pCutPoint) = 0;
    [[nodiscard]] virtual HRESULT GetOperationGroup(IAAFOperationGroup** ppEffObj) = 0;
};

// Effects, parameters and definitions.

struct IAAFOperationGroup : IUnknown {
    [[nodiscard]] virtual HRESULT CountSourceSegments(aafUInt32* pNumSources) = 0;
    [[nodiscard]] virtual HRESULT IsATimeWarp(aafBoolean_t* pIsTimeWarp) = 0;
    [[nodiscard]] virtual HRESULT GetBypassOverride(aafUInt32* pBypassOverride) = 0;
    [[nodiscard]] virtual HRESULT IsValidTranOperation(aafBoolean_t* pValidTransition) = 0;
    [[nodiscard]] virtual HRESULT CountParameters(aafUInt32* pNumParameters) = 0;
    [[nodiscard]] virtual HRESULT GetOperationDefinition(IAAFOperationDef** ppOperationDef) = 0;
    [[nodiscard]] virtual HRESULT GetParameters(IEnumAAFParameters** ppEnum) = 0;
    [[nodiscard]] virtual HRESULT GetInputSegmentAt(aafUInt32 index, IAAFSegment** ppInputSegment) = 0;
};

struct IAAFOperationDef : IUnknown {
    [[nodiscard]] virtual HRESULT CountDegradeToOperations(aafInt32* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetCategory(aafUID_t* pValue) = 0;
    [[nodiscard]] virtual HRESULT GetBypass(aafUInt32* pBypass) = 0;
    [[nodiscard]] virtual HRESULT GetNumberInputs(aafInt32* pNumberInputs) = 0;
    [[nodiscard]] virtual HRESULT GetDataDef(IAAFDataDef** ppDataDef) = 0;
};

struct IEnumAAFParameters : IUnknown {
    [[nodiscard]] virtual HRESULT NextOne(IAAFParameter** ppParameter) = 0;
};

struct IAAFParameter : IUnknown {
    [[nodiscard]] virtual HRESULT GetParameterDefinition(IAAFParameterDef** ppParmDef) = 0;
};

struct IAAFParameterDef : IUnknown {
    [[nodiscard]] virtual HRESULT GetDisplayUnitsBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetDisplayUnits(aafCharacter* pDisplayUnits, aafUInt32 bufSize) = 0;
};

struct IAAFConstantValue : IUnknown {
    [[nodiscard]] virtual HRESULT GetTypeDefinition(IAAFTypeDef** ppTypeDef) = 0;
    [[nodiscard]] virtual HRESULT GetValueBufLen(aafUInt32* pLen) = 0;
    [[nodiscard]] virtual HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) = 0;
};

struct IAAFVaryingValue : IUnknown {
    [[nodiscard]] virtual HRESULT GetInterpolationDefinition(IAAFInterpolationDef** ppInterpolation) = 0;
    [[nodiscard]] virtual HRESULT CountControlPoints(aafUInt32* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetControlPointAt(aafUInt32 index, IAAFControlPoint** ppControlPoint) = 0;
};

struct IAAFControlPoint : IUnknown {
    [[nodiscard]] virtual HRESULT GetTime(aafRational_t* pTime) = 0;
    [[nodiscard]] virtual HRESULT GetEditHint(aafEditHint_t* pEditHint) = 0;
    [[nodiscard]] virtual HRESULT GetTypeDefinition(IAAFTypeDef** ppTypeDef) = 0;
    [[nodiscard]] virtual HRESULT GetValueBufLen(aafUInt32* pLen) = 0;
    [[nodiscard]] virtual HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) = 0;
};

struct IAAFInterpolationDef : IUnknown {};

struct IAAFDefObject : IUnknown {
    [[nodiscard]] virtual HRESULT GetAUID(aafUID_t* pAuid) = 0;
    [[nodiscard]] virtual HRESULT GetNameBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT GetDescriptionBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetDescription(aafCharacter* pDescription, aafUInt32 bufSize) = 0;
};

struct IAAFMetaDefinition : IUnknown {
    [[nodiscard]] virtual HRESULT GetAUID(aafUID_t* pAuid) = 0;
    [[nodiscard]] virtual HRESULT GetNameBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT GetDescriptionBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetDescription(aafCharacter* pDescription, aafUInt32 bufSize) = 0;
};

// Generic property access and type definitions.

struct IAAFObject : IUnknown {
    [[nodiscard]] virtual HRESULT CountProperties(aafUInt32* pCount) = 0;
    [[nodiscard]] virtual HRESULT GetProperties(IEnumAAFProperties** ppEnum) = 0;
    // The value of the property whose definition has this AUID, straight from the object without
    // walking its properties; AAFRESULT_PROP_NOT_PRESENT when the object does not carry it.
    [[nodiscard]] virtual HRESULT LookupPropertyValue(const aafUID_t& propertyId, IAAFPropertyValue** ppValue) = 0;
};

struct IEnumAAFProperties : IUnknown {
    [[nodiscard]] virtual HRESULT NextOne(IAAFProperty** ppProperty) = 0;
};

struct IAAFProperty : IUnknown {
    [[nodiscard]] virtual HRESULT GetDefinition(IAAFPropertyDef** ppPropDef) = 0;
    [[nodiscard]] virtual HRESULT GetValue(IAAFPropertyValue** ppValue) = 0;
};

struct IAAFPropertyDef : IUnknown {};

struct IAAFPropertyValue : IUnknown {
    [[nodiscard]] virtual HRESULT IsDefinedType(aafBoolean_t* pIsDefined) = 0;
    [[nodiscard]] virtual HRESULT GetType(IAAFTypeDef** ppTypeDef) = 0;
};

struct IEnumAAFPropertyValues : IUnknown {
    [[nodiscard]] virtual HRESULT NextOne(IAAFPropertyValue** ppPropertyValue) = 0;
};

struct IAAFTypeDefInt : IUnknown {
    [[nodiscard]] virtual HRESULT GetSize(aafUInt32* pSize) = 0;
    [[nodiscard]] virtual HRESULT GetInteger(IAAFPropertyValue* pPropVal, aafMemPtr_t pVal, aafUInt32 valSize) = 0;
};

struct IAAFTypeDefString : IUnknown {
    [[nodiscard]] virtual HRESULT GetCount(IAAFPropertyValue* pPropVal, aafUInt32* pCount) = 0;
    [[nodiscard]] virtual HRESULT GetElements(IAAFPropertyValue* pPropVal, aafCharacter* pBuffer, aafUInt32 bufferSize) = 0;
};

struct IAAFTypeDefSet : IUnknown {
    [[nodiscard]] virtual HRESULT GetCount(IAAFPropertyValue* pSetPropertyValue, aafUInt32* pCount) = 0;
    [[nodiscard]] virtual HRESULT GetElements(IAAFPropertyValue* pSetPropertyValue, IEnumAAFPropertyValues** ppEnum) = 0;
};

struct IAAFTypeDefVariableArray : IUnknown {
    [[nodiscard]] virtual HRESULT GetType(IAAFTypeDef** ppTypeDef) = 0;
    [[nodiscard]] virtual HRESULT GetCount(IAAFPropertyValue* pPropVal, aafUInt32* pCount) = 0;
    [[nodiscard]] virtual HRESULT GetElementValue(IAAFPropertyValue* pInPropVal, aafUInt32 index, IAAFPropertyValue** ppOutPropVal) = 0;
};

struct IAAFTypeDefRecord : IUnknown {
    [[nodiscard]] virtual HRESULT GetCount(aafUInt32* pCount) = 0;
    [[nodiscard]] virtual HRESULT GetMemberNameBufLen(aafUInt32 index, aafUInt32* pLen) = 0;
    [[nodiscard]] virtual HRESULT GetMemberName(aafUInt32 index, aafCharacter* pName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT GetMemberType(aafUInt32 index, IAAFTypeDef** ppTypeDef) = 0;
    [[nodiscard]] virtual HRESULT GetValue(IAAFPropertyValue* pInPropVal, aafUInt32 index, IAAFPropertyValue** ppOutPropVal) = 0;
};

struct IAAFTypeDefStrongObjRef : IUnknown {};

struct IAAFTypeDefObjectRef : IUnknown {
    [[nodiscard]] virtual HRESULT GetObject(IAAFPropertyValue* pPropVal, REFIID iid, IUnknown** ppObject) = 0;
};

// Essence descriptors.

struct IAAFEssenceDescriptor : IUnknown {
    [[nodiscard]] virtual HRESULT CountLocators(aafUInt32* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetLocatorAt(aafUInt32 index, IAAFLocator** ppLocator) = 0;
};

struct IAAFFileDescriptor : IUnknown {};

struct IAAFDigitalImageDescriptor : IUnknown {
    [[nodiscard]] virtual HRESULT GetFrameLayout(aafFrameLayout_t* pFrameLayout) = 0;
    [[nodiscard]] virtual HRESULT GetStoredView(aafUInt32* pStoredHeight, aafUInt32* pStoredWidth) = 0;
    [[nodiscard]] virtual HRESULT GetImageAspectRatio(aafRational_t* pImageAspectRatio) = 0;
    [[nodiscard]] virtual HRESULT GetVideoLineMapSize(aafUInt32* pNumberElements) = 0;
    [[nodiscard]] virtual HRESULT GetVideoLineMap(aafUInt32 numberElements, aafInt32* pVideoLineMap) = 0;
    [[nodiscard]] virtual HRESULT GetAlphaTransparency(aafAlphaTransparency_t* pAlphaTransparency) = 0;
    [[nodiscard]] virtual HRESULT GetCompression(aafUID_t* pCompression) = 0;
    [[nodiscard]] virtual HRESULT GetDisplayView(aafUInt32* pDisplayHeight, aafUInt32* pDisplayWidth, aafInt32* pDisplayXOffset, aafInt32* pDisplayYOffset) = 0;
    [[nodiscard]] virtual HRESULT GetGamma(aafUID_t* pGamma) = 0;
    [[nodiscard]] virtual HRESULT GetImageAlignmentFactor(aafUInt32* pImageAlignmentFactor) = 0;
    [[nodiscard]] virtual HRESULT GetSampledView(aafUInt32* pSampledHeight, aafUInt32* pSampledWidth, aafInt32* pSampledXOffset, aafInt32* pSampledYOffset) = 0;
};

struct IAAFDigitalImageDescriptor2 : IUnknown {
    [[nodiscard]] virtual HRESULT GetActiveFormatDescriptor(aafUInt8* pActiveFormatDescriptor) = 0;
    [[nodiscard]] virtual HRESULT GetCodingEquations(aafUID_t* pCodingEquations) = 0;
    [[nodiscard]] virtual HRESULT GetColorPrimaries(aafUID_t* pColorPrimaries) = 0;
    [[nodiscard]] virtual HRESULT GetDisplayF2Offset(aafInt32* pDisplayF2Offset) = 0;
    [[nodiscard]] virtual HRESULT GetFieldDominance(aafFieldNumber_t* pFieldDominance) = 0;
    [[nodiscard]] virtual HRESULT GetFieldEndOffset(aafUInt32* pFieldEndOffset) = 0;
    [[nodiscard]] virtual HRESULT GetFieldStartOffset(aafUInt32* pFieldStartOffset) = 0;
    [[nodiscard]] virtual HRESULT GetSignalStandard(aafSignalStandard_t* pSignalStandard) = 0;
    [[nodiscard]] virtual HRESULT GetStoredF2Offset(aafInt32* pStoredF2Offset) = 0;
};

struct IAAFCDCIDescriptor : IUnknown {
    [[nodiscard]] virtual HRESULT GetHorizontalSubsampling(aafUInt32* pHorizontalSubsampling) = 0;
    [[nodiscard]] virtual HRESULT GetComponentWidth(aafInt32* pComponentWidth) = 0;
    [[nodiscard]] virtual HRESULT GetColorSiting(aafColorSiting_t* pColorSiting) = 0;
    [[nodiscard]] virtual HRESULT GetColorRange(aafUInt32* pColorRange) = 0;
    [[nodiscard]] virtual HRESULT GetBlackReferenceLevel(aafUInt32* pBlackReferenceLevel) = 0;
    [[nodiscard]] virtual HRESULT GetWhiteReferenceLevel(aafUInt32* pWhiteReferenceLevel) = 0;
    [[nodiscard]] virtual HRESULT GetPaddingBits(aafInt16* pPaddingBits) = 0;
};

struct IAAFCDCIDescriptor2 : IUnknown {
    [[nodiscard]] virtual HRESULT GetAlphaSamplingWidth(aafUInt32* pAlphaSamplingWidth) = 0;
    [[nodiscard]] virtual HRESULT GetReversedByteOrder(aafBoolean_t* pReversedByteOrder) = 0;
};

struct IAAFRGBADescriptor : IUnknown {
    [[nodiscard]] virtual HRESULT CountPixelLayoutElements(aafUInt32* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetPixelLayout(aafUInt32 numberElements, aafRGBAComponent_t* pPixelLayoutArray) = 0;
    [[nodiscard]] virtual HRESULT CountPaletteLayoutElements(aafUInt32* pResult) = 0;
    [[nodiscard]] virtual HRESULT GetPaletteLayout(aafUInt32 numberElements, aafRGBAComponent_t* pPaletteLayoutArray) = 0;
};

struct IAAFRGBADescriptor2 : IUnknown {
    [[nodiscard]] virtual HRESULT GetComponentMaxRef(aafUInt32* pComponentMaxRef) = 0;
    [[nodiscard]] virtual HRESULT GetComponentMinRef(aafUInt32* pComponentMinRef) = 0;
    [[nodiscard]] virtual HRESULT GetAlphaMaxRef(aafUInt32* pAlphaMaxRef) = 0;
    [[nodiscard]] virtual HRESULT GetAlphaMinRef(aafUInt32* pAlphaMinRef) = 0;
    [[nodiscard]] virtual HRESULT GetScanningDirection(aafScanningDirection_t* pScanningDirection) = 0;
};

struct IAAFSoundDescriptor : IUnknown {
    [[nodiscard]] virtual HRESULT GetAudioSamplingRate(aafRational_t* pRate) = 0;
    [[nodiscard]] virtual HRESULT GetElectroSpatialFormulation(aafElectroSpatialFormulation_t* pFormulation) = 0;
    [[nodiscard]] virtual HRESULT GetDialNorm(aafInt8* pDialNorm) = 0;
    [[nodiscard]] virtual HRESULT IsLocked(aafBoolean_t* pLocked) = 0;
    [[nodiscard]] virtual HRESULT GetAudioRefLevel(aafInt8* pLevel) = 0;
    [[nodiscard]] virtual HRESULT GetChannelCount(aafUInt32* pChannelCount) = 0;
    [[nodiscard]] virtual HRESULT GetQuantizationBits(aafUInt32* pBitsCount) = 0;
};

struct IAAFPCMDescriptor : IUnknown {};

struct IAAFTapeDescriptor : IUnknown {
    [[nodiscard]] virtual HRESULT GetTapeManufacturerBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetTapeManufacturer(aafCharacter* pName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT GetTapeModelBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetTapeModel(aafCharacter* pModelName, aafUInt32 bufSize) = 0;
    [[nodiscard]] virtual HRESULT GetTapeFormFactor(aafTapeCaseType_t* pFormFactor) = 0;
    [[nodiscard]] virtual HRESULT GetSignalType(aafVideoSignalType_t* pVideoSignal) = 0;
    [[nodiscard]] virtual HRESULT GetTapeFormat(aafTapeFormatType_t* pTapeFormat) = 0;
};

// Locators.

struct IAAFLocator : IUnknown {
    [[nodiscard]] virtual HRESULT GetPathBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetPath(aafCharacter* pPath, aafUInt32 bufSize) = 0;
};

struct IAAFTextLocator : IUnknown {
    [[nodiscard]] virtual HRESULT GetNameBufLen(aafUInt32* pBufSize) = 0;
    [[nodiscard]] virtual HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) = 0;
};

// Opens an existing AAF file for reading. The UTF-16 path is converted to the file system's UTF-8.
[[nodiscard]] HRESULT AAFFileOpenExistingRead(const aafCharacter* pFileName, aafUInt32 modeFlags, IAAFFile** ppFile);
