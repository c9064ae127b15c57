#pragma once

// The links from the document's items to the master clips it writes. A reader resolves every
// <masterclipid> (and <subclipmasterid>) against the clips of the bins, so an id that names no
// written clip breaks the item.

// Every master clip that an item of the document's sequences names (nested sequences included) is
// marked referenced, so that it is filed with the clips the timeline used.
void MarkMasterClipsNamedByItems();
// Each item id of a master clip that no bin of the document holds is cleared.
void ClearMasterClipIdsWithoutClip();
