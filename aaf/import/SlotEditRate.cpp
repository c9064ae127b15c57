#include "aaf/import/SlotEditRate.h"

void StoreSlotEditRate(SlotInfo& info, const aafRational_t& rate)
{
    if (rate.denominator == 0) {
        info.editRate = SlotInfo::EditRate();
        return;
    }
    info.editRate.numerator = rate.numerator;
    info.editRate.denominator = rate.denominator;
}
