#include "fcpxml/AppSpecificData.h"

#include "config/MediaSettings.h"
#include "fcpxml/XmlWriter.h"

DataInfo::DataInfo(const MediaSettings& settings, bool codecForm)
{
    if (codecForm) {
        // The codec description always names the run's output codec.
        QtCodecInfo codec;
        LookupQtCodec(OutputMediaSettings.codec, codec);
        qtcodecs.push_back(codec);
    } else {
        imageprocessing.push_back(MakeImageProcessing(settings));
    }
}

AppSpecificDataInfo::AppSpecificDataInfo(const MediaSettings& settings, bool codecForm)
    : appname("Final Cut Pro"), appmanufacturer("Apple Inc."), appversion("5.0")
{
    data.emplace_back(settings, codecForm);
}

void WriteData(const DataInfo& data)
{
    WriteXmlContainerOpen("data");
    for (const QtCodecInfo& codec : data.qtcodecs)
        WriteQtCodec(codec);
    for (const FcpImageProcessingInfo& info : data.imageprocessing)
        WriteFcpImageProcessing(info);
    WriteXmlContainerClose("data");
}

void WriteAppSpecificData(const AppSpecificDataInfo& block)
{
    WriteXmlContainerOpen("appspecificdata");
    WriteXmlTextElement("appname", block.appname);
    WriteXmlTextElement("appmanufacturer", block.appmanufacturer);
    WriteXmlTextElement("appversion", block.appversion);
    for (const DataInfo& data : block.data)
        WriteData(data);
    WriteXmlContainerClose("appspecificdata");
}
