#pragma once

// GoogleMock doubles of every interface of the AAF layer, for the error paths of the wrappers.
// Each double answers QueryInterface, AddRef and Release as mocks too; a test that does not care
// about reference counts wraps the double in testing::NiceMock.

#include <cstdio>
#include <ostream>

#include <gmock/gmock.h>

#include "aafsdk/include/AAF.h"

// Readable failure messages for identifiers.
inline void PrintTo(const aafUID_t& id, std::ostream* os)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", id.Data1, id.Data2,
                  id.Data3, id.Data4[0], id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5],
                  id.Data4[6], id.Data4[7]);
    *os << text;
}

namespace testsupport {

class MockIUnknown : public IUnknown {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFFile : public IAAFFile {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetHeader, (IAAFHeader** ppHeader), (override));
    MOCK_METHOD(HRESULT, GetDictionary, (IAAFDictionary** ppDictionary), (override));
    MOCK_METHOD(HRESULT, Close, (), (override));
};

class MockIAAFHeader : public IAAFHeader {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountMobs, (aafMobKind_t mobKind, aafNumSlots_t* pResult), (override));
    MOCK_METHOD(HRESULT, GetMobs, (aafSearchCrit_t* pSearchCriteria, IEnumAAFMobs** ppEnum), (override));
    MOCK_METHOD(HRESULT, LookupMob, (const aafMobID_t& mobID, IAAFMob** ppMob), (override));
};

class MockIAAFDictionary : public IAAFDictionary {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIEnumAAFMobs : public IEnumAAFMobs {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, NextOne, (IAAFMob** ppMob), (override));
};

class MockIAAFMob : public IAAFMob {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetMobID, (aafMobID_t* pMobID), (override));
    MOCK_METHOD(HRESULT, GetNameBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetName, (aafCharacter* pName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, CountSlots, (aafNumSlots_t* pNumSlots), (override));
    MOCK_METHOD(HRESULT, GetSlotAt, (aafUInt32 index, IAAFMobSlot** ppSlot), (override));
    MOCK_METHOD(HRESULT, LookupSlot, (aafSlotID_t slotId, IAAFMobSlot** ppSlot), (override));
    MOCK_METHOD(HRESULT, CountComments, (aafUInt32* pNumComments), (override));
    MOCK_METHOD(HRESULT, GetComments, (IEnumAAFTaggedValues** ppEnum), (override));
};

class MockIAAFMob2 : public IAAFMob2 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetUsageCode, (aafUID_t* pUsageCode), (override));
    MOCK_METHOD(HRESULT, CountKLVData, (aafUInt32* pNumData), (override));
    MOCK_METHOD(HRESULT, GetKLVData, (IEnumAAFKLVData** ppEnum), (override));
    MOCK_METHOD(HRESULT, CountAttributes, (aafUInt32* pNumAttributes), (override));
    MOCK_METHOD(HRESULT, GetAttributes, (IEnumAAFTaggedValues** ppEnum), (override));
};

class MockIAAFMasterMob : public IAAFMasterMob {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFCompositionMob : public IAAFCompositionMob {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFSourceMob : public IAAFSourceMob {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetEssenceDescriptor, (IAAFEssenceDescriptor** ppEssence), (override));
};

class MockIEnumAAFTaggedValues : public IEnumAAFTaggedValues {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, NextOne, (IAAFTaggedValue** ppTaggedValue), (override));
};

class MockIEnumAAFKLVData : public IEnumAAFKLVData {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, NextOne, (IAAFKLVData** ppKLVData), (override));
};

class MockIAAFTaggedValue : public IAAFTaggedValue {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetNameBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetName, (aafCharacter* pName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, GetValueBufLen, (aafUInt32* pLen), (override));
    MOCK_METHOD(HRESULT, GetValue, (aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead), (override));
    MOCK_METHOD(HRESULT, GetTypeDefinition, (IAAFTypeDef** ppTypeDef), (override));
};

class MockIAAFKLVData : public IAAFKLVData {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetValueBufLen, (aafUInt32* pLen), (override));
    MOCK_METHOD(HRESULT, GetValue, (aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead), (override));
};

class MockIAAFTypeDef : public IAAFTypeDef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetTypeCategory, (eAAFTypeCategory_t* pTypeCategory), (override));
};

