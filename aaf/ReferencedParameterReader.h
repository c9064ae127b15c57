#pragma once

#include "aafsdk/include/AAF.h"
#include "records/Auid.h"

struct ParameterRecord;

// Reads the parameter object that an object-reference value points at: its definition's AUID and
// its values into the record. The property reader hands such references to the reader set here;
// the effect readers provide it. Without one, those references read nothing.
class ReferencedParameterReader {
public:
    virtual ~ReferencedParameterReader() = default;
    virtual void Read(IAAFTypeDefObjectRef* type, IAAFPropertyValue* value, Auid& definition,
                      ParameterRecord& record) = 0;
};

// Not owned; null removes the reader.
void SetReferencedParameterReader(ReferencedParameterReader* reader);
ReferencedParameterReader* GetReferencedParameterReader();
