#include "fcpxml/RateInfo.h"

#include "config/MediaSettings.h"
#include "config/Timecode.h"
#include "fcpxml/XmlWriter.h"

RateInfo::RateInfo()
{
    SetFromRate(OutputMediaSettings.timecode.rateNumerator,
                OutputMediaSettings.timecode.rateDenominator);
}

void RateInfo::SetFromRate(int numerator, int denominator)
{
    const TimecodeBase base = TimecodeBaseFromRate(numerator, denominator);
    ntsc = base.dropFrame != 0;
    timebase = base.framesPerSecond;
}

void WriteRate(const RateInfo& rate)
{
    WriteXmlContainer("rate", [&] {
        WriteXmlTextElement("ntsc", BoolToText(rate.ntsc));
        WriteXmlIntElement("timebase", rate.timebase);
    });
}
