#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include <QFile>

// The text writer of the xmeml document. Every element writer is built from these primitives; they
// write to the current sink, which is XmlOutputFile unless a ScopedXmlSink redirects it. No primitive
// tests the result of a write: the job checks XmlOutputFile's error state once the document is out.

// Receives the document's bytes.
class XmlSink {
public:
    virtual ~XmlSink() = default;
    virtual void Write(const char* data, std::size_t size) = 0;
};

// Collects the bytes written in a string (tests, and any writer that needs the text first).
class XmlStringSink : public XmlSink {
public:
    void Write(const char* data, std::size_t size) override { text_.append(data, size); }
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

// Collects the bytes and passes them on to another sink in large blocks, so a document of many small
// writes reaches the file in few of them. Whatever it holds goes on at Flush and when it is destroyed.
class BufferedXmlSink final : public XmlSink {
public:
    explicit BufferedXmlSink(XmlSink& next) : next_(next), block_(new char[kBlockSize]) {}
    ~BufferedXmlSink() override { Flush(); }
    BufferedXmlSink(const BufferedXmlSink&) = delete;
    BufferedXmlSink& operator=(const BufferedXmlSink&) = delete;
    void Write(const char* data, std::size_t size) override
    {
        if (size <= kBlockSize - used_) {
            std::memcpy(block_.get() + used_, data, size);
            used_ += size;
        } else {
            PassOn(data, size);
        }
    }
    void Flush();
    // Room for size more bytes in the block, or null when it has less; Commit(size) then takes the size
    // bytes written there.
    char* Room(std::size_t size) { return size <= kBlockSize - used_ ? block_.get() + used_ : nullptr; }
    void Commit(std::size_t size) { used_ += size; }

private:
    // Sends what the block holds, then the bytes that did not fit: straight on when they would fill a
    // block of their own, into the emptied block otherwise.
    void PassOn(const char* data, std::size_t size);

    static constexpr std::size_t kBlockSize = 64 * 1024;
    XmlSink& next_;
    std::unique_ptr<char[]> block_;
    std::size_t used_ = 0;
};

// Sends the primitives' output to sink while the object lives; the previous sink comes back after.
class ScopedXmlSink {
public:
    explicit ScopedXmlSink(XmlSink& sink);
    ~ScopedXmlSink();
    ScopedXmlSink(const ScopedXmlSink&) = delete;
    ScopedXmlSink& operator=(const ScopedXmlSink&) = delete;

private:
    XmlSink* previous_;
};

// The sink the primitives write to now.
XmlSink& CurrentXmlSink();

// The output file of a conversion; the conversion job names, opens and closes it.
extern QFile XmlOutputFile;

// The current indentation depth, one tab per level; 0 at start-up and after every per-run reset.
extern int XmlIndentDepth;

// The bytes of text unchanged; a null pointer writes nothing.
void WriteXmlRaw(const char* text);
// One tab per level of XmlIndentDepth; nothing at depth 0 or below.
void WriteXmlIndent();
// A line feed.
void WriteXmlNewline();
// "<name>" when open is set, "</name>" otherwise; no indent, no newline.
void WriteXmlTag(std::string_view name, bool open);
// The escaped text; a null pointer writes nothing.
void WriteXmlText(const char* text);
void WriteXmlText(const std::string& text);
// Indent, <name id="escaped id">, newline; then one level deeper.
void WriteXmlIdOpenTag(const char* id, std::string_view name);
// Indent, <name id="escaped id"/>, newline; the depth does not change.
void WriteXmlIdRefTag(const char* id, std::string_view name);
// Indent, <name>text</name> with the text unescaped, newline.
void WriteXmlRawElement(std::string_view name, const char* text);
// Indent, <name/>, newline.
void WriteXmlEmptyElement(std::string_view name);

// A text element: indent, <name>, the escaped value, </name>, newline.
void WriteXmlTextElement(std::string_view name, const char* value);
void WriteXmlTextElement(std::string_view name, const std::string& value);
// A text element holding the number in plain decimal, as IntToString writes it.
void WriteXmlIntElement(std::string_view name, int value);

// A container element: WriteXmlContainerOpen, the children, WriteXmlContainerClose. An element with an
// id attribute opens with WriteXmlIdOpenTag instead and closes the same way.
// Indent, <name>, newline; then one level deeper.
void WriteXmlContainerOpen(std::string_view name);
// One level up; then indent, </name>, newline.
void WriteXmlContainerClose(std::string_view name);

template <typename Children>
void WriteXmlContainer(std::string_view name, Children&& children)
{
    WriteXmlContainerOpen(name);
    children();
    WriteXmlContainerClose(name);
}

// A copy of the UTF-8 text with " & ' < > replaced by their entities. Every character XML 1.0 does
// not allow (controls other than tab, line feed and carriage return, U+FFFE, U+FFFF) is dropped, and
// a byte that is not UTF-8 becomes U+FFFD, so the document stays well-formed; the rest passes
// unchanged. Element text and attribute values both go through here.
std::string EscapeXmlText(std::string_view text);

// "TRUE" for a set flag, "FALSE" otherwise.
const char* BoolToText(bool flag);

// "audio" for media type 1, "video" for every other value.
const char* MediaTypeName(int mediaType);
