#include "aaf/import/TapeR.h"

#include "aaf/TextConversion.h"

TapeR::TapeR(IAAFSourceMob* sourceMob) : LocatorT(sourceMob)
{
    if (status >= 0)
        status = GetInterface(&tapeDescriptor, IID_IAAFTapeDescriptor, "IID_IAAFTapeDescriptor", essenceDescriptor);
}

TapeR::~TapeR()
{
    ReleaseInterface(tapeDescriptor);
}

std::string TapeR::GetTapeManufacturer()
{
    if (status < 0)
        return {};
    return ReadText(tapeDescriptor, "TapeR: GetTapeManufacturer", &IAAFTapeDescriptor::GetTapeManufacturerBufLen,
                    &IAAFTapeDescriptor::GetTapeManufacturer);
}

std::string TapeR::GetTapeModel()
{
    if (status < 0)
        return {};
    return ReadText(tapeDescriptor, "TapeR: GetTapeModel", &IAAFTapeDescriptor::GetTapeModelBufLen,
                    &IAAFTapeDescriptor::GetTapeModel);
}
