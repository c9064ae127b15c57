#include "aaf/import/EditRateConversion.h"

#include "aaf/import/DataT.h"
#include "config/MediaSettings.h"

namespace {

bool projectRateSet = false;
SlotInfo::EditRate projectRate;

}  // namespace

EditUnitConverter SlotToFrames(const SlotInfo::EditRate& slotRate, const SlotInfo::EditRate& frameRate)
{
    return EditUnitConverter(slotRate.numerator, slotRate.denominator, frameRate.numerator, frameRate.denominator);
}

SlotInfo::EditRate ProjectFrameRate()
{
    if (projectRateSet)
        return projectRate;
    SlotInfo::EditRate output;
    output.numerator = OutputMediaSettings.timecode.rateNumerator;
    output.denominator = OutputMediaSettings.timecode.rateDenominator;
    return output;
}

void SetProjectFrameRate(const SlotInfo::EditRate& rate)
{
    projectRate = rate;
    projectRateSet = true;
}

void ResetProjectFrameRate()
{
    projectRateSet = false;
}

void MobFrameRate::See(const SlotInfo& slot)
{
    // A slot that counts samples gives no frame rate, whatever its kind (some systems write their
    // timecode slot at the sample rate).
    if (IsSampleRate(slot.editRate.numerator, slot.editRate.denominator))
        return;
    const bool isPicture = slot.dataKind == kDataKindPicture || slot.dataKind == kDataKindPictureWithMatte;
    if (isPicture && !pictureFound) {
        this->picture = slot.editRate;
        pictureFound = true;
    } else if (slot.dataKind == kDataKindTimecode && !timecodeFound) {
        timecode = slot.editRate;
        timecodeFound = true;
    }
}

SlotInfo::EditRate MobFrameRate::Rate() const
{
    if (pictureFound)
        return picture;
    if (timecodeFound)
        return timecode;
    return ProjectFrameRate();
}
