#pragma once

#include "aaf/AafInterfaces.h"
#include "records/Auid.h"

class ValueBase;

// The AUID of the value's type definition into typeId. A variable array the dictionary names
// "VariableArrayType" gives its element type instead, and an array of UInt8, UInt32, Int32 or Int64
// elements the AUID of that array type. Returns the type definition read's result; typeId keeps
// what it held when a later step fails.
HRESULT GetValueTypeAuid(IAAFConstantValue* holder, Auid& typeId);
HRESULT GetValueTypeAuid(IAAFControlPoint* holder, Auid& typeId);

// The holder's value made into a value of the family by its type: rationals, booleans, integers of
// every size (8-byte ones keep their low 32 bits) and byte arrays; a type of no other kind makes no
// value and succeeds. *out receives the new value (it is expected to hold none). A null holder
// gives AAFRESULT_BADINDEX; a failed read returns its result and makes no value.
HRESULT DecodeTypedValue(const Auid& typeId, IAAFConstantValue* holder, ValueBase** out);
HRESULT DecodeTypedValue(const Auid& typeId, IAAFControlPoint* holder, ValueBase** out);
