#pragma once

#include <map>
#include <string>

#include "fcpxml/KeyframeInfo.h"
#include "fcpxml/ParameterInfo.h"
#include "records/ParameterRecord.h"

// Makes one FCP point parameter from the effect's x and y parameters, each constant or varying on its
// own and each converted by its own rule: one point, or one keyframe for every keyframe of a varying
// coordinate, the other coordinate at that frame its constant or taken from its own keyframes
// (exact, on the line between two, or held). The records are not owned and must outlive the
// conversion.
class PointParameterConversion {
public:
    PointParameterConversion(const ParameterRecord* xRecord, const ParameterRecord* yRecord);

    // Names the parameter, then converts when a coordinate has data. The caller adds parameter to its
    // effect only when it holds a value or a keyframe.
    void Build(const std::string& name, const std::string& parameterId);

    const ParameterRecord* x;
    const ParameterRecord* y;
    ParameterInfo parameter;
    float constX = 0;
    float constY = 0;
    std::map<int, KeyframeInfo> xKeys;
    std::map<int, KeyframeInfo> yKeys;
    // 1 both constant, 2 only y varying, 3 only x varying, 4 both varying; 0 until converted.
    int mode = 0;
};
