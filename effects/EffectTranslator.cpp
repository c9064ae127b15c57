#include "effects/EffectTranslator.h"

#include "aaf/import/TimelineBuilder.h"
#include "effects/FCPEffectCatalogue.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/ItemKind.h"
#include "fcpxml/ItemSlot.h"

EffectTranslator::EffectTranslator(const ComponentContext& effectContext, const Auid& operation,
                                   std::map<std::string, ParameterRecord>* effectParameters)
    : parameters(effectParameters), operationId(operation), context(effectContext)
{
    effect.mediatype = context.dataKind;
}

void EffectTranslator::SetName(const std::string& displayName) { name = displayName; }

void EffectTranslator::SetFCPEffect(const std::string& fcpEffectId) { CopyCatalogueEffect(fcpEffectId, effect); }

FCPClipItemTag* CurrentClipItem()
{
    auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty() || GetItemKind(items.front()) != ItemKindClipItem)
        return nullptr;
    return static_cast<FCPClipItemTag*>(items.front().get());
}

bool AttachFilterToCurrentItem(const EffectTranslator& translator)
{
    auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty() || GetItemKind(items.front()) == ItemKindTransitionItem)
        return false;
    return AddFilterToItem(translator.effect, items.front());
}

bool AttachFilterToClipItem(const EffectTranslator& translator)
{
    auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty() || GetItemKind(items.front()) != ItemKindClipItem)
        return false;
    return AddFilterToItem(translator.effect, items.front());
}
