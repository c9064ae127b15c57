// Titles on the timeline: one text box becomes a Text generator in the clip item's place, several a
// nested sequence of generators, and a title without data, without text or with damaged data keeps
// its clip item over a slug with its log record.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aaf/RegistryAuid.h"
#include "effects/EffectFixture.h"
#include "effects/EffectIds.h"
#include "effects/EffectTranslator.h"
#include "effects/TitleBytes.h"
#include "effects/TitleTranslator.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/ItemKind.h"
#include "records/ValueBase.h"

namespace effecttest {
namespace {

using titletest::Body;
using titletest::Title;

std::map<std::string, ParameterRecord> TitleParameters(const std::vector<std::string>& byteTexts)
{
    std::map<std::string, ParameterRecord> parameters;
    ParameterRecord& record = parameters[AuidToText(RegistryAuid("{1FDD2907-E48C-11D3-A078-006094EB75CB}"))];
    record.constantValues.push_back(
        new ArrayValue(std::vector<std::string>(byteTexts.size(), "."), byteTexts, static_cast<int>(byteTexts.size())));
    return parameters;
}

std::map<std::string, ParameterRecord> TitleParameters(const titletest::Bytes& bytes)
{
    return TitleParameters(titletest::ByteTexts(bytes.data));
}

std::vector<std::string> Records(const ItemTagBase& item)
{
    std::vector<std::string> out;
    for (const TranslationRecord& r : item.log.translations)
        out.push_back(std::to_string(r.status) + " " + r.fcpName + " / " + r.avidName + " / " + r.action);
    return out;
}

std::vector<std::string> ParameterIds(const EffectInfo& effect)
{
    std::vector<std::string> ids;
    for (const ParameterInfo& p : effect.parameters)
        ids.push_back(p.parameterid);
    return ids;
}

const ParameterInfo* Find(const EffectInfo& effect, const std::string& id)
{
    for (const ParameterInfo& p : effect.parameters)
        if (p.parameterid == id)
            return &p;
    return nullptr;
}

class TitleTranslation : public EffectTest {
protected:
    // A title over a clip item "Shot" (in 10, out 70) on top of the item stack, within a sequence.
    bool Translate(std::map<std::string, ParameterRecord>* parameters, const Auid& operation = kTitle2)
    {
        PushSequence();
        FCPClipItemTag clip = Clip("Shot", 10, 70);
        clip.SetUniqueId(clip.name);
        PushClipItem(clip);
        EffectTranslator head(Context(60, 2, 19), operation, parameters);
        head.SetName("Title_2");
        return head.Dispatch();
    }
    static ItemTagBase& Top() { return *GlobalTimelineBuilder.ItemStack.front().get(); }
    static int TopKind() { return GetItemKind(GlobalTimelineBuilder.ItemStack.front()); }
};

TEST_F(TitleTranslation, OneTextBoxBecomesATextGeneratorInTheClipItemsPlace)
{
    for (const Auid& operation : {kTitleToolText, kTitle2, kTitle3}) {
        SCOPED_TRACE(AuidToText(operation));
        Reset();
        auto parameters = TitleParameters(Title()
                                              .Page(Body().FontNames({{21, "Helvetica"}}))
                                              .TextBox(Body().Rect(100, 200, 300, 600).Color(0xFFFF, 0x8000, 0).Align(0xFFFF).TextAndStyle({.text = "A&B", .face = 1, .size = 40}))
                                              .End());
        ASSERT_TRUE(Translate(&parameters, operation));
        ASSERT_EQ(GlobalTimelineBuilder.ItemStack.size(), 1u);
        ASSERT_EQ(TopKind(), ItemKindGeneratorItem);
        const auto& g = static_cast<const FCPGeneratorItemTag&>(Top());
        EXPECT_EQ(g.id, "Title");
        EXPECT_EQ(g.name, "A&B");
        EXPECT_EQ(g.log.itemId, "Title");
        EXPECT_EQ(std::vector<int>({g.in, g.out, g.start, g.end}), std::vector<int>({0, 60, 0, 60}));
        EXPECT_EQ(g.alphatype, "straight");
        EXPECT_EQ(Records(g), std::vector<std::string>{"2 Text Generator / Title Tool / Applied"});
        ASSERT_EQ(g.effects.size(), 1u);
        const EffectInfo& text = g.effects[0];
        EXPECT_EQ(text.effectid, "Text");
        EXPECT_EQ(ParameterIds(text), (std::vector<std::string>{"str", "fontstyle", "fontalign", "fontcolor", "origin",
                                                                "fonttrack", "leading", "aspect", "autokern", "subpixel",
                                                                "fontsize", "fontname"}));
        EXPECT_EQ(Find(text, "str")->values[0].text, "A&amp;B");
        EXPECT_TRUE(Find(text, "str")->values[0].raw);
        EXPECT_EQ(Find(text, "fontstyle")->values[0].text, "2");
        EXPECT_EQ(Find(text, "fontalign")->values[0].text, "3");
        EXPECT_EQ(Find(text, "fontsize")->values[0].text, "30");
        EXPECT_EQ(Find(text, "fontname")->values[0].text, "Helvetica");
        EXPECT_EQ(Find(text, "leading")->values[0].text, "0");
        const ColorInfo& color = Find(text, "fontcolor")->values[0].colors.at(0);
        EXPECT_EQ(std::vector<int>({color.alpha, color.red, color.green, color.blue}), std::vector<int>({255, 255, 128, 0}));
        const PointInfo& origin = Find(text, "origin")->values[0].points.at(0);
        EXPECT_NEAR(origin.horiz, 0.25, 1e-6);
    }
}

TEST_F(TitleTranslation, GeneratorsLeaveOutAnEmptyTextAndTruncateTheColour)
{
    FCPClipItemTag clip = Clip("Shot", 10, 70);
    TitleTextItem item;
    item.text = item.plainText = "";
    item.red = 255.0;
    item.green = 127.9;
    item.blue = 0.5;
    const FCPGeneratorItemTag first = BuildTextGenerator(item, clip);
    const FCPGeneratorItemTag second = BuildTextGenerator(item, clip);
    EXPECT_EQ(first.id, "Title");
    EXPECT_EQ(second.id, "Title 1");
    ASSERT_EQ(first.effects.size(), 1u);
    EXPECT_EQ(Find(first.effects[0], "str"), nullptr);
    const ColorInfo& color = Find(first.effects[0], "fontcolor")->values[0].colors.at(0);
    EXPECT_EQ(std::vector<int>({color.alpha, color.red, color.green, color.blue}), std::vector<int>({255, 255, 127, 0}));
}

TEST_F(TitleTranslation, SeveralTextBoxesNestASequenceWithOneGeneratorATrack)
{
    Title title;
    for (const char* text : {"One", "Two", "Three"})
        title.TextBox(Body().TextAndStyle({.text = text}));
    auto parameters = TitleParameters(title.End());
    ASSERT_TRUE(Translate(&parameters));
    ASSERT_EQ(TopKind(), ItemKindClipItem);
    const auto& clip = static_cast<const FCPClipItemTag&>(Top());
    EXPECT_EQ(clip.name, "Shot");
    ASSERT_EQ(clip.nestedSequences.size(), 1u);
    const FCPSequenceTag& nested = clip.nestedSequences[0];
    EXPECT_EQ(nested.name, "Shot Seq");
    EXPECT_EQ(nested.duration, 60);
    EXPECT_EQ(nested.timecode.text, "00:00:00:00");
    ASSERT_EQ(nested.video.size(), 1u);
    const auto& tracks = nested.video[0].tracks;
    ASSERT_EQ(tracks.size(), 3u);
    std::vector<std::string> names;
    for (const TrackInfo& track : tracks) {
        EXPECT_EQ(track.mediaType, 2);
        ASSERT_EQ(track.items.size(), 1u);
        ASSERT_EQ(GetItemKind(track.items[0]), ItemKindGeneratorItem);
        names.push_back(track.items[0].get()->name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_EQ(GlobalTimelineBuilder.SequenceStack.size(), 1u);  // the nested one was popped
}

TEST_F(TitleTranslation, TitlesWithoutTextOrReadableDataKeepTheirClipOverASlug)
{
    struct Case {
        const char* name;
        std::vector<std::string> texts;
        std::string record;
    };
    std::vector<std::string> badHex = titletest::ByteTexts(Title().End().data);
    badHex[60] = "x0";
    const Case cases[] = {
        {"no data", {}, "3 Text Generator / Title Tool / Invalid Title Info - Clip replaced with Slug"},
        {"graphics only", titletest::ByteTexts(Title().Page(Body()).End().data),
         "1 Not Supported / Title Tool (Non-Text) / Clip replaced with Slug"},
        {"ends at a bad byte text before any box", badHex,
         "1 Not Supported / Title Tool (Non-Text) / Clip replaced with Slug"},
        {"damaged", titletest::ByteTexts(Title().TextBox(Body()).U16(0x0001).data),
         "3 Text Generator / Title Tool / Error: Unexpected Title Text"},
        {"no OS tag", std::vector<std::string>(100, "00"),
         "3 Text Generator / Title Tool / Error: Cannot determine the OS type for Title"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        auto parameters = c.texts.empty() ? std::map<std::string, ParameterRecord>() : TitleParameters(c.texts);
        ASSERT_TRUE(Translate(&parameters));
        ASSERT_EQ(TopKind(), ItemKindClipItem);
        const auto& clip = static_cast<const FCPClipItemTag&>(Top());
        EXPECT_EQ(Records(clip), std::vector<std::string>{c.record});
        ASSERT_EQ(clip.files.size(), 1u);
        EXPECT_EQ(clip.files[0].mediaSource, "Slug");
        EXPECT_EQ(std::vector<int>({clip.in, clip.out, clip.start, clip.end}), std::vector<int>({0, 60, 0, 60}));
    }
}

TEST_F(TitleTranslation, ATitleOnAnotherItemIsRecognisedAndLeftAlone)
{
    auto parameters = TitleParameters(Title().TextBox(Body()).End());
    PushSequence();
    PushGeneratorItem(FCPGeneratorItemTag::FromClipItem(Clip("Shot", 0, 50)));
    EffectTranslator head(Context(50, 2, 19), kTitle2, &parameters);
    EXPECT_TRUE(head.Dispatch());
    EXPECT_EQ(TopKind(), ItemKindGeneratorItem);
    EXPECT_TRUE(Top().log.translations.empty());
}

}  // namespace
}  // namespace effecttest
