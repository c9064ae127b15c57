#pragma once

#include <string>
#include <vector>

#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/EffectInfo.h"
#include "fcpxml/FilterInfo.h"
#include "fcpxml/IDTagBase.h"
#include "fcpxml/ItemTagBase.h"
#include "fcpxml/MarkTagBase.h"
#include "fcpxml/MasterIDTagBase.h"
#include "fcpxml/SourceTrackInfo.h"
#include "fcpxml/TrimTagBase.h"
#include "fcpxml/WellLayerBase.h"

class FCPClipItemTag;

// <generatoritem>: a generated source on a track (the title translation's text generators).
class FCPGeneratorItemTag : public ItemTagBase,
                            public IDTagBase,
                            public TrimTagBase,
                            public MasterIDTagBase,
                            public MarkTagBase,
                            public BasicMotionBase,
                            public WellLayerBase {
public:
    FCPGeneratorItemTag(const FCPGeneratorItemTag&) = default;
    FCPGeneratorItemTag& operator=(const FCPGeneratorItemTag&) = default;
    FCPGeneratorItemTag(FCPGeneratorItemTag&&) = default;
    FCPGeneratorItemTag& operator=(FCPGeneratorItemTag&&) = default;
    ~FCPGeneratorItemTag() override = default;

    // A new generator item in the place of a clip item: its timing starts at 0 and runs for the clip
    // item's in..out length within a 3600-frame source; marks, filters and source track carried over.
    static FCPGeneratorItemTag FromClipItem(const FCPClipItemTag& clipItem);

    bool AddFilter(const EffectInfo& effect);  // always kept: true
    void AssignTitleId();
    void SetAlphaType(const std::string& text) { alphatype = text; }
    std::string GetAlphaType() const { return alphatype; }

    void WriteGeneratorItem() const;

    std::string alphatype;
    bool anamorphic = false;
    std::vector<EffectInfo> effects;
    std::vector<FilterInfo> filters;
    SourceTrackInfo sourcetrack{2, -1};

private:
    FCPGeneratorItemTag(const std::string& itemName, const RateInfo& itemRate);
};

// What the clip item's conversion returns.
FCPGeneratorItemTag ToGeneratorItem(const FCPClipItemTag& clipItem);
