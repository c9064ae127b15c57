#include "aafsdk/stored/StoredGraph.h"

#include <algorithm>
#include <cstdio>

#include "aafsdk/cfb/ByteReader.h"
#include "aafsdk/cfb/CompoundFile.h"

namespace aafsdk {
namespace {

constexpr std::uint8_t kLittleEndian = 0x4c;  // 'L'
constexpr std::uint8_t kBigEndian = 0x42;     // 'B'
constexpr std::uint8_t kPropertiesVersion = 0x20;
constexpr std::size_t kMaxKeySize = 32;

const std::u16string kPropertiesName = u"properties";
const std::u16string kReferencedPropertiesName = u"referenced properties";
const std::u16string kIndexSuffix = u" index";

// A stored name: UTF-16 code units in the given byte order, the last one the only NUL. Decoded in
// one pass straight into *out, a buffer the reader reuses (thousands of names per file); *out is
// not a name on failure.
bool DecodeName(std::span<const std::uint8_t> bytes, bool bigEndian, std::u16string* out)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    const std::size_t units = bytes.size() / 2 - 1;
    const std::uint8_t* at = bytes.data();
    if (at[2 * units] != 0 || at[2 * units + 1] != 0)
        return false;
    const int high = bigEndian ? 0 : 1;
    out->resize(units);
    char16_t* name = out->data();
    char16_t nul = 1;
    for (std::size_t i = 0; i < units; ++i) {
        const auto c = static_cast<char16_t>((at[2 * i + high] << 8) | at[2 * i + 1 - high]);
        nul = std::min(nul, c);
        name[i] = c;
    }
    return nul != 0;
}

void ElementName(const std::u16string& collection, std::uint32_t key, std::u16string* name)
{
    // The key in lower-case hex without leading zeros, as the storages are named; by hand, since
    // a large collection names thousands of them.
    char16_t hex[8];
    std::size_t digits = 0;
    do {
        hex[digits++] = u"0123456789abcdef"[key & 0xf];
        key >>= 4;
    } while (key != 0);
    name->assign(collection);
    name->push_back(u'{');
    while (digits > 0)
        name->push_back(hex[--digits]);
    name->push_back(u'}');
}

bool ReadKey(ByteReader& reader, std::size_t size, PropertyKey* key)
{
    std::span<const std::uint8_t> bytes;
    if (size > kMaxKeySize || !reader.Bytes(size, &bytes))
        return false;
    *key = PropertyKey::From(bytes);
    return true;
}

}  // namespace

// Reads the objects of one compound file into a graph, breadth first and without recursion: each
// object is read when its owner's reference to it is resolved, and each storage becomes at most one
// object.
class StoredGraphReader {
public:
    StoredGraphReader(const CompoundFile& file, StoredGraph& graph)
        : file_(file), graph_(graph), taken_(file.entryCount(), false)
    {
    }

    AafResult Read()
    {
        ReadReferencedProperties();
        taken_[0] = true;
        // Each object is a distinct storage (or the root), so this bound holds every object and
        // properties can be resolved in place while their objects are loaded.
        std::size_t storages = 1;
        for (std::uint32_t id = 0; id < file_.entryCount(); ++id)
            storages += file_.type(id) == CfbEntryType::Storage;
        graph_.objects.reserve(storages);
        const AafResult root = LoadObject(0, kNoObject);
        if (!Succeeded(root))
            return root;
        for (ObjectId id = 0; id < graph_.objects.size(); ++id)
            ResolveReferences(id);
        return kResultSuccess;
    }

private:
    void Damage(ObjectId owner, std::u16string_view name, AafResult code, std::string what)
    {
        std::string path = graph_.Path(owner);
        if (owner != kNoObject && !name.empty()) {
            if (path != "/")
                path += '/';
            path += Utf16ToUtf8(name);
        }
        graph_.damage.push_back({std::move(path), code, std::move(what)});
    }

