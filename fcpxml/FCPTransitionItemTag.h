#pragma once

#include <string>
#include <vector>

#include "fcpxml/EffectInfo.h"
#include "fcpxml/ItemTagBase.h"
#include "fcpxml/TrimTagBase.h"
#include "fcpxml/WellLayerBase.h"

// Where a transition's cut point lies: at its start, somewhere inside, or at its end.
enum TransitionAlignment : int {
    kAlignStart = 1,
    kAlignCentre = 2,
    kAlignEnd = 3,
};

// The alignment code of a cut point within a transition of the given duration.
int TransitionAlignmentFromCutPoint(int duration, int cutPoint);

// <transitionitem>: a transition between two neighbouring items of a track.
class FCPTransitionItemTag : public ItemTagBase, public WellLayerBase, public TrimTagBase {
public:
    FCPTransitionItemTag(int transitionDuration, int cutPoint);
    FCPTransitionItemTag(const FCPTransitionItemTag&) = default;
    FCPTransitionItemTag& operator=(const FCPTransitionItemTag&) = default;
    FCPTransitionItemTag(FCPTransitionItemTag&&) = default;
    FCPTransitionItemTag& operator=(FCPTransitionItemTag&&) = default;
    ~FCPTransitionItemTag() override = default;

    void WriteTransitionItem() const;

    std::vector<EffectInfo> effects;
    std::string effectName;  // the source effect's name, for the item's log records; not written
    int alignment = kAlignStart;
};
