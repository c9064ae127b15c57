#include "aaf/import/ImportSubclipMob.h"

#include "aaf/import/SubclipMobT.h"

void ImportSubclipMob(const MobEntry& entry)
{
    SubclipMobT subclip(entry);
    subclip.Import();
}
