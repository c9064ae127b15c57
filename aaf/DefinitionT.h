#pragma once

#include <span>
#include <string>

#include "aaf/ObjectT.h"
#include "records/Auid.h"

struct ParameterRecord;

// A definition read through IAAFDefObject or IAAFMetaDefinition: its AUID, the AUID's text, its
// name and description. A definition without a name of its own takes the dictionary's name.
struct DefinitionT : ObjectT {
    DefinitionT() = default;
    ~DefinitionT();

    // Each queries its typed interface from the holder (status := the query's result; a failure
    // returns it), reads name and description, then the AUID (status := that read's result).
    // Reading again replaces what an earlier read held.
    std::int32_t ReadDefObject(IUnknown* holder);
    std::int32_t ReadMetaDefinition(IUnknown* holder);
    // The same read of the meta-definition's AUID alone, for callers that want nothing else of it
    // (a value's type, looked up for every value): id is set, the texts are left empty.
    std::int32_t ReadMetaDefinitionId(IUnknown* holder);

    Auid id;
    std::string idText;
    std::string name;
    std::string description;
    IAAFDefObject* defObject = nullptr;
    IAAFMetaDefinition* metaDefinition = nullptr;
};

// One table of the definition dictionary: the name of an AUID, "UNKNOWN" for one it does not list.
using DefinitionNameTable = std::string (*)(const Auid& id);

// The dictionary's tables in the order they are asked.
std::span<const DefinitionNameTable> DefinitionNameTables();

// The first answer other than "UNKNOWN" of the tables in their order, with known set; when none
// knows the AUID, its AuidToText form with known cleared.
std::string GetDefinitionName(const Auid& id, bool& known);

// GetDefinitionName without the flag.
std::string GetDefinitionNameText(const Auid& id);

// Names a parameter record after its definition: the dictionary's name of id becomes the name of
// the record's AAF side.
void AssignDefinitionName(const Auid& id, ParameterRecord& record);
