#include "effects/motion/FreezeFrameTranslator.h"

#include <algorithm>

#include "aaf/import/NestedSequences.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/TranslationLog.h"
#include "fcpxml/FCPClipItemTag.h"

FreezeFrameTranslator::FreezeFrameTranslator(const ComponentContext& effectContext, const Auid& operation,
                                             std::map<std::string, ParameterRecord>* effectParameters,
                                             FCPClipItemTag* item)
    : EffectTranslator(effectContext, operation, effectParameters), clipItem(item), sourceIn(item->in)
{
    if (!clipItem->subclipinfos.empty())
        sourceIn += clipItem->subclipinfos.front().startoffset;
}

void FreezeFrameTranslator::TranslateFreezeFrame()
{
    FCPClipItemTag& item = *clipItem;
    const int componentLength = context.length;
    // The still and its sequence last at least as long as the freeze, so the item never plays past
    // the end of what it holds.
    const int length = std::max(kFreezeFrameLength, componentLength);
    item.duration = kFreezeFrameLength;
    item.in = 0;
    item.out = length;
    item.subclipmasterid.clear();
    item.masterclipid.clear();
    item.subclipinfos.clear();
    item.syncoffset = -1;
    FCPClipItemTag still = CopyClipItemForNesting(item, length);
    still.stillframe = true;
    still.stillframeoffset = sourceIn;
    const FCPSequenceTag sequence = BuildNestedSequence(still, length);
    MakeNestedSequenceItem(sequence, item, componentLength, kFreezeFrameLength);
    if (componentLength > kFreezeFrameLength) {
        item.duration = componentLength;
        item.out = componentLength;
        item.in = 0;
    }
    item.freezeFrame = true;
    AddTranslationToCurrentItem(kTranslationApplied, "Freeze Frame", "Video Repeat (Freeze Frame)", "Applied");
}
