// The dump tool prints the object tree and class counts of a file, the same on every run, shows
// whole byte arrays when asked, and fails with a message on a file it cannot read.

#include <cstdio>
#include <filesystem>
#include <string>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "support/TestSupport.h"

namespace {

struct DumpRun {
    int status = -1;
    std::string out;
};

DumpRun Dump(const std::string& args)
{
    DumpRun run;
    FILE* pipe = popen((std::string(AAFDUMP_BINARY) + " " + args + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

// The path in single quotes for the shell; appended piece by piece, as GCC 12 at -O3 warns falsely
// (-Wrestrict) on "'" + std::string.
std::string Quoted(const std::filesystem::path& path)
{
    std::string text(1, '\'');
    text += path.string();
    text += '\'';
    return text;
}

TEST(StoredDump, PrintsTheTreeTheSameEveryTime)
{
    using namespace aafsdk::fixture;
    AafFileBuilder b;
    const auto mob = b.AddMob("CompositionMob", "cut", MakeMobId(1));
    const auto slot = b.AddTimelineSlot(mob, 1, "V1", 25, 1);
    const auto sequence = b.AddSequence(slot, ids::kDataDefPicture, 20);
    b.AddSourceClip(sequence, ids::kDataDefPicture, 20, MakeMobId(2), 1, 0);
    testsupport::TempDir dir;
    SaveBytes(dir / "cut.aaf", WriteAaf(b.graph()).bytes);

    const DumpRun first = Dump(Quoted(dir / "cut.aaf"));
    ASSERT_EQ(first.status, 0) << first.out;
    EXPECT_EQ(Dump(Quoted(dir / "cut.aaf")).out, first.out);
    const std::string sequenceClass = ids::ClassOf("Sequence").ToString();
    EXPECT_NE(first.out.find("\n  /Header-2 " + ids::ClassOf("Header").ToString() + "\n"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("class " + sequenceClass + " 1\n"), std::string::npos);
    // A component's data definition, resolved into the Dictionary.
    EXPECT_NE(first.out.find("weak-reference 21 tag "), std::string::npos);
    EXPECT_EQ(first.out.find("(unresolved)"), std::string::npos);
    EXPECT_EQ(first.out.find("damage"), std::string::npos);

    const DumpRun counts = Dump("--counts '" + (dir / "cut.aaf").string() + "'");
    EXPECT_EQ(counts.status, 0);
    EXPECT_EQ(counts.out, first.out.substr(first.out.find("objects ")));
}

// The title bytes of the sample, whose layout the title tests read from this output.
TEST(StoredDump, ModelShowsWholeByteArraysOnRequest)
{
    REQUIRE_SHARED_DIR();
    const std::string file = "'" + (testsupport::SharedDir() / "aaf-samples" / "essence_group.aaf").string() + "'";
    const std::string title = "AvidBagOfBits <be 02 00 00";
    const DumpRun shortened = Dump("--model " + file);
    ASSERT_EQ(shortened.status, 0) << shortened.out;
    const std::size_t at = shortened.out.find(title);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(shortened.out.substr(shortened.out.find('>', at) - 4, 18), " ...> (702 bytes)\n");

    const DumpRun whole = Dump("--model --all-bytes " + file);
    ASSERT_EQ(whole.status, 0) << whole.out;
    const std::size_t start = whole.out.find(title) + title.size() - 11;
    const std::string bytes = whole.out.substr(start, whole.out.find('>', start) - start);
    EXPECT_EQ(bytes.size(), 702u * 3 - 1);
    EXPECT_EQ(bytes.substr(54 * 3, 8), "4d 41 43");  // "MAC"
    EXPECT_EQ(bytes.substr(700 * 3), "00 ff");      // the end of the picture
}

TEST(StoredDump, BadInputFailsWithAMessage)
{
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "text.aaf", "not a compound file");
    const DumpRun notAaf = Dump(Quoted(dir / "text.aaf"));
    EXPECT_NE(notAaf.status, 0);
    EXPECT_NE(notAaf.out.find("0x8012001d"), std::string::npos) << notAaf.out;
    EXPECT_NE(Dump(Quoted(dir / "none.aaf")).out.find("0x80120021"), std::string::npos);
    EXPECT_NE(Dump("").status, 0);
}

}  // namespace
