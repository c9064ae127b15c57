#include "aaf/AafState.h"

#include "aaf/CheckHResult.h"

void ResetAafState()
{
    LastErrorText.clear();
}
