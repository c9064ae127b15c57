#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "aafsdk/model/AuidIndex.h"
#include "aafsdk/model/AuidLiteral.h"
#include "aafsdk/model/BaselineTables.h"
#include "aafsdk/stored/Auid.h"

namespace aafsdk {

struct ClassDef;
struct TypeDef;

struct RecordMember {
    std::string name;
    Auid typeId;
    const TypeDef* type = nullptr;  // nullptr when the model has no such type
};

struct EnumMember {
    std::string name;
    std::int64_t value = 0;
};

struct ExtEnumMember {
    std::string name;
    Auid value;
};

// One type definition of the merged model, whatever its category. Fields that do not apply to the
// category stay empty.
struct TypeDef {
    Auid id;
    std::string name;
    std::string description;  // UTF-8, as names; empty for built-in definitions
    TypeCategory category = TypeCategory::Opaque;
    bool builtin = false;

    std::uint32_t size = 0;  // Integer and Character: bytes; FixedArray: element count
    bool isSigned = false;   // Integer
    // Element type (arrays, sets, strings), base type (enumerations) or renamed type (renames).
    Auid elementId;
    const TypeDef* element = nullptr;
    // Object references: the class of the referenced objects.
    Auid referencedClassId;
    const ClassDef* referencedClass = nullptr;
    std::vector<RecordMember> members;
    std::vector<EnumMember> enumMembers;
    std::vector<ExtEnumMember> extEnumMembers;
    // Weak references: the path to the target set, as the file (property AUIDs) or the built-in
    // model (pids from the root) states it, and the pid identifying the targets.
    std::vector<Auid> targetSet;
    std::vector<std::uint16_t> targetPath;
    std::uint16_t keyPid = 0;

    // Bytes of a stored value; 0 for variable-size types. Set when the model is linked.
    std::uint32_t fixedSize = 0;
    // Every type this one names exists (and no definition cycle): values of it can be decoded.
    bool complete = false;

    // The name of the enumeration member with this value, or nullptr.
    const EnumMember* FindEnumMember(std::int64_t value) const;
    const ExtEnumMember* FindExtEnumMember(const Auid& value) const;

private:
    friend class ObjectModel;
    // Where linking has got to with this type.
    enum class LinkState : std::uint8_t { Unvisited, Visiting, Done };
    LinkState linkState_ = LinkState::Unvisited;
};

struct PropertyDef {
    Auid id;
    std::string name;
    std::string description;  // UTF-8, as names; empty for built-in definitions
    std::uint16_t pid = 0;  // 0 when a dynamic property has no pid in this file
    Auid typeId;
    const TypeDef* type = nullptr;
    bool optional = true;
    bool uniqueId = false;
    bool builtin = false;
    const ClassDef* owner = nullptr;
};

struct ClassDef {
    Auid id;
    std::string name;
    std::string description;  // UTF-8, as names; empty for built-in definitions
    Auid parentId;                   // none for the top classes
    const ClassDef* parent = nullptr;
    bool concrete = false;
    bool builtin = false;
    // Its parent was missing or led round in a cycle: the class hangs under InterchangeObject.
    bool ancestryRepaired = false;
    // The nearest built-in class along the chain (the class itself when built in): what an object
    // of an extension class answers as.
    const ClassDef* knownAncestor = nullptr;
    // The properties the class itself defines, in definition order.
    std::vector<const PropertyDef*> properties;

