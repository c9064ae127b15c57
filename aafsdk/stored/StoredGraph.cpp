#include "aafsdk/stored/StoredGraph.h"

#include <algorithm>

#include "aafsdk/cfb/CompoundFile.h"

namespace aafsdk {

StoredGraph::StoredGraph() = default;
StoredGraph::~StoredGraph() = default;
StoredGraph::StoredGraph(StoredGraph&&) noexcept = default;
StoredGraph& StoredGraph::operator=(StoredGraph&&) noexcept = default;

std::string StoredGraph::Path(ObjectId) const { return "/"; }
AafResult StoredGraph::ReadDataStream(const StoredProperty&, std::vector<std::uint8_t>*) const { return kResultReadFailure; }
AafResult ReadStoredGraph(const std::filesystem::path&, std::unique_ptr<StoredGraph>*) { return kResultNotAafFile; }
AafResult ReadStoredGraph(std::vector<std::uint8_t>, std::unique_ptr<StoredGraph>*) { return kResultNotAafFile; }

bool operator==(const StoredProperty& a, const StoredProperty& b)
{
    return a.pid == b.pid && a.storedForm == b.storedForm && a.value == b.value && a.elements == b.elements &&
           a.firstFreeKey == b.firstFreeKey && a.lastFreeKey == b.lastFreeKey && a.keyPid == b.keyPid &&
           a.keySize == b.keySize && a.weak == b.weak && a.name == b.name && a.streamByteOrder == b.streamByteOrder &&
           a.streamSize == b.streamSize;
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
