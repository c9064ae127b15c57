#include "fcpxml/ItemTagBase.h"

#include "config/MediaSettings.h"
#include "fcpxml/XmlWriter.h"

ItemTagBase::ItemTagBase() : ItemTagBase(std::string()) {}

ItemTagBase::ItemTagBase(const std::string& itemName) : name(itemName)
{
    rate.SetFromRate(OutputMediaSettings.timecode.rateNumerator,
                     OutputMediaSettings.timecode.rateDenominator);
}

ItemTagBase::ItemTagBase(const std::string& itemName, const RateInfo& itemRate)
    : name(itemName), rate(itemRate)
{
}

ItemTagBase::ItemTagBase(const std::string& itemName, int itemMediaType, const RateInfo& itemRate)
    : name(itemName), rate(itemRate), mediaType(itemMediaType)
{
}

void ItemTagBase::WriteName() const { WriteXmlTextElement("name", name); }

void ItemTagBase::AddTranslation(const std::string& fcpName, const std::string& aafName,
                                 const std::string& action, TranslationStatus status)
{
    log.AddTranslation(fcpName, aafName, action, status);
}