    void ReadReferencedProperties()
    {
        const std::uint32_t entry = file_.FindChild(0, kReferencedPropertiesName);
        std::vector<std::uint8_t> bytes;
        if (entry == kNoEntry || !Succeeded(file_.ReadStream(entry, &bytes))) {
            graph_.damage.push_back({"/referenced properties", kResultReadFailure, "missing or unreadable"});
            return;
        }
        ByteReader reader(bytes);
        std::uint8_t order = 0;
        std::uint16_t paths = 0;
        std::uint32_t pids = 0;
        bool ok = reader.U8(&order) && (order == kLittleEndian || order == kBigEndian);
        reader.setBigEndian(order == kBigEndian);
        ok = ok && reader.U16(&paths) && reader.U32(&pids) && pids <= reader.remaining() / 2;
        std::vector<std::vector<std::uint16_t>> table;
        std::vector<std::uint16_t> path;
        for (std::uint32_t i = 0; ok && i < pids; ++i) {
            std::uint16_t pid = 0;
            ok = reader.U16(&pid);
            if (pid != 0) {
                path.push_back(pid);
            } else {
                table.push_back(std::move(path));
                path.clear();
            }
        }
        if (!ok || !path.empty() || table.size() != paths) {
            graph_.damage.push_back({"/referenced properties", kResultReadFailure, "inconsistent path table"});
            return;
        }
        graph_.referencedProperties = std::move(table);
    }

    // Reads the storage entry as a new object owned by owner; on damage records it and returns the
    // failure, leaving the graph without the object.
    AafResult LoadObject(std::uint32_t entry, ObjectId owner)
    {
        const std::u16string_view name = file_.name(entry);
        StoredObject object;
        object.classId = file_.clsid(entry);
        object.name = name;
        object.parent = owner;
        const std::uint32_t stream = file_.FindChild(entry, kPropertiesName);
        std::span<const std::uint8_t> bytes;
        if (stream == kNoEntry || file_.type(stream) != CfbEntryType::Stream) {
            Damage(owner, name, kResultReadFailure, "no properties stream");
            return kResultReadFailure;
        }
        if (!Succeeded(file_.ViewStream(stream, &scratch_, &bytes))) {
            Damage(owner, name, kResultReadFailure, "properties stream unreadable");
            return kResultReadFailure;
        }
        // The values are views into the bytes: a stream copied out of its scattered sectors is kept
        // by the graph, like the file.
        if (!scratch_.empty() && bytes.data() == scratch_.data())
            bytes = graph_.Hold(std::move(scratch_));
        const AafResult parsed = ParseProperties(bytes, &object);
        if (!Succeeded(parsed)) {
            Damage(owner, name, parsed, "properties stream damaged");
            return parsed;
        }
        if (graph_.objects.size() == graph_.objects.capacity()) {
            Damage(owner, name, kResultReadFailure, "more objects than storages");
            return kResultReadFailure;  // cannot happen: each object takes its own storage
        }
        graph_.objects.push_back(std::move(object));
        entries_.push_back(entry);
        return kResultSuccess;
    }

    static AafResult ParseProperties(std::span<const std::uint8_t> bytes, StoredObject* object)
    {
        ByteReader reader(bytes);
        std::uint8_t order = 0, version = 0;
        std::uint16_t count = 0;
        if (!reader.U8(&order))
            return kResultReadFailure;
        if (order != kLittleEndian && order != kBigEndian)
            return kResultInvalidByteOrder;
        reader.setBigEndian(order == kBigEndian);
        if (!reader.U8(&version) || !reader.U16(&count))
            return kResultReadFailure;
        if (version != kPropertiesVersion)
            return kResultFileRevNotSupported;
        ByteReader table;
        if (!reader.Sub(std::size_t{count} * 6, &table))
            return kResultReadFailure;
        object->byteOrder = order;
        object->properties.resize(count);
        for (StoredProperty& property : object->properties) {
            std::uint16_t length = 0;
            if (!table.U16(&property.pid) || !table.U16(&property.storedForm) || !table.U16(&length))
                return kResultReadFailure;
            std::span<const std::uint8_t> value;
            if (!reader.Bytes(length, &value))
                return kResultReadFailure;  // the entries claim more than the stream holds
            property.value = StoredBytes::View(value);
        }
        return kResultSuccess;
    }

