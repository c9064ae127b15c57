#pragma once

// Values handed into callers' buffers in the SDK's in-memory form, and the indirect properties
// (TaggedValue::Value, ConstantValue::Value, ControlPoint::Value) that carry their own type.

#include <cstdint>
#include <span>
#include <vector>

#include "aafsdk/com/ComObject.h"

namespace aafsdk::com {

// The bytes of a decoded value as the SDK holds it in memory (little-endian, as the hosts it runs
// on): integers at their size; enumerations of the built-in model at the 4 bytes of their SDK type
// (Boolean among them), those a file defines at their base type's size; characters as UTF-16 units;
// strings as UTF-16 with their terminator; records with each member aligned as the SDK's structures
// lay them out; arrays and sets element after element. False for values that have no such form
// (object references, streams) or that nest too deeply.
[[nodiscard]] bool NativeBytes(const Value& value, std::vector<std::uint8_t>* out);

// The stored bytes of an indirect or opaque property after its header, and the AUID of their type.
// AAFRESULT_BAD_PROP when the header is missing or names another byte order than little-endian.
[[nodiscard]] HRESULT TypedValueBytes(const StoredObject& object, std::uint16_t pid, std::span<const std::uint8_t>* bytes,
                                      Auid* type);

// The value of an indirect property of a stored object, decoded by its own type:
// AAFRESULT_TYPE_NOT_FOUND when the model does not know that type, AAFRESULT_BAD_PROP when the
// bytes do not fit it.
[[nodiscard]] HRESULT IndirectValue(const ModelObject& owner, std::uint16_t pid, Value* out);

// GetValueBufLen, GetValue and GetTypeDefinition of an indirect property: the native bytes of its
// value (AAFRESULT_SMALLBUF when size is below their count; *bytesRead is the count written) and
// its type.
[[nodiscard]] HRESULT IndirectValueBufLen(const ModelObject& owner, std::uint16_t pid, aafUInt32* out);
[[nodiscard]] HRESULT CopyIndirectValue(const ModelObject& owner, std::uint16_t pid, aafUInt32 size,
                                        aafDataBuffer_t buffer, aafUInt32* bytesRead);
[[nodiscard]] HRESULT IndirectTypeDefinition(const ModelObject& owner, std::uint16_t pid, IAAFTypeDef** out);

}  // namespace aafsdk::com
