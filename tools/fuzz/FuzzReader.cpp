// Opens arbitrary bytes as a compound file and as an AAF file and walks everything the reader
// gives back: every stream of the directory and every data stream of the graph.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/stored/StoredGraph.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);

    std::unique_ptr<aafsdk::CompoundFile> file;
    if (aafsdk::Succeeded(aafsdk::CompoundFile::Open(aafsdk::FileBytes::Own(bytes), &file))) {
        std::vector<std::uint8_t> stream;
        for (std::uint32_t id = 0; id < file->entryCount(); ++id) {
            if (file->entry(id).type == aafsdk::CfbEntryType::Stream)
                (void)file->ReadStream(id, &stream);
            for (std::uint32_t child : file->entry(id).children)
                (void)file->entry(child).name.size();
        }
    }

    std::unique_ptr<aafsdk::StoredGraph> graph;
    if (aafsdk::Succeeded(aafsdk::ReadStoredGraph(std::move(bytes), &graph))) {
        std::vector<std::uint8_t> stream;
        for (aafsdk::ObjectId id = 0; id < graph->objects.size(); ++id) {
            (void)graph->Path(id);
            for (const aafsdk::StoredProperty& p : graph->object(id).properties)
                if (p.form() == aafsdk::StoredForm::DataStream)
                    (void)graph->ReadDataStream(p, &stream);
        }
    }
    return 0;
}
