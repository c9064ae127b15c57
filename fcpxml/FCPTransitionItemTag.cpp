#include "fcpxml/FCPTransitionItemTag.h"

#include "fcpxml/XmlWriter.h"

int TransitionAlignmentFromCutPoint(int duration, int cutPoint)
{
    if (cutPoint == 0)
        return kAlignStart;
    if (cutPoint == duration)
        return kAlignEnd;
    return kAlignCentre;
}

FCPTransitionItemTag::FCPTransitionItemTag(int transitionDuration, int cutPoint)
    : alignment(TransitionAlignmentFromCutPoint(transitionDuration, cutPoint))
{
    kind = ItemKindTransitionItem;
    duration = out = transitionDuration;
    in = 0;
    start = end = -1;
}

void FCPTransitionItemTag::WriteTransitionItem() const
{
    WriteXmlContainerOpen("transitionitem");
    WriteRate(rate);
    WriteStartEnd();
    for (const EffectInfo& effect : effects)
        WriteEffect(effect);
    WriteXmlContainerClose("transitionitem");
}
