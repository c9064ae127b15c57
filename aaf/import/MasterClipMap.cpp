#include "aaf/import/MasterClipMap.h"

std::map<std::string, FCPClipTag> MasterClipMap;
std::map<std::string, std::string> MasterClipIdByMob;

void ClearMasterClipMaps()
{
    MasterClipMap.clear();
    MasterClipIdByMob.clear();
}
