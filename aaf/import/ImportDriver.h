#pragma once

#include <string>

#include "aaf/AafInterfaces.h"
#include "aaf/import/EffectEntryPoints.h"
#include "aaf/import/MobKind.h"
#include "aaf/import/MobLists.h"
#include "records/MobEntry.h"

// Run mode 2, after the file was opened: every mob registered and sorted, then master clips,
// adjusted clips, subclips, the bin "AAF Import", the sequences, and the used master clips filed.
// Operation groups, transitions and layer parameters go to effects (none when it is empty).
void ImportProject(const EffectEntryPoints& effects = {});

// The import's steps in order; nothing without FileHeader.
void BuildProjectFromMobs(MobLists& lists);

// Every mob registered, kind by kind: compositions, masters, file, tape, film and physical mobs.
// When no composition has the usage Top Level, those without any usage code that no other mob's
// source clip names are filed as Top Level.
void SortMobsByKind(MobLists& lists);

// The number of the file's mobs of the kind (a failing count raises) and their enumerator.
aafNumSlots_t CountAndEnumerateMobs(MobKind kind, IEnumAAFMobs** mobs);

// The mobs of one kind, each registered with the item id word + "_MOB_" + its number within the
// kind (a mob that cannot be read still uses up its number); compositions are filed by usage and
// masters listed. A failing count raises.
void CollectMobsOfKind(MobLists& lists, MobKind kind, const std::string& word);

// Appends the composition to the list of its usage: Top Level, Subclip, Adjusted Clip, Lower
// Level, Template, else the other list.
void FileCompositionByUsage(const MobEntry& entry, MobLists& lists);

// Moves the compositions of the other list that carry no usage code and that no other mob's source
// clip names to the Top Level list, in their order.
void FileUnreferencedCompositionsAsTopLevel(MobLists& lists);

// The per-mob steps over their lists, in list order.
// The frame rate of the first top-level composition, for the mobs without one of their own.
void FindProjectFrameRate(const MobLists& lists);
void ImportMasterMobs(MobLists& lists);
void ImportAdjustedClipMobs(MobLists& lists);
void ImportSubclipMobs(MobLists& lists);
void ImportTopLevelMobs(MobLists& lists);
