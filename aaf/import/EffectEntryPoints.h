#pragma once

#include <cstdint>

#include "aaf/AafInterfaces.h"
#include "aaf/ReferencedParameterReader.h"
#include "fcpxml/ItemSlot.h"
#include "fcpxml/ValueInfo.h"
#include "records/ComponentContext.h"
#include "records/ParameterMapping.h"

class ValueBase;

// A layer parameter on its way to the clip it names on another track.
struct ClipParameterValue {
    const ValueBase* source = nullptr;  // the parameter's value; not owned
    ValueInfo value;                    // receives the clip that was found
    ParameterMapping mapping;
    int trackOffset = -1;
};

// The effect translation sits above the import, so the import reaches it through the functions its
// caller hands to ImportProject. An entry left empty does nothing.
struct EffectEntryPoints {
    // Fills record.value with the clip that the layer parameter names, as seen from item.
    void (*resolveClipParameter)(ItemSlot& item, ClipParameterValue& record) = nullptr;
    // Import an operation group or a transition met by the segment traversal; each returns the
    // status of its wrapper: negative when the segment is not of that kind (the traversal then
    // tries the next kind). An entry left empty means the segment does not answer to that kind.
    std::int32_t (*importOperationGroup)(IUnknown* segment, const ComponentContext& context) = nullptr;
    std::int32_t (*importTransition)(IUnknown* segment, const ComponentContext& context) = nullptr;
    // Reads the parameters that property values reach through object references; not owned.
    ReferencedParameterReader* referencedParameterReader = nullptr;
};

// The entry points of the import under way.
extern EffectEntryPoints RegisteredEffectEntryPoints;

// Makes entries the import's entry points, the parameter reader included.
void UseEffectEntryPoints(const EffectEntryPoints& entries);
