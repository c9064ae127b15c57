#include "aaf/import/FillerT.h"

FillerT::FillerT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&filler, IID_IAAFFiller, "IID_IAAFFiller", segment);
}

FillerT::~FillerT()
{
    ReleaseInterface(filler);
}