    // Resolves the references of one object's properties; properties whose reference is damaged are
    // dropped, collection elements that are damaged are left out.
    void ResolveReferences(ObjectId id)
    {
        // Loading objects never moves graph_.objects (its capacity was reserved), so each property
        // is resolved where it is; kept ones close up behind a dropped one.
        auto& properties = graph_.objects[id].properties;
        const std::size_t count = properties.size();
        std::size_t out = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (!Resolve(id, &properties[i]))
                continue;
            if (out != i)
                properties[out] = std::move(properties[i]);
            ++out;
        }
        properties.resize(out);
    }

    bool Resolve(ObjectId id, StoredProperty* property)
    {
        const bool bigEndian = graph_.objects[id].byteOrder == kBigEndian;
        const std::uint32_t storage = entries_[id];
        const std::span<const std::uint8_t> value = property->value;
        switch (property->form()) {
        case StoredForm::StrongReference: {
            if (!NameOrDamage(id, value, bigEndian, property))
                return false;
            const std::uint32_t child = file_.FindChild(storage, name_);
            ObjectId loaded = kNoObject;
            if (!Take(id, child, name_, &loaded))
                return false;
            property->elements.push_back({loaded, 0, 1, {}});
            return true;
        }
        case StoredForm::StrongReferenceVector:
        case StoredForm::StrongReferenceSet:
            return ResolveStrongCollection(id, bigEndian, property);
        case StoredForm::WeakReference: {
            ByteReader reader(value, bigEndian);
            WeakReference weak;
            std::uint8_t keySize = 0;
            if (!reader.U16(&weak.tag) || !reader.U16(&weak.keyPid) || !reader.U8(&keySize) ||
                reader.remaining() != keySize || !ReadKey(reader, keySize, &weak.key)) {
                DamageProperty(id, property, "weak reference damaged");
                return false;
            }
            property->weak.push_back(weak);
            return true;
        }
        case StoredForm::WeakReferenceVector:
        case StoredForm::WeakReferenceSet:
            return ResolveWeakCollection(id, bigEndian, property);
        case StoredForm::DataStream: {
            if (value.empty() || !DecodeName(value.subspan(1), bigEndian, &name_)) {
                DamageProperty(id, property, "data stream name damaged");
                return false;
            }
            property->streamByteOrder = value[0];
            const std::uint32_t stream = file_.FindChild(storage, name_);
            if (stream == kNoEntry || file_.type(stream) != CfbEntryType::Stream) {
                Damage(id, name_, kResultReadFailure, "data stream missing");
                return false;
            }
            property->streamEntry = stream;
            property->streamSize = file_.size(stream);
            return true;
        }
        default:
            return true;  // data, and forms kept as their bytes
        }
    }

    void DamageProperty(ObjectId id, const StoredProperty* property, std::string what)
    {
        char pid[16];
        std::snprintf(pid, sizeof pid, "pid 0x%04x: ", property->pid);
        Damage(id, {}, kResultReadFailure, pid + what);
    }

    // Decodes the name the value holds into name_.
    bool NameOrDamage(ObjectId id, std::span<const std::uint8_t> value, bool bigEndian, const StoredProperty* property)
    {
        if (DecodeName(value, bigEndian, &name_))
            return true;
        DamageProperty(id, property, "reference name damaged");
        return false;
    }

    // Makes the child storage entry an object owned by id; false when it is missing, not a storage,
    // already an object, or unreadable.
    bool Take(ObjectId id, std::uint32_t child, const std::u16string& name, ObjectId* loaded)
    {
        if (child == kNoEntry || file_.type(child) != CfbEntryType::Storage) {
            Damage(id, name, kResultReadFailure, "referenced storage missing");
            return false;
        }
        if (taken_[child]) {
            Damage(id, name, kResultReadFailure, "storage referenced twice");
            return false;
        }
        taken_[child] = true;
        if (!Succeeded(LoadObject(child, id)))
            return false;
        *loaded = static_cast<ObjectId>(graph_.objects.size() - 1);
        return true;
    }

    bool ReadIndex(ObjectId id, std::span<const std::uint8_t>* bytes)
    {
        std::u16string& indexName = indexName_;
        indexName.assign(name_);
        indexName.append(kIndexSuffix);
        const std::uint32_t index = file_.FindChild(entries_[id], indexName);
        if (index == kNoEntry || file_.type(index) != CfbEntryType::Stream) {
            Damage(id, indexName, kResultReadFailure, "index stream missing");
            return false;
        }
        if (!Succeeded(file_.ViewStream(index, &indexScratch_, bytes))) {
            Damage(id, indexName, kResultReadFailure, "index stream unreadable");
            return false;
        }
        return true;
    }

    bool ResolveStrongCollection(ObjectId id, bool bigEndian, StoredProperty* property)
    {
        std::span<const std::uint8_t> bytes;
        if (!NameOrDamage(id, property->value, bigEndian, property) || !ReadIndex(id, &bytes))
            return false;
        const bool set = property->form() == StoredForm::StrongReferenceSet;
        ByteReader reader(bytes, bigEndian);
        std::uint32_t count = 0;
        bool ok = reader.U32(&count) && reader.U32(&property->firstFreeKey) && reader.U32(&property->lastFreeKey);
        std::size_t elementSize = 4;
        if (ok && set) {
            ok = reader.U16(&property->keyPid) && reader.U8(&property->keySize) && property->keySize <= kMaxKeySize;
            elementSize = 8 + std::size_t{property->keySize};
        }
        if (!ok || count > reader.remaining() / elementSize) {
            DamageProperty(id, property, "collection index damaged");
            return false;
        }
        // The count was checked against the index's bytes, so every element reads; each is loaded
        // as it is read, without a list of them first.
        property->elements.reserve(count);
        std::u16string& name = elementName_;
        std::size_t place = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint32_t localKey = 0, referenceCount = 1;
            PropertyKey key;
            if (!reader.U32(&localKey) ||
                (set && (!reader.U32(&referenceCount) || !ReadKey(reader, property->keySize, &key)))) {
                DamageProperty(id, property, "collection index damaged");
                return false;  // cannot happen: the count was checked against the bytes
            }
            ElementName(name_, localKey, &name);
            ObjectId loaded = kNoObject;
            if (Take(id, file_.FindChild(entries_[id], name, &place), name, &loaded))
                property->elements.push_back({loaded, localKey, referenceCount, key});
        }
        return true;
    }

    bool ResolveWeakCollection(ObjectId id, bool bigEndian, StoredProperty* property)
    {
        std::span<const std::uint8_t> bytes;
        if (!NameOrDamage(id, property->value, bigEndian, property) || !ReadIndex(id, &bytes))
            return false;
        ByteReader reader(bytes, bigEndian);
        std::uint32_t count = 0;
        std::uint16_t tag = 0, keyPid = 0;
        std::uint8_t keySize = 0;
        if (!reader.U32(&count) || !reader.U16(&tag) || !reader.U16(&keyPid) || !reader.U8(&keySize) ||
            keySize == 0 || keySize > kMaxKeySize || count > reader.remaining() / keySize) {
            DamageProperty(id, property, "weak collection index damaged");
            return false;
        }
        property->weak.resize(count);
        for (WeakReference& weak : property->weak) {
            weak.tag = tag;
            weak.keyPid = keyPid;
            if (!ReadKey(reader, keySize, &weak.key))
                return false;  // cannot happen: the count was checked against the bytes
        }
        return true;
    }

    const CompoundFile& file_;
    StoredGraph& graph_;
    std::vector<bool> taken_;            // by directory entry: already an object
    std::vector<std::uint32_t> entries_;  // by object: its storage entry
    // Reused buffers: a properties stream or an index that is not one stretch of the file is
    // copied here, and index names are built here.
    std::vector<std::uint8_t> scratch_;
    std::vector<std::uint8_t> indexScratch_;
    std::u16string name_;  // the name the property being resolved holds
    std::u16string indexName_;
    std::u16string elementName_;
};

