#pragma once

// The element types the document's lists hold.

#include "fcpxml/BinInfo.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPSequenceTag.h"
