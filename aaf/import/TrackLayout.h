#pragma once

#include "fcpxml/TrackInfo.h"

// Gives every item of the track its place on the timeline: starts and ends, transitions over the
// cut they belong to (recorded on their neighbours), markers, the missing-effects marker, nested
// sequences re-timed, and last the layer parameters that name clips of earlier tracks. A track is
// laid out once; later calls change nothing.
void LayOutTrack(TrackInfo& track);
