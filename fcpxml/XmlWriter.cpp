#include "fcpxml/XmlWriter.h"

#include <algorithm>
#include <array>

#include "config/Utf8Text.h"

QFile XmlOutputFile;
int XmlIndentDepth = 0;

namespace {

class XmlFileSink : public XmlSink {
public:
    // A block larger than the file's own buffer goes straight to the disk, where a full disk may take
    // part of it without an error: the rest is written again, and that write fails and leaves the
    // error in the file. After an error nothing more is written, so the error stays for the job.
    void Write(const char* data, std::size_t size) override
    {
        while (size > 0 && XmlOutputFile.error() == QFileDevice::NoError) {
            const qint64 written = XmlOutputFile.write(data, static_cast<qint64>(size));
            if (written <= 0)
                return;
            data += written;
            size -= static_cast<std::size_t>(written);
        }
    }
};

XmlFileSink fileSink;
XmlSink* currentSink = &fileSink;

void Put(std::string_view bytes)
{
    currentSink->Write(bytes.data(), bytes.size());
}

// XML 1.0's Char production: what a document may hold at all.
bool IsXmlChar(char32_t c)
{
    return c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The bytes that pass through escaping unchanged on their own: printable ASCII other than the five
// markup characters, and tab, line feed, carriage return.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int b = 0x20; b < 0x80; ++b)
        plain[b] = true;
    for (const unsigned char b : {'"', '&', '\'', '<', '>'})
        plain[b] = false;
    plain['\t'] = plain['\n'] = plain['\r'] = true;
    return plain;
}();

// The escaped text as a series of spans handed to take: runs of the text itself between the
// entities and replacements, so text with nothing to escape costs one scan and one span. With
// stopAtNul the text ends at its first NUL, as a C string would.
template <typename Emit>
void EscapeXmlSpans(std::string_view text, bool stopAtNul, Emit&& take)
{
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t run = 0;
    std::size_t pos = 0;
    const auto flushRun = [&](std::size_t upTo) {
        if (upTo > run)
            take(std::string_view(data + run, upTo - run));
    };
    while (pos < size) {
        const auto b = static_cast<unsigned char>(data[pos]);
        if (kPlainBytes[b]) {
            ++pos;
            continue;
        }
        if (b >= 0x80) {
            const std::size_t at = pos;
            char32_t c = 0;
            const bool valid = NextUtf8CodePoint(text, pos, c);
            if (valid && IsXmlChar(c))
                continue;  // stays in the run
            flushRun(at);
            if (!valid)
                take(std::string_view("\xEF\xBF\xBD"));  // a byte that is not UTF-8 stands for no character
            run = pos;
            continue;
        }
        flushRun(pos);
        switch (b) {
        case '"': take(std::string_view("&quot;")); break;
        case '&': take(std::string_view("&amp;")); break;
        case '\'': take(std::string_view("&apos;")); break;
        case '<': take(std::string_view("&lt;")); break;
        case '>': take(std::string_view("&gt;")); break;
        default:
            if (b == 0 && stopAtNul)
                return;
            break;  // a control character XML does not allow: dropped
        }
        run = ++pos;
    }
    flushRun(pos);
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

void BufferedXmlSink::Flush()
{
    if (pending_.empty())
        return;
    next_.Write(pending_.data(), pending_.size());
    pending_.clear();
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
    // One write per line, not one per tab.
    static constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
    for (int left = XmlIndentDepth; left > 0; left -= static_cast<int>(kTabs.size()))
        Put(kTabs.substr(0, std::min<std::size_t>(static_cast<std::size_t>(left), kTabs.size())));
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
        EscapeXmlSpans(text, false, Put);
}

void WriteXmlText(const std::string& text)
{
    EscapeXmlSpans(text, false, Put);
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
    EscapeXmlSpans(text, false, [&escaped](std::string_view span) { escaped.append(span); });
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
