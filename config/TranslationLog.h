#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/Timecode.h"

// What happened to one AAF feature: 1 ignored, 2 applied, 3 error; other codes have no text.
using TranslationStatus = std::int32_t;
inline constexpr TranslationStatus kTranslationIgnored = 1;
inline constexpr TranslationStatus kTranslationApplied = 2;
inline constexpr TranslationStatus kTranslationError = 3;

struct TranslationRecord {
    std::string fcpName;
    std::string avidName;
    std::string action;
    TranslationStatus status = 0;

    TranslationRecord() = default;
    TranslationRecord(std::string fcpName_, std::string avidName_, std::string action_,
                      TranslationStatus status_);

    // "ignored", "applied", "error", or empty for any other status.
    std::string StatusText() const;
};

// What the translation did to one FCP item, under the item's id. Every item holds one; most stay
// without records.
struct ItemTranslations {
    std::string itemId;
    std::vector<TranslationRecord> translations;

    void AddTranslation(const std::string& fcpName, const std::string& avidName,
                        const std::string& action, TranslationStatus status);

    // The Avid names of the ignored records joined with ", "; empty unless side is "fcp" or "avid".
    std::string ListIgnoredTranslations(const std::string& side) const;
};

// The log of one FCP item: where it is and what the translation did to it. Made only for the items
// with records, when their sequence is done.
struct TranslationLogEntry : ItemTranslations {
    TranslationLogEntry() = default;
    explicit TranslationLogEntry(const ItemTranslations& item) : ItemTranslations(item) {}

    std::string sequenceName;
    std::string clipName;
    std::string trackName;
    Timecode timecode;

    std::string TimecodeText() const;

    // Stores text as the entry's item id and returns a copy of it.
    static std::string SetItemId(const std::string& text, ItemTranslations& entry);
};

// Per-run: the entries with records, in the order the import appended them.
extern std::vector<TranslationLogEntry> TranslationLog;

// Empties TranslationLog (the per-run reset).
void ClearTranslationLog();
