#include "fcpxml/MarkerInfo.h"

#include <cmath>

#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/XmlWriter.h"

namespace {

// Truncates toward zero. The components come from the AAF file: a value that is not finite or
// does not fit an int becomes -1, which matches no colour, instead of an undefined conversion.
int TruncatedComponent(double value)
{
    if (!std::isfinite(value) || value <= -2147483649.0 || value >= 2147483648.0)
        return -1;
    return static_cast<int>(value);
}

void WriteTextOrEmpty(const char* name, const std::string& text)
{
    if (text.empty())
        WriteXmlEmptyElement(name);
    else
        WriteXmlTextElement(name, text);
}

}  // namespace

MarkerInfo::MarkerInfo(int frame, std::string markerName, std::string markerComment)
    : in(frame), out(-1), name(std::move(markerName)), comment(std::move(markerComment))
{
}

void SetMarkerColor(MarkerInfo& marker, const std::string& fcpColorName)
{
    auto row = LabelColorTable.find(fcpColorName);
    if (row == LabelColorTable.end())
        return;
    marker.colors.push_back(ColorInfo{0, row->second.red, row->second.green, row->second.blue});
}

void SetMarkerColorFromRgb(double red, double green, double blue, MarkerInfo& marker)
{
    const ColorInfo rgb{0, TruncatedComponent(red), TruncatedComponent(green),
                        TruncatedComponent(blue)};
    std::string fcpName = "Green";
    auto mapped = AvidToFcpColorNames.find(AvidColorNameFromRgb(rgb));
    if (mapped != AvidToFcpColorNames.end())
        fcpName = mapped->second;
    SetMarkerColor(marker, fcpName);
}

void WriteMarker(const MarkerInfo& marker)
{
    WriteXmlContainer("marker", [&] {
        WriteTextOrEmpty("name", marker.name);
        WriteTextOrEmpty("comment", marker.comment);
        for (const ColorInfo& color : marker.colors)
            WriteXmlContainer("color", [&] { WriteColor(color); });
        WriteXmlIntElement("in", marker.in);
        WriteXmlIntElement("out", marker.out);
    });
}