class MockIAAFMobSlot : public IAAFMobSlot {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetSlotID, (aafSlotID_t* pSlotID), (override));
    MOCK_METHOD(HRESULT, GetNameBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetName, (aafCharacter* pName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, GetPhysicalNum, (aafUInt32* pPhysicalNum), (override));
    MOCK_METHOD(HRESULT, GetDataDef, (IAAFDataDef** ppDataDef), (override));
    MOCK_METHOD(HRESULT, GetSegment, (IAAFSegment** ppSegment), (override));
};

class MockIAAFTimelineMobSlot : public IAAFTimelineMobSlot {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetEditRate, (aafRational_t* pEditRate), (override));
    MOCK_METHOD(HRESULT, GetOrigin, (aafPosition_t* pOrigin), (override));
};

class MockIAAFTimelineMobSlot2 : public IAAFTimelineMobSlot2 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetMarkIn, (aafPosition_t* pMarkIn), (override));
    MOCK_METHOD(HRESULT, GetMarkOut, (aafPosition_t* pMarkOut), (override));
};

class MockIAAFEventMobSlot : public IAAFEventMobSlot {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetEditRate, (aafRational_t* pEditRate), (override));
};

class MockIAAFEventMobSlot2 : public IAAFEventMobSlot2 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetEventSlotOrigin, (aafPosition_t* pEventSlotOrigin), (override));
};

class MockIAAFDataDef : public IAAFDataDef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, IsSoundKind, (aafBoolean_t* bIsSoundKind), (override));
    MOCK_METHOD(HRESULT, IsPictureKind, (aafBoolean_t* bIsPictureKind), (override));
    MOCK_METHOD(HRESULT, IsMatteKind, (aafBoolean_t* bIsMatteKind), (override));
    MOCK_METHOD(HRESULT, IsPictureWithMatteKind, (aafBoolean_t* bIsPictureWithMatteKind), (override));
};

class MockIAAFDataDef2 : public IAAFDataDef2 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, IsEdgecodeKind, (aafBoolean_t* bIsEdgecodeKind), (override));
    MOCK_METHOD(HRESULT, IsTimecodeKind, (aafBoolean_t* bIsTimecodeKind), (override));
};

class MockIAAFDataDef3 : public IAAFDataDef3 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, IsAuxiliaryKind, (aafBoolean_t* bIsAuxiliaryKind), (override));
    MOCK_METHOD(HRESULT, IsDescriptiveMetadataKind, (aafBoolean_t* bIsDescriptiveMetadataKind), (override));
};

class MockIAAFSegment : public IAAFSegment {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFComponent : public IAAFComponent {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetLength, (aafLength_t* pLength), (override));
};

class MockIAAFSequence : public IAAFSequence {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountComponents, (aafUInt32* pResult), (override));
    MOCK_METHOD(HRESULT, GetComponentAt, (aafUInt32 index, IAAFComponent** ppComponent), (override));
};

class MockIAAFFiller : public IAAFFiller {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFNestedScope : public IAAFNestedScope {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountSegments, (aafUInt32* pResult), (override));
    MOCK_METHOD(HRESULT, GetSegmentAt, (aafUInt32 index, IAAFSegment** ppSegment), (override));
};

class MockIAAFScopeReference : public IAAFScopeReference {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFSelector : public IAAFSelector {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetSelectedSegment, (IAAFSegment** ppSelSegment), (override));
};

class MockIAAFSourceClip : public IAAFSourceClip {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetSourceReference, (aafSourceRef_t* pSourceRef), (override));
    MOCK_METHOD(HRESULT, GetFade, (aafLength_t* pFadeInLen, aafFadeType_t* pFadeInType, aafBoolean_t* pFadeInPresent, aafLength_t* pFadeOutLen, aafFadeType_t* pFadeOutType, aafBoolean_t* pFadeOutPresent), (override));
};

class MockIAAFEssenceGroup : public IAAFEssenceGroup {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountChoices, (aafUInt32* pCount), (override));
    MOCK_METHOD(HRESULT, GetChoiceAt, (aafUInt32 index, IAAFSegment** ppChoice), (override));
    MOCK_METHOD(HRESULT, GetStillFrame, (IAAFSourceClip** ppStillFrame), (override));
};

