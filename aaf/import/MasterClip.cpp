#include "aaf/import/MasterClip.h"

#include <string>
#include <utility>

#include "aaf/import/MasterClipMap.h"
#include "aaf/import/MasterMobT.h"
#include "aaf/MobId.h"
#include "config/SourcePaths.h"

namespace {

constexpr const char* kStraightAlpha = "straight";

}  // namespace

void MasterMobT::BuildMasterClip()
{
    if (status < 0)
        return;
    // Every slot item, and every timeline item copied from one, holds this one file.
    const FileList files(MakeMasterFile(*this));
    FCPClipTag clip = MakeMasterClip(*this, files);
    MasterClipIdByMob[MobIdToText(info.mobId)] = clip.id;
    const std::string id = clip.id;
    MasterClipMap[id] = std::move(clip);
}

FCPFileTag MakeMasterFile(MasterMobT& master)
{
    FCPFileTag file(master.info.name);
    file.AssignIdFromTagName();
    file.duration = master.info.length;
    std::string path = master.mediaPath;
    MapSourcePath(path);
    file.pathurl = path;
    if (master.info.alphaSlotId >= 1)
        file.alphatype = kStraightAlpha;
    file.SetTimecodesFromSources(master.pictureSources, master.soundSources);
    file.AddVideoFromSources(master.pictureSources);
    file.AddAudioFromSources(master.soundSources, static_cast<int>(master.pictureSources.size()));
    return file;
}

FCPClipTag MakeMasterClip(MasterMobT& master, const FileList& files)
{
    FCPClipTag clip;
    clip.FillFromMobInfo(master.info, master.info.GetItemId());
    clip.AddAafCommentColumns(master.info.comments);
    clip.markers = CollectMarkers(master.markers);
    AddSlotClipItems(master, clip, files, master.pictureSources, 2);
    AddSlotClipItems(master, clip, files, master.soundSources, 1);
    return clip;
}

void AddSlotClipItems(MasterMobT& master, FCPClipTag& clip, const FileList& files,
                      const std::vector<MobSourceInfo>& sources, int mediaType)
{
    int n = 1;
    for (const MobSourceInfo& source : sources) {
        FCPClipItemTag item = MakeSlotClipItem(master, mediaType, clip, files, source, n++);
        if (item.mediaType == 2)
            clip.videoSlots[source.slotId] = std::move(item);
        else if (item.mediaType == 1)
            clip.audioSlots[source.slotId] = std::move(item);
    }
}

FCPClipItemTag MakeSlotClipItem(MasterMobT& master, int mediaType, const FCPClipTag& clip, const FileList& files,
                                const MobSourceInfo& source, int n)
{
    FCPClipItemTag item(master.info.name);
    item.mediaType = mediaType;
    item.sourcetracks.push_back(SourceTrackInfo{mediaType, n});
    item.AssignSlotId(source.slotId, master.info.GetItemId());
    item.masterclipid = clip.id;
    item.mediaType = source.slot.dataKind;
    item.out = item.end = item.duration = master.info.length;
    item.in = item.start = 0;
    const FCPFileTag& file = files.front();
    item.alphatype = file.GetAlphaType();
    item.AppendMasterComments(clip.comments.mastercomment1, clip.comments.mastercomment2,
                              clip.comments.mastercomment3, clip.comments.mastercomment4);
    item.files = files;
    item.duration = file.duration;
    return item;
}
