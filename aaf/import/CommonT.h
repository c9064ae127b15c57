#pragma once

#include <map>
#include <string>

#include "aaf/AafInterfaces.h"
#include "records/ValueBase.h"

// Readers of the properties many AAF classes share: names, tagged-value and KLV texts, and the
// comment, KLV and attribute lists of a mob. A null interface raises; a text that cannot be read is
// empty.
struct CommonT {
    static std::string GetName(IAAFMob* mob);
    static std::string GetName(IAAFMobSlot* slot);
    static std::string GetName(IAAFTextLocator* locator);
    static std::string GetName(IAAFTaggedValue* taggedValue);

    // The value's bytes read as UTF-16 text.
    static std::string GetValue(IAAFTaggedValue* taggedValue);
    static std::string GetValue(IAAFKLVData* klvData);

    // The mob's comments by name, each with its value text and type category. The count is required.
    static void GetComments(IAAFMob* mob, std::map<std::string, TaggedValueEntry>& map);
    // Every KLV item goes to the one name "Key", so the map keeps the last item's text.
    static void GetKLVData(IAAFMob2* mob, std::map<std::string, TaggedValueEntry>& map);
    // The mob's attributes by name with their value texts (category 0).
    static void GetAttributes(IAAFMob2* mob, std::map<std::string, TaggedValueEntry>& map);
};
