#include "aaf/import/MediaPathQuery.h"

#include "aaf/import/CollectMasterMobSourceMedia.h"
#include "aaf/import/FileT.h"
#include "aaf/import/ImportDriver.h"

void CollectMediaPaths(FileT& file)
{
    if (file.file == nullptr)
        return;
    MobLists lists;
    CollectMasterMobMedia(lists);
}

void CollectMasterMobMedia(MobLists& lists)
{
    if (FileHeader == nullptr)
        return;
    for (const MobKindWord& kind : kSourceMobKindWords)
        CollectMobsOfKind(lists, kind.kind, kind.word);
    for (const MobEntry& entry : lists.masters)
        CollectMasterMobSourceMedia(entry);
}