class MockIAAFTimecode : public IAAFTimecode {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetTimecode, (aafTimecode_t* pTimecode), (override));
};

class MockIAAFEvent : public IAAFEvent {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetPosition, (aafPosition_t* pPosition), (override));
    MOCK_METHOD(HRESULT, GetCommentBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetComment, (aafCharacter* pComment, aafUInt32 bufSize), (override));
};

class MockIAAFCommentMarker : public IAAFCommentMarker {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFDescriptiveMarker : public IAAFDescriptiveMarker {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetDescribedSlotIDsSize, (aafUInt32* pNumberElements), (override));
    MOCK_METHOD(HRESULT, GetDescribedSlotIDs, (aafUInt32 numberElements, aafUInt32* pDescribedSlotIDs), (override));
};

class MockIAAFGPITrigger : public IAAFGPITrigger {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFTransition : public IAAFTransition {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetCutPoint, (aafPosition_t* pCutPoint), (override));
    MOCK_METHOD(HRESULT, GetOperationGroup, (IAAFOperationGroup** ppEffObj), (override));
};

class MockIAAFOperationGroup : public IAAFOperationGroup {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountSourceSegments, (aafUInt32* pNumSources), (override));
    MOCK_METHOD(HRESULT, IsATimeWarp, (aafBoolean_t* pIsTimeWarp), (override));
    MOCK_METHOD(HRESULT, GetBypassOverride, (aafUInt32* pBypassOverride), (override));
    MOCK_METHOD(HRESULT, IsValidTranOperation, (aafBoolean_t* pValidTransition), (override));
    MOCK_METHOD(HRESULT, CountParameters, (aafUInt32* pNumParameters), (override));
    MOCK_METHOD(HRESULT, GetOperationDefinition, (IAAFOperationDef** ppOperationDef), (override));
    MOCK_METHOD(HRESULT, GetParameters, (IEnumAAFParameters** ppEnum), (override));
    MOCK_METHOD(HRESULT, GetInputSegmentAt, (aafUInt32 index, IAAFSegment** ppInputSegment), (override));
};

class MockIAAFOperationDef : public IAAFOperationDef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountDegradeToOperations, (aafInt32* pResult), (override));
    MOCK_METHOD(HRESULT, GetCategory, (aafUID_t* pValue), (override));
    MOCK_METHOD(HRESULT, GetBypass, (aafUInt32* pBypass), (override));
    MOCK_METHOD(HRESULT, GetNumberInputs, (aafInt32* pNumberInputs), (override));
    MOCK_METHOD(HRESULT, GetDataDef, (IAAFDataDef** ppDataDef), (override));
};

class MockIEnumAAFParameters : public IEnumAAFParameters {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, NextOne, (IAAFParameter** ppParameter), (override));
};

class MockIAAFParameter : public IAAFParameter {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetParameterDefinition, (IAAFParameterDef** ppParmDef), (override));
};

class MockIAAFParameterDef : public IAAFParameterDef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetDisplayUnitsBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetDisplayUnits, (aafCharacter* pDisplayUnits, aafUInt32 bufSize), (override));
};

class MockIAAFConstantValue : public IAAFConstantValue {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetTypeDefinition, (IAAFTypeDef** ppTypeDef), (override));
    MOCK_METHOD(HRESULT, GetValueBufLen, (aafUInt32* pLen), (override));
    MOCK_METHOD(HRESULT, GetValue, (aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead), (override));
};

class MockIAAFVaryingValue : public IAAFVaryingValue {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetInterpolationDefinition, (IAAFInterpolationDef** ppInterpolation), (override));
    MOCK_METHOD(HRESULT, CountControlPoints, (aafUInt32* pResult), (override));
    MOCK_METHOD(HRESULT, GetControlPointAt, (aafUInt32 index, IAAFControlPoint** ppControlPoint), (override));
};

class MockIAAFControlPoint : public IAAFControlPoint {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetTime, (aafRational_t* pTime), (override));
    MOCK_METHOD(HRESULT, GetEditHint, (aafEditHint_t* pEditHint), (override));
    MOCK_METHOD(HRESULT, GetTypeDefinition, (IAAFTypeDef** ppTypeDef), (override));
    MOCK_METHOD(HRESULT, GetValueBufLen, (aafUInt32* pLen), (override));
    MOCK_METHOD(HRESULT, GetValue, (aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead), (override));
};

