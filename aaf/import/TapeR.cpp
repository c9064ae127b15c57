#include "aaf/import/TapeR.h"

#include "aaf/CheckHResult.h"
#include "aaf/TextConversion.h"

namespace {

// An optional read of the tape descriptor: 0 when the call fails.
template <class Value>
std::int32_t ReadOrZero(IAAFTapeDescriptor* tape, const char* label, HRESULT (IAAFTapeDescriptor::*get)(Value*))
{
    Value value{};
    if ((CheckNotNull(tape, label)->*get)(&value) != 0)
        return 0;
    return static_cast<std::int32_t>(value);
}

}  // namespace

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

void TapeR::ReadTapeInfo(IAAFSourceMob* sourceMob, TapeMobInfo& info)
{
    TapeR tape(sourceMob);
    if (tape.status >= 0) {
        info.tapeManufacturer = tape.GetTapeManufacturer();
        info.tapeModel = tape.GetTapeModel();
        info.tapeFormFactor = ReadOrZero(tape.tapeDescriptor, "TapeR: GetTapeFormFactor",
                                         &IAAFTapeDescriptor::GetTapeFormFactor);
        info.signalType = ReadOrZero(tape.tapeDescriptor, "TapeR: GetSignalType", &IAAFTapeDescriptor::GetSignalType);
        info.tapeFormat = ReadOrZero(tape.tapeDescriptor, "TapeR: GetTapeFormat", &IAAFTapeDescriptor::GetTapeFormat);
    }
    info.mob.mediaPath = tape.FirstLocatorPath();
}
