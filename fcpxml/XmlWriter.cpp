#include "fcpxml/XmlWriter.h"

QFile XmlOutputFile;
int XmlIndentDepth = 0;

namespace {

class XmlFileSink : public XmlSink {
public:
    void Write(const char* data, std::size_t size) override
    {
        if (size > 0)
            XmlOutputFile.write(data, static_cast<qint64>(size));
    }
};

XmlFileSink fileSink;
XmlSink* currentSink = &fileSink;

void Put(std::string_view bytes)
{
    currentSink->Write(bytes.data(), bytes.size());
}

bool IsForbiddenControl(unsigned char c)
{
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

}  // namespace

ScopedXmlSink::ScopedXmlSink(XmlSink& sink) : previous_(currentSink)
{
    currentSink = &sink;
}

ScopedXmlSink::~ScopedXmlSink()
{
    currentSink = previous_;
}

XmlSink& CurrentXmlSink()
{
    return *currentSink;
}

void WriteXmlRaw(const char* text)
{
    if (text)
        Put(text);
}

void WriteXmlIndent()
{
    for (int level = 0; level < XmlIndentDepth; ++level)
        Put("\t");
}

void WriteXmlNewline()
{
    Put("\n");
}

void WriteXmlTag(const char* name, bool open)
{
    Put(open ? "<" : "</");
    WriteXmlRaw(name);
    Put(">");
}

void WriteXmlText(const char* text)
{
    if (text)
        Put(EscapeXmlText(text));
}

void WriteXmlText(const std::string& text)
{
    Put(EscapeXmlText(text));
}

namespace {

void WriteIdTag(const char* id, const char* name, const char* end)
{
    WriteXmlIndent();
    Put("<");
    WriteXmlRaw(name);
    Put(" id=\"");
    WriteXmlText(id);
    Put("\"");
    Put(end);
    WriteXmlNewline();
}

}  // namespace

void WriteXmlIdOpenTag(const char* id, const char* name)
{
    WriteIdTag(id, name, ">");
    ++XmlIndentDepth;
}

void WriteXmlIdRefTag(const char* id, const char* name)
{
    WriteIdTag(id, name, "/>");
}

void WriteXmlRawElement(const char* name, const char* text)
{
    WriteXmlIndent();
    WriteXmlTag(name, true);
    WriteXmlRaw(text);
    WriteXmlTag(name, false);
    WriteXmlNewline();
}

void WriteXmlEmptyElement(const char* name)
{
    WriteXmlIndent();
    Put("<");
    WriteXmlRaw(name);
    Put("/>");
    WriteXmlNewline();
}

void WriteXmlTextElement(const char* name, const char* value)
{
    WriteXmlIndent();
    WriteXmlTag(name, true);
    WriteXmlText(value);
    WriteXmlTag(name, false);
    WriteXmlNewline();
}

void WriteXmlTextElement(const char* name, const std::string& value)
{
    WriteXmlTextElement(name, value.c_str());
}

void WriteXmlContainerOpen(const char* name)
{
    WriteXmlIndent();
    WriteXmlTag(name, true);
    WriteXmlNewline();
    ++XmlIndentDepth;
}

void WriteXmlContainerClose(const char* name)
{
    --XmlIndentDepth;
    WriteXmlIndent();
    WriteXmlTag(name, false);
    WriteXmlNewline();
}

std::string EscapeXmlText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '"': escaped += "&quot;"; break;
        case '&': escaped += "&amp;"; break;
        case '\'': escaped += "&apos;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default:
            if (!IsForbiddenControl(static_cast<unsigned char>(ch)))
                escaped += ch;
        }
    }
    return escaped;
}

const char* BoolToText(bool flag)
{
    return flag ? "TRUE" : "FALSE";
}

const char* MediaTypeName(int mediaType)
{
    return mediaType == 1 ? "audio" : "video";
}
