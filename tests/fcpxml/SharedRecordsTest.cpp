#include <gtest/gtest.h>

#include "records/ComponentContext.h"
#include "records/MobInfo.h"
#include "records/MobSourceInfo.h"
#include "records/SlotInfo.h"

TEST(ComponentContext, FromASlot)
{
    SlotInfo slot;
    slot.slotId = 7;
    slot.physicalNumber = 2;
    slot.length = 250;
    slot.dataKind = 1;
    slot.name = "A1";
    const ComponentContext context(slot, 71);
    EXPECT_EQ(context.length, 250);
    EXPECT_EQ(context.enclosingLength, 0);
    EXPECT_EQ(context.dataKind, 1);
    EXPECT_EQ(context.parentKind, 71);
    EXPECT_EQ(context.subKind, 1);
    EXPECT_EQ(context.slot.slotId, 7);
    EXPECT_EQ(context.slot.physicalNumber, 2);
    EXPECT_EQ(context.slot.length, 250);
    EXPECT_EQ(context.slot.name, "");  // the slot's name is not carried
    EXPECT_EQ(context.layerIndex, 2);
}

TEST(MobInfo, CopiesLeaveTheItemIdCacheEmpty)
{
    MobInfo mob;
    mob.name = "Interview";
    mob.itemId = "MASTER_MOB_3";
    mob.kind = 1;
    mob.comments.emplace("Comments", TaggedValueEntry("Comments", "good", 0));
    mob.otherTimecodes[3] = Timecode(90000, 0, 25, 25, 1);
    MobInfo assigned;
    assigned.itemId = "stale";
    assigned = mob;
    const MobSourceInfo source(mob);
    for (const MobInfo* copy : {static_cast<const MobInfo*>(&assigned), &source.mob}) {
        EXPECT_EQ(copy->itemId, "");
        EXPECT_EQ(copy->name, "Interview");
        EXPECT_EQ(copy->kind, 1);
        EXPECT_EQ(copy->otherTimecodes.at(3).startFrame, 90000);
        ASSERT_EQ(copy->comments.size(), 1u);
        EXPECT_NE(copy->comments.at("Comments").value, mob.comments.at("Comments").value);
    }
    EXPECT_EQ(source.slot.slotId, -1);
    EXPECT_TRUE(source.tapeSources.empty());
}