class MockIAAFInterpolationDef : public IAAFInterpolationDef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFDefObject : public IAAFDefObject {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetAUID, (aafUID_t* pAuid), (override));
    MOCK_METHOD(HRESULT, GetNameBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetName, (aafCharacter* pName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, GetDescriptionBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetDescription, (aafCharacter* pDescription, aafUInt32 bufSize), (override));
};

class MockIAAFMetaDefinition : public IAAFMetaDefinition {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetAUID, (aafUID_t* pAuid), (override));
    MOCK_METHOD(HRESULT, GetNameBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetName, (aafCharacter* pName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, GetDescriptionBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetDescription, (aafCharacter* pDescription, aafUInt32 bufSize), (override));
};

class MockIAAFObject : public IAAFObject {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountProperties, (aafUInt32* pCount), (override));
    MOCK_METHOD(HRESULT, GetProperties, (IEnumAAFProperties** ppEnum), (override));
    MOCK_METHOD(HRESULT, LookupPropertyValue, (const aafUID_t& propertyId, IAAFPropertyValue** ppValue), (override));
};

class MockIEnumAAFProperties : public IEnumAAFProperties {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, NextOne, (IAAFProperty** ppProperty), (override));
};

class MockIAAFProperty : public IAAFProperty {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetDefinition, (IAAFPropertyDef** ppPropDef), (override));
    MOCK_METHOD(HRESULT, GetValue, (IAAFPropertyValue** ppValue), (override));
};

class MockIAAFPropertyDef : public IAAFPropertyDef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFPropertyValue : public IAAFPropertyValue {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, IsDefinedType, (aafBoolean_t* pIsDefined), (override));
    MOCK_METHOD(HRESULT, GetType, (IAAFTypeDef** ppTypeDef), (override));
};

class MockIEnumAAFPropertyValues : public IEnumAAFPropertyValues {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, NextOne, (IAAFPropertyValue** ppPropertyValue), (override));
};

class MockIAAFTypeDefInt : public IAAFTypeDefInt {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetSize, (aafUInt32* pSize), (override));
    MOCK_METHOD(HRESULT, GetInteger, (IAAFPropertyValue* pPropVal, aafMemPtr_t pVal, aafUInt32 valSize), (override));
};

class MockIAAFTypeDefString : public IAAFTypeDefString {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetCount, (IAAFPropertyValue* pPropVal, aafUInt32* pCount), (override));
    MOCK_METHOD(HRESULT, GetElements, (IAAFPropertyValue* pPropVal, aafCharacter* pBuffer, aafUInt32 bufferSize), (override));
};

class MockIAAFTypeDefSet : public IAAFTypeDefSet {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetCount, (IAAFPropertyValue* pSetPropertyValue, aafUInt32* pCount), (override));
    MOCK_METHOD(HRESULT, GetElements, (IAAFPropertyValue* pSetPropertyValue, IEnumAAFPropertyValues** ppEnum), (override));
};

class MockIAAFTypeDefVariableArray : public IAAFTypeDefVariableArray {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetType, (IAAFTypeDef** ppTypeDef), (override));
    MOCK_METHOD(HRESULT, GetCount, (IAAFPropertyValue* pPropVal, aafUInt32* pCount), (override));
    MOCK_METHOD(HRESULT, GetElementValue, (IAAFPropertyValue* pInPropVal, aafUInt32 index, IAAFPropertyValue** ppOutPropVal), (override));
};

class MockIAAFTypeDefRecord : public IAAFTypeDefRecord {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetCount, (aafUInt32* pCount), (override));
    MOCK_METHOD(HRESULT, GetMemberNameBufLen, (aafUInt32 index, aafUInt32* pLen), (override));
    MOCK_METHOD(HRESULT, GetMemberName, (aafUInt32 index, aafCharacter* pName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, GetMemberType, (aafUInt32 index, IAAFTypeDef** ppTypeDef), (override));
    MOCK_METHOD(HRESULT, GetValue, (IAAFPropertyValue* pInPropVal, aafUInt32 index, IAAFPropertyValue** ppOutPropVal), (override));
};

