#pragma once

#include <map>
#include <string>

#include "fcpxml/ParameterInfo.h"
#include "records/ParameterRecord.h"

// One keyframe of a colour while its channels are merged.
struct ChannelKeyframe {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 255;
};

// Makes one FCP colour parameter from the effect's red, green and blue parameters, each constant or
// varying on its own: one colour, or one keyframe for every keyframe of every varying channel, the
// other channels at that frame taken from their own keyframes (exact, on the line between two, or
// held) or constants. The records are not owned and must outlive the conversion.
class ColorParameterConversion {
public:
    ColorParameterConversion(const ParameterRecord* redRecord, const ParameterRecord* greenRecord,
                             const ParameterRecord* blueRecord);

    // Names the parameter, then converts when some channel has data. The caller adds parameter to
    // its effect only when it holds a value or a keyframe.
    void Build(const std::string& name, const std::string& parameterId);

    const ParameterRecord* red;
    const ParameterRecord* green;
    const ParameterRecord* blue;
    ParameterInfo parameter;
    float constRed = 0;
    float constGreen = 0;
    float constBlue = 0;
    std::map<int, ChannelKeyframe> redKeys;
    std::map<int, ChannelKeyframe> greenKeys;
    std::map<int, ChannelKeyframe> blueKeys;
    std::map<int, ChannelKeyframe> mergedKeys;
    // 1 all constant; 2, 3, 4 only red, green or blue varying; 5 red and green, 6 red and blue,
    // 7 green and blue; 8 all varying. 0 until converted.
    int mode = 0;
};
