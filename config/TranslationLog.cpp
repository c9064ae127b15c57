#include "config/TranslationLog.h"

#include <utility>

std::vector<TranslationLogEntry> TranslationLog;

void ClearTranslationLog()
{
    TranslationLog.clear();
}

TranslationRecord::TranslationRecord(std::string fcpName_, std::string avidName_, std::string action_,
                                     TranslationStatus status_)
    : fcpName(std::move(fcpName_)), avidName(std::move(avidName_)), action(std::move(action_)), status(status_)
{
}

std::string TranslationRecord::StatusText() const
{
    switch (status) {
    case kTranslationIgnored: return "ignored";
    case kTranslationApplied: return "applied";
    case kTranslationError: return "error";
    default: return std::string();
    }
}

void ItemTranslations::AddTranslation(const std::string& fcpName, const std::string& avidName,
                                         const std::string& action, TranslationStatus status)
{
    translations.emplace_back(fcpName, avidName, action, status);
}

std::string ItemTranslations::ListIgnoredTranslations(const std::string& side) const
{
    if (side != "fcp" && side != "avid")
        return std::string();
    std::string text;
    for (const TranslationRecord& record : translations) {
        if (record.status != kTranslationIgnored)
            continue;
        if (!text.empty())
            text += ", ";
        text += record.avidName;
    }
    return text;
}

std::string TranslationLogEntry::TimecodeText() const
{
    return TimecodeToText(timecode);
}

std::string TranslationLogEntry::SetItemId(const std::string& text, ItemTranslations& entry)
{
    entry.itemId = text;
    return entry.itemId;
}
