#include "fcpxml/LoggingInfo.h"

#include "fcpxml/XmlWriter.h"

namespace {

void WriteTextOrEmpty(const char* name, const std::string& text)
{
    if (text.empty())
        WriteXmlEmptyElement(name);
    else
        WriteXmlTextElement(name, text);
}

}  // namespace

void WriteLoggingInfo(const LoggingInfo& info)
{
    WriteXmlContainer("logginginfo", [&] {
        WriteTextOrEmpty("description", info.description);
        WriteTextOrEmpty("scene", info.scene);
        WriteTextOrEmpty("shottake", info.shottake);
        WriteTextOrEmpty("lognote", info.lognote);
        WriteXmlTextElement("good", "FALSE");
    });
}
