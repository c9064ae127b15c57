#include "effects/EffectTranslationEntryPoints.h"

#include "effects/EffectT.h"
#include "effects/ParameterR.h"
#include "effects/ResolveClipParameter.h"
#include "effects/TransitionR.h"

namespace {

std::int32_t ImportOperationGroup(IUnknown* segment, const ComponentContext& context)
{
    EffectT effect(segment, context);
    return effect.Import();
}

std::int32_t ImportTransition(IUnknown* segment, const ComponentContext& context)
{
    TransitionR transition(segment, context);
    return transition.Import();
}

ReferencedParameterR referencedParameterReader;

}  // namespace

EffectEntryPoints EffectTranslationEntryPoints()
{
    EffectEntryPoints entries;
    entries.importOperationGroup = ImportOperationGroup;
    entries.importTransition = ImportTransition;
    entries.resolveClipParameter = ResolveClipParameter;
    entries.referencedParameterReader = &referencedParameterReader;
    return entries;
}