class MockIAAFTypeDefStrongObjRef : public IAAFTypeDefStrongObjRef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFTypeDefObjectRef : public IAAFTypeDefObjectRef {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetObject, (IAAFPropertyValue* pPropVal, REFIID iid, IUnknown** ppObject), (override));
};

class MockIAAFEssenceDescriptor : public IAAFEssenceDescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountLocators, (aafUInt32* pResult), (override));
    MOCK_METHOD(HRESULT, GetLocatorAt, (aafUInt32 index, IAAFLocator** ppLocator), (override));
};

class MockIAAFFileDescriptor : public IAAFFileDescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFDigitalImageDescriptor : public IAAFDigitalImageDescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetFrameLayout, (aafFrameLayout_t* pFrameLayout), (override));
    MOCK_METHOD(HRESULT, GetStoredView, (aafUInt32* pStoredHeight, aafUInt32* pStoredWidth), (override));
    MOCK_METHOD(HRESULT, GetImageAspectRatio, (aafRational_t* pImageAspectRatio), (override));
    MOCK_METHOD(HRESULT, GetVideoLineMapSize, (aafUInt32* pNumberElements), (override));
    MOCK_METHOD(HRESULT, GetVideoLineMap, (aafUInt32 numberElements, aafInt32* pVideoLineMap), (override));
    MOCK_METHOD(HRESULT, GetAlphaTransparency, (aafAlphaTransparency_t* pAlphaTransparency), (override));
    MOCK_METHOD(HRESULT, GetCompression, (aafUID_t* pCompression), (override));
    MOCK_METHOD(HRESULT, GetDisplayView, (aafUInt32* pDisplayHeight, aafUInt32* pDisplayWidth, aafInt32* pDisplayXOffset, aafInt32* pDisplayYOffset), (override));
    MOCK_METHOD(HRESULT, GetGamma, (aafUID_t* pGamma), (override));
    MOCK_METHOD(HRESULT, GetImageAlignmentFactor, (aafUInt32* pImageAlignmentFactor), (override));
    MOCK_METHOD(HRESULT, GetSampledView, (aafUInt32* pSampledHeight, aafUInt32* pSampledWidth, aafInt32* pSampledXOffset, aafInt32* pSampledYOffset), (override));
};

class MockIAAFDigitalImageDescriptor2 : public IAAFDigitalImageDescriptor2 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetActiveFormatDescriptor, (aafUInt8* pActiveFormatDescriptor), (override));
    MOCK_METHOD(HRESULT, GetCodingEquations, (aafUID_t* pCodingEquations), (override));
    MOCK_METHOD(HRESULT, GetColorPrimaries, (aafUID_t* pColorPrimaries), (override));
    MOCK_METHOD(HRESULT, GetDisplayF2Offset, (aafInt32* pDisplayF2Offset), (override));
    MOCK_METHOD(HRESULT, GetFieldDominance, (aafFieldNumber_t* pFieldDominance), (override));
    MOCK_METHOD(HRESULT, GetFieldEndOffset, (aafUInt32* pFieldEndOffset), (override));
    MOCK_METHOD(HRESULT, GetFieldStartOffset, (aafUInt32* pFieldStartOffset), (override));
    MOCK_METHOD(HRESULT, GetSignalStandard, (aafSignalStandard_t* pSignalStandard), (override));
    MOCK_METHOD(HRESULT, GetStoredF2Offset, (aafInt32* pStoredF2Offset), (override));
};

class MockIAAFCDCIDescriptor : public IAAFCDCIDescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetHorizontalSubsampling, (aafUInt32* pHorizontalSubsampling), (override));
    MOCK_METHOD(HRESULT, GetComponentWidth, (aafInt32* pComponentWidth), (override));
    MOCK_METHOD(HRESULT, GetColorSiting, (aafColorSiting_t* pColorSiting), (override));
    MOCK_METHOD(HRESULT, GetColorRange, (aafUInt32* pColorRange), (override));
    MOCK_METHOD(HRESULT, GetBlackReferenceLevel, (aafUInt32* pBlackReferenceLevel), (override));
    MOCK_METHOD(HRESULT, GetWhiteReferenceLevel, (aafUInt32* pWhiteReferenceLevel), (override));
    MOCK_METHOD(HRESULT, GetPaddingBits, (aafInt16* pPaddingBits), (override));
};

