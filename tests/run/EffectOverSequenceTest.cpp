// Effects whose input is a sequence of several clips, nested three deep as an editing system writes
// a painted, colour-corrected and masked shot that spans edits, converted by run mode 2: every clip
// of the input keeps its place and source range, the clips after the group stay where the file has
// them, a dissolve at either edge of the group still meets the clip beside it, and each effect is
// logged on every clip it covers.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "effects/EffectFixture.h"
#include "import/SourceFixtures.h"
#include "support/TestSupport.h"

// After the fixtures, whose AAF names Qt's keyword macros would otherwise rewrite.
#include <QSettings>
#include <QString>

#include "run/DocumentReadBack.h"

namespace {

using namespace readback;
using effecttest::EffectFile;
using effecttest::kPicture;
namespace fixture = aafsdk::fixture;

// Picture effects that no converter takes.
constexpr const char* kPaint = "5a1b0c2d-0000-4000-8000-00000000a1a1";        // its stored name
constexpr const char* kColorCorrect = "b9c8dabb-e216-420c-aede-be698fb02001";  // "Color Correction"
constexpr const char* kMaskImage = "61875cf7-fdea-329f-8e71-152ef1599f39";     // its stored name
constexpr const char* kVideoDissolve = "0c3bea40-fc05-11d2-8a29-0050040ef7d2";
constexpr const char* kUnknownTransition = "5a1b0c2d-0000-4000-8000-00000000b1a2";  // dropped

constexpr std::uint32_t kMaster = 10;  // the composition is mob 1
const std::string kShots = "Shots";

// A source clip of the master's picture slot.
void AddShot(fixture::AafFileBuilder& f, aafsdk::ObjectId owner, std::int64_t length, std::int64_t start)
{
    f.AddSourceClip(owner, kPicture, length, fixture::MakeMobId(kMaster), 1, start);
}

// The group of the operation over a sequence of the same length as its only input; returns that
// sequence.
aafsdk::ObjectId AddEffectOver(EffectFile& file, aafsdk::ObjectId owner, const char* operation, std::int64_t length)
{
    const aafsdk::ObjectId group = file.f.AddOperationGroup(owner, kPicture, length, operation);
    return file.Input(group, kPicture, length);
}

// Run mode 2 on the file; the written document.
std::optional<Element> Convert(const EffectFile& file, const testsupport::TempDir& dir)
{
    file.Save(dir, "in.aaf");
    const auto result = testsupport::RunConverter({"2", "in.aaf", "out.xml", "", "", "log.ini"}, dir.path());
    EXPECT_EQ(result.exitCode, 1) << result.err;
    return ReadDocument(testsupport::ReadFile(dir / "out.xml"));
}

// The only video track of the built composition of that name.
const Element* VideoTrack(const Element& document, const std::string& composition = "Effects")
{
    const Element* sequence = FindSequence(document, composition);
    if (sequence == nullptr)
        return nullptr;
    const std::vector<const Element*> tracks = Tracks(*sequence, "video");
    return tracks.size() == 1 ? tracks[0] : nullptr;
}

void SetLength(EffectFile& file, aafsdk::ObjectId segment, std::int64_t length)
{
    std::vector<std::uint8_t>& stored = file.f.builder().property(segment, 0x0202).value.Edit();
    for (size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<std::uint8_t>(length >> (8 * i));
}

// A clip of 40 from 10; Paint over ColorCorrect over MaskImage over three clips of one master (26
// from 250, 27 from 50, 423 from 303); clips of 30 from 600 and 20 from 900. With dissolves, one of
// 10 frames (cut at 5) stands on each side of the group.
EffectFile BuildFile(bool dissolves)
{
    EffectFile file;
    fixture::AafFileBuilder& f = file.f;
    importtest::AddPictureFile(f, 11, "Shots.mov", 1000, "file:///media/Shots.mov");
    importtest::AddMasterMob(f, kMaster, kShots, 1000, {{1, kPicture, 11}});
    file.Operation(kPaint, "Paint", kPicture, 1);
    file.Operation(kColorCorrect, "RGBColorCorrect_2", kPicture, 1);
    file.Operation(kMaskImage, "MaskImage_2", kPicture, 1);
    AddShot(f, file.sequence, 40, 10);
    if (dissolves)
        file.Transition(kVideoDissolve, 10, 5);
    const aafsdk::ObjectId paintInput = AddEffectOver(file, file.sequence, kPaint, 476);
    const aafsdk::ObjectId colorInput = AddEffectOver(file, paintInput, kColorCorrect, 476);
    const aafsdk::ObjectId maskInput = AddEffectOver(file, colorInput, kMaskImage, 476);
    AddShot(f, maskInput, 26, 250);
    AddShot(f, maskInput, 27, 50);
    AddShot(f, maskInput, 423, 303);
    if (dissolves)
        file.Transition(kVideoDissolve, 10, 5);
    AddShot(f, file.sequence, 30, 600);
    AddShot(f, file.sequence, 20, 900);
    SetLength(file, file.sequence, dissolves ? 546 : 566);
    return file;
}

using LoggedItem = std::pair<std::string, std::vector<std::string>>;  // item id, its records

// Every entry of the log file that holds records, in log order.
std::vector<LoggedItem> LoggedItems(const std::filesystem::path& logFile)
{
    std::vector<LoggedItem> logged;
    QSettings log(QString::fromStdString(logFile.string()), QSettings::IniFormat);
    const int entries = log.value("Log_Num").toInt();
    for (int n = 0; n < entries; ++n) {
        log.beginGroup(QString("Log_%1").arg(n));
        LoggedItem item{log.value("ItemID").toString().toStdString(), {}};
        const int count = log.beginReadArray("Translations");
        for (int i = 0; i < count; ++i) {
            log.setArrayIndex(i);
            item.second.push_back(log.value("FCP").toString().toStdString() + " / " +
                                  log.value("Avid").toString().toStdString() + " / " +
                                  log.value("Action").toString().toStdString());
        }
        log.endArray();
        log.endGroup();
        if (!item.second.empty())
            logged.push_back(std::move(item));
    }
    return logged;
}

TEST(EffectOverSequence, EveryClipOfTheInputKeepsItsPlaceAndIsLoggedOnce)
{
    const std::vector<std::string> covered = {"Not Supported / MaskImage_2 / Ignored",
                                              "Not Supported / Color Correction / Ignored",
                                              "Not Supported / Paint / Ignored"};
    const std::string dissolve = "Cross Dissolve / Video Dissolve / Applied";
    const struct {
        const char* name;
        bool dissolves;
        std::vector<Item> items;
    } cases[] = {
        {"cuts",
         false,
         {{kClip, 0, 40, 10, 50, kShots},
          {kClip, 40, 66, 250, 276, kShots},
          {kClip, 66, 93, 50, 77, kShots},
          {kClip, 93, 516, 303, 726, kShots},
          {kClip, 516, 546, 600, 630, kShots},
          {kClip, 546, 566, 900, 920, kShots}}},
        // Each dissolve starts its length before the end of the segment before it, and the segment
        // after it starts with it.
        {"dissolves at both edges",
         true,
         {{kClip, 0, 40, 10, 50, kShots},
          {kTransition, 30, 40},
          {kClip, 30, 56, 250, 276, kShots},
          {kClip, 56, 83, 50, 77, kShots},
          {kClip, 83, 506, 303, 726, kShots},
          {kTransition, 496, 506},
          {kClip, 496, 526, 600, 630, kShots},
          {kClip, 526, 546, 900, 920, kShots}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir dir;
        const std::optional<Element> document = Convert(BuildFile(c.dissolves), dir);
        ASSERT_TRUE(document);
        const Element* track = VideoTrack(*document);
        ASSERT_NE(track, nullptr);
        CheckTrack(*track, {"video", 1, c.items}, BinClips(*document));

        // The three clips of the group carry the three effects, innermost first; the clips around
        // it carry none, the dissolves (which have no id) their own.
        std::vector<LoggedItem> expected;
        int clip = 0;
        for (const Element& child : track->children) {
            if (child.name == kClip && ++clip >= 2 && clip <= 4)
                expected.push_back({child.attributeId, covered});
            else if (child.name == kTransition)
                expected.push_back({"", {dissolve}});
        }
        const std::vector<LoggedItem> logged = LoggedItems(dir / "log.ini");
        EXPECT_EQ(logged, expected);
    }
}

// A group that is a slot's whole segment fills that slot's track with the clips of its input.
TEST(EffectOverSequence, AGroupOnASlotOfItsOwnFillsItsTrack)
{
    EffectFile file;
    fixture::AafFileBuilder& f = file.f;
    importtest::AddPictureFile(f, 11, "Shots.mov", 1000, "file:///media/Shots.mov");
    importtest::AddMasterMob(f, kMaster, kShots, 1000, {{1, kPicture, 11}});
    file.Operation(kPaint, "Paint", kPicture, 1);
    const aafsdk::ObjectId mob = f.AddMob("CompositionMob", "Slot group", fixture::MakeMobId(2));
    const aafsdk::ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
    const aafsdk::ObjectId input = AddEffectOver(file, slot, kPaint, 53);
    AddShot(f, input, 26, 250);
    AddShot(f, input, 27, 50);

    testsupport::TempDir dir;
    const std::optional<Element> document = Convert(file, dir);
    ASSERT_TRUE(document);
    const Element* track = VideoTrack(*document, "Slot group");
    ASSERT_NE(track, nullptr);
    CheckTrack(*track, {"video", 1, {{kClip, 0, 26, 250, 276, kShots}, {kClip, 26, 53, 50, 77, kShots}}},
               BinClips(*document));
    EXPECT_EQ(LoggedItems(dir / "log.ini").size(), 2u);
}

// Inside the input, a transition's neighbours still wait on the item stack: it meets them there, and
// the gap before the group keeps its length.
TEST(EffectOverSequence, ATransitionInsideTheInputMeetsItsNeighbours)
{
    const std::string paint = "Not Supported / Paint / Ignored";
    const struct {
        const char* name;
        const char* transition;
        std::vector<Item> items;
    } cases[] = {
        {"dissolve",
         kVideoDissolve,
         {{kClip, 20, 46, 250, 276, kShots},
          {kTransition, 36, 46},
          {kClip, 36, 63, 50, 77, kShots},
          {kClip, 63, 93, 600, 630, kShots}}},
        // Dropped: the clip after it is not read yet, so the clip before gives up the whole overlap.
        {"dropped transition",
         kUnknownTransition,
         {{kClip, 20, 36, 250, 266, kShots}, {kClip, 36, 63, 50, 77, kShots}, {kClip, 63, 93, 600, 630, kShots}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A gap of 20; Paint over a clip of 26 from 250, the transition (10, cut at 5) and a clip of
        // 27 from 50; a clip of 30 from 600.
        EffectFile file;
        fixture::AafFileBuilder& f = file.f;
        importtest::AddPictureFile(f, 11, "Shots.mov", 1000, "file:///media/Shots.mov");
        importtest::AddMasterMob(f, kMaster, kShots, 1000, {{1, kPicture, 11}});
        file.Operation(kPaint, "Paint", kPicture, 1);
        file.Operation(c.transition, "", kPicture, 2);
        f.AddFiller(file.sequence, kPicture, 20);
        const aafsdk::ObjectId input = AddEffectOver(file, file.sequence, kPaint, 43);
        AddShot(f, input, 26, 250);
        f.AddTransition(input, kPicture, 10, 5, c.transition);
        AddShot(f, input, 27, 50);
        AddShot(f, file.sequence, 30, 600);
        SetLength(file, file.sequence, 93);

        testsupport::TempDir dir;
        const std::optional<Element> document = Convert(file, dir);
        ASSERT_TRUE(document);
        const Element* track = VideoTrack(*document);
        ASSERT_NE(track, nullptr);
        CheckTrack(*track, {"video", 1, c.items}, BinClips(*document));
        std::vector<std::string> paintedClips;
        for (const LoggedItem& item : LoggedItems(dir / "log.ini"))
            if (item.second == std::vector<std::string>{paint})
                paintedClips.push_back(item.first);
        EXPECT_EQ(paintedClips.size(), 2u);
    }
}

}  // namespace
