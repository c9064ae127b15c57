#pragma once

#include <cstdint>
#include <vector>

#include "aaf/ObjectT.h"
#include "records/ComponentContext.h"
#include "records/SourceReference.h"

// An essence group: its choices read as source clips, and the one chosen among them. Keeping the
// chosen reference for an adjusted clip or subclip is part of the segment traversal.
struct EssenceT : ObjectT {
    EssenceT(IUnknown* segment, const ComponentContext& componentContext);
    ~EssenceT();

    // Each choice that can be obtained is read as a source clip in the group's context (status :=
    // its status; a readable one becomes the chosen reference for the moment, and is listed, with
    // data kind 12 when its source is a picture with an alpha component). A still frame on the group
    // logs a warning for every choice read. The choice count is required.
    void ReadChoices();
    // The first listed choice of data kind 12 (set back to picture), else the first choice; without
    // listed choices the chosen reference stays as the reading left it.
    void ChooseReference();
    // Both, when status is not negative; returns status.
    std::int32_t ReadAndChoose();
    // ReadAndChoose, then the chosen reference is kept for the adjusted clip or subclip being read,
    // or, as a sequence component, a timeline slot or a nested-scope layer, imported as the source
    // clip it is, so that the group takes its place on the track. Returns status.
    std::int32_t Import();

    IAAFEssenceGroup* essenceGroup = nullptr;
    std::vector<SourceReference> choices;
    SourceReference chosen;
    ComponentContext context;
};