class MockIAAFCDCIDescriptor2 : public IAAFCDCIDescriptor2 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetAlphaSamplingWidth, (aafUInt32* pAlphaSamplingWidth), (override));
    MOCK_METHOD(HRESULT, GetReversedByteOrder, (aafBoolean_t* pReversedByteOrder), (override));
};

class MockIAAFRGBADescriptor : public IAAFRGBADescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, CountPixelLayoutElements, (aafUInt32* pResult), (override));
    MOCK_METHOD(HRESULT, GetPixelLayout, (aafUInt32 numberElements, aafRGBAComponent_t* pPixelLayoutArray), (override));
    MOCK_METHOD(HRESULT, CountPaletteLayoutElements, (aafUInt32* pResult), (override));
    MOCK_METHOD(HRESULT, GetPaletteLayout, (aafUInt32 numberElements, aafRGBAComponent_t* pPaletteLayoutArray), (override));
};

class MockIAAFRGBADescriptor2 : public IAAFRGBADescriptor2 {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetComponentMaxRef, (aafUInt32* pComponentMaxRef), (override));
    MOCK_METHOD(HRESULT, GetComponentMinRef, (aafUInt32* pComponentMinRef), (override));
    MOCK_METHOD(HRESULT, GetAlphaMaxRef, (aafUInt32* pAlphaMaxRef), (override));
    MOCK_METHOD(HRESULT, GetAlphaMinRef, (aafUInt32* pAlphaMinRef), (override));
    MOCK_METHOD(HRESULT, GetScanningDirection, (aafScanningDirection_t* pScanningDirection), (override));
};

class MockIAAFSoundDescriptor : public IAAFSoundDescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetAudioSamplingRate, (aafRational_t* pRate), (override));
    MOCK_METHOD(HRESULT, GetElectroSpatialFormulation, (aafElectroSpatialFormulation_t* pFormulation), (override));
    MOCK_METHOD(HRESULT, GetDialNorm, (aafInt8* pDialNorm), (override));
    MOCK_METHOD(HRESULT, IsLocked, (aafBoolean_t* pLocked), (override));
    MOCK_METHOD(HRESULT, GetAudioRefLevel, (aafInt8* pLevel), (override));
    MOCK_METHOD(HRESULT, GetChannelCount, (aafUInt32* pChannelCount), (override));
    MOCK_METHOD(HRESULT, GetQuantizationBits, (aafUInt32* pBitsCount), (override));
};

class MockIAAFPCMDescriptor : public IAAFPCMDescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
};

class MockIAAFTapeDescriptor : public IAAFTapeDescriptor {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetTapeManufacturerBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetTapeManufacturer, (aafCharacter* pName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, GetTapeModelBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetTapeModel, (aafCharacter* pModelName, aafUInt32 bufSize), (override));
    MOCK_METHOD(HRESULT, GetTapeFormFactor, (aafTapeCaseType_t* pFormFactor), (override));
    MOCK_METHOD(HRESULT, GetSignalType, (aafVideoSignalType_t* pVideoSignal), (override));
    MOCK_METHOD(HRESULT, GetTapeFormat, (aafTapeFormatType_t* pTapeFormat), (override));
};

class MockIAAFLocator : public IAAFLocator {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetPathBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetPath, (aafCharacter* pPath, aafUInt32 bufSize), (override));
};

class MockIAAFTextLocator : public IAAFTextLocator {
public:
    MOCK_METHOD(HRESULT, QueryInterface, (REFIID riid, void** ppvObject), (override));
    MOCK_METHOD(ULONG, AddRef, (), (override));
    MOCK_METHOD(ULONG, Release, (), (override));
    MOCK_METHOD(HRESULT, GetNameBufLen, (aafUInt32* pBufSize), (override));
    MOCK_METHOD(HRESULT, GetName, (aafCharacter* pName, aafUInt32 bufSize), (override));
};

// Action for QueryInterface (and every getter of an interface): hands out the given interface
// in the out-argument N and succeeds.
ACTION_TEMPLATE(HandOut, HAS_1_TEMPLATE_PARAMS(int, N), AND_1_VALUE_PARAMS(iface))
{
    *std::get<N>(args) = iface;
    return AAFRESULT_SUCCESS;
}

}  // namespace testsupport
