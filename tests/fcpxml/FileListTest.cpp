#include "fcpxml/FileList.h"

#include <utility>

#include <gtest/gtest.h>

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFileTag.h"
#include "WriteCapture.h"

using fcpxmltest::Capture;

namespace {

class FileListTest : public ::testing::Test {
protected:
    void SetUp() override { WrittenFileIds.clear(); }
    void TearDown() override { WrittenFileIds.clear(); }
};

FCPFileTag File(const char* id, int duration)
{
    FCPFileTag file(id);
    file.id = id;
    file.duration = duration;
    return file;
}

TEST_F(FileListTest, CopiesShareUntilOneChanges)
{
    FileList master(File("Shot", 100));
    FileList copy = master;
    EXPECT_TRUE(copy.SharesWith(master));
    // Reading through a const list leaves it shared.
    const FileList& reader = copy;
    EXPECT_EQ(reader.front().duration, 100);
    EXPECT_EQ(reader[0].id, "Shot");
    EXPECT_TRUE(copy.SharesWith(master));

    // Each changing access gives the changer a list of its own; the others keep theirs.
    struct Change {
        const char* label;
        void (*apply)(FileList&);
        std::size_t size;
        int duration;
    };
    const Change changes[] = {
        {"front", [](FileList& l) { l.front().duration = 7; }, 1, 7},
        {"back", [](FileList& l) { l.back().duration = 8; }, 1, 8},
        {"index", [](FileList& l) { l[0].duration = 9; }, 1, 9},
        {"push_back", [](FileList& l) { l.push_back(File("Other", 5)); }, 2, 100},
        {"emplace_back", [](FileList& l) { l.emplace_back("Third"); }, 2, 100},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.label);
        FileList changed = master;
        c.apply(changed);
        EXPECT_FALSE(changed.SharesWith(master));
        ASSERT_EQ(changed.size(), c.size);
        EXPECT_EQ(std::as_const(changed).front().duration, c.duration);
        ASSERT_EQ(master.size(), 1u);
        EXPECT_EQ(std::as_const(master).front().duration, 100);
        EXPECT_TRUE(copy.SharesWith(master));
    }

    // Clearing drops only the holder's reference.
    copy.clear();
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(copy.begin(), copy.end());
    ASSERT_EQ(master.size(), 1u);
    EXPECT_EQ(std::as_const(master).front().id, "Shot");
}

TEST_F(FileListTest, AnUnsharedListChangesInPlace)
{
    FileList list;
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.size(), 0u);
    list.emplace_back("A").duration = 3;
    const FCPFileTag* first = &std::as_const(list).front();
    list.front().duration = 4;
    EXPECT_EQ(&std::as_const(list).front(), first);
    EXPECT_EQ(std::as_const(list).front().duration, 4);
    FileList moved = std::move(list);
    EXPECT_EQ(&std::as_const(moved).front(), first);
}

TEST_F(FileListTest, ClipItemCopiesShareTheirFilesAndWriteThemOnce)
{
    FCPClipItemTag slotItem("Shot");
    slotItem.files = FileList(File("Shot", 100));
    FCPClipItemTag first(slotItem);
    FCPClipItemTag second(slotItem);
    EXPECT_TRUE(first.files.SharesWith(slotItem.files));
    EXPECT_TRUE(second.files.SharesWith(slotItem.files));
    EXPECT_EQ(first.GetFileDuration(), 100);
    EXPECT_EQ(second.GetFrameSize().width, std::as_const(slotItem).files.front().width);

    const std::string one = Capture([&] { first.WriteClipItem(); });
    const std::string two = Capture([&] { second.WriteClipItem(); });
    EXPECT_NE(one.find("\t<file id=\"Shot\">\n"), std::string::npos);
    EXPECT_NE(one.find("<duration>100</duration>"), std::string::npos);
    EXPECT_NE(two.find("\t<file id=\"Shot\"/>\n"), std::string::npos);
    // Writing does not part the copies.
    EXPECT_TRUE(first.files.SharesWith(second.files));

    // An item that changes its file parts from the others; they still play the old one.
    second.files.front().duration = 50;
    EXPECT_EQ(second.GetFileDuration(), 50);
    EXPECT_EQ(first.GetFileDuration(), 100);
    EXPECT_EQ(slotItem.GetFileDuration(), 100);
}

}  // namespace
