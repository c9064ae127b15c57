#pragma once

#include <string>

#include "config/TranslationLog.h"
#include "fcpxml/ItemKind.h"
#include "fcpxml/RateInfo.h"

// The polymorphic root of every FCP item tag; tags are deleted through it. The virtual destructor
// is its only virtual operation.
class ItemTagBase {
public:
    // The rate of the output media settings; media type 0.
    ItemTagBase();
    explicit ItemTagBase(const std::string& itemName);
    ItemTagBase(const std::string& itemName, const RateInfo& itemRate);
    ItemTagBase(const std::string& itemName, int itemMediaType, const RateInfo& itemRate);
    ItemTagBase(const ItemTagBase&) = default;
    ItemTagBase& operator=(const ItemTagBase&) = default;
    ItemTagBase(ItemTagBase&&) = default;
    ItemTagBase& operator=(ItemTagBase&&) = default;
    virtual ~ItemTagBase() = default;

    std::string GetName() const { return name; }
    void SetName(const std::string& itemName) { name = itemName; }

    // <name> with the escaped name, on one line.
    void WriteName() const;

    // Appends one translation record to the item's log entry.
    void AddTranslation(const std::string& fcpName, const std::string& aafName,
                        const std::string& action, TranslationStatus status);

    std::string name;
    RateInfo rate;
    int mediaType = 0;  // 1 audio, 2 video
    int kind = ItemKindNone;
    ItemTranslations log;
    int layerIndex = 1;  // the layer of the AAF component the item was made from
};
