#include "fcpxml/FormatInfo.h"

#include "fcpxml/XmlWriter.h"

FormatInfo::FormatInfo(int formatKind, const MediaSettings& settings) : kind(formatKind)
{
    samplecharacteristics.push_back(MakeSampleCharacteristics(settings, kind));
    if (kind == 2)
        appspecificdata.emplace_back(settings, false);
}

void WriteFormat(const FormatInfo& format)
{
    WriteXmlContainerOpen("format");
    for (const SampleCharacteristicsInfo& info : format.samplecharacteristics) {
        if (format.kind == 2) {
            WriteXmlContainerOpen("samplecharacteristics");
            WriteFrameSize(info);
            WriteVideoSampleCharacteristics(info);
            WriteXmlContainerClose("samplecharacteristics");
        } else if (format.kind == 1) {
            WriteAudioSampleCharacteristics(info);
        }
    }
    for (const AppSpecificDataInfo& block : format.appspecificdata)
        WriteAppSpecificData(block);
    WriteXmlContainerClose("format");
}
