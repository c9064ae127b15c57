// Every sample file: every object's class, every property's definition, type and value.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include <gtest/gtest.h>

#include "aafsdk/model/FileModel.h"
#include "aafsdk/model/ModelDump.h"
#include "aafsdk/stored/StoredGraph.h"
#include "tests/support/TestSupport.h"

namespace aafsdk {
namespace {

std::vector<std::filesystem::path> SampleFiles()
{
    std::vector<std::filesystem::path> files;
    const auto dir = testsupport::SharedDir() / "aaf-samples";
    if (!std::filesystem::is_directory(dir))
        return files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        auto ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (entry.is_regular_file() && ext == ".aaf")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(ModelSamplesTest, EveryPropertyOfEverySampleDecodes)
{
    REQUIRE_SHARED_DIR();
    const auto files = SampleFiles();
    ASSERT_FALSE(files.empty());
    ModelCounts total;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        std::unique_ptr<StoredGraph> graph;
        ASSERT_EQ(ReadStoredGraph(path, &graph), kResultSuccess);
        const auto file = FileModel::Build(*graph);
        std::string dump;
        const ModelCounts c = DumpModel(*file, &dump);
        EXPECT_EQ(c.objects, graph->objects.size());
        EXPECT_EQ(c.unknownClasses, 0u);
        EXPECT_EQ(c.unknownProperties, 0u);
        EXPECT_EQ(c.unknownTypes, 0u);
        EXPECT_EQ(c.decodeFailures, 0u);
        EXPECT_EQ(c.unresolvedWeakReferences, 0u);
        EXPECT_TRUE(file->notes().empty()) << file->notes().front();
        if (c.unknownClasses + c.unknownProperties + c.unknownTypes + c.decodeFailures + c.unresolvedWeakReferences) {
            std::size_t shown = 0;
            std::size_t pos = 0;
            while (shown < 10 && pos < dump.size()) {
                const auto end = dump.find('\n', pos);
                const std::string line = dump.substr(pos, end - pos);
                if (line.find("!!") != std::string::npos || line.find("unknown") != std::string::npos ||
                    line.find("unresolved") != std::string::npos) {
                    ADD_FAILURE() << line;
                    ++shown;
                }
                pos = end == std::string::npos ? dump.size() : end + 1;
            }
        }
        total.objects += c.objects;
        total.properties += c.properties;
        total.extensionObjects += c.extensionObjects;
        total.extensionProperties += c.extensionProperties;
        total.unknownClasses += c.unknownClasses;
        total.unknownProperties += c.unknownProperties;
        total.unknownTypes += c.unknownTypes;
        total.decodeFailures += c.decodeFailures;
        total.unresolvedWeakReferences += c.unresolvedWeakReferences;
    }
    std::cout << "[ model    ] " << files.size() << " files, " << total.objects << " objects ("
              << total.extensionObjects << " of extension classes), " << total.properties << " properties ("
              << total.extensionProperties << " extension); unknown classes " << total.unknownClasses
              << ", unknown properties " << total.unknownProperties << ", unknown types " << total.unknownTypes
              << ", decode failures " << total.decodeFailures << ", unresolved weak references "
              << total.unresolvedWeakReferences << "\n";
}

}  // namespace
}  // namespace aafsdk
