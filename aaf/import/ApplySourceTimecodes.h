#pragma once

#include "records/MobSourceInfo.h"

// The start timecode of a source: that of its physical source, else of its tape source, else the
// file mob's own (with the other timecodes alike), moved on by where the file mob's slot starts in
// that source, in frames of the timecode's rate.
void ApplySourceTimecodes(MobSourceInfo& out);
