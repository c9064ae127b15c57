#include "aaf/import/CollectMasterMobSourceMedia.h"

#include <map>
#include <string>

#include "aaf/import/DataT.h"
#include "aaf/import/MasterMobT.h"
#include "config/ImportPreferences.h"
#include "config/SourcePaths.h"

void CollectMasterMobSourceMedia(const MobEntry& entry)
{
    MasterMobT master(entry);
    master.CollectSourceMedia();
}

void MasterMobT::CollectSourceMedia()
{
    if (status < 0)
        return;
    // Path to the data kind of the slot it came from, in byte order of the paths. A slot without a
    // path is left out: the empty text would sort first and hide the mob's real path.
    std::map<std::string, std::int32_t> paths;
    for (std::int32_t i = 0; i < slotCount; ++i) {
        SlotInfo slot;
        SourceReference reference;
        MobSourceInfo chain;
        if (ReadSlotSource(i, slot, reference, chain) && !chain.mob.mediaPath.empty())
            paths[chain.mob.mediaPath] = reference.dataKind;
    }
    if (paths.empty())
        return;
    auto chosen = paths.begin();
    if (paths.size() > 1 && ImportPrefs.useMXFSource) {
        for (auto it = paths.begin(); it != paths.end(); ++it) {
            if (it->second == kDataKindPicture) {
                chosen = it;
                break;
            }
        }
    }
    RememberSourcePath(chosen->first);
}
