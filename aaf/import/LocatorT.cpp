#include "aaf/import/LocatorT.h"

#include "aaf/CheckHResult.h"
#include "aaf/TextConversion.h"

LocatorT::LocatorT(IAAFSourceMob* sourceMob)
{
    if (sourceMob == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    status = sourceMob->GetEssenceDescriptor(&essenceDescriptor);
    if (status < 0) {
        essenceDescriptor = nullptr;
        return;
    }
    // A raise from the constructor skips the destructor: release here what is held.
    try {
        ReadLocators();
    } catch (...) {
        ReleaseInterface(locator);
        ReleaseInterface(essenceDescriptor);
        throw;
    }
}

LocatorT::~LocatorT()
{
    ReleaseInterface(locator);
    ReleaseInterface(essenceDescriptor);
}

void LocatorT::ReadLocators()
{
    aafUInt32 count = 0;
    CheckHResult("CountLocators", CheckNotNull(essenceDescriptor, "LocatorT: CountLocators")->CountLocators(&count),
                 kAafCallFailed);
    locatorCount = static_cast<std::int32_t>(count);
    for (aafUInt32 index = 0; index < count; ++index) {
        ReleaseInterface(locator);
        if (essenceDescriptor->GetLocatorAt(index, &locator) < 0) {
            locator = nullptr;
            continue;  // an unreadable locator is skipped
        }
        LocatorRecord record;
        record.path = GetLocatorPath(locator);
        IAAFTextLocator* textLocator = nullptr;
        if (GetInterface(&textLocator, IID_IAAFTextLocator, "IID_IAAFTextLocator", locator) >= 0)
            record.name = ReadText(textLocator, "CommonT: GetName", &IAAFTextLocator::GetNameBufLen,
                                   &IAAFTextLocator::GetName);
        ReleaseInterface(textLocator);
        records.push_back(std::move(record));
    }
}

std::string LocatorT::GetLocatorPath(IAAFLocator* locator)
{
    if (locator == nullptr)
        ReportZeroObject(kAafCallFailed, "LocatorT: GetLocatorPath");
    return ReadText(locator, "LocatorT: GetLocatorPath", &IAAFLocator::GetPathBufLen, &IAAFLocator::GetPath);
}

std::string LocatorT::FirstLocatorPath() const
{
    return records.empty() ? std::string() : records.front().path;
}
