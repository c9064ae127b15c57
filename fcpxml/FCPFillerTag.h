#pragma once

#include "fcpxml/ItemTagBase.h"
#include "fcpxml/TrimTagBase.h"

// A gap on a track: it keeps the track's timing and writes nothing.
class FCPFillerTag : public ItemTagBase, public TrimTagBase {
public:
    explicit FCPFillerTag(int fillerDuration);
    FCPFillerTag(const FCPFillerTag&) = default;
    FCPFillerTag& operator=(const FCPFillerTag&) = default;
    FCPFillerTag(FCPFillerTag&&) = default;
    FCPFillerTag& operator=(FCPFillerTag&&) = default;
};
