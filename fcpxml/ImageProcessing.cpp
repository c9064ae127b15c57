#include "fcpxml/ImageProcessing.h"

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/XmlWriter.h"

FcpImageProcessingInfo MakeImageProcessing(const MediaSettings& settings)
{
    FcpImageProcessingInfo info;
    info.rendermode = LookupCodecColorSpace(settings.codec);
    info.useyuv = true;
    info.usesuperwhite = ImportPrefs.preset == "DVCPRO - PAL 48 kHz Superwhite";
    return info;
}

void WriteFcpImageProcessing(const FcpImageProcessingInfo& info)
{
    WriteXmlContainerOpen("fcpimageprocessing");
    WriteXmlTextElement("useyuv", BoolToText(info.useyuv));
    WriteXmlTextElement("usesuperwhite", BoolToText(info.usesuperwhite));
    WriteXmlTextElement("rendermode", info.rendermode);
    WriteXmlContainerClose("fcpimageprocessing");
}
