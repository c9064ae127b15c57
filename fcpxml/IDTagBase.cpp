#include "fcpxml/IDTagBase.h"

#include "config/LogMessage.h"
#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

std::unordered_map<std::string, int> UsedNameCounts;
IdRegistry UsedItemIds;

namespace {

// Appends " n" while the text is taken, n being the next count of the text taken; every text
// handed out, extended ones included, is recorded.
std::string UniquifyName(std::string text)
{
    for (;;) {
        const auto [found, added] = UsedNameCounts.try_emplace(text, 0);
        if (added)
            return text;
        // Appended in two steps: GCC 12 at -O3 warns falsely (-Wrestrict) on " " + std::string.
        text += ' ';
        text += IntToString(++found->second);
    }
}

}  // namespace

std::string IDTagBase::MakeUniqueName(const std::string& text) { return UniquifyName(text); }

bool IDTagBase::TestAndMarkId(IdRegistry& registry, const std::string& itemId)
{
    return !registry.emplace(itemId, true).second;
}

const std::string& IDTagBase::SetUniqueId(const std::string& text)
{
    id = MakeUniqueName(text);
    if (TestAndMarkId(UsedItemIds, id))
        LogMessage("WARNING", "Item ID \"" + id + "\" already used");
    return id;
}

void IDTagBase::WriteOpenTag(const char* element) const { WriteXmlIdOpenTag(id.c_str(), element); }

void IDTagBase::WriteRefTag(const char* element) const { WriteXmlIdRefTag(id.c_str(), element); }
