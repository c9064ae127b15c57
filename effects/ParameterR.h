#pragma once

#include <cstdint>
#include <string>

#include "aaf/DefinitionT.h"
#include "aaf/ReferencedParameterReader.h"
#include "records/ParameterRecord.h"

// One AAF parameter of an effect: its definition in the head, its constant value or its control
// points decoded into record. Lives on the stack for one read.
struct ParameterR : DefinitionT {
    // The enumerator's next parameter; a null enumerator gives AAFRESULT_BADINDEX.
    explicit ParameterR(IEnumAAFParameters* enumerator);
    // The parameter an object-reference value points at; its definition is read by ReadValue.
    ParameterR(IAAFTypeDefObjectRef* type, IAAFPropertyValue* value);
    ~ParameterR();

    // The definition into the head and the record's mapping; a definition that cannot be read
    // leaves the mapping as it is and the status unchanged.
    void ReadDefinition();
    // Definition and value into record; returns the status, which the value readers leave alone.
    std::int32_t ReadValue();
    std::string GetDisplayUnits();

    IAAFParameter* parameter = nullptr;
    IAAFParameterDef* definition = nullptr;
    ParameterRecord record;
    std::string displayUnits;

private:
    bool definitionRead_ = false;
};

// The reader the property values use for parameters reached through an object reference.
class ReferencedParameterR : public ReferencedParameterReader {
public:
    void Read(IAAFTypeDefObjectRef* type, IAAFPropertyValue* value, Auid& definition,
              ParameterRecord& record) override;
};
