// The file open and the import driver: item ids and lists by kind and usage, the filing of files
// without usage codes, the bins, and the failures that end a run.
#include <cstdio>
#include <cstring>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aaf/CheckHResult.h"
#include "aaf/import/ImportBins.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/MediaPathQuery.h"
#include "aaf/import/ProjectFormatQuery.h"
#include "aaf/MobId.h"
#include "aafsdk/com/ComIds.h"
#include "fcpxml/ChildrenInfo.h"
#include "import/ImportFileSupport.h"
#include "records/MobInfo.h"
#include "support/AafMocks.h"
#include "support/CaptureRaise.h"
#include "support/DefinitionDoubles.h"

namespace {

using namespace importtest;
using fixture::MakeMobId;
using testing::_;
using testing::DoAll;
using testing::NiceMock;
using testing::Return;
using testing::SetArgPointee;
using testsupport::RaisedOutput;
namespace ids = fixture::ids;

constexpr const char* kTopLevel = "0d010102-0101-0700-060e-2b3404010101";
constexpr const char* kSubclip = "0d010102-0101-0500-060e-2b3404010101";
constexpr const char* kAdjusted = "0d010102-0101-0600-060e-2b3404010101";
constexpr const char* kLowerLevel = "0d010102-0101-0800-060e-2b3404010101";
constexpr const char* kTemplate = "0d010102-0101-0900-060e-2b3404010101";

std::vector<std::string> Names(const std::vector<MobEntry>& list)
{
    std::vector<std::string> names;
    for (const MobEntry& entry : list)
        names.push_back(entry.name);
    return names;
}

class ImportDriver : public ImportFileTest {};

TEST_F(ImportDriver, MobsAreRegisteredWithTheirKindWordAndNumber)
{
    fixture::AafFileBuilder f;
    f.AddMob("MasterMob", "m1", MakeMobId(1));
    f.AddMob("CompositionMob", "c1", MakeMobId(2));
    f.AddMob("MasterMob", "m2", MakeMobId(3));
    f.AddMob("MasterMob", "m3", MakeMobId(4));
    f.AddMob("CompositionMob", "c2", MakeMobId(5));
    const struct {
        std::uint32_t id;
        aafsdk::Auid descriptor;
    } sources[] = {{6, aafsdk::com::classes::kWAVEDescriptor},
                   {7, aafsdk::com::classes::kTapeDescriptor},
                   {8, aafsdk::com::classes::kImportDescriptor}};
    for (const auto& s : sources) {
        const auto mob = f.AddMob("SourceMob", "s", MakeMobId(s.id));
        f.graph().objects[f.AddDescriptor(mob, "TapeDescriptor")].classId = s.descriptor;
    }
    Open(f);

    MobLists lists;
    SortMobsByKind(lists);
    const struct {
        std::uint32_t id;
        const char* itemId;
        const char* word;
        std::int32_t kind;
    } expected[] = {
        {1, "MASTER_MOB_1", "MASTER", 1}, {3, "MASTER_MOB_2", "MASTER", 1}, {4, "MASTER_MOB_3", "MASTER", 1},
        {2, "COMP_MOB_1", "COMP", 0},     {5, "COMP_MOB_2", "COMP", 0},     {6, "FILE_MOB_1", "FILE", 2},
        {7, "TAPE_MOB_1", "TAPE", 3},     {8, "PHYS_MOB_1", "PHYS", 7},
    };
    EXPECT_EQ(MobRegistry::entries.size(), std::size(expected));
    for (const auto& e : expected) {
        const MobEntry entry = MobRegistry::Find(IdOf(e.id));
        EXPECT_EQ(entry.itemId, e.itemId);
        EXPECT_EQ(entry.kindWord, e.word);
        EXPECT_EQ(entry.kind, e.kind);
        EXPECT_EQ(entry.mobId, IdOf(e.id));
    }
    EXPECT_EQ(Names(lists.masters), (std::vector<std::string>{"m1", "m2", "m3"}));
    EXPECT_EQ(Names(lists.topLevel), (std::vector<std::string>{"c1", "c2"}));

    // A mob read before the registry was filled finds its item id once it is.
    MobInfo early;
    early.mobId = IdOf(4);
    EXPECT_EQ(early.GetItemId(), "MASTER_MOB_3");
    MobInfo copy = early;
    EXPECT_EQ(copy.GetItemId(), "MASTER_MOB_3");
    MobInfo set;
    set.SetMobId(IdOf(7));
    EXPECT_EQ(set.itemId, "TAPE_MOB_1");
    EXPECT_EQ(set.kind, 3);
    const MobEntry unknown = MobRegistry::Find(IdOf(99));
    EXPECT_EQ(unknown.itemId, "");
    EXPECT_EQ(unknown.name, "");
    EXPECT_EQ(unknown.kindWord, "Unknown");
}

TEST_F(ImportDriver, CompositionsAreFiledByUsage)
{
    fixture::AafFileBuilder f;
    const struct {
        const char* name;
        const char* usage;
    } mobs[] = {
        {"top", kTopLevel},    {"sub", kSubclip},    {"adjusted", kAdjusted},
        {"lower", kLowerLevel}, {"template", kTemplate}, {"none", ""},
        {"foreign", "0d010102-0101-0a00-060e-2b3404010101"},
        {"Precompute Sequence Container", kTopLevel},
    };
    std::uint32_t n = 1;
    for (const auto& m : mobs)
        SetUsage(f, f.AddMob("CompositionMob", m.name, MakeMobId(n++)), m.usage);
    Open(f);

    MobLists lists;
    SortMobsByKind(lists);
    EXPECT_EQ(Names(lists.topLevel), (std::vector<std::string>{"top", "Precompute Sequence Container"}));
    EXPECT_EQ(Names(lists.subclips), std::vector<std::string>{"sub"});
    EXPECT_EQ(Names(lists.adjustedClips), std::vector<std::string>{"adjusted"});
    EXPECT_EQ(Names(lists.lowerLevel), std::vector<std::string>{"lower"});
    EXPECT_EQ(Names(lists.templates), std::vector<std::string>{"template"});
    // With a Top Level composition in the file, one without usage stays where it is.
    EXPECT_EQ(Names(lists.other), (std::vector<std::string>{"none", "foreign"}));
}

TEST_F(ImportDriver, WithoutTopLevelUsageTheUnreferencedCompositionsAreTopLevel)
{
    fixture::AafFileBuilder f;
    // "edit" uses "stem" through a sequence, and "stem" uses the master mob; "self" names only
    // itself; "lower" carries a usage code and is no Top Level whatever names it.
    const auto edit = f.AddMob("CompositionMob", "edit", MakeMobId(1));
    const auto stem = f.AddMob("CompositionMob", "stem", MakeMobId(2));
    const auto self = f.AddMob("CompositionMob", "self", MakeMobId(3));
    const auto lower = f.AddMob("CompositionMob", "lower", MakeMobId(4));
    f.AddMob("MasterMob", "master", MakeMobId(5));
    SetUsage(f, edit, "");
    SetUsage(f, stem, "");
    SetUsage(f, self, "");
    SetUsage(f, lower, kLowerLevel);
    const auto track = f.AddSequence(f.AddTimelineSlot(edit, 1, "A1", 48000, 1), ids::kDataDefSound, 200);
    f.AddFiller(track, ids::kDataDefSound, 100);
    f.AddSourceClip(track, ids::kDataDefSound, 100, MakeMobId(2), 1, 0);
    f.AddSourceClip(f.AddTimelineSlot(stem, 1, "A1", 48000, 1), ids::kDataDefSound, 100, MakeMobId(5), 1, 0);
    f.AddSourceClip(f.AddTimelineSlot(self, 1, "A1", 48000, 1), ids::kDataDefSound, 100, MakeMobId(3), 1, 0);
    Open(f);

    MobLists lists;
    SortMobsByKind(lists);
    EXPECT_EQ(Names(lists.topLevel), (std::vector<std::string>{"edit", "self"}));
    EXPECT_EQ(Names(lists.other), std::vector<std::string>{"stem"});
    EXPECT_EQ(Names(lists.lowerLevel), std::vector<std::string>{"lower"});
    // The registry keeps what the file says.
    EXPECT_EQ(MobRegistry::Find(IdOf(1)).usageCode, Auid());
}

TEST_F(ImportDriver, FileWithoutMobsGivesTheImportBin)
{
    for (const bool mediaBin : {true, false}) {
        SCOPED_TRACE(mediaBin);
        ResetImport();
        ImportPrefs.addMediaToBin = mediaBin;
        Open(fixture::AafFileBuilder());
        ImportProject();
        ASSERT_EQ(XmemlDocument.bins.size(), 1u);
        const BinInfo& bin = XmemlDocument.bins.front();
        EXPECT_EQ(bin.name, "AAF Import");
        ASSERT_TRUE(bin.children);
        EXPECT_TRUE(bin.children->clips.empty());
        EXPECT_TRUE(bin.children->sequences.empty());
        if (mediaBin) {
            ASSERT_EQ(bin.children->bins.size(), 1u);
            EXPECT_EQ(bin.children->bins[0].name, "Media");
            EXPECT_TRUE(bin.children->bins[0].children->clips.empty());
        } else {
            EXPECT_TRUE(bin.children->bins.empty());
        }
        EXPECT_TRUE(XmemlDocument.sequences.empty());
        EXPECT_TRUE(XmemlDocument.clips.empty());
    }
}

TEST_F(ImportDriver, OnlyReferencedMasterClipsAreFiledInClipIdOrder)
{
    const auto clip = [](const std::string& id, bool referenced, bool master) {
        FCPClipTag tag;
        tag.id = id;
        tag.referenced = referenced;
        tag.ismasterclip = master;
        MasterClipMap[id] = tag;
    };
    for (const bool mediaBin : {true, false}) {
        // Filing moves the clips out of the map: each round files fresh ones.
        clip("MASTER_MOB_2", true, true);
        clip("MASTER_MOB_10", true, true);
        clip("MASTER_MOB_3", false, true);
        clip("SUBCLIP", true, false);
        ClearXmemlDocument();
        ImportPrefs.addMediaToBin = mediaBin;
        AddBin("AAF Import");
        AddMasterClipsToBin();
        const ChildrenInfo& first = *FirstBin().children;
        const ChildrenInfo& filed = mediaBin ? *first.bins.at(0).children : first;
        ASSERT_EQ(filed.clips.size(), 2u);
        EXPECT_EQ(filed.clips[0].id, "MASTER_MOB_10");
        EXPECT_EQ(filed.clips[1].id, "MASTER_MOB_2");
    }
    // Without a first bin the clips go nowhere.
    ClearXmemlDocument();
    AddMasterClipsToBin();
    EXPECT_TRUE(XmemlDocument.bins.empty());
    EXPECT_EQ(MakeBin("").name, "Avid Media");
}

TEST_F(ImportDriver, OpenFailuresRaiseAndLeaveNoHeader)
{
    testsupport::WriteFile(dir_ / "notes.aaf", "plain words, no compound file");
    const std::string whole = fixture::WriteAaf(fixture::AafFileBuilder().graph()).bytes;
    testsupport::WriteFile(dir_ / "cut.aaf", whole.substr(0, whole.size() / 2));
    const struct {
        std::string file;
        const char* code;
    } cases[] = {
        {"missing.aaf", "AAFRESULT_FILE_NOT_FOUND"},
        {"notes.aaf", "AAFRESULT_NOT_AAF_FILE"},
        {"cut.aaf", "AAFRESULT_READ_FAILURE"},
    };
    for (const auto& c : cases) {
        const std::string out = RaisedOutput(kAafOpenFailed, [&] { OpenPath((dir_ / c.file).string()); });
        EXPECT_EQ(out, std::string("\n(AAFFileOpenExistingRead)**ERROR_HRESULT** : ") + c.code + "\n");
        EXPECT_EQ(FileHeader, nullptr);
        EXPECT_EQ(FileDictionary, nullptr);
        EXPECT_FALSE(file_);
    }
}

TEST_F(ImportDriver, HeaderStaysAfterTheCloseAndASecondCloseRaises)
{
    Open(fixture::AafFileBuilder());
    ASSERT_NE(FileHeader, nullptr);
    ASSERT_NE(FileDictionary, nullptr);
    file_->CloseFile();
    EXPECT_EQ(file_->file, nullptr);
    EXPECT_NE(FileHeader, nullptr);
    aafNumSlots_t count = 9;
    EXPECT_EQ(FileHeader->CountMobs(kAAFAllMob, &count), 0);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [&] { file_->CloseFile(); }), "\n**ERROR_NULL_OBJECT**\n");
    EXPECT_EQ(LastErrorText, "Null object:  (FileT: CloseFile)");
    file_.reset();
    ReleaseFileHeaderAndDictionary();
    EXPECT_EQ(FileHeader, nullptr);
    // Without a file the import and the queries do nothing.
    MobLists lists;
    BuildProjectFromMobs(lists);
    CollectMasterMobMedia(lists);
    EXPECT_TRUE(XmemlDocument.bins.empty());
}

