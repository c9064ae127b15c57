#pragma once

#include <cstddef>
#include <functional>
#include <list>
#include <map>
#include <string>

#include "config/TranslationLog.h"
#include "fcpxml/ItemSlot.h"
#include "fcpxml/TrackInfo.h"
#include "records/ComponentContext.h"
#include "records/SourceReference.h"
#include "records/ValueBase.h"

class FCPClipItemTag;
class FCPFillerTag;
class FCPGeneratorItemTag;
class FCPSequenceTag;
class FCPTransitionItemTag;

// The stacks the import fills while it walks a timeline; the top of each is its front. Every push
// stores a copy.
struct TimelineBuilder {
    std::list<FCPSequenceTag> SequenceStack;  // the sequences being built
    std::list<TrackInfo> TrackStack;          // the tracks being filled
    std::list<ItemSlot> ItemStack;            // the items waiting to be placed
};

// The one builder of the process. The per-run reset empties its sequence and track stacks.
extern TimelineBuilder GlobalTimelineBuilder;

// What the traversal hands upward beside the builder's stacks.
struct ImportTraversalLists {
    // Source references read inside adjusted clips and subclips; the newest is the front.
    std::list<SourceReference> PendingSourceReferences;
    // The tagged values of each sequence read as an effect input, in reading order.
    std::list<std::map<std::string, TaggedValueEntry>> TaggedValueMaps;
};

// The one set of traversal lists of the process.
extern ImportTraversalLists GlobalImportTraversalLists;

// The per-run reset of the builder: empties the sequence and track stacks. The item stack is
// emptied only by the import's own moves and pops.
void ResetTimelineBuilder();
// Empties all three stacks. The import calls it at the start and at the end of every mob, so that
// tracks or items one mob leaves open never reach the next mob's timeline.
void EmptyTimelineBuilderStacks();
// The per-run reset of the traversal lists.
void ClearImportTraversalLists();

// The builder's operations; all work on GlobalTimelineBuilder and do nothing on an empty stack.

// A new track of the context's data kind at the front of the track stack, numbered after the
// current sequence's tracks and carrying the context's slot.
void OpenTrack(const ComponentContext& context);
// Lays the current track out and files a copy into the current sequence's video or audio (unless
// the preferences ignore that media), then drops it. Needs a current sequence and a current track.
void CloseTrack();
// Each pushes a copy of the item at the front of the item stack.
void PushClipItem(const FCPClipItemTag& item);
// The same, taking the item over instead of copying it.
void PushClipItem(FCPClipItemTag&& item);
void PushGeneratorItem(const FCPGeneratorItemTag& item);
void PushTransitionItem(const FCPTransitionItemTag& item);
void PushFillerItem(const FCPFillerTag& item);
// Moves the current item to the end of the current track.
void MoveItemToTrack();
// The same; callers test that the item stack is not empty.
void MoveCurrentItemToTrack();

// A component may push more than one item (an effect or a selector over a sequence of several
// components). Whoever reads a component takes the item stack's depth first; the items above that
// depth are the component's, the newest on top.
std::size_t ItemStackDepth();
// How many items were pushed since the stack held depth items.
std::size_t ItemsPushedSince(std::size_t depth);
// Moves every item pushed since the stack held depth items to the end of the current track, in the
// order they were pushed, so that each lands where the file puts it. Without a current track they
// stay.
void MoveItemsToTrack(std::size_t depth);
// Runs apply once for every item pushed since the stack held depth items, in the order they were
// pushed, each time with that item as the current item; the stack's order is kept. Stops when apply
// leaves another item on top.
void ForEachItemPushedSince(std::size_t depth, const std::function<void()>& apply);
// Stores a copy of the current sequence in the current item when that is a clip item, then pops the
// sequence; with any other item on top the sequence stays.
void CloseNestedSequence();
// Logs the current sequence's items into the translation log, then drops the sequence.
void PopSequence();

// The top of the item stack, or null when it is empty.
ItemSlot* CurrentItemSlot();

// Adds a translation record to the current item; a filler on top takes none.
void AddTranslationToCurrentItem(TranslationStatus status, const std::string& fcpName,
                                 const std::string& avidName, const std::string& action);

// A gap in the current track: a filler of the context's length pushed on the item stack. After a
// transition the gap is shortened by the transition's length, never below 0 frames, and a
// transition whose cut lies inside it is made to end where the gap begins.
void AddGapFiller(const ComponentContext& context);
// A track holding only one gap of the context's length.
void AddGapTrack(const ComponentContext& context);
// A gap that must be a real clip item: a "Filler" slug pushed as a clip item.
void PushFillerClipItem(const ComponentContext& context);
// The transition's alignment from a cut point: 1 at its start, 3 at its end, 2 inside.
void SetTransitionCutPoint(int cutPoint, FCPTransitionItemTag& transition);

// Pushes the reference at the front of the pending source references.
void PushPendingSourceReference(const SourceReference& reference);
