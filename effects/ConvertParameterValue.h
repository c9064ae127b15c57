#pragma once

#include "fcpxml/ValueInfo.h"
#include "records/ParameterMapping.h"

class ValueBase;

// The FCP value of one AAF value, by the kind of the mapping's AAF side: a menu entry (integers
// only), an unsigned number, a decimal number, a flag, or a layer (the clip that the value's track
// holds under the current item). Any other kind, or a value of a class the kind does not take,
// gives an empty value.
ValueInfo ConvertParameterValue(const ValueBase* value, const ParameterMapping& mapping);
