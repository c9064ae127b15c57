// Conversions of damaged files: every stored value of a file built in code (the bundled example, and
// one with a time warp, parameters, tagged values and a marker) cut short, grown or altered in turn,
// converted in this process. A damaged file either converts into a whole document or
// fails the run with nothing written; it never crashes, hangs or answers with another exit code.
#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/fixture/ExampleFile.h"
#include "effects/InstallEffectTranslation.h"
#include "run/AafSources.h"
#include "run/Converter.h"
#include "run/ConversionJob.h"
#include "run/config/NamedParameters.h"
#include "run/config/SourcePaths.h"
#include "support/GenericPropertyFixture.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

class DamagedConversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallAafSources();
        InstallEffectTranslation();
    }
    void TearDown() override
    {
        NamedParameters.clear();
        ResetJobState();
        ClearSourcePathMap();
        std::setlocale(LC_ALL, "C");
    }

    // Run mode 2 on the graph, with what the run prints kept away from the test's output; the exit
    // code as main returns it.
    int Convert(const aafsdk::StoredGraph& graph)
    {
        aafsdk::fixture::SaveBytes(dir / "in.aaf", aafsdk::fixture::WriteAaf(graph).bytes);
        std::error_code ec;
        fs::remove(dir / "out.xml", ec);
        NamedParameters.clear();
        std::vector<std::string> args = {"aaf2xmeml", "2", Path("in.aaf"), Path("out.xml"), "", Path("media.ini"),
                                         Path("log.ini")};
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int code = RunConverterMain(static_cast<int>(args.size()), argv.data());
        (void)testing::internal::GetCapturedStdout();
        (void)testing::internal::GetCapturedStderr();
        return code;
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::string Output() const
    {
        std::error_code ec;
        return fs::exists(dir / "out.xml", ec) ? testsupport::ReadFile(dir / "out.xml") : std::string();
    }

    testsupport::TempDir dir;
};

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

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
                for (int variant = 0; variant < 3; ++variant) {
                    aafsdk::StoredGraph damaged = file.build();
                    std::vector<std::uint8_t>& v = damaged.objects[id].properties[p].value;
                    if (variant == 0 && !v.empty())
                        v.pop_back();
                    else if (variant == 1)
                        v.insert(v.end(), {0xff, 0x7f, 0x80});
                    else if (!v.empty())
                        v.back() ^= 0xc0;  // the high byte of a little-endian number: huge or negative
                    const int code = Convert(damaged);
                    const std::string document = Output();
                    SCOPED_TRACE(base.Path(id) + " property " + std::to_string(p) + " variant " + std::to_string(variant));
                    ASSERT_TRUE(code == 1 || code == -1) << code;
                    if (code == 1)
                        EXPECT_TRUE(EndsWith(document, "</xmeml>\n"));
                    else
                        EXPECT_EQ(document, "");
                    converted += code == 1;
                    ++variants;
                }
            }
        }
        EXPECT_GT(variants, 100u);
        EXPECT_GT(converted, 0u);
        EXPECT_LT(converted, variants);
    }
}

}  // namespace
