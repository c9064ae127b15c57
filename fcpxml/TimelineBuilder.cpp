#include "fcpxml/TimelineBuilder.h"

#include "fcpxml/FCPSequenceTag.h"

TimelineBuilder GlobalTimelineBuilder;
