#include "effects/SmpteWipe.h"

#include <algorithm>

#include "aaf/Auid.h"
#include "effects/EffectIds.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "records/ValueBase.h"

namespace {

struct WipeName {
    int number;
    const char* name;
};

constexpr WipeName kWipeNames[] = {
    {1, "Horizontal"},
    {2, "Vertical"},
    {5, "Bottom Right to Top Left"},
    {6, "Bottom Left to Top Right"},
    {21, "Vert Open"},
    {22, "Horiz Open"},
    {24, "Right Box"},
    {25, "Bottom Box"},
    {26, "Left Box"},
    {41, "Lower Right/ Upper Left Diagonal"},
    {42, "Lower Left/ Upper Left Diagonal"},
};

}  // namespace

bool TranslateSmpteWipe(SmpteWipeTranslator& translator)
{
    if (translator.parameters != nullptr) {
        const auto number = translator.parameters->find(AuidToText(kSmpteWipeNumberParameter));
        if (number != translator.parameters->end() && !number->second.constantValues.empty()) {
            if (const auto* value = dynamic_cast<const IntValue*>(number->second.constantValues.front()))
                translator.wipeNumber = value->value;
        }
    }
    const auto row = std::find_if(std::begin(kWipeNames), std::end(kWipeNames),
                                  [&](const WipeName& w) { return w.number == translator.wipeNumber; });
    if (row != std::end(kWipeNames))
        translator.wipeName = row->name;
    if (translator.wipeName.empty())
        translator.wipeName = "Unknown SMPTE Wipe";
    if (translator.transitionItem)
        SetTransitionSourceName(*translator.transitionItem, translator.wipeName);
    return false;
}
