#include "fcpxml/TimecodeInfo.h"

#include <algorithm>
#include <cstdint>

#include "fcpxml/XmlWriter.h"

void TimecodeInfo::SetFromTimecode(const Timecode& tc)
{
    value = tc;
    rate.timebase = tc.framesPerSecond;
    rate.ntsc = tc.dropFrame != 0;
    displayformat = rate.ntsc ? "DF" : "NDF";
    frame = static_cast<int>(static_cast<uint32_t>(tc.startFrame));  // the low 32 bits
    text = TimecodeToText(tc);
    switch (tc.type) {
    case 1: source = "source"; break;
    case 3: source = "aux1"; break;
    case 4: source = "aux2"; break;
    default: break;
    }
    reelname = tc.reelName;
}

std::string TimecodeInfo::ComputeText() const
{
    const bool drop = displayformat == "DF";
    // A timebase is a frame count per second; one beyond that range cannot name a rate.
    const int timebase = std::clamp(rate.timebase, 0, 65535);
    Timecode tc(frame, drop ? 1 : 0, static_cast<uint16_t>(timebase), timebase * 1000,
                drop ? 1001 : 1000);
    tc.reelName = reelname;
    return TimecodeToText(tc);
}

void WriteTimecode(TimecodeInfo& tc)
{
    WriteXmlContainer("timecode", [&] {
        WriteRate(tc.rate);
        if (tc.text.empty())
            tc.text = tc.ComputeText();
        if (!tc.text.empty())
            WriteXmlTextElement("string", tc.text);
        if (tc.frame != -1)
            WriteXmlIntElement("frame", tc.frame);
        if (!tc.source.empty())
            WriteXmlTextElement("source", tc.source);
        if (!tc.displayformat.empty())
            WriteXmlTextElement("displayformat", tc.displayformat);
        if (!tc.reelname.empty())
            WriteXmlContainer("reel", [&] { WriteXmlTextElement("name", tc.reelname); });
    });
}
