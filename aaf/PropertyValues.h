#pragma once

#include <cstdint>
#include <vector>

#include "aafsdk/include/AAF.h"
#include "records/Auid.h"
#include "records/ValueBase.h"

// The values read from one property of an object; owns them.
struct PropertyValueList {
    PropertyValueList() = default;
    PropertyValueList(const PropertyValueList&) = delete;
    PropertyValueList& operator=(const PropertyValueList&) = delete;
    ~PropertyValueList();

    // Takes ownership of value (null is kept as "no value").
    void Append(ValueBase* value);

    std::vector<ValueBase*> values;
};

// The property that holds an object's attribute list (tagged values, comments among them).
inline constexpr Auid kAttributesPropertyId = {0x60958184, 0x47B1, 0x11D4, {0xA0, 0x1C, 0x00, 0x04, 0xAC, 0x96, 0x9F, 0x50}};

// Appends the values of one property value, by the first of its type's readers that applies:
// integer, text, set (elements flattened), variable array (of tagged-value and parameter
// references) and record (integer members as a tagged value vector). Returns 0 when a reader
// applied, else the last query's result. A null interface at a labelled step raises.
std::int32_t ReadTypedValue(IAAFTypeDef* type, IAAFPropertyValue* value, PropertyValueList& list);

// The AUID of a type definition read as a meta-definition; zero when it cannot be read.
Auid GetTypeDefinitionAuid(IUnknown* typeDefinition);

// The element type's AUID of a variable-array type into out; status gets the array query's result.
// out is left as it was when a step fails.
void GetArrayElementTypeAuid(Auid& out, std::int32_t& status, IUnknown* typeDefinition);
