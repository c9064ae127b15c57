#pragma once

// The AAF interfaces that this layer's wrappers take and hand out. The layers above name the
// interfaces through this header and never reach into aafsdk/ themselves.
#include "aafsdk/include/AAF.h"
