#pragma once

#include <map>
#include <string>

#include "fcpxml/EffectInfo.h"

// FCP effect id -> the ready FCP effect. The converters ask for their FCP effects by id instead of
// spelling them out. Filled when a conversion job is built; emptied with the translation tables.
extern std::map<std::string, EffectInfo> FCPEffectCatalogue;

// Store a video effect (media type 2) or an audio effect (media type 1, no wipe code) under its
// effect id, replacing any entry already there.
void AddVideoCatalogueEntry(const std::string& name, const std::string& effectId,
                            const std::string& category, const std::string& type, int wipeCode);
void AddAudioCatalogueEntry(const std::string& name, const std::string& effectId,
                            const std::string& category, const std::string& type);

// Stores every FCP effect the converters may write.
void BuildEffectCatalogue();

// Copies the entry of effectId over the whole target; an id without an entry leaves the target as it
// is. The match is exact and case-sensitive.
void CopyCatalogueEffect(const std::string& effectId, EffectInfo& target);