TEST_F(ImportDriver, MediaQueryRegistersNoComposition)
{
    fixture::AafFileBuilder f;
    f.AddMob("CompositionMob", "c", MakeMobId(1));
    f.AddMob("MasterMob", "m", MakeMobId(2));
    Open(f);
    CollectMediaPaths(*file_);
    EXPECT_EQ(MobRegistry::entries.size(), 1u);
    EXPECT_EQ(MobRegistry::Find(IdOf(2)).itemId, "MASTER_MOB_1");
}

// A mob double that reads as a mob with a name and nothing else.
class MobDouble {
public:
    MobDouble(std::uint32_t n, const std::u16string& name)
    {
        aafMobID_t id{};
        const fixture::MobIdBytes bytes = MakeMobId(n);
        std::memcpy(&id, bytes.data(), sizeof id);
        aaftest::RefuseQueries(mob);
        aaftest::AnswerQuery(mob, IID_IAAFMob2, static_cast<IAAFMob2*>(&mob2));
        ON_CALL(mob, GetMobID(_)).WillByDefault(DoAll(SetArgPointee<0>(id), Return(AAFRESULT_SUCCESS)));
        ON_CALL(mob, GetNameBufLen(_)).WillByDefault(aaftest::TextLength(name));
        ON_CALL(mob, GetName(_, _)).WillByDefault(aaftest::TextCopy(name));
        ON_CALL(mob, CountSlots(_)).WillByDefault(DoAll(SetArgPointee<0>(0u), Return(AAFRESULT_SUCCESS)));
        ON_CALL(mob, CountComments(_)).WillByDefault(DoAll(SetArgPointee<0>(0u), Return(AAFRESULT_SUCCESS)));
        ON_CALL(mob2, GetUsageCode(_)).WillByDefault(Return(AAFRESULT_PROP_NOT_PRESENT));
        ON_CALL(mob2, CountKLVData(_)).WillByDefault(DoAll(SetArgPointee<0>(0u), Return(AAFRESULT_SUCCESS)));
        ON_CALL(mob2, CountAttributes(_)).WillByDefault(DoAll(SetArgPointee<0>(0u), Return(AAFRESULT_SUCCESS)));
    }
    IAAFMob* get() { return &mob; }

