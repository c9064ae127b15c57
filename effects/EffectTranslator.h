#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "fcpxml/EffectInfo.h"
#include "records/Auid.h"
#include "records/ComponentContext.h"
#include "records/ParameterRecord.h"

// The head of every converter's record: the effect's parameters, the FCP effect being built, the
// operation, where the effect sits and its display name.
struct EffectTranslator {
    // The effect takes the context's data kind as its media type.
    EffectTranslator(const ComponentContext& effectContext, const Auid& operation,
                     std::map<std::string, ParameterRecord>* effectParameters);

    void SetName(const std::string& displayName);
    // The effect becomes the catalogue's effect of that id, media type included; an id that is not
    // catalogued leaves it as it is.
    void SetFCPEffect(const std::string& fcpEffectId);
    // Hands the effect to the converter of its operation; an effect that none takes is logged on the
    // current item as not supported. Returns whether a converter took it.
    bool Dispatch();

    std::map<std::string, ParameterRecord>* parameters;  // the EffectT's map; not owned
    EffectInfo effect;
    Auid operationId;
    ComponentContext context;
    std::string name;
    // Where the current item starts within the effect, in edit units: 0 when the effect covers one
    // item; for an effect over several, the place of the covered item within the effect's input.
    std::int32_t coveredStart = 0;
};

class FCPClipItemTag;

// The current item when it is a clip item, else null.
FCPClipItemTag* CurrentClipItem();

// The effect as a filter of the current item. True only when the item kept it: false without a
// current item, for a transition item or a filler, and when an audio clip item refuses a filter
// without data in its range. A converter logs the effect as applied only on true.
bool AttachFilterToCurrentItem(const EffectTranslator& translator);
// The same, only onto a clip item.
bool AttachFilterToClipItem(const EffectTranslator& translator);
