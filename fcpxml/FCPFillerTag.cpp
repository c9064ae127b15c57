#include "fcpxml/FCPFillerTag.h"

FCPFillerTag::FCPFillerTag(int fillerDuration) 
{
    kind = ItemKindFiller;
    duration = end = out = fillerDuration;
    start = in = 0;
}
