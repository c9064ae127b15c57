#include "fcpxml/CommentsInfo.h"

#include "fcpxml/XmlWriter.h"

namespace {

void WriteTextOrEmpty(const char* name, const std::string& text)
{
    if (text.empty())
        WriteXmlEmptyElement(name);
    else
        WriteXmlTextElement(name, text);
}

void WriteTextIfSet(const char* name, const std::string& text)
{
    if (!text.empty())
        WriteXmlTextElement(name, text);
}

}  // namespace

std::string AppendCommaJoined(const std::string& text, std::string& field)
{
    if (field.empty())
        field = text;
    else
        field += ", " + text;
    return field;
}

std::string AppendCommaJoined(const std::string& text, RareText& field)
{
    // An empty text on an empty field leaves it unset.
    if (field.empty() && text.empty())
        return std::string();
    return AppendCommaJoined(text, field.edit());
}

void WriteComments(const CommentsInfo& comments)
{
    WriteXmlContainer("comments", [&] {
        WriteTextOrEmpty("mastercomment1", comments.mastercomment1);
        WriteTextOrEmpty("mastercomment2", comments.mastercomment2);
        WriteTextOrEmpty("mastercomment3", comments.mastercomment3);
        WriteTextOrEmpty("mastercomment4", comments.mastercomment4);
        WriteTextIfSet("clipcommenta", comments.clipcommenta);
        WriteTextIfSet("clipcommentb", comments.clipcommentb);
    });
}
