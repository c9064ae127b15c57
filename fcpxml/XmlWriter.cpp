#include "fcpxml/XmlWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

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
// The current sink when it is a buffered one: the primitives then write into its block directly.
BufferedXmlSink* currentBuffered = nullptr;

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
// The bytes before from are known to be plain.
template <typename Emit>
void EscapeXmlSpans(std::string_view text, bool stopAtNul, Emit&& take, std::size_t from = 0)
{
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t run = 0;
    std::size_t pos = from;
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
    currentBuffered = dynamic_cast<BufferedXmlSink*>(&sink);
}

ScopedXmlSink::~ScopedXmlSink()
{
    currentSink = previous_;
    currentBuffered = dynamic_cast<BufferedXmlSink*>(previous_);
}

void BufferedXmlSink::Flush()
{
    if (used_ == 0)
        return;
    next_.Write(block_.get(), used_);
    used_ = 0;
}

void BufferedXmlSink::PassOn(const char* data, std::size_t size)
{
    Flush();
    if (size >= kBlockSize) {
        next_.Write(data, size);
        return;
    }
    std::memcpy(block_.get(), data, size);
    used_ = size;
}

XmlSink& CurrentXmlSink()
{
    return *currentSink;
}

namespace {

// Copies n bytes; the short pieces of a line (names, indentation, values) without a library call.
// The two overlapping moves of the middle cases read and write only inside the n bytes.
[[gnu::always_inline]] inline void CopyBytes(char* out, const char* in, std::size_t n)
{
    if (n >= 8 && n <= 16) {
        std::uint64_t head;
        std::uint64_t tail;
        std::memcpy(&head, in, 8);
        std::memcpy(&tail, in + n - 8, 8);
        std::memcpy(out, &head, 8);
        std::memcpy(out + n - 8, &tail, 8);
    } else if (n >= 4 && n < 8) {
        std::uint32_t head;
        std::uint32_t tail;
        std::memcpy(&head, in, 4);
        std::memcpy(&tail, in + n - 4, 4);
        std::memcpy(out, &head, 4);
        std::memcpy(out + n - 4, &tail, 4);
    } else if (n < 4) {
        for (std::size_t i = 0; i < n; ++i)
            out[i] = in[i];
    } else {
        std::memcpy(out, in, n);
    }
}

// Gathers the bytes of one primitive so the sink gets them in one write, not one per piece; a buffered
// sink takes them into its block as they come. Bytes beyond the line's own room go on to the sink in
// order; whatever it holds goes on when it ends.
class Line {
public:
    Line() : buffered_(currentBuffered) {}
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;
    ~Line()
    {
        if (used_ > 0)
            currentSink->Write(bytes_, used_);
    }

    void Add(std::string_view text)
    {
        if (buffered_) {
            buffered_->Write(text.data(), text.size());
        } else if (text.size() <= kRoom - used_) {
            CopyBytes(bytes_ + used_, text.data(), text.size());
            used_ += text.size();
        } else {
            Spill(text);
        }
    }

    // Several pieces with one check for room, where there is room for them all. Inlined, so the
    // lengths of literal pieces are known where they are copied.
    template <typename... Pieces>
    [[gnu::always_inline]] void AddAll(Pieces... pieces)
    {
        const std::size_t size = (std::string_view(pieces).size() + ...);
        char* out = buffered_ ? buffered_->Room(size) : (size <= kRoom - used_ ? bytes_ + used_ : nullptr);
        if (!out) {
            (Add(pieces), ...);
            return;
        }
        ((CopyBytes(out, std::string_view(pieces).data(), std::string_view(pieces).size()),
          out += std::string_view(pieces).size()),
         ...);
        if (buffered_)
            buffered_->Commit(size);
        else
            used_ += size;
    }

    // The indentation: the tabs beyond one run are written now, the last run is returned to go with
    // what follows it on the line.
    std::string_view IndentRun()
    {
        static constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
        std::size_t left = XmlIndentDepth > 0 ? static_cast<std::size_t>(XmlIndentDepth) : 0;
        for (; left > kTabs.size(); left -= kTabs.size())
            Add(kTabs);
        return kTabs.substr(0, left);
    }

    void Indent() { Add(IndentRun()); }

    void Escaped(std::string_view text, bool stopAtNul)
    {
        // Most values have nothing to escape: they are found so here and go on as one piece.
        std::size_t plain = 0;
        while (plain < text.size() && kPlainBytes[static_cast<unsigned char>(text[plain])])
            ++plain;
        if (plain == text.size())
            Add(text);
        else
            EscapeXmlSpans(text, stopAtNul, [this](std::string_view span) { Add(span); }, plain);
    }

private:
    void Spill(std::string_view text)
    {
        if (used_ > 0)
            currentSink->Write(bytes_, used_);
        used_ = 0;
        if (text.size() >= kRoom) {
            currentSink->Write(text.data(), text.size());
        } else {
            std::memcpy(bytes_, text.data(), text.size());
            used_ = text.size();
        }
    }

    static constexpr std::size_t kRoom = 512;
    BufferedXmlSink* const buffered_;
    char bytes_[kRoom];
    std::size_t used_ = 0;
};

void WriteIdTag(const char* id, std::string_view name, std::string_view end)
{
    Line line;
    line.AddAll(line.IndentRun(), "<", name, " id=\"");
    if (id)
        line.Escaped(id, false);
    line.AddAll("\"", end, "\n");
}

// Indent, <name>, the value, </name>, newline.
template <typename Value>
void WriteElement(std::string_view name, Value&& value)
{
    Line line;
    line.AddAll(line.IndentRun(), "<", name, ">");
    value(line);
    line.AddAll("</", name, ">\n");
}

}  // namespace

void WriteXmlRaw(const char* text)
{
    if (text)
        Put(text);
}

void WriteXmlIndent()
{
    Line line;
    line.Indent();
}

void WriteXmlNewline()
{
    Put("\n");
}

void WriteXmlTag(std::string_view name, bool open)
{
    Line line;
    line.Add(open ? "<" : "</");
    line.Add(name);
    line.Add(">");
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

void WriteXmlIdOpenTag(const char* id, std::string_view name)
{
    WriteIdTag(id, name, ">");
    ++XmlIndentDepth;
}

void WriteXmlIdRefTag(const char* id, std::string_view name)
{
    WriteIdTag(id, name, "/>");
}

void WriteXmlRawElement(std::string_view name, const char* text)
{
    WriteElement(name, [text](Line& line) {
        if (text)
            line.Add(text);
    });
}

void WriteXmlEmptyElement(std::string_view name)
{
    Line line;
    line.AddAll(line.IndentRun(), "<", name, "/>\n");
}

void WriteXmlTextElement(std::string_view name, const char* value)
{
    WriteElement(name, [value](Line& line) {
        if (value)
            line.Escaped(value, false);
    });
}

void WriteXmlTextElement(std::string_view name, const std::string& value)
{
    // The value ends at its first NUL, as it always has here.
    WriteElement(name, [&value](Line& line) { line.Escaped(value, true); });
}

void WriteXmlIntElement(std::string_view name, int value)
{
    // Digits need no escaping and no string of their own.
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    WriteElement(name, [text](Line& line) { line.Add(text); });
}

void WriteXmlContainerOpen(std::string_view name)
{
    {
        Line line;
        line.AddAll(line.IndentRun(), "<", name, ">\n");
    }
    ++XmlIndentDepth;
}

void WriteXmlContainerClose(std::string_view name)
{
    --XmlIndentDepth;
    Line line;
    line.AddAll(line.IndentRun(), "</", name, ">\n");
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
