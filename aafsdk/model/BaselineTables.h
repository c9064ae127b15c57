#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "aafsdk/model/AuidLiteral.h"

// The built-in AAF object model: what a file does not store because every reader knows it. Rows
// refer to each other by AUID; an empty AUID means "none".
namespace aafsdk {

// The meta-class of a type definition.
enum class TypeCategory : std::uint8_t {
    Integer,
    Character,
    String,
    Record,
    Enumeration,
    ExtendibleEnumeration,
    FixedArray,
    VariableArray,
    Set,
    StrongObjectReference,
    WeakObjectReference,
    Rename,
    Indirect,
    Opaque,
    Stream,
};
inline constexpr std::size_t kTypeCategoryCount = static_cast<std::size_t>(TypeCategory::Stream) + 1;

struct ClassRow {
    std::string_view name;
    Auid auid;
    Auid parent;  // none for the top classes
    bool concrete;
    std::string_view sdkAlias;
};

struct PropertyRow {
    Auid owner;  // the class that defines the property
    std::string_view name;
    std::uint16_t pid;  // 0: dynamic, the file's MetaDictionary gives it
    Auid auid;
    Auid type;
    bool optional;
    bool uniqueId;
};

struct TypeRow {
    std::string_view name;
    Auid auid;
    TypeCategory category;
    Auid element;               // element, base or renamed type
    std::uint32_t sizeOrCount;  // integer/character size, fixed-array count
    bool isSigned;
    Auid referencedClass;       // object references
    std::uint32_t valueBytes;   // 0: variable
    std::uint16_t storedForm;
    std::string_view nameSeenInFiles;
    std::array<std::uint16_t, 4> targetPath;  // weak references: pids from the root, 0-terminated
    std::uint16_t keyPid;                     // weak references: the target's identifying pid
};

struct RecordMemberRow {
    Auid record;
    std::uint32_t index;
    std::string_view name;
    Auid type;
};

struct EnumMemberRow {
    Auid type;
    std::string_view name;
    std::int64_t value;
};

struct ExtEnumMemberRow {
    Auid type;
    std::string_view name;
    Auid value;
};

enum class DefinitionKind : std::uint8_t {
    Data,
    Operation,
    Parameter,
    Interpolation,
    Container,
    Codec,
    CodecFlavour,
    Compression,
    Plugin,
    OperationalPattern,
    TaggedValue,
    KLVData,  // only in files
};

struct DefinitionRow {
    DefinitionKind kind;
    std::string_view name;
    Auid auid;
    std::string_view legacyName;
    std::string_view namesSeenInFiles;  // '/'-separated
    std::string_view details;
};

std::span<const ClassRow> BaselineClasses();
std::span<const PropertyRow> BaselineProperties();
std::span<const TypeRow> BaselineTypes();
std::span<const RecordMemberRow> BaselineRecordMembers();
std::span<const EnumMemberRow> BaselineEnumMembers();
std::span<const ExtEnumMemberRow> BaselineExtEnumMembers();
std::span<const DefinitionRow> BaselineDefinitions();

}  // namespace aafsdk
