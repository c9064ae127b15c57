#pragma once

#include <map>
#include <string>

#include "config/Timecode.h"

// The frame and audio format of the output, in numbers and FCP terms.
struct MediaSettings {
    int width = 720;
    int height = 480;
    Timecode timecode;
    bool anamorphic = false;
    std::string pixelAspectRatio = "NTSC-601";
    std::string fieldDominance = "lower";
    std::string codec = "Animation";
    int sampleRate = 48000;
    int depth = 16;
    int downmix = 0;
};

// Process-wide, defaults from start-up; written only by ApplyImportPreferences.
extern MediaSettings OutputMediaSettings;

// Preference texts to FCP terms (pixel aspect ratio and field dominance).
extern std::map<std::string, std::string> FcpFormatNameMap;

void FillFcpFormatNameMap();

// The FCP term of a preference text, or the text itself when there is none.
std::string FcpFormatName(const std::string& text);

// Fills OutputMediaSettings from ImportPrefs.
void ApplyImportPreferences();

MediaSettings CopyOutputMediaSettings();
