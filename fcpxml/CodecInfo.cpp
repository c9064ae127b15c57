#include "fcpxml/CodecInfo.h"

#include "fcpxml/XmlWriter.h"

CodecInfo::CodecInfo(const MediaSettings& settings)
{
    appspecificdata.emplace_back(settings, true);
    const AppSpecificDataInfo& block = appspecificdata.front();
    if (!block.data.empty() && !block.data.front().qtcodecs.empty())
        name = block.data.front().qtcodecs.front().codecname;
}

void WriteCodec(const CodecInfo& codec)
{
    WriteXmlContainerOpen("codec");
    WriteXmlTextElement("name", codec.name);
    for (const AppSpecificDataInfo& block : codec.appspecificdata)
        WriteAppSpecificData(block);
    WriteXmlContainerClose("codec");
}
