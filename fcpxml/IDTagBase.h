#pragma once

#include <string>
#include <unordered_map>

// A set of ids, looked up by hash: nothing walks one in order.
using IdRegistry = std::unordered_map<std::string, bool>;

// Per run: every name handed out as an id, with the highest suffix appended to it so far.
extern std::unordered_map<std::string, int> UsedNameCounts;
// Per run: the ids given out by SetUniqueId.
extern IdRegistry UsedItemIds;

// The id attribute of an element. Ids are unique for the whole run: a name X handed out again
// becomes X 1, X 2 and so on.
class IDTagBase {
public:
    IDTagBase() = default;
    IDTagBase(const IDTagBase&) = default;
    IDTagBase& operator=(const IDTagBase&) = default;
    IDTagBase(IDTagBase&&) = default;
    IDTagBase& operator=(IDTagBase&&) = default;
    virtual ~IDTagBase() = default;

    // id := a unique name made from text; answers the id.
    const std::string& SetUniqueId(const std::string& text);

    // Indented <element id="...">, one level deeper.
    void WriteOpenTag(const char* element) const;
    // Indented <element id="..."/>.
    void WriteRefTag(const char* element) const;

    static std::string MakeUniqueName(const std::string& text);
    // True when id is in the registry already; otherwise records it and returns false.
    static bool TestAndMarkId(IdRegistry& registry, const std::string& id);

    std::string id;
};
