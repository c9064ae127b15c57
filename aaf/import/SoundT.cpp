#include "aaf/import/SoundT.h"

#include "aaf/CheckHResult.h"

SoundT::SoundT(IUnknown* holder, DescriptorLists& receiver) : lists(&receiver)
{
    status = GetInterface(&sound, IID_IAAFSoundDescriptor, "IID_IAAFSoundDescriptor", holder);
}

SoundT::~SoundT()
{
    ReleaseInterface(pcm);
    ReleaseInterface(sound);
}

std::int32_t SoundT::Read()
{
    if (status < 0)
        return status;
    SoundInfo record;
    aafRational_t rate{};
    CheckHResult("GetAudioSamplingRate",
                 CheckNotNull(sound, "SoundT: GetAudioSamplingRate")->GetAudioSamplingRate(&rate), kAafCallFailed);
    record.sampleRateNumerator = rate.numerator;
    record.sampleRateDenominator = rate.denominator;

    aafElectroSpatialFormulation_t formulation = 0;
    if (CheckNotNull(sound, "SoundR: GetElectroSpatialFormulation")->GetElectroSpatialFormulation(&formulation) >= 0) {
        record.electroSpatialFormulation = formulation;
        TraceAvailable("GetElectroSpatialFormulation");
    }
    aafInt8 level = 0;
    if (CheckNotNull(sound, "SoundR: GetDialNorm")->GetDialNorm(&level) >= 0) {
        record.dialNorm = level;
        TraceAvailable("GetDialNorm");
    }
    aafBoolean_t locked = kAAFFalse;
    if (CheckNotNull(sound, "SoundR: IsLocked")->IsLocked(&locked) >= 0) {
        record.locked = locked ? 1 : 0;
        TraceAvailable("IsLocked");
    }
    if (CheckNotNull(sound, "SoundR: GetAudioRefLevel")->GetAudioRefLevel(&level) >= 0) {
        record.audioReferenceLevel = level;
        TraceAvailable("GetAudioRefLevel");
    }
    aafUInt32 count = 0;
    if (CheckNotNull(sound, "SoundR: GetChannelCount")->GetChannelCount(&count) >= 0) {
        record.channelCount = static_cast<std::int32_t>(count);
        TraceAvailable("GetChannelCount");
    }
    if (CheckNotNull(sound, "SoundR: GetQuantizationBits")->GetQuantizationBits(&count) >= 0) {
        record.quantizationBits = static_cast<std::int32_t>(count);
        TraceAvailable("GetQuantizationBits");
    }
    ReleaseInterface(pcm);
    static_cast<void>(GetInterface(&pcm, IID_IAAFPCMDescriptor, "IID_IAAFPCMDescriptor", sound));
    lists->sounds.push_back(record);
    return status;
}
