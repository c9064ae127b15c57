#pragma once

#include <string>
#include <vector>

#include "fcpxml/ColorInfo.h"

// The "marker" element.
struct MarkerInfo {
    MarkerInfo() = default;
    MarkerInfo(int frame, std::string markerName, std::string markerComment);

    int in = 0;
    int out = -1;
    std::string name;
    std::string comment;
    std::vector<ColorInfo> colors;
};

// Appends the label colour of that name with alpha 0; a name the label table lacks changes nothing.
void SetMarkerColor(MarkerInfo& marker, const std::string& fcpColorName);

// The colour of an AAF comment marker: the Avid colour whose components match the truncated ones,
// as its FCP label colour; "Green" when none matches.
void SetMarkerColorFromRgb(double red, double green, double blue, MarkerInfo& marker);

void WriteMarker(const MarkerInfo& marker);
