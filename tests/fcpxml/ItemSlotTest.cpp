#include "fcpxml/ItemSlot.h"

#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/TrackInfo.h"
#include "WriteCapture.h"

using fcpxmltest::Capture;

namespace {

struct OtherItem : ItemTagBase {};

FCPClipItemTag Clip(const char* name)
{
    FCPClipItemTag clip(name);
    clip.mediaType = 1;
    clip.duration = 30;
    clip.start = 5;
    clip.end = 35;
    clip.in = 10;
    clip.out = 40;
    return clip;
}

TrackInfo FourKinds()
{
    TrackInfo track(2);
    track.items.resize(4);
    NewClipItemCopy(track.items[0], Clip("A"));
    NewGeneratorItemCopy(track.items[1], ToGeneratorItem(Clip("G")));
    NewTransitionItemCopy(track.items[2], FCPTransitionItemTag(10, 5));
    NewFillerCopy(track.items[3], FCPFillerTag(20));
    return track;
}

}  // namespace

TEST(ItemSlot, DispatchesOnTheFourKinds)
{
    const TrackInfo track = FourKinds();
    const int kinds[] = {1, 2, 3, 4};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(GetItemKind(track.items[i]), kinds[i]);
    EXPECT_EQ(GetItemMediaType(track.items[0]), 1);
    TrimValues trim;
    GetItemTrimValues(track.items[0], trim);
    EXPECT_EQ((std::array{trim.duration, trim.start, trim.end, trim.in, trim.out}),
              (std::array{30, 5, 35, 10, 40}));
    GetItemTrimValues(track.items[3], trim);
    EXPECT_EQ(trim.duration, 20);
}

TEST(ItemSlot, AnyOtherObjectAndAnEmptySlot)
{
    for (ItemSlot slot : {ItemSlot(), ItemSlot(new OtherItem), ItemSlot(new FCPSequenceTag(OutputMediaSettings))}) {
        EXPECT_EQ(GetItemKind(slot), 0);
        EXPECT_EQ(GetItemMediaType(slot), 2);
        TrimValues trim{1, 1, 1, 1, 1};
        GetItemTrimValues(slot, trim);
        EXPECT_EQ((std::array{trim.duration, trim.start, trim.end, trim.in, trim.out}),
                  (std::array{0, 0, 0, 0, 0}));
        ItemSlot target(new FCPFillerTag(3));
        CloneItem(slot, target);
        EXPECT_EQ(target.get(), nullptr);
        EXPECT_EQ(Capture([&] { WriteItem(slot); }), "");
        AddItemTranslation("F", "A", "Applied", slot, kTranslationApplied);
        AddItemClipComment(slot, "c");
    }
}

TEST(ItemSlot, TracksCopyAssignAndDestroyIndependently)
{
    TrackInfo original = FourKinds();
    TrackInfo copy(original);
    TrackInfo assigned;
    assigned.items.emplace_back(new FCPFillerTag(1));
    assigned = original;
    TrackInfo& self = assigned;  // through a reference: a self-assignment on purpose
    assigned = self;
    for (TrackInfo* t : {&copy, &assigned}) {
        ASSERT_EQ(t->items.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NE(t->items[i].get(), original.items[i].get());
            EXPECT_EQ(GetItemKind(t->items[i]), GetItemKind(original.items[i]));
        }
        dynamic_cast<FCPClipItemTag&>(*t->items[0].get()).comments.clipcommenta = "changed";
    }
    EXPECT_EQ(dynamic_cast<FCPClipItemTag&>(*original.items[0].get()).comments.clipcommenta, "");
    original = TrackInfo();  // the old items are deleted
    EXPECT_EQ(GetItemKind(copy.items[1]), 2);
}

TEST(ItemSlot, TranslationsFiltersAndCommentsByKind)
{
    TrackInfo track = FourKinds();
    EffectInfo gain("Gain", "gain", "", "filter", -1, 1);
    ParameterInfo level("Level", "level");
    level.keyframes.emplace_back(20);  // inside the clip's 10..40
    gain.parameters.push_back(level);
    std::vector<bool> kept;
    for (ItemSlot& slot : track.items) {
        AddItemTranslation("Blur", "Blur", "Applied", slot, kTranslationApplied);
        kept.push_back(AddFilterToItem(gain, slot));
        AddItemClipComment(slot, "one");
        AddItemClipComment(slot, "two");
    }
    auto& clip = dynamic_cast<FCPClipItemTag&>(*track.items[0].get());
    auto& generator = dynamic_cast<FCPGeneratorItemTag&>(*track.items[1].get());
    auto& transition = dynamic_cast<FCPTransitionItemTag&>(*track.items[2].get());
    auto& filler = dynamic_cast<FCPFillerTag&>(*track.items[3].get());
    EXPECT_EQ(clip.log.translations.size(), 1u);
    EXPECT_EQ(generator.log.translations.size(), 1u);
    EXPECT_EQ(transition.log.translations.size(), 1u);
    EXPECT_TRUE(filler.log.translations.empty());
    EXPECT_EQ(clip.filters.size(), 1u);
    EXPECT_EQ(generator.filters.size(), 1u);
    EXPECT_EQ(kept, (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(clip.comments.clipcommenta, "one, two");
    EXPECT_EQ(generator.comments.clipcommenta, "one, two");
}
