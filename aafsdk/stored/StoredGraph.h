#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aafsdk/stored/Auid.h"
#include "aafsdk/stored/StoredBytes.h"
#include "aafsdk/stored/StoredList.h"
#include "aafsdk/stored/StoredResult.h"

namespace aafsdk {

class CompoundFile;

// Stored forms of the entries of a "properties" stream.
enum class StoredForm : std::uint16_t {
    WeakReference = 0x02,
    WeakStoredObjectId = 0x03,
    WeakReferenceVector = 0x12,
    WeakReferenceSet = 0x1a,
    StrongReference = 0x22,
    StrongReferenceVector = 0x32,
    StrongReferenceSet = 0x3a,
    OpaqueStream = 0x40,
    DataStream = 0x42,
    Data = 0x82,
    UniqueObjectId = 0x86,
    DataVector = 0xd2,
    DataSet = 0xda,
};

// Index of an object in StoredGraph::objects.
using ObjectId = std::uint32_t;
inline constexpr ObjectId kNoObject = 0xffffffffu;

// The identifying value of a set element or weak-reference target: an AUID (16) or a MobID (32).
struct PropertyKey {
    std::array<std::uint8_t, 32> bytes{};
    std::uint8_t size = 0;

    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
    static PropertyKey From(std::span<const std::uint8_t> key);  // at most 32 bytes are kept
    friend bool operator==(const PropertyKey&, const PropertyKey&) = default;
};

// A weak reference as stored: the tag indexes StoredGraph::referencedProperties; the model layer
// resolves it by looking the key up in the set the path names.
struct WeakReference {
    std::uint16_t tag = 0;
    std::uint16_t keyPid = 0;
    PropertyKey key;
    friend bool operator==(const WeakReference&, const WeakReference&) = default;
};

// One element of a strong-reference vector or set, in index order.
struct StrongElement {
    ObjectId object = kNoObject;
    std::uint32_t localKey = 0;  // the {key} of the element storage's name
    std::uint32_t referenceCount = 1;  // sets only
    PropertyKey key;                   // sets only: the element's identifying value
    friend bool operator==(const StrongElement&, const StrongElement&) = default;
};

// One entry of a "properties" stream, 64 bytes: its value is a view into the file, and the lists
// of what it references hold no block when empty (as they are for most properties).
struct StoredProperty {
    std::uint16_t pid = 0;
    std::uint16_t storedForm = 0;  // a StoredForm value, kept raw so unknown forms survive
    // A strong set's key pid and size.
    std::uint16_t keyPid = 0;
    std::uint8_t keySize = 0;
    // DataStream: the byte-order byte and (below) the size of the named child stream. Its bytes are
    // read only on demand (StoredGraph::ReadDataStream).
    std::uint8_t streamByteOrder = 0;
    StoredBytes value;  // the entry's bytes in the "properties" stream, as stored

    // StrongReference: one element; StrongReferenceVector / Set: every element present, in index
    // order. Elements whose storage is missing or unreadable are left out (and recorded as damage).
    StoredList<StrongElement> elements;
    // WeakReference: one; WeakReferenceVector / Set: the index's keys in order.
    StoredList<WeakReference> weak;
    // First free / last free keys of a strong collection's index.
    std::uint32_t firstFreeKey = 0;
    std::uint32_t lastFreeKey = 0xffffffffu;
    std::uint64_t streamSize = 0;
    std::uint32_t streamEntry = 0xffffffffu;  // DataStream: directory entry of the stream (file-local)

    StoredForm form() const { return static_cast<StoredForm>(storedForm); }
    // Equal in content; the file-local directory entry is not compared.
    friend bool operator==(const StoredProperty& a, const StoredProperty& b);
};

struct StoredObject {
    Auid classId;                // the storage's CLSID
    // The storage's name ("Header-2", "Mobs-1901{10}"): a view into the directory of the file the
    // graph was read from, or into names the graph holds (StoredGraph::HoldName).
    std::u16string_view name;
    ObjectId parent = kNoObject;  // owning object (kNoObject for the root)
    std::uint8_t byteOrder = 0x4c;  // 'L' or 'B', from the "properties" stream
    std::vector<StoredProperty> properties;  // in "properties" stream order

