// Every sample file: every object's class, every property's definition, type and value.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include <gtest/gtest.h>

#include "aafsdk/model/AuidLiteral.h"
#include "aafsdk/model/FileModel.h"
#include "aafsdk/model/ModelDump.h"
#include "aafsdk/stored/StoredGraph.h"
#include "tests/support/TestSupport.h"

namespace aafsdk {
namespace {

TEST(ModelSamplesTest, EveryPropertyOfEverySampleDecodes)
{
    REQUIRE_SHARED_DIR();
    const auto files = testsupport::SampleFiles();
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

// The extension (and one built-in) properties that the conversion reads generically, each with the
// shape it must decode to, on the real files that carry them.
TEST(ModelSamplesTest, GenericallyReadPropertiesDecodeWithTheirShapes)
{
    REQUIRE_SHARED_DIR();
    constexpr Auid kTaggedValue = "0d010101-0101-3f00-060e-2b3402060101"_auid;
    constexpr Auid kParameter = "0d010101-0101-3c00-060e-2b3402060101"_auid;
    struct Case {
        const char* what;
        Auid property;
        ValueKind kind;
        Auid element;  // class of referenced objects, or type of the elements or members
        const char* members;
        std::size_t seen = 0;
    };
    Case cases[] = {
        {"component attribute list", "60958184-47b1-11d4-a01c-0004ac969f50"_auid, ValueKind::StrongReferenceVector,
         kTaggedValue, ""},
        {"mob attribute list", "60958183-47b1-11d4-a01c-0004ac969f50"_auid, ValueKind::StrongReferenceVector,
         kTaggedValue, ""},
        {"described slots", "01070105-0000-0000-060e-2b3401010104"_auid, ValueKind::Set,
         "01010300-0000-0000-060e-2b3401040101"_auid, ""},
        {"comment marker name", "c4c45d9a-0967-11d4-a08a-006094eb75cb"_auid, ValueKind::String, Auid{}, ""},
        {"comment marker colour", "e96e6d44-c383-11d3-a069-006094eb75cb"_auid, ValueKind::Record,
         "01010200-0000-0000-060e-2b3401040101"_auid, "red green blue"},
        {"time-warp ratio", "77ad6841-08fc-4f53-bd0a-2a6b0b5f94d9"_auid, ValueKind::Record,
         "01010700-0000-0000-060e-2b3401040101"_auid, "Numerator Denominator"},
        {"control point parameters", "3c1b48d0-c32c-4ea9-bb9d-35b898527283"_auid, ValueKind::StrongReferenceVector,
         kParameter, ""},
        {"operation group parameters (stored as a set)", "06010104-060a-0000-060e-2b3401010102"_auid,
         ValueKind::StrongReferenceSet, kParameter, ""},
    };
    for (const auto& path : testsupport::SampleFiles()) {
        SCOPED_TRACE(path.filename().string());
        std::unique_ptr<StoredGraph> graph;
        ASSERT_EQ(ReadStoredGraph(path, &graph), kResultSuccess);
        const auto file = FileModel::Build(*graph);
        for (ObjectId id = 0; id < graph->objects.size(); ++id) {
            for (auto& c : cases) {
                if (!file->FindProperty(id, c.property))
                    continue;
                SCOPED_TRACE(c.what);
                Value v;
                std::string error;
                ASSERT_TRUE(file->DecodeProperty(id, c.property, &v, &error)) << error;
                ++c.seen;
                ASSERT_EQ(v.kind, c.kind);
                for (ObjectId o : v.objects)
                    EXPECT_TRUE(file->IsA(o, c.element));
                for (const auto& e : v.elements)
                    EXPECT_EQ(e.type->id, c.element);
                if (*c.members) {
                    std::string names;
                    for (const auto& m : v.type->members)
                        names += (names.empty() ? "" : " ") + m.name;
                    EXPECT_EQ(names, c.members);
                }
            }
        }
    }
    for (const auto& c : cases)
        EXPECT_GT(c.seen, 0u) << c.what;
}

}  // namespace
}  // namespace aafsdk
