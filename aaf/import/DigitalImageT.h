#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/DescriptorLists.h"

// A picture descriptor: its digital image properties, then its CDCI or RGBA properties, each
// appended to the receiving lists. secondStatus holds the query of the second-version interface.
struct DigitalImageT : ObjectT {
    // status := the query of the digital image descriptor from the holder; when that succeeds,
    // secondStatus := the query of its second version.
    DigitalImageT(IUnknown* holder, DescriptorLists& lists);
    ~DigitalImageT();

    // Nothing when status is negative. The stored view, the video line map size and the CDCI
    // subsampling and component width are required (a failure raises); the rest keep their
    // defaults when they cannot be read. Returns status.
    std::int32_t Read();

    IAAFDigitalImageDescriptor* image = nullptr;
    IAAFDigitalImageDescriptor2* image2 = nullptr;
    IAAFCDCIDescriptor* cdci = nullptr;
    IAAFCDCIDescriptor2* cdci2 = nullptr;
    IAAFRGBADescriptor* rgba = nullptr;
    IAAFRGBADescriptor2* rgba2 = nullptr;
    DescriptorLists* lists = nullptr;

private:
    void ReadSecondVersion(DigitalImageInfo& info);
    void ReadCdci();
    void ReadRgba();
};