    // The property with this pid, or nullptr.
    const StoredProperty* Find(std::uint16_t pid) const;
    friend bool operator==(const StoredObject&, const StoredObject&) = default;
};

// The storage or stream name a reference or data-stream property's value names, decoded in the
// object's byte order; empty when the value is not a well-formed name.
std::u16string StoredName(const StoredObject& object, const StoredProperty& property);

// Damage that the reader worked around: the object at path (or the part of it) was skipped.
struct StoredDamage {
    std::string path;
    AafResult code = 0;
    std::string what;
};

// The objects of one AAF file. objects[0] is the root object ("Root Entry"); every other object is
// owned by exactly one property of its parent and comes after it.
class StoredGraph {
public:
    StoredGraph();
    ~StoredGraph();
    StoredGraph(StoredGraph&&) noexcept;
    StoredGraph& operator=(StoredGraph&&) noexcept;

    std::vector<StoredObject> objects;
    // The "referenced properties" table: one pid path per weak-reference tag, without terminators.
    std::vector<std::vector<std::uint16_t>> referencedProperties;
    std::vector<StoredDamage> damage;

    static constexpr ObjectId root() { return 0; }
    const StoredObject& object(ObjectId id) const { return objects[id]; }

    // "/Header-2/Content-3b03/Mobs-1901{10}" (the root is "/").
    std::string Path(ObjectId id) const;

    // The object a weak reference names: its tag's path is followed from the root through strong
    // references to a strong-reference set, whose element with the key is the target. kNoObject when
    // any step is missing. Searches the set's elements in order.
    ObjectId ResolveWeak(const WeakReference& weak) const;

    // The whole content of a DataStream property of a graph read from a file, bounded by the file.
    [[nodiscard]] AafResult ReadDataStream(const StoredProperty& property, std::vector<std::uint8_t>* out) const;

    // The compound file the graph was read from (nullptr for a graph built in code).
    const CompoundFile* file() const { return file_.get(); }

    friend bool operator==(const StoredGraph& a, const StoredGraph& b)
    {
        return a.objects == b.objects && a.referencedProperties == b.referencedProperties;
    }

    // Keeps the file a graph was read from, for ReadDataStream and the values that view its bytes.
    void AdoptFile(std::unique_ptr<CompoundFile> file);
    // Keeps bytes for the life of the graph, for values to view; gives where they are.
    std::span<const std::uint8_t> Hold(std::vector<std::uint8_t> bytes);
    // The same for an object's name, for a graph built in code.
    std::u16string_view HoldName(std::u16string name);

private:
    std::unique_ptr<CompoundFile> file_;
    std::vector<std::vector<std::uint8_t>> held_;
    std::deque<std::u16string> heldNames_;  // a deque, so that a name never moves
};

// Reads the whole object graph of an AAF file at open. kResultFileNotFound / kResultNotReadable
// when the file cannot be read, kResultNotAafFile when it is not a compound file or its root storage
// is not the AAF root class, kResultReadFailure when the container or the root objects are damaged.
// Damage below the root objects skips the object concerned and is listed in StoredGraph::damage.
[[nodiscard]] AafResult ReadStoredGraph(const std::filesystem::path& path, std::unique_ptr<StoredGraph>* out);
[[nodiscard]] AafResult ReadStoredGraph(std::vector<std::uint8_t> bytes, std::unique_ptr<StoredGraph>* out);

// Well-known storage class ids.
inline constexpr Auid kRootClassId{{0xa5, 0x98, 0xb3, 0xb3, 0x90, 0x1c, 0xd4, 0x11, 0x80, 0x53, 0x08, 0x00, 0x36,
                                    0x21, 0x08, 0x04}};

}  // namespace aafsdk