    // Along the class chain, most derived first.
    const PropertyDef* FindProperty(std::uint16_t pid) const;
    const PropertyDef* FindProperty(const Auid& propertyId) const;
    bool IsA(const Auid& ancestorId) const;
    // The class itself or one along its chain.
    bool Inherits(const ClassDef* ancestor) const;

private:
    friend class ObjectModel;
    // The chain's properties by pid, most derived first where two share one: built when first
    // asked for, since a file's objects use only a few of the classes. Linking clears it.
    struct PidEntry {
        std::uint16_t pid;  // 0: a free slot
        const PropertyDef* property;
    };
    static std::size_t PidSlot(std::uint16_t pid, std::size_t mask);
    void BuildPidTable() const;
    mutable std::vector<PidEntry> byPid_;
};

// What a file's MetaDictionary says about a property, class or type; merged into the built-in model.
struct FilePropertyDefinition {
    Auid id;
    std::string name;
    std::string description;  // UTF-8, as names; empty for built-in definitions
    Auid typeId;
    bool optional = true;
    std::uint16_t pid = 0;
    bool uniqueId = false;
};

struct FileClassDefinition {
    Auid id;
    std::string name;
    std::string description;  // UTF-8, as names; empty for built-in definitions
    Auid parentId;
    bool concrete = false;
    std::vector<FilePropertyDefinition> properties;
};

// The classes, properties and types of one file: the built-in model with the file's MetaDictionary
// merged in by AUID. Built-in definitions win over the file's restatement of them (some files
// declare built-in properties with another type than they store); the file adds extension classes,
// types and properties and gives dynamic properties their pids.
class ObjectModel {
public:
    // The built-in model alone.
    ObjectModel();
    // The built-in model not linked yet: for a model that a Merge links straight after.
    struct Unlinked {};
    explicit ObjectModel(Unlinked);
    ObjectModel(const ObjectModel&) = delete;
    ObjectModel& operator=(const ObjectModel&) = delete;

    // Merges a file's definitions (types as stated: ids, no pointers) and links the model again,
    // unless link is false (for a merge another merge follows; lookups along class chains and type
    // pointers then wait for that one). Problems (a property whose pid is taken, a parent that does
    // not exist) go to notes().
    void Merge(const std::vector<FileClassDefinition>& classes, const std::vector<TypeDef>& types, bool link = true);

    const ClassDef* FindClass(const Auid& id) const;
    const TypeDef* FindType(const Auid& id) const;
    const PropertyDef* FindProperty(const Auid& id) const;
    const ClassDef& InterchangeObject() const { return *interchangeObject_; }
    // The built-in class whose objects are type definitions of the category (TypeDefinitionInteger
    // for Integer, ...), or nullptr.
    const ClassDef* MetaClassOf(TypeCategory category) const;

    const std::deque<ClassDef>& classes() const { return classes_; }
    const std::deque<TypeDef>& types() const { return types_; }
    const std::deque<PropertyDef>& properties() const { return properties_; }
    const std::vector<std::string>& notes() const { return notes_; }

private:
    void Link();
    ClassDef* MutableClass(const Auid& id);
    PropertyDef& AddProperty(ClassDef& owner, PropertyDef def);

    std::deque<ClassDef> classes_;
    std::deque<TypeDef> types_;
    std::deque<PropertyDef> properties_;
    AuidIndex<ClassDef> classById_;
    AuidIndex<TypeDef> typeById_;
    AuidIndex<PropertyDef> propertyById_;
    const ClassDef* interchangeObject_ = nullptr;
    std::array<const ClassDef*, kTypeCategoryCount> metaClasses_{};
    std::vector<std::string> notes_;  // the merges' findings first, then the last link's
    std::size_t mergeNotes_ = 0;
};

// Well-known identifiers of the model itself.
namespace ids {
inline constexpr Auid kClassInterchangeObject = "0d010101-0101-0100-060e-2b3402060101"_auid;
inline constexpr Auid kClassMetaDefinition = "0d010101-0224-0000-060e-2b3402060101"_auid;
inline constexpr Auid kClassMetaDictionary = "0d010101-0225-0000-060e-2b3402060101"_auid;
inline constexpr Auid kClassClassDefinition = "0d010101-0201-0000-060e-2b3402060101"_auid;
inline constexpr Auid kClassTypeDefinitionGenericCharacter = "0e040101-0000-0000-060e-2b3402060101"_auid;
inline constexpr Auid kPropertyCharacterSize = "0e040101-0101-0111-060e-2b3401010101"_auid;
inline constexpr Auid kTypeAuid = "01030100-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kTypeMobId = "01030200-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kTypeCharacter = "01100100-0000-0000-060e-2b3401040101"_auid;
inline constexpr Auid kTypeString = "01100200-0000-0000-060e-2b3401040101"_auid;
}  // namespace ids

// The category of the type definitions whose objects have this class (TypeDefinitionInteger gives
// Integer, ...); false for other classes.
bool TypeCategoryOfClass(const Auid& classId, TypeCategory* out);

const char* TypeCategoryName(TypeCategory category);

}  // namespace aafsdk
