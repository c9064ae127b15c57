#pragma once

#include <string>

#include "fcpxml/BinInfo.h"

// A bin of that name ("Avid Media" for an empty name) with empty children.
BinInfo MakeBin(const std::string& name);
// Appends a new bin of that name to the document's bins.
void AddBin(const std::string& name);
// The document's first bin; callers test that there is one.
BinInfo& FirstBin();

// The master clips that some timeline item used, in clip id order, into the child bin "Media" of
// the first bin, or into the first bin itself when the preferences do not ask for "Media".
void AddMasterClipsToBin();
// Moves every referenced master clip of MasterClipMap to the end of the bin's children: the map
// keeps its entries and their flags, but their contents are gone, and the import reads them no more.
void AddReferencedClipsToBin(BinInfo& bin);