StoredGraph::StoredGraph() = default;
StoredGraph::~StoredGraph() = default;
StoredGraph::StoredGraph(StoredGraph&&) noexcept = default;
StoredGraph& StoredGraph::operator=(StoredGraph&&) noexcept = default;

std::string StoredGraph::Path(ObjectId id) const
{
    std::vector<std::u16string_view> names;
    // Owners always come before what they own, so this walk ends.
    for (ObjectId at = id; at < objects.size() && at != root(); at = objects[at].parent) {
        names.push_back(objects[at].name);
        if (objects[at].parent >= at)
            break;
    }
    if (names.empty())
        return "/";
    std::string path;
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        path += '/';
        path += Utf16ToUtf8(*it);
    }
    return path;
}

ObjectId StoredGraph::ResolveWeak(const WeakReference& weak) const
{
    if (weak.tag >= referencedProperties.size() || objects.empty())
        return kNoObject;
    const auto& path = referencedProperties[weak.tag];
    ObjectId at = root();
    for (std::size_t i = 0; i < path.size(); ++i) {
        const StoredProperty* property = objects[at].Find(path[i]);
        if (property == nullptr)
            return kNoObject;
        const bool last = i + 1 == path.size();
        if (!last) {
            if (property->form() != StoredForm::StrongReference || property->elements.empty())
                return kNoObject;
            at = property->elements.front().object;
            continue;
        }
        if (property->form() != StoredForm::StrongReferenceSet)
            return kNoObject;
        for (const StrongElement& element : property->elements)
            if (element.key == weak.key)
                return element.object;
    }
    return kNoObject;
}

