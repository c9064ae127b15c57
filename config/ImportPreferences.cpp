#include "config/ImportPreferences.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include "config/IniFile.h"
#include "config/NamedParameters.h"

ImportPreferences ImportPrefs;

namespace {

// Each read opens the file afresh, so one read sees the file as it stands.
std::unique_ptr<QSettings> OpenIfPresent(const char* key, const std::string& filePath)
{
    if (filePath.empty())
        return nullptr;
    auto settings = OpenIniFile(filePath);
    if (!settings->contains(QString::fromUtf8(key)))
        return nullptr;
    return settings;
}

}  // namespace

void ReadStringPreference(const char* key, std::string& field, const std::string& filePath)
{
    if (auto settings = OpenIfPresent(key, filePath))
        field = IniText(*settings, QString::fromUtf8(key));
}

void ReadBoolPreference(const char* key, bool& field, const std::string& filePath)
{
    // Empty, "0" and "false" in any case are false; any other text is true.
    if (auto settings = OpenIfPresent(key, filePath))
        field = settings->value(QString::fromUtf8(key)).toBool();
}

void ReadFloatPreference(const char* key, float& field, const std::string& filePath)
{
    if (auto settings = OpenIfPresent(key, filePath))
        field = settings->value(QString::fromUtf8(key)).toFloat();
}

void ReadImportPreferences()
{
    const std::string path = PrefFilePath;
    ImportPreferences& p = ImportPrefs;
    MediaPreset& m = p.mediaPreset;
    ReadStringPreference("Import_Preset", p.preset, path);
    ReadStringPreference("Import_Width", m.width, path);
    ReadStringPreference("Import_Height", m.height, path);
    ReadStringPreference("Import_FrameRate", m.frameRate, path);
    ReadStringPreference("Import_PixelAspectRatio", m.pixelAspectRatio, path);
    ReadStringPreference("Import_FieldDominance", m.fieldDominance, path);
    ReadStringPreference("Import_Compressor", m.compressor, path);
    ReadStringPreference("Import_ProjName", p.projName, path);
    ReadStringPreference("Import_SampleRate", m.sampleRate, path);
    ReadStringPreference("Import_Depth", m.depth, path);
    ReadFloatPreference("Import_MarkMissingEffectsColor_Red", p.markMissingEffectsColorRed, path);
    ReadFloatPreference("Import_MarkMissingEffectsColor_Green", p.markMissingEffectsColorGreen, path);
    ReadFloatPreference("Import_MarkMissingEffectsColor_Blue", p.markMissingEffectsColorBlue, path);
    ReadBoolPreference("Import_UseSourceExt", p.useSourceExt, path);
    ReadBoolPreference("Import_UseMXFSource", p.useMXFSource, path);
    ReadBoolPreference("Import_UseAnySource", p.useAnySource, path);
    ReadBoolPreference("Import_UsePresetFromAAF", p.usePresetFromAAF, path);
    ReadBoolPreference("Import_Anamorphic", m.anamorphic, path);
    ReadBoolPreference("Import_LogMissingFeatures", p.logMissingFeatures, path);
    ReadBoolPreference("Import_MarkMissingEffects", p.markMissingEffects, path);
    ReadBoolPreference("Import_ReplaceWithDissolve", p.replaceWithDissolve, path);
    ReadBoolPreference("Import_AddMediaToBin", p.addMediaToBin, path);
    ReadBoolPreference("Import_SaveMediaPaths", p.saveMediaPaths, path);
    ReadBoolPreference("Import_IgnoreAudio", p.ignoreAudio, path);
    ReadBoolPreference("Import_IgnoreVideo", p.ignoreVideo, path);
}
