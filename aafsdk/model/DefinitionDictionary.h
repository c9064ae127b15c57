#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "aafsdk/model/AuidIndex.h"
#include "aafsdk/model/AuidLiteral.h"
#include "aafsdk/model/BaselineTables.h"
#include "aafsdk/stored/StoredGraph.h"

namespace aafsdk {

// A definition object of the Dictionary (data, operation, parameter, ... definitions): one the file
// holds, or a well-known one built in.
struct Definition {
    DefinitionKind kind = DefinitionKind::Data;
    Auid id;
    std::u16string name;
    std::u16string description;
    ObjectId object = kNoObject;          // the file's object, or none for a built-in definition
    const DefinitionRow* row = nullptr;   // the built-in row with this AUID, if any
};

// The Dictionary of one file by kind and AUID, the file's definitions first, the built-in ones
// behind them. Data definitions answer to their current and their legacy AUID alike.
class DefinitionDictionary {
public:
    DefinitionDictionary() = default;  // the built-in definitions only
    DefinitionDictionary(const DefinitionDictionary&) = delete;
    DefinitionDictionary& operator=(const DefinitionDictionary&) = delete;

    // A definition the file holds; a second one of the same kind and AUID is ignored.
    void Add(Definition definition);

    const Definition* Find(DefinitionKind kind, const Auid& id) const;
    // The file's definitions of a kind, in the order they were added.
    std::vector<const Definition*> FileDefinitions(DefinitionKind kind) const;

    // The built-in row of this kind and AUID, or nullptr.
    static const DefinitionRow* FindRow(DefinitionKind kind, const Auid& id);
    // Whether the built-in rows fit their index (else they are searched one by one).
    static bool BuiltinIndexReady();

    // The current AUID of a legacy data definition (Picture, Sound, Timecode); other AUIDs unchanged.
    static Auid CurrentDataDefinition(const Auid& id);
    // The legacy AUID of a current data definition that has one; other AUIDs unchanged.
    static Auid LegacyDataDefinition(const Auid& id);

private:
    const Definition* FindFile(DefinitionKind kind, const Auid& id) const;
    // The built-in definition, made when first asked for: a file names few it does not hold.
    const Definition* FindBuiltin(DefinitionKind kind, const Auid& id) const;

    std::deque<Definition> definitions_;
    static constexpr std::size_t kKinds = static_cast<std::size_t>(DefinitionKind::KLVData) + 1;
    std::array<AuidIndex<Definition>, kKinds> file_;  // by kind
    std::vector<const Definition*> fileOrder_;
    mutable std::deque<Definition> builtinMade_;
    mutable std::unordered_map<const DefinitionRow*, const Definition*> builtin_;
};

// Well-known data definitions.
namespace ids {
inline constexpr Auid kDataDefPicture = "01030202-0100-0000-060e-2b3404010101"_auid;
inline constexpr Auid kDataDefLegacyPicture = "6f3c8ce1-6cef-11d2-807d-006008143e6f"_auid;
inline constexpr Auid kDataDefSound = "01030202-0200-0000-060e-2b3404010101"_auid;
inline constexpr Auid kDataDefLegacySound = "78e1ebe1-6cef-11d2-807d-006008143e6f"_auid;
inline constexpr Auid kDataDefTimecode = "01030201-0100-0000-060e-2b3404010101"_auid;
inline constexpr Auid kDataDefLegacyTimecode = "7f275e81-77e5-11d2-807f-006008143e6f"_auid;
}  // namespace ids

}  // namespace aafsdk