AafResult StoredGraph::ReadDataStream(const StoredProperty& property, std::vector<std::uint8_t>* out) const
{
    if (!file_ || property.form() != StoredForm::DataStream || property.streamEntry == kNoEntry)
        return kResultReadFailure;
    return file_->ReadStream(property.streamEntry, out);
}

namespace {

AafResult ReadFromBytes(std::unique_ptr<FileBytes> bytes, std::unique_ptr<StoredGraph>* out)
{
    std::unique_ptr<CompoundFile> file;
    const AafResult opened = CompoundFile::Open(std::move(bytes), &file);
    if (!Succeeded(opened))
        return opened;
    if (file->clsid(0) != kRootClassId)
        return kResultNotAafFile;
    auto graph = std::make_unique<StoredGraph>();
    StoredGraphReader reader(*file, *graph);
    const AafResult read = reader.Read();
    if (!Succeeded(read))
        return read;
    graph->AdoptFile(std::move(file));
    *out = std::move(graph);
    return kResultSuccess;
}

}  // namespace

void StoredGraph::AdoptFile(std::unique_ptr<CompoundFile> file) { file_ = std::move(file); }

std::u16string_view StoredGraph::HoldName(std::u16string name)
{
    heldNames_.push_back(std::move(name));
    return heldNames_.back();
}

std::span<const std::uint8_t> StoredGraph::Hold(std::vector<std::uint8_t> bytes)
{
    // Moving a vector keeps its bytes where they are, so the views stay good as the list grows.
    held_.push_back(std::move(bytes));
    return held_.back();
}

AafResult ReadStoredGraph(const std::filesystem::path& path, std::unique_ptr<StoredGraph>* out)
{
    std::unique_ptr<FileBytes> bytes;
    const AafResult mapped = FileBytes::Map(path, &bytes);
    if (!Succeeded(mapped))
        return mapped;
    return ReadFromBytes(std::move(bytes), out);
}

AafResult ReadStoredGraph(std::vector<std::uint8_t> bytes, std::unique_ptr<StoredGraph>* out)
{
    return ReadFromBytes(FileBytes::Own(std::move(bytes)), out);
}

bool operator==(const StoredProperty& a, const StoredProperty& b)
{
    return a.pid == b.pid && a.storedForm == b.storedForm && a.value == b.value && a.elements == b.elements &&
           a.firstFreeKey == b.firstFreeKey && a.lastFreeKey == b.lastFreeKey && a.keyPid == b.keyPid &&
           a.keySize == b.keySize && a.weak == b.weak && a.streamByteOrder == b.streamByteOrder &&
           a.streamSize == b.streamSize;
}

std::u16string StoredName(const StoredObject& object, const StoredProperty& property)
{
    std::span<const std::uint8_t> value = property.value;
    if (property.form() == StoredForm::DataStream)
        value = value.empty() ? value : value.subspan(1);
    std::u16string name;
    if (!DecodeName(value, object.byteOrder == kBigEndian, &name))
        name.clear();
    return name;
}

const StoredProperty* StoredObject::Find(std::uint16_t pid) const
{
    for (const auto& p : properties)
        if (p.pid == pid)
            return &p;
    return nullptr;
}

PropertyKey PropertyKey::From(std::span<const std::uint8_t> key)
{
    PropertyKey k;
    k.size = static_cast<std::uint8_t>(std::min<std::size_t>(key.size(), k.bytes.size()));
    std::copy_n(key.begin(), k.size, k.bytes.begin());
    return k;
}

}  // namespace aafsdk
