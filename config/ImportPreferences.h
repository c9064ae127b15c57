#pragma once

#include <string>

#include "config/MediaPreset.h"

// How the host wants the import done, read from the preferences file.
struct ImportPreferences {
    MediaPreset mediaPreset;
    bool usePresetFromAAF = true;
    std::string preset = "None";
    bool useSourceExt = true;
    bool useMXFSource = false;
    bool useAnySource = true;
    bool ignoreAudio = false;
    bool ignoreVideo = false;
    bool logMissingFeatures = true;
    bool markMissingEffects = false;
    float markMissingEffectsColorRed = 0.0f;
    float markMissingEffectsColorGreen = 0.0f;
    float markMissingEffectsColorBlue = 0.0f;
    bool replaceWithDissolve = false;
    std::string projName;
    int projectFormatCode = 0;  // set by the project format query, not read from the file
    bool dropFrame = false;     // not read from the file
    std::string startTimecode = "01:00:00:00";  // not read from the file
    bool saveMediaPaths = false;
    bool addMediaToBin = true;

    std::string GetWidth() const { return mediaPreset.width; }
    std::string GetHeight() const { return mediaPreset.height; }
    std::string GetFrameRate() const { return mediaPreset.frameRate; }
    std::string GetPixelAspectRatio() const { return mediaPreset.pixelAspectRatio; }
    std::string GetFieldDominance() const { return mediaPreset.fieldDominance; }
    std::string GetCompressor() const { return mediaPreset.compressor; }
    std::string GetSampleRate() const { return mediaPreset.sampleRate; }
    std::string GetDepth() const { return mediaPreset.depth; }
    std::string GetStartTimecode() const { return startTimecode; }
};

// Process-wide, defaults from start-up; changed only by ReadImportPreferences and
// SetProjectFormatCode, never reset.
extern ImportPreferences ImportPrefs;

// Reads every preference key from the file at PrefFilePath; a key the file does not hold keeps its
// value. A missing or empty file, or an empty path, leaves everything as it is.
void ReadImportPreferences();

// One key each, at the top level of the INI file at filePath; the field changes only when the file
// holds the key.
void ReadStringPreference(const char* key, std::string& field, const std::string& filePath);
void ReadBoolPreference(const char* key, bool& field, const std::string& filePath);
void ReadFloatPreference(const char* key, float& field, const std::string& filePath);
