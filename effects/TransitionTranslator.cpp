#include "effects/TransitionTranslator.h"

#include "fcpxml/FCPTransitionItemTag.h"

std::string GetTransitionSourceName(const FCPTransitionItemTag& item) { return item.effectName; }

void SetTransitionSourceName(FCPTransitionItemTag& item, const std::string& effectName)
{
    item.effectName = effectName;
}
