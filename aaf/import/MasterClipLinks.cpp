#include "aaf/import/MasterClipLinks.h"

#include <set>
#include <string>
#include <vector>

#include "aaf/import/MasterClipMap.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/XmemlDocument.h"

namespace {

// What the walk finds: the master-clip ids of every clip and generator item, and the ids of the
// clips the bins hold.
struct DocumentLinks {
    std::vector<MasterIDTagBase*> names;
    std::set<std::string> filedClipIds;
};

void CollectSequence(FCPSequenceTag& sequence, DocumentLinks& links);

void CollectTracks(std::vector<TrackInfo>& tracks, DocumentLinks& links)
{
    for (TrackInfo& track : tracks) {
        for (const ItemSlot& slot : track.items) {
            if (auto* clipItem = dynamic_cast<FCPClipItemTag*>(slot.get())) {
                links.names.push_back(clipItem);
                for (FCPSequenceTag& nested : clipItem->nestedSequences)
                    CollectSequence(nested, links);
            } else if (auto* generator = dynamic_cast<FCPGeneratorItemTag*>(slot.get())) {
                links.names.push_back(generator);
            }
        }
    }
}

void CollectSequence(FCPSequenceTag& sequence, DocumentLinks& links)
{
    for (VideoInfo& video : sequence.video)
        CollectTracks(video.tracks, links);
    for (AudioInfo& audio : sequence.audio)
        CollectTracks(audio.tracks, links);
}

void CollectBin(BinInfo& bin, DocumentLinks& links)
{
    if (!bin.children)
        return;
    for (BinInfo& child : bin.children->bins)
        CollectBin(child, links);
    for (FCPSequenceTag& sequence : bin.children->sequences)
        CollectSequence(sequence, links);
    for (const FCPClipTag& clip : bin.children->clips)
        links.filedClipIds.insert(clip.id);
}

DocumentLinks CollectDocumentLinks()
{
    DocumentLinks links;
    for (BinInfo& bin : XmemlDocument.bins)
        CollectBin(bin, links);
    return links;
}

void MarkReferenced(const std::string& id)
{
    if (id.empty())
        return;
    const auto clip = MasterClipMap.find(id);
    if (clip != MasterClipMap.end())
        clip->second.referenced = true;
}

template <typename Text>
void ClearUnlessFiled(Text& id, const std::set<std::string>& filed)
{
    if (!filed.contains(id))
        id.clear();
}

}  // namespace

void MarkMasterClipsNamedByItems()
{
    for (const MasterIDTagBase* names : CollectDocumentLinks().names) {
        MarkReferenced(names->masterclipid);
        MarkReferenced(names->subclipmasterid);
    }
}

void ClearMasterClipIdsWithoutClip()
{
    DocumentLinks links = CollectDocumentLinks();
    for (MasterIDTagBase* names : links.names) {
        ClearUnlessFiled(names->masterclipid, links.filedClipIds);
        ClearUnlessFiled(names->subclipmasterid, links.filedClipIds);
    }
}
