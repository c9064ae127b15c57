#include "aaf/import/SelectorT.h"

SelectorT::SelectorT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&selector, IID_IAAFSelector, "IID_IAAFSelector", segment);
}

SelectorT::~SelectorT()
{
    ReleaseInterface(selector);
}
