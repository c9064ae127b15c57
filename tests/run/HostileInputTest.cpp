// Hostile input converted in this process: files built in code that nest without end, carry text no
// XML document may hold, or give lengths and positions out of every sane range. Each either
// converts into a whole, well-formed document or fails the run with a message and nothing written.
#include <clocale>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/stored/StoredGraph.h"
#include "effects/InstallEffectTranslation.h"
#include "run/AafSources.h"
#include "run/ConversionJob.h"
#include "run/Converter.h"
#include "run/config/NamedParameters.h"
#include "run/config/SourcePaths.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using namespace aafsdk::fixture;

namespace {

constexpr std::int32_t kRate = 25;

class HostileInput : public ::testing::Test {
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

    // Run mode 2 on the graph; the exit code as main returns it, with what the run printed to stderr.
    int Convert(const aafsdk::StoredGraph& graph)
    {
        SaveBytes(dir / "in.aaf", WriteAaf(graph).bytes);
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
        err = testing::internal::GetCapturedStderr();
        return code;
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::string Output() const
    {
        std::error_code ec;
        return fs::exists(dir / "out.xml", ec) ? testsupport::ReadFile(dir / "out.xml") : std::string();
    }

    testsupport::TempDir dir;
    std::string err;
};

// A master clip and a composition whose one video slot holds sequences nested depth - 1 deep around
// a clip of it: depth segments on the way down.
aafsdk::StoredGraph NestedSequences(int depth)
{
    AafFileBuilder f;
    const MobIdBytes masterId = MakeMobId(1);
    const aafsdk::ObjectId master = f.AddMob("MasterMob", "Clip", masterId);
    f.AddSourceClip(f.AddTimelineSlot(master, 1, "V1", kRate, 1), ids::kDataDefPicture, 100, MobIdBytes{}, 0, 0);
    const aafsdk::ObjectId comp = f.AddMob("CompositionMob", "Deep", MakeMobId(2));
    aafsdk::ObjectId owner = f.AddTimelineSlot(comp, 1, "V1", kRate, 1);
    for (int level = 1; level < depth; ++level)
        owner = f.AddSequence(owner, ids::kDataDefPicture, 10);
    f.AddSourceClip(owner, ids::kDataDefPicture, 10, masterId, 1, 0);
    return std::move(f.graph());
}

TEST_F(HostileInput, SegmentsNestedBeyondAThousandFailTheRun)
{
    ASSERT_EQ(Convert(NestedSequences(1000)), kExitSuccess) << err;
    EXPECT_TRUE(Output().ends_with("</xmeml>\n"));
    for (int depth : {1001, 20000}) {
        SCOPED_TRACE(depth);
        EXPECT_EQ(Convert(NestedSequences(depth)), kExitFailure);
        EXPECT_NE(err.find("nests segments more than 1000 deep"), std::string::npos) << err;
        EXPECT_FALSE(fs::exists(dir / "out.xml"));
    }
}

}  // namespace
