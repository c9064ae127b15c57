#include "config/MediaSettings.h"

#include <cstdlib>
#include <limits>

#include "config/ImportPreferences.h"

MediaSettings OutputMediaSettings;
std::map<std::string, std::string> FcpFormatNameMap;

namespace {

struct FormatNameRow {
    const char* preference;
    const char* fcp;
};

constexpr FormatNameRow kFcpFormatNames[] = {
    {"Square", "Square"},
    {"NTSC - CCIR 601 / DV (720x480)", "NTSC-601"},
    {"PAL - CCIR 601 (720x576)", "PAL-601"},
    {"HD (960x720)", "HD-(960x720)"},
    {"HD (1280x1080)", "HD-(1280x1080)"},
    {"HD (1440x1080)", "HD-(1440x1080)"},
    {"None", "none"},
    {"Upper (Odd)", "upper"},
    {"Lower (Even)", "lower"},
};

struct NumberRow {
    const char* text;
    int value;
};

// Exact host words; "32 kHz" and "41.1 kHz" give what existing host setups have always received.
constexpr NumberRow kSampleRates[] = {
    {"32 kHz", 48000}, {"41.1 kHz", 41100}, {"48 kHz", 48000}, {"88.2", 88200}, {"96", 96000},
};

constexpr NumberRow kDepths[] = {{"8-bit", 8}, {"16-bit", 16}, {"24-bit", 24}};

template <std::size_t N>
void SetFromTable(const NumberRow (&table)[N], const std::string& text, int& value)
{
    for (const NumberRow& row : table) {
        if (text == row.text) {
            value = row.value;
            return;
        }
    }
}

// Leading blanks, a sign and decimal digits, as atoi reads them, but a count beyond int is clamped
// instead of being undefined.
int LeadingInt(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

void FillFcpFormatNameMap()
{
    for (const FormatNameRow& row : kFcpFormatNames)
        FcpFormatNameMap[row.preference] = row.fcp;
}

std::string FcpFormatName(const std::string& text)
{
    const auto it = FcpFormatNameMap.find(text);
    return it == FcpFormatNameMap.end() ? text : it->second;
}

void ApplyImportPreferences()
{
    FillFcpFormatNameMap();
    MediaSettings& out = OutputMediaSettings;
    out.width = LeadingInt(ImportPrefs.GetWidth());
    out.height = LeadingInt(ImportPrefs.GetHeight());

    SetTimecodeRateFromText(out.timecode, ImportPrefs.GetFrameRate());
    out.timecode.dropFrame = ImportPrefs.dropFrame ? 1 : 0;
    out.timecode.startFrame = TimecodeTextToFrames(ImportPrefs.GetStartTimecode(), out.timecode);

    out.pixelAspectRatio = FcpFormatName(ImportPrefs.GetPixelAspectRatio());
    out.fieldDominance = FcpFormatName(ImportPrefs.GetFieldDominance());
    out.anamorphic = ImportPrefs.mediaPreset.anamorphic;
    out.codec = ImportPrefs.GetCompressor();
    SetFromTable(kSampleRates, ImportPrefs.GetSampleRate(), out.sampleRate);
    SetFromTable(kDepths, ImportPrefs.GetDepth(), out.depth);
}

MediaSettings CopyOutputMediaSettings()
{
    return OutputMediaSettings;
}