    NiceMock<testsupport::MockIAAFMob> mob;
    NiceMock<testsupport::MockIAAFMob2> mob2;
};

class HeaderDouble : public ImportFileTest {
protected:
    void SetUp() override
    {
        ImportFileTest::SetUp();
        ON_CALL(header, GetMobs(_, _)).WillByDefault(testsupport::HandOut<1>(static_cast<IEnumAAFMobs*>(&mobs)));
        ON_CALL(mobs, NextOne(_)).WillByDefault(Return(AAFRESULT_NO_MORE_MOBS));
        FileHeader = &header;
    }
    void TearDown() override
    {
        FileHeader = nullptr;
        ImportFileTest::TearDown();
    }

    NiceMock<testsupport::MockIAAFHeader> header;
    NiceMock<testsupport::MockIEnumAAFMobs> mobs;
};

TEST_F(HeaderDouble, AnUnreadableMobUsesUpItsNumber)
{
    MobDouble first(1, u"first"), third(3, u"third");
    ON_CALL(header, CountMobs(kAAFMasterMob, _)).WillByDefault(DoAll(SetArgPointee<1>(3u), Return(AAFRESULT_SUCCESS)));
    EXPECT_CALL(mobs, NextOne(_))
        .WillOnce(testsupport::HandOut<0>(first.get()))
        .WillOnce(Return(AAFRESULT_INCONSISTENCY))
        .WillOnce(testsupport::HandOut<0>(third.get()));
    MobLists lists;
    CollectMobsOfKind(lists, kMobKindMaster, "MASTER");
    EXPECT_EQ(Names(lists.masters), (std::vector<std::string>{"first", "third"}));
    EXPECT_EQ(MobRegistry::Find(IdOf(1)).itemId, "MASTER_MOB_1");
    EXPECT_EQ(MobRegistry::Find(IdOf(3)).itemId, "MASTER_MOB_3");
    EXPECT_EQ(MobRegistry::entries.size(), 2u);
}

