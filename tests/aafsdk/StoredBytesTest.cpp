#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "aafsdk/stored/StoredBytes.h"
#include "aafsdk/stored/StoredList.h"
#include "aafsdk/stored/StoredGraph.h"

namespace {

using aafsdk::StoredBytes;
using aafsdk::StoredList;

TEST(StoredBytes, AViewReadsItsBytesInPlaceAndAnEditCopiesThemFirst)
{
    const std::vector<std::uint8_t> file{1, 2, 3, 4};
    StoredBytes view = StoredBytes::View(std::span(file).subspan(1, 2));
    EXPECT_EQ(view.data(), file.data() + 1);  // no copy
    EXPECT_EQ(view, (std::vector<std::uint8_t>{2, 3}));

    StoredBytes copy = view;
    EXPECT_EQ(copy.data(), view.data());  // a view's copy views the same bytes
    copy.push_back(9);
    EXPECT_NE(copy.data(), file.data() + 1);
    EXPECT_EQ(copy, (std::vector<std::uint8_t>{2, 3, 9}));
    EXPECT_EQ(file, (std::vector<std::uint8_t>{1, 2, 3, 4}));  // the viewed bytes are never changed
    EXPECT_EQ(view, (std::vector<std::uint8_t>{2, 3}));
}

TEST(StoredBytes, OwnedBytesCopyAndMoveAsValues)
{
    StoredBytes a = std::vector<std::uint8_t>{5, 6};
    StoredBytes b = a;
    b.Edit()[0] = 7;
    EXPECT_EQ(a, (std::vector<std::uint8_t>{5, 6}));
    EXPECT_EQ(b, (std::vector<std::uint8_t>{7, 6}));
    StoredBytes c = std::move(b);
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(c, (std::vector<std::uint8_t>{7, 6}));
    c = {};
    EXPECT_TRUE(c.empty());
    c.insert(c.end(), a.begin(), a.end());
    c.pop_back();
    EXPECT_EQ(c, (std::vector<std::uint8_t>{5}));
    EXPECT_EQ(c, StoredBytes({5}));
    EXPECT_FALSE(c == a);
}

TEST(StoredList, GrowsCopiesAndErasesLikeAVector)
{
    StoredList<aafsdk::StrongElement> list;
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.begin(), list.end());
    for (std::uint32_t i = 0; i < 100; ++i) {
        aafsdk::StrongElement e;
        e.object = i;
        e.localKey = 1000 + i;
        list.push_back(e);
    }
    ASSERT_EQ(list.size(), 100u);
    StoredList<aafsdk::StrongElement> copy = list;
    list.erase(list.begin() + 1);
    ASSERT_EQ(list.size(), 99u);
    EXPECT_EQ(list[1].object, 2u);
    EXPECT_EQ(list.back().localKey, 1099u);
    EXPECT_EQ(copy.size(), 100u);
    EXPECT_EQ(copy[1].object, 1u);
    EXPECT_FALSE(copy == list);
    EXPECT_THROW((void)list.at(99), std::out_of_range);

    StoredList<aafsdk::WeakReference> weak;
    weak.resize(3);
    EXPECT_EQ(weak.size(), 3u);
    EXPECT_EQ(weak[2].key.size, 0u);  // made as default records
    weak.clear();
    EXPECT_TRUE(weak.empty());
    EXPECT_TRUE(weak == StoredList<aafsdk::WeakReference>());
}

TEST(StoredProperty, KeepsItsRecordCompact)
{
    // A file holds a dozen properties for every clip: their records are most of an open graph.
    EXPECT_LE(sizeof(aafsdk::StoredProperty), 64u);
}

}  // namespace
