#include "aafsdk/model/DefinitionDictionary.h"

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

}  // namespace

DefinitionDictionary::DefinitionDictionary()
{
    builtin_.reserve(BaselineDefinitions().size());
    for (const auto& row : BaselineDefinitions()) {
        Definition& d = definitions_.emplace_back();
        d.kind = row.kind;
        d.id = row.auid;
        d.name = Widen(row.name);
        d.row = &row;
        builtin_.emplace(Key{d.kind, d.id}, &d);
    }
}

void DefinitionDictionary::Add(Definition definition)
{
    const Key key{definition.kind, definition.id};
    if (file_.count(key))
        return;
    if (const auto it = builtin_.find(key); it != builtin_.end())
        definition.row = it->second->row;
    Definition& d = definitions_.emplace_back(std::move(definition));
    file_.emplace(key, &d);
    fileOrder_.push_back(&d);
}

const Definition* DefinitionDictionary::FindExact(const std::unordered_map<Key, const Definition*, KeyHash>& map,
                                                  DefinitionKind kind, const Auid& id) const
{
    const auto it = map.find(Key{kind, id});
    return it == map.end() ? nullptr : it->second;
}

const Definition* DefinitionDictionary::Find(DefinitionKind kind, const Auid& id) const
{
    Auid other = id;
    if (kind == DefinitionKind::Data) {
        other = CurrentDataDefinition(id);
        if (other == id)
            other = LegacyDataDefinition(id);
    }
    for (const auto* map : {&file_, &builtin_}) {
        if (const Definition* d = FindExact(*map, kind, id))
            return d;
        if (other != id)
            if (const Definition* d = FindExact(*map, kind, other))
                return d;
    }
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
