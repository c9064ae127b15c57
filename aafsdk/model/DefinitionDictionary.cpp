#include "aafsdk/model/DefinitionDictionary.h"

#include <array>

namespace aafsdk {
namespace {

struct LegacyPair {
    Auid current;
    Auid legacy;
};

constexpr LegacyPair kLegacyDataDefinitions[] = {
    {ids::kDataDefPicture, ids::kDataDefLegacyPicture},
    {ids::kDataDefSound, ids::kDataDefLegacySound},
    {ids::kDataDefTimecode, ids::kDataDefLegacyTimecode},
};

std::u16string Widen(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::size_t RowHash(DefinitionKind kind, const Auid& id)
{
    return AuidHash{}(id) * 31 + static_cast<std::size_t>(kind);
}

// The built-in rows by kind and AUID, built once: open addressing over row numbers (0: free) in
// static storage, at most half full.
class RowIndex {
public:
    RowIndex()
    {
        const auto rows = BaselineDefinitions();
        static_assert(kSlots <= 0x10000);
        if (rows.size() * 2 > kSlots)
            return;  // the tables outgrew the index: ModelTablesTest says so
        for (std::size_t r = 0; r < rows.size(); ++r) {
            std::size_t i = RowHash(rows[r].kind, rows[r].auid) & (kSlots - 1);
            while (slots_[i] != 0)
                i = (i + 1) & (kSlots - 1);
            slots_[i] = static_cast<std::uint16_t>(r + 1);
        }
        ready_ = true;
    }

    const DefinitionRow* Find(DefinitionKind kind, const Auid& id) const
    {
        const auto rows = BaselineDefinitions();
        if (!ready_) {
            for (const auto& row : rows)
                if (row.kind == kind && row.auid == id)
                    return &row;
            return nullptr;
        }
        for (std::size_t i = RowHash(kind, id) & (kSlots - 1); slots_[i] != 0; i = (i + 1) & (kSlots - 1)) {
            const DefinitionRow& row = rows[slots_[i] - 1];
            if (row.kind == kind && row.auid == id)
                return &row;
        }
        return nullptr;
    }

    bool ready() const { return ready_; }

private:
    static constexpr std::size_t kSlots = 2048;
    std::array<std::uint16_t, kSlots> slots_{};
    bool ready_ = false;
};

const RowIndex& BuiltinRows()
{
    static const RowIndex index;
    return index;
}

}  // namespace

void DefinitionDictionary::Add(Definition definition)
{
    const auto kind = static_cast<std::size_t>(definition.kind);
    if (kind >= kKinds || file_[kind].Find(definition.id))
        return;
    definition.row = FindRow(definition.kind, definition.id);
    Definition& d = definitions_.emplace_back(std::move(definition));
    file_[kind].Set(&d);
    fileOrder_.push_back(&d);
}

const Definition* DefinitionDictionary::FindFile(DefinitionKind kind, const Auid& id) const
{
    const auto index = static_cast<std::size_t>(kind);
    return index < kKinds ? file_[index].Find(id) : nullptr;
}

const Definition* DefinitionDictionary::FindBuiltin(DefinitionKind kind, const Auid& id) const
{
    const DefinitionRow* row = FindRow(kind, id);
    if (!row)
        return nullptr;
    const auto [it, added] = builtin_.emplace(row, nullptr);
    if (added) {
        Definition& d = builtinMade_.emplace_back();
        d.kind = row->kind;
        d.id = row->auid;
        d.name = Widen(row->name);
        d.row = row;
        it->second = &d;
    }
    return it->second;
}

const Definition* DefinitionDictionary::Find(DefinitionKind kind, const Auid& id) const
{
    Auid other = id;
    if (kind == DefinitionKind::Data) {
        other = CurrentDataDefinition(id);
        if (other == id)
            other = LegacyDataDefinition(id);
    }
    if (const Definition* d = FindFile(kind, id))
        return d;
    if (other != id)
        if (const Definition* d = FindFile(kind, other))
            return d;
    if (const Definition* d = FindBuiltin(kind, id))
        return d;
    if (other != id)
        return FindBuiltin(kind, other);
    return nullptr;
}

std::vector<const Definition*> DefinitionDictionary::FileDefinitions(DefinitionKind kind) const
{
    std::vector<const Definition*> result;
    for (const Definition* d : fileOrder_)
        if (d->kind == kind)
            result.push_back(d);
    return result;
}

const DefinitionRow* DefinitionDictionary::FindRow(DefinitionKind kind, const Auid& id)
{
    return BuiltinRows().Find(kind, id);
}

bool DefinitionDictionary::BuiltinIndexReady()
{
    return BuiltinRows().ready();
}

Auid DefinitionDictionary::CurrentDataDefinition(const Auid& id)
{
    for (const auto& pair : kLegacyDataDefinitions)
        if (pair.legacy == id)
            return pair.current;
    return id;
}

Auid DefinitionDictionary::LegacyDataDefinition(const Auid& id)
{
    for (const auto& pair : kLegacyDataDefinitions)
        if (pair.current == id)
            return pair.legacy;
    return id;
}

}  // namespace aafsdk
