#pragma once

#include <vector>

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FileList.h"
#include "records/MobSourceInfo.h"

struct MasterMobT;

// The file of a master clip: named after the mob, its relinked (or decoded) media path, the alpha
// type when the mob has an alpha slot, and timecodes, video and audio from the mob's sources.
FCPFileTag MakeMasterFile(MasterMobT& master);

// The master clip of the mob with its comments, markers and one clip item per picture and sound
// source, each playing the list's one file.
FCPClipTag MakeMasterClip(MasterMobT& master, const FileList& files);

// One slot item per source, numbered from 1, filed under the source's master slot by the data kind
// of its file slot; a kind that is neither picture nor sound files nothing.
void AddSlotClipItems(MasterMobT& master, FCPClipTag& clip, const FileList& files,
                      const std::vector<MobSourceInfo>& sources, int mediaType);

// The clip item that plays the whole file for one master slot: id "Slot: <slot> for <item id>". It
// shares the list of the master's one file.
FCPClipItemTag MakeSlotClipItem(MasterMobT& master, int mediaType, const FCPClipTag& clip, const FileList& files,
                                const MobSourceInfo& source, int n);
