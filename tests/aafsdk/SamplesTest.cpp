// Every real AAF file of the shared sample set reads into a graph that holds every storage of its
// directory, without damage, the same way on every read.

#include <algorithm>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/stored/StoredGraph.h"
#include "support/TestSupport.h"

namespace {

using aafsdk::StoredForm;
using aafsdk::StoredGraph;
using AafResultPair = std::pair<aafsdk::AafResult, aafsdk::AafResult>;

std::map<aafsdk::Auid, std::size_t> ClassCounts(const StoredGraph& graph)
{
    std::map<aafsdk::Auid, std::size_t> counts;
    for (const auto& object : graph.objects)
        ++counts[object.classId];
    return counts;
}

std::size_t Storages(const aafsdk::CompoundFile& file)
{
    std::size_t storages = 0;
    for (std::uint32_t id = 0; id < file.entryCount(); ++id)
        storages += file.entry(id).type == aafsdk::CfbEntryType::Storage || file.entry(id).type == aafsdk::CfbEntryType::Root;
    return storages;
}

TEST(Samples, EveryFileReadsWholeAndTheSameEveryTime)
{
    REQUIRE_SHARED_DIR();
    const auto files = testsupport::SampleFiles();
    ASSERT_EQ(files.size(), 82u);
    std::size_t objects = 0, weak = 0, unresolved = 0, dataStreams = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        std::unique_ptr<StoredGraph> graph, again;
        ASSERT_EQ(aafsdk::ReadStoredGraph(path, &graph), aafsdk::kResultSuccess);
        ASSERT_EQ(aafsdk::ReadStoredGraph(path, &again), aafsdk::kResultSuccess);
        EXPECT_TRUE(graph->damage.empty()) << graph->damage.front().path;
        EXPECT_EQ(graph->objects.size(), Storages(*graph->file()));
        EXPECT_EQ(ClassCounts(*graph), ClassCounts(*again));
        EXPECT_TRUE(*graph == *again);
        EXPECT_FALSE(graph->referencedProperties.empty());
        const auto& root = graph->object(StoredGraph::root());
        ASSERT_NE(root.Find(0x0002), nullptr);
        EXPECT_EQ(graph->Path(root.Find(0x0002)->elements.at(0).object), "/Header-2");
        objects += graph->objects.size();
        for (const auto& object : graph->objects) {
            for (const auto& property : object.properties) {
                for (const auto& reference : property.weak) {
                    ++weak;
                    unresolved += graph->ResolveWeak(reference) == aafsdk::kNoObject;
                }
                if (property.form() == StoredForm::DataStream) {
                    ++dataStreams;
                    std::vector<std::uint8_t> bytes;
                    EXPECT_EQ(graph->ReadDataStream(property, &bytes), aafsdk::kResultSuccess);
                    EXPECT_EQ(bytes.size(), property.streamSize);
                }
            }
        }
    }
    // Totals over the set: every storage is an object; weak references name existing objects but for
    // one baseline type that a Pro Tools file leaves out of its MetaDictionary.
    EXPECT_EQ(objects, 80234u);
    EXPECT_GT(weak, 20000u);
    EXPECT_EQ(unresolved, 1u) << "of " << weak;
    EXPECT_EQ(dataStreams, 7u);
}

TEST(Samples, EveryStreamViewsAsItReads)
{
    REQUIRE_SHARED_DIR();
    std::size_t inPlace = 0, copied = 0;
    for (const auto& path : testsupport::SampleFiles()) {
        SCOPED_TRACE(path.filename().string());
        std::unique_ptr<aafsdk::FileBytes> bytes;
        ASSERT_EQ(aafsdk::FileBytes::Map(path, &bytes), aafsdk::kResultSuccess);
        std::unique_ptr<aafsdk::CompoundFile> file;
        ASSERT_EQ(aafsdk::CompoundFile::Open(std::move(bytes), &file), aafsdk::kResultSuccess);
        const auto whole = file->fileBytes();
        std::vector<std::uint8_t> scratch;
        for (std::uint32_t id = 0; id < file->entryCount(); ++id) {
            if (file->entry(id).type != aafsdk::CfbEntryType::Stream)
                continue;
            std::vector<std::uint8_t> read;
            std::span<const std::uint8_t> view;
            const AafResultPair results{file->ReadStream(id, &read), file->ViewStream(id, &scratch, &view)};
            EXPECT_EQ(results.first, results.second) << id;
            if (!aafsdk::Succeeded(results.first))
                continue;
            EXPECT_TRUE(std::equal(read.begin(), read.end(), view.begin(), view.end())) << id;
            if (view.empty())
                continue;
            const bool inFile = view.data() >= whole.data() && view.data() + view.size() <= whole.data() + whole.size();
            ++(inFile ? inPlace : copied);
        }
    }
    // Most streams lie in one stretch of their file; real files have some that do not.
    EXPECT_GT(inPlace, 10u * copied);
    EXPECT_GT(copied, 0u);
}

TEST(Samples, ObjectCountsOfSomeFiles)
{
    REQUIRE_SHARED_DIR();
    const std::pair<const char*, std::size_t> cases[] = {
        {"simple.aaf", 1243},
    };
    for (const auto& [name, count] : cases) {
        SCOPED_TRACE(name);
        std::unique_ptr<StoredGraph> graph;
        ASSERT_EQ(aafsdk::ReadStoredGraph(testsupport::SharedDir() / "aaf-samples" / name, &graph), aafsdk::kResultSuccess);
        EXPECT_EQ(graph->objects.size(), count);
    }
}

}  // namespace
