#include "aaf/import/TimeT.h"

#include "aaf/CheckHResult.h"

TimeT::TimeT(IUnknown* holder)
{
    status = GetInterface(&timecode, IID_IAAFTimecode, "IID_IAAFTimecode", holder);
    if (status < 0)
        return;
    aafTimecode_t value{};
    try {
        CheckHResult("GetTimecode", CheckNotNull(timecode, "TimeT: GetTimecode")->GetTimecode(&value), kAafCallFailed);
    } catch (...) {
        ReleaseInterface(timecode);
        throw;
    }
    startFrame = value.startFrame;
    framesPerSecond = value.fps;
    dropFrame = value.drop != kAAFTcNonDrop ? 1 : 0;
}

TimeT::~TimeT()
{
    ReleaseInterface(timecode);
}
