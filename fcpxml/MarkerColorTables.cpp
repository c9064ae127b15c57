#include "fcpxml/MarkerColorTables.h"

#include <string_view>

std::map<std::string, ColorInfo> LabelColorTable;
std::map<std::string, ColorInfo> AvidMarkerColorTable;
std::map<std::string, std::string> AvidToFcpColorNames;

namespace {

struct ColorRow {
    std::string_view name;
    int red;
    int green;
    int blue;
};

constexpr ColorRow kLabelColors[] = {
    {"Red", 255, 0, 0},        {"Orange", 255, 127, 0},    {"Yellow", 255, 255, 0},
    {"Green", 48, 191, 72},    {"Light Blue", 48, 191, 191}, {"Blue", 0, 128, 255},
    {"Purple", 127, 0, 255},   {"Pink", 255, 0, 127},      {"White", 255, 255, 255},
    {"Black", 0, 0, 0},
};

constexpr ColorRow kAvidMarkerColors[] = {
    {"White", 254, 255, 255}, {"Red", 255, 102, 164},  {"Yellow", 101, 101, 153},
    {"Green", 51, 204, 51},   {"Cyan", 51, 204, 204},  {"Blue", 51, 51, 204},
    {"Magenta", 204, 51, 204}, {"Black", 0, 0, 0},
};

struct NameRow {
    std::string_view avid;
    std::string_view fcp;
};

constexpr NameRow kAvidToFcp[] = {
    {"White", "Orange"}, {"Red", "Red"},   {"Yellow", "Yellow"},   {"Green", "Green"},
    {"Cyan", "Light Blue"}, {"Blue", "Blue"}, {"Magenta", "Pink"}, {"Black", "Orange"},
};

template <typename Rows>
void Fill(std::map<std::string, ColorInfo>& table, const Rows& rows)
{
    for (const ColorRow& row : rows)
        table[std::string(row.name)] = ColorInfo{255, row.red, row.green, row.blue};
}

}  // namespace

void BuildMarkerColorTables()
{
    Fill(LabelColorTable, kLabelColors);
    Fill(AvidMarkerColorTable, kAvidMarkerColors);
    for (const NameRow& row : kAvidToFcp)
        AvidToFcpColorNames[std::string(row.avid)] = std::string(row.fcp);
}

std::string AvidColorNameFromRgb(const ColorInfo& color)
{
    for (const auto& [name, row] : AvidMarkerColorTable) {
        if (row.red == color.red && row.green == color.green && row.blue == color.blue)
            return name;
    }
    return {};
}
