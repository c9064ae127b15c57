#include "effects/TitleTranslator.h"

#include "aaf/Auid.h"
#include "aaf/import/NestedSequences.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/RegistryAuid.h"
#include "config/MediaSettings.h"
#include "effects/TitleParser.h"
#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/ItemKind.h"
#include "fcpxml/ItemSlot.h"
#include "records/FloatToInt.h"

namespace {

// The parameter that holds a title's bytes.
constexpr Auid kTitleDataParameter = RegistryAuid("{1FDD2907-E48C-11D3-A078-006094EB75CB}");

const char* const kFcpName = "Text Generator";
const char* const kAvidName = "Title Tool";

void ReplaceCurrentMediaWithSlug()
{
    if (FCPClipItemTag* clip = CurrentClipItem())
        ReplaceMediaWithSlug(*clip);
}

ParameterInfo TextParameter(const char* name, const char* id, const std::string& value, const char* min = "",
                            const char* max = "")
{
    ParameterInfo parameter(name, id, min, max);
    if (!value.empty())
        parameter.AddValue(value);
    return parameter;
}

}  // namespace

TitleTranslator::TitleTranslator(const ComponentContext& effectContext, const Auid& operation,
                                 std::map<std::string, ParameterRecord>* effectParameters, FCPClipItemTag* item)
    : EffectTranslator(effectContext, operation, effectParameters), clipItem(item)
{
}

void TitleTranslator::ReadTitleData()
{
    if (parameters == nullptr)
        return;
    const auto found = parameters->find(AuidToText(kTitleDataParameter));
    if (found == parameters->end() || found->second.constantValues.empty())
        return;
    const auto* bytes = dynamic_cast<const ArrayValue*>(found->second.constantValues.front());
    if (bytes != nullptr && bytes->HasData())
        titleData.Assign(*bytes);
}

void TitleTranslator::Translate()
{
    ReadTitleData();
    if (!titleData.HasData()) {
        ReplaceCurrentMediaWithSlug();
        AddTranslationToCurrentItem(kTranslationError, kFcpName, kAvidName,
                                    "Invalid Title Info - Clip replaced with Slug");
        return;
    }

    TitleParser parser(titleData.hexBytes, items);
    if (parser.Parse() == TitleParseOutcome::Failed) {
        // One unreadable title costs its own picture only: the clip keeps its place over a slug.
        ReplaceCurrentMediaWithSlug();
        AddTranslationToCurrentItem(kTranslationError, kFcpName, kAvidName, "Error: " + parser.errorText);
        return;
    }
    // A byte text that is no byte ends the title there: the boxes read before it are kept.
    items = parser.items;

    if (items.empty()) {
        ReplaceCurrentMediaWithSlug();
        AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", "Title Tool (Non-Text)",
                                    "Clip replaced with Slug");
    } else if (items.size() == 1) {
        ReplaceWithGenerator();
    } else {
        NestGenerators();
    }
}

void TitleTranslator::ReplaceWithGenerator()
{
    const FCPGeneratorItemTag generator = BuildTextGenerator(items.front(), *clipItem);
    if (CurrentClipItem() == nullptr)
        return;
    GlobalTimelineBuilder.ItemStack.pop_front();
    clipItem = nullptr;
    PushGeneratorItem(generator);
}

void TitleTranslator::NestGenerators()
{
    auto& sequences = GlobalTimelineBuilder.SequenceStack;
    FCPSequenceTag sequence = MakeSequenceTag(OutputMediaSettings, clipItem->id + " Seq", clipItem->out - clipItem->in);
    sequence.timecode.text = sequence.timecode.displayformat == "DF" ? "00;00;00;00" : "00:00:00:00";
    sequence.timecode.frame = 0;
    sequences.push_front(sequence);

    for (const TitleTextItem& item : items) {
        if (sequences.empty() || sequences.front().video.empty())
            break;
        TrackInfo track;
        track.mediaType = 2;
        track.index = 1;
        track.items.emplace_back();
        NewGeneratorItemCopy(track.items.back(), BuildTextGenerator(item, *clipItem));
        sequences.front().video.front().tracks.push_back(track);
    }
    if (sequences.size() >= 2)
        CloseNestedSequence();
}

FCPGeneratorItemTag BuildTextGenerator(const TitleTextItem& item, const FCPClipItemTag& clipItem)
{
    FCPGeneratorItemTag generator = ToGeneratorItem(clipItem);
    generator.AssignTitleId();
    generator.name = item.plainText;
    generator.start = 0;
    generator.in = 0;
    generator.end = generator.out = clipItem.out - clipItem.in;
    generator.SetAlphaType("straight");

    EffectInfo effect = item.effect;
    ParameterInfo text("Text", "str");
    if (!item.text.empty())
        text.AddRawValue(item.text);
    BasicMotionBase::AddParameterIfSet(text, effect);

    ParameterInfo style = TextParameter("Style", "fontstyle", std::to_string(item.style), "1", "4");
    style.valuelists.push_back({{"Plain", 1}, {"Bold", 2}, {"Italic", 3}, {"Bold/Italic", 4}});
    BasicMotionBase::AddParameterIfSet(style, effect);

    ParameterInfo alignment = TextParameter("Alignment", "fontalign", std::to_string(item.alignment), "1", "3");
    alignment.valuelists.push_back({{"Left", 1}, {"Center", 2}, {"Right", 3}});
    BasicMotionBase::AddParameterIfSet(alignment, effect);

    ParameterInfo color("Font Color", "fontcolor");
    color.values.emplace_back();
    color.values.back().colors.push_back(
        ColorInfo{255, FloatToInt(item.red), FloatToInt(item.green), FloatToInt(item.blue)});
    BasicMotionBase::AddParameterIfSet(color, effect);

    ParameterInfo origin("Origin", "origin");
    origin.values.emplace_back();
    origin.values.back().points.push_back(PointInfo{item.originX, item.originY});
    BasicMotionBase::AddParameterIfSet(origin, effect);

    BasicMotionBase::AddParameterIfSet(TextParameter("Tracking", "fonttrack", "1", "-200", "200"), effect);
    BasicMotionBase::AddParameterIfSet(
        TextParameter("Leading", "leading", std::to_string(item.leading), "-100", "100"), effect);
    BasicMotionBase::AddParameterIfSet(TextParameter("Aspect", "aspect", "1", "0.1", "5"), effect);
    BasicMotionBase::AddParameterIfSet(TextParameter("Auto Kerning", "autokern", "TRUE"), effect);
    BasicMotionBase::AddParameterIfSet(TextParameter("Use Subpixel", "subpixel", "TRUE"), effect);
    BasicMotionBase::AddParameterIfSet(TextParameter("Font Size", "fontsize", std::to_string(item.fontSize)), effect);
    BasicMotionBase::AddParameterIfSet(TextParameter("Font Name", "fontname", item.fontName), effect);

    if (!effect.parameters.empty()) {
        generator.effects.push_back(effect);
        generator.AddTranslation(kFcpName, kAvidName, "Applied", kTranslationApplied);
    }
    return generator;
}

void TranslateTitle(EffectTranslator& translator)
{
    FCPClipItemTag* clip = CurrentClipItem();
    if (clip == nullptr)
        return;
    TitleTranslator title(translator.context, translator.operationId, translator.parameters, clip);
    title.Translate();
}
