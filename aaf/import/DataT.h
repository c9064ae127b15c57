#pragma once

#include <cstdint>

#include "aaf/AafInterfaces.h"

// The essence kinds of a data definition, as the import numbers them.
enum DataKind : std::int32_t {
    kDataKindOther = 0,
    kDataKindSound = 1,
    kDataKindPicture = 2,
    kDataKindMatte = 3,
    kDataKindPictureWithMatte = 4,
    kDataKindEdgecode = 5,
    kDataKindTimecode = 6,
    kDataKindAuxiliary = 7,
    kDataKindDescriptiveMetadata = 8,
    // No AAF kind: an essence-group choice whose source is a picture with an alpha component.
    kDataKindPictureWithAlpha = 12,
};

// The kind tests of a data definition. Each raises for a null interface (with its own label) and
// for a failing call.
struct DataT {
    // The first kind that answers, in the order sound, picture, matte, picture with matte, edgecode,
    // timecode, auxiliary, descriptive metadata; 0 when none does or the later interfaces are absent.
    static std::int32_t GetDataKind(IAAFDataDef* dataDef);

    static bool IsSoundKind(IAAFDataDef* dataDef);
    static bool IsPictureKind(IAAFDataDef* dataDef);
    static bool IsMatteKind(IAAFDataDef* dataDef);
    static bool IsPictureWithMatteKind(IAAFDataDef* dataDef);
    static bool IsEdgecodeKind(IAAFDataDef2* dataDef);
    static bool IsTimecodeKind(IAAFDataDef2* dataDef);
    static bool IsAuxiliaryKind(IAAFDataDef3* dataDef);
    static bool IsDescriptiveMetadataKind(IAAFDataDef3* dataDef);
};
