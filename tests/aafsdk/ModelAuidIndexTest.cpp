// The flat AUID index the model finds its classes, types and properties by.
#include <gtest/gtest.h>

#include <deque>

#include "aafsdk/model/AuidIndex.h"

namespace aafsdk {
namespace {

struct Item {
    Auid id;
    int tag = 0;
};

Auid Numbered(std::uint32_t n, std::uint8_t tail)
{
    Auid id;
    id.bytes[0] = std::uint8_t(n);
    id.bytes[1] = std::uint8_t(n >> 8);
    id.bytes[15] = tail;
    return id;
}

TEST(ModelAuidIndexTest, EveryItemIsFoundThroughGrowthAndASecondOfOneAuidReplacesTheFirst)
{
    // Reserved or not; AUIDs that differ in the first bytes or only in the last.
    for (const std::size_t reserve : {std::size_t(0), std::size_t(3000)}) {
        for (const bool lastBytes : {false, true}) {
            AuidIndex<Item> index;
            index.Reserve(reserve);
            std::deque<Item> items;
            for (std::uint32_t n = 0; n < 2000; ++n) {
                Item& item = items.emplace_back();
                item.id = lastBytes ? Numbered(0, std::uint8_t(n)) : Numbered(n, 7);
                if (lastBytes)
                    item.id.bytes[14] = std::uint8_t(n >> 8);
                item.tag = int(n);
                index.Set(&item);
            }
            ASSERT_EQ(index.size(), 2000u);
            for (const Item& item : items)
                ASSERT_EQ(index.Find(item.id), &item) << item.tag;
            EXPECT_EQ(index.Find(Numbered(5000, 9)), nullptr);

            Item again{items[17].id, -1};
            index.Set(&again);
            EXPECT_EQ(index.size(), 2000u);
            EXPECT_EQ(index.Find(items[17].id), &again);
        }
    }
    const AuidIndex<Item> empty;
    EXPECT_EQ(empty.Find(Auid{}), nullptr);
}

}  // namespace
}  // namespace aafsdk
