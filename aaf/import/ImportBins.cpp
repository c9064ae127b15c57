#include "aaf/import/ImportBins.h"

#include <utility>

#include "aaf/import/MasterClipMap.h"
#include "config/ImportPreferences.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/XmemlDocument.h"

BinInfo MakeBin(const std::string& name)
{
    return BinInfo(name.empty() ? "Avid Media" : name, ChildrenInfo());
}

void AddBin(const std::string& name)
{
    XmemlDocument.bins.push_back(MakeBin(name));
}

BinInfo& FirstBin()
{
    return XmemlDocument.bins.front();
}

void AddMasterClipsToBin()
{
    if (ImportPrefs.addMediaToBin) {
        BinInfo media = MakeBin("Media");
        AddReferencedClipsToBin(media);
        if (!XmemlDocument.bins.empty() && FirstBin().children)
            FirstBin().children->bins.push_back(std::move(media));
    } else if (!XmemlDocument.bins.empty()) {
        AddReferencedClipsToBin(FirstBin());
    }
}

void AddReferencedClipsToBin(BinInfo& bin)
{
    // The map is not read after the clips are filed, so they move rather than being copied.
    for (auto& [id, clip] : MasterClipMap) {
        if (clip.referenced && bin.children && clip.ismasterclip)
            bin.children->clips.push_back(std::move(clip));
    }
}
