#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "aafsdk/model/DefinitionDictionary.h"
#include "aafsdk/model/ObjectModel.h"
#include "aafsdk/model/Value.h"
#include "aafsdk/stored/StoredGraph.h"

namespace aafsdk {

// The object model of one file over its stored graph: each object's class, each property's
// definition and decoded value, weak references resolved, and the Dictionary. The graph must
// outlive the model; nothing here changes it.
class FileModel {
public:
    // Merges the graph's MetaDictionary into the built-in model and reads its Dictionary. Damaged
    // definitions are skipped and listed in notes(); the rest of the model still works.
    static std::unique_ptr<FileModel> Build(const StoredGraph& graph);

    const StoredGraph& graph() const { return graph_; }
    const ObjectModel& model() const { return model_; }
    const DefinitionDictionary& dictionary() const { return dictionary_; }
    const std::vector<std::string>& notes() const { return notes_; }

    // The object's own class (an extension class included), or nullptr when neither the built-in
    // model nor the file defines its class id.
    const ClassDef* ClassOf(ObjectId object) const;
    // The built-in class the object answers as: its nearest known ancestor, InterchangeObject when
    // its class is not defined at all.
    const ClassDef& KnownClassOf(ObjectId object) const;
    bool IsA(ObjectId object, const Auid& classId) const;

    // The definition of a stored property, found by pid along the object's class chain.
    const PropertyDef* DefinitionOf(ObjectId object, const StoredProperty& property) const;
    // The stored property with this AUID on the object, or nullptr when absent (or not defined for
    // its class). Pids of extension properties differ per file: always look them up this way.
    const StoredProperty* FindProperty(ObjectId object, const Auid& propertyId) const;

    // Decodes a stored property by its stored form and type. False with a reason when the property is
    // not defined for the object's class or its bytes do not fit.
    [[nodiscard]] bool Decode(ObjectId object, const StoredProperty& property, Value* out, std::string* error) const;
    // The same, by AUID; false with "not present" when the object does not carry the property.
    [[nodiscard]] bool DecodeProperty(ObjectId object, const Auid& propertyId, Value* out, std::string* error) const;

    WeakTarget Resolve(const WeakReference& reference) const;

private:
    // The model links once, when the MetaDictionary is merged.
    explicit FileModel(const StoredGraph& graph) : graph_(graph), model_(ObjectModel::Unlinked{}) {}
    void ReadMetaDictionary();
    void ReadDictionary();
    void IndexWeakTargets();
    ObjectId StrongChild(ObjectId object, std::uint16_t pid) const;

    // Keys by their significant bytes, without a string made of each.
    struct KeyHash {
        std::size_t operator()(const PropertyKey& key) const noexcept;
    };
    struct KeyEqual {
        bool operator()(const PropertyKey& a, const PropertyKey& b) const noexcept
        {
            return a.size == b.size && std::equal(a.bytes.begin(), a.bytes.begin() + a.size, b.bytes.begin());
        }
    };
    struct TargetSet {
        std::vector<std::uint16_t> path;
        const StoredProperty* set = nullptr;  // nullptr when the path does not lead to a set
        std::unordered_map<PropertyKey, ObjectId, KeyHash, KeyEqual> byKey;
    };

    const StoredGraph& graph_;
    ObjectModel model_;
    DefinitionDictionary dictionary_;
    std::vector<TargetSet> targets_;  // by weak-reference tag
    std::vector<std::string> notes_;
};

}  // namespace aafsdk