TEST_F(HeaderDouble, AFailingMobCountEndsTheRun)
{
    ON_CALL(header, CountMobs(_, _)).WillByDefault(Return(AAFRESULT_INVALID_MOBTYPE));
    const char* expected = "\n(CountMobs)**ERROR_HRESULT** : AAFRESULT_INVALID_MOBTYPE\n";
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [] { ImportProject(); }), expected);
    EXPECT_TRUE(XmemlDocument.bins.empty());
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [] { ReadProjectFormat(); }), expected);
    // The media list of run mode 1 counts the source mobs first.
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [] {
                  MobLists lists;
                  CollectMasterMobMedia(lists);
              }),
              expected);
    EXPECT_TRUE(MobRegistry::entries.empty());
    ON_CALL(header, GetMobs(_, _)).WillByDefault(Return(AAFRESULT_INVALID_PARAM));
    ON_CALL(header, CountMobs(_, _)).WillByDefault(DoAll(SetArgPointee<1>(0u), Return(AAFRESULT_SUCCESS)));
    EXPECT_EQ(RaisedOutput(kAafCallFailed, [] { ImportProject(); }),
              "\n(GetMobs)**ERROR_HRESULT** : AAFRESULT_INVALID_PARAM\n");
}

TEST(ProjectFormat, SequenceFormatNamesArePartsOfEitherSpelling)
{
    const struct {
        const char* name;
        bool passes;
    } cases[] = {
        {"SEQUENCE_FORMAT_TYPE", true}, {"SEQUERNCE_FORMAT_TYPE", true}, {"FORMAT_TYPE", true}, {"", true},
        {"SEQUENCE_FORMAT_TYPES", false}, {"sequence_format_type", false}, {"_MOB_", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSequenceFormatName(c.name), c.passes) << c.name;
}

}  // namespace
