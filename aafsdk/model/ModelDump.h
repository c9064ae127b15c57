#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "aafsdk/model/FileModel.h"

namespace aafsdk {

// What a walk over every property of every object found.
struct ModelCounts {
    std::size_t objects = 0;
    std::size_t properties = 0;
    std::size_t extensionObjects = 0;     // objects of a class the file defines
    std::size_t extensionProperties = 0;  // properties the file defines
    std::size_t unknownClasses = 0;       // objects whose class nobody defines
    std::size_t unknownProperties = 0;    // pids not defined for the object's class
    std::size_t unknownTypes = 0;         // properties whose type (or a type it names) is not defined
    std::size_t decodeFailures = 0;       // values whose bytes do not fit their type
    std::size_t unresolvedWeakReferences = 0;
};

// A text as the dump shows it: in double quotes, with quotes and backslashes escaped and control
// characters as \xNN.
std::string QuotedText(std::u16string_view text);

// One value as text: numbers in decimal, enumerations by member name, AUIDs in text form, strings
// quoted, records and arrays in brackets, references by the class, definition or path they lead to.
// Byte arrays show their first 64 bytes, or all of them with allBytes.
std::string FormatValue(const FileModel& file, const Value& value, bool allBytes = false);

// Decodes every property of every object, depth first from the root. When out is given, appends
// one line per object (path, class, and the built-in class an extension class answers as) and one
// per property (name, type name, value, or why it could not be decoded). allBytes as for FormatValue.
ModelCounts DumpModel(const FileModel& file, std::string* out, bool allBytes = false);

}  // namespace aafsdk
