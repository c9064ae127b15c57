// The bundled example is what the example maker writes, and it reads as an AAF file.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "aafsdk/fixture/GraphCompare.h"
#include "aafsdk/stored/StoredGraph.h"
#include "support/TestSupport.h"

namespace {

TEST(FixtureExample, CommittedExampleIsWhatTheMakerWrites)
{
    const std::filesystem::path example =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" / "example.aaf";
    ASSERT_TRUE(std::filesystem::exists(example)) << example;
    const aafsdk::fixture::CfbImage image = aafsdk::fixture::WriteAaf(aafsdk::fixture::BuildExampleGraph());
    EXPECT_EQ(testsupport::ReadFile(example), image.bytes) << "run make-example to refresh examples/example.aaf";

    std::unique_ptr<aafsdk::StoredGraph> graph;
    ASSERT_EQ(aafsdk::ReadStoredGraph(example, &graph), aafsdk::kResultSuccess);
    EXPECT_TRUE(graph->damage.empty());
    EXPECT_EQ(aafsdk::fixture::GraphDifference(aafsdk::fixture::BuildExampleGraph(), *graph), "");
}

}  // namespace
