#include "aaf/import/FileDescriptorT.h"

#include "aaf/import/DigitalImageT.h"
#include "aaf/import/SoundT.h"

FileDescriptorT::FileDescriptorT(IAAFSourceMob* sourceMob) : LocatorT(sourceMob)
{
    if (status >= 0)
        status = GetInterface(&fileDescriptor, IID_IAAFFileDescriptor, "IID_IAAFFileDescriptor", essenceDescriptor);
}

FileDescriptorT::~FileDescriptorT()
{
    ReleaseInterface(fileDescriptor);
}

std::int32_t FileDescriptorT::Read(DescriptorLists& lists)
{
    if (status < 0)
        return status;
    bool picture = false;
    {
        DigitalImageT image(fileDescriptor, lists);
        picture = image.Read() >= 0;
    }
    if (!picture) {
        SoundT sound(fileDescriptor, lists);
        sound.Read();
    }
    return status;
}
