// Conversions of damaged files: every stored value of a file built in code (the bundled example, and
// one with a time warp, parameters, tagged values and a marker), and a spread of the values of real
// samples, cut short, grown or altered in turn, converted in this process. A damaged file either
// converts into a whole document or fails the run with nothing written; it never crashes, hangs or
// answers with another exit code.
#include <algorithm>
#include <clocale>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "aafsdk/stored/StoredGraph.h"
#include "config/NamedParameters.h"
#include "config/SourcePaths.h"
#include "InProcessMain.h"
#include "run/AafSources.h"
#include "run/Converter.h"
#include "run/RunState.h"
#include "support/GenericPropertyFixture.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The value cut short by its last byte, grown by three bytes, or with its last byte altered.
constexpr int kDamageKinds = 3;
void Damage(std::vector<std::uint8_t>& v, int kind)
{
    if (kind == 0 && !v.empty())
        v.pop_back();
    else if (kind == 1)
        v.insert(v.end(), {0xff, 0x7f, 0x80});
    else if (kind == 2 && !v.empty())
        v.back() ^= 0xc0;  // the high byte of a little-endian number: huge or negative
}

class DamagedConversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallAafSources();
    }
    void TearDown() override
    {
        ResetRunState();
        std::setlocale(LC_ALL, "C");
    }

    // Run mode 2 on the graph, with what the run prints kept away from the test's output; the exit
    // code as main returns it.
    int Convert(const aafsdk::StoredGraph& graph)
    {
        aafsdk::fixture::SaveBytes(dir / "in.aaf", aafsdk::fixture::WriteAaf(graph).bytes);
        std::error_code ec;
        fs::remove(dir / "out.xml", ec);
        return inprocess::RunMain({"2", Path("in.aaf"), Path("out.xml"), "", Path("media.ini"), Path("log.ini")});
    }
    // Converts a damaged graph: a whole document (converted set), or a failed run with nothing
    // written.
    void ConvertWholeOrNothing(const aafsdk::StoredGraph& damaged, bool& converted)
    {
        const int code = Convert(damaged);
        const std::string document = Output();
        ASSERT_TRUE(code == 1 || code == -1) << code;
        if (code == 1)
            EXPECT_TRUE(EndsWith(document, "</xmeml>\n"));
        else
            EXPECT_EQ(document, "");
        converted = code == 1;
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::string Output() const
    {
        std::error_code ec;
        return fs::exists(dir / "out.xml", ec) ? testsupport::ReadFile(dir / "out.xml") : std::string();
    }

    testsupport::TempDir dir;
};

aafsdk::StoredGraph TimeWarpFile()
{
    testsupport::generic::GenericPropertyFile file;
    return std::move(file.f.graph());
}

TEST_F(DamagedConversion, EveryValueCutShortGrownOrAlteredConvertsOrFailsCleanly)
{
    const struct {
        const char* name;
        aafsdk::StoredGraph (*build)();
    } files[] = {
        {"the bundled example", aafsdk::fixture::BuildExampleGraph},
        {"a time warp with parameters and a marker", TimeWarpFile},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const aafsdk::StoredGraph base = file.build();
        ASSERT_EQ(Convert(base), 1);
        ASSERT_TRUE(EndsWith(Output(), "</xmeml>\n"));

        std::size_t variants = 0, converted = 0;
        for (aafsdk::ObjectId id = 1; id < base.objects.size(); ++id) {
            for (std::size_t p = 0; p < base.object(id).properties.size(); ++p) {
                if (base.object(id).properties[p].form() != aafsdk::StoredForm::Data)
                    continue;
                for (int variant = 0; variant < kDamageKinds; ++variant) {
                    aafsdk::StoredGraph damaged = file.build();
                    Damage(damaged.objects[id].properties[p].value.Edit(), variant);
                    SCOPED_TRACE(base.Path(id) + " property " + std::to_string(p) + " variant " + std::to_string(variant));
                    bool whole = false;
                    ConvertWholeOrNothing(damaged, whole);
                    ASSERT_FALSE(HasFatalFailure());
                    converted += whole;
                    ++variants;
                }
            }
        }
        EXPECT_GT(variants, 100u);
        EXPECT_GT(converted, 0u);
        EXPECT_LT(converted, variants);
    }
}

// Real files hold thousands of values: every k-th stored value of the mobs and essence of each (the
// dictionaries left out), k taken so that a sample gives some 110 variants. The samples carry effects
// with keyframes, transitions, nested scopes, a selector, an essence group and markers.
TEST_F(DamagedConversion, SpreadOfSampleValuesDamagedConvertsOrFailsCleanly)
{
    REQUIRE_SHARED_DIR();
    constexpr std::size_t kValuesPerSample = 36;
    for (const char* name : {"transitions.aaf", "nesting_test.aaf", "essence_group.aaf", "keyframed_properties.aaf",
                             "one_marker.aaf", "test_muted_clip.aaf"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<aafsdk::StoredGraph> graph;
        ASSERT_EQ(aafsdk::ReadStoredGraph(testsupport::SharedDir() / "aaf-samples" / name, &graph),
                  aafsdk::kResultSuccess);
        ASSERT_EQ(Convert(*graph), 1);
        ASSERT_TRUE(EndsWith(Output(), "</xmeml>\n"));

        std::vector<std::pair<aafsdk::ObjectId, std::size_t>> values;
        for (aafsdk::ObjectId id = 1; id < graph->objects.size(); ++id) {
            if (graph->Path(id).find("/Content-") == std::string::npos)
                continue;
            for (std::size_t p = 0; p < graph->object(id).properties.size(); ++p) {
                if (graph->object(id).properties[p].form() == aafsdk::StoredForm::Data)
                    values.emplace_back(id, p);
            }
        }
        const std::size_t every = std::max<std::size_t>(1, values.size() / kValuesPerSample);
        std::size_t variants = 0, converted = 0;
        for (std::size_t i = every / 2; i < values.size(); i += every) {
            const auto [id, p] = values[i];
            std::vector<std::uint8_t>& value = graph->objects[id].properties[p].value.Edit();
            const std::vector<std::uint8_t> original = value;
            for (int variant = 0; variant < kDamageKinds; ++variant) {
                Damage(value, variant);
                SCOPED_TRACE(graph->Path(id) + " property " + std::to_string(p) + " variant " + std::to_string(variant));
                bool whole = false;
                ConvertWholeOrNothing(*graph, whole);
                ASSERT_FALSE(HasFatalFailure());
                value = original;
                converted += whole;
                ++variants;
            }
        }
        EXPECT_GE(variants, 100u);
        EXPECT_GT(converted, 0u);
        EXPECT_LT(converted, variants);
    }
}

}  // namespace
