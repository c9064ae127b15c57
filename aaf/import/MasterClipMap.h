#pragma once

#include <map>
#include <string>

#include "fcpxml/FCPClipTag.h"

// Per run: every master clip and subclip made, by clip id.
extern std::map<std::string, FCPClipTag> MasterClipMap;
// Per run: the clip id made for a mob, by the text of the mob's MobID.
extern std::map<std::string, std::string> MasterClipIdByMob;

// The per-run reset of both maps.
void ClearMasterClipMaps();
