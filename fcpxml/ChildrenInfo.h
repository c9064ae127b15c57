#pragma once

#include <vector>

#include "fcpxml/BinInfo.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPSequenceTag.h"

// <children>: the bins, master clips and sequences inside a bin or project.
struct ChildrenInfo {
    std::vector<BinInfo> bins;
    std::vector<FCPClipTag> clips;
    std::vector<FCPSequenceTag> sequences;

    // Bins, then sequences, then clips, each group in list order.
    void WriteChildren();
};
