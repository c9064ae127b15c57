#include "aaf/import/DataT.h"

#include "aaf/CheckHResult.h"
#include "aaf/HeldInterface.h"

namespace {

template <class Interface>
bool AskKind(Interface* dataDef, const char* label, const char* method, HRESULT (Interface::*test)(aafBoolean_t*))
{
    if (dataDef == nullptr)
        ReportZeroObject(kAafCallFailed, label);
    aafBoolean_t answer = kAAFFalse;
    CheckHResult(method, (dataDef->*test)(&answer), kAafCallFailed);
    return answer != kAAFFalse;
}

}  // namespace

bool DataT::IsSoundKind(IAAFDataDef* d)
{
    return AskKind(d, "DataT: IsSoundKind", "IsSoundKind", &IAAFDataDef::IsSoundKind);
}

bool DataT::IsPictureKind(IAAFDataDef* d)
{
    return AskKind(d, "DataT: IsPictureKind", "IsPictureKind", &IAAFDataDef::IsPictureKind);
}

bool DataT::IsMatteKind(IAAFDataDef* d)
{
    return AskKind(d, "DataT: IsMatteKind", "IsMatteKind", &IAAFDataDef::IsMatteKind);
}

bool DataT::IsPictureWithMatteKind(IAAFDataDef* d)
{
    return AskKind(d, "DataT: IsPictureWithMatteKind", "IsPictureWithMatteKind", &IAAFDataDef::IsPictureWithMatteKind);
}

bool DataT::IsEdgecodeKind(IAAFDataDef2* d)
{
    return AskKind(d, "DataT: IsEdgecodeKind", "IsEdgecodeKind", &IAAFDataDef2::IsEdgecodeKind);
}

bool DataT::IsTimecodeKind(IAAFDataDef2* d)
{
    return AskKind(d, "DataT: IsTimecodeKind", "IsTimecodeKind", &IAAFDataDef2::IsTimecodeKind);
}

bool DataT::IsAuxiliaryKind(IAAFDataDef3* d)
{
    return AskKind(d, "DataT: IsAuxiliaryKind", "IsAuxiliaryKind", &IAAFDataDef3::IsAuxiliaryKind);
}

bool DataT::IsDescriptiveMetadataKind(IAAFDataDef3* d)
{
    return AskKind(d, "DataT: IsDescriptiveMetadataKind", "IsDescriptiveMetadataKind",
                   &IAAFDataDef3::IsDescriptiveMetadataKind);
}

std::int32_t DataT::GetDataKind(IAAFDataDef* dataDef)
{
    if (IsSoundKind(dataDef))
        return kDataKindSound;
    if (IsPictureKind(dataDef))
        return kDataKindPicture;
    if (IsMatteKind(dataDef))
        return kDataKindMatte;
    if (IsPictureWithMatteKind(dataDef))
        return kDataKindPictureWithMatte;
    Held<IAAFDataDef2> second;
    if (GetInterface(second.out(), IID_IAAFDataDef2, "IID_IAAFDataDef2", dataDef) < 0)
        return kDataKindOther;
    if (IsEdgecodeKind(second.get()))
        return kDataKindEdgecode;
    if (IsTimecodeKind(second.get()))
        return kDataKindTimecode;
    Held<IAAFDataDef3> third;
    if (GetInterface(third.out(), IID_IAAFDataDef3, "IID_IAAFDataDef3", dataDef) < 0)
        return kDataKindOther;
    if (IsAuxiliaryKind(third.get()))
        return kDataKindAuxiliary;
    if (IsDescriptiveMetadataKind(third.get()))
        return kDataKindDescriptiveMetadata;
    return kDataKindOther;
}
