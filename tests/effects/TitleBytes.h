#pragma once

// Title picture streams made in code: the header with its OS tag, long comments with their fixed
// part, and the sub-records of their bodies, as the byte texts the value model holds.
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace titletest {

// Big-endian bytes.
class Bytes {
public:
    Bytes& U8(unsigned v)
    {
        data.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Bytes& U16(unsigned v) { return U8(v >> 8 & 0xff).U8(v & 0xff); }
    Bytes& Text(const std::string& text)
    {
        for (const char c : text)
            U8(static_cast<std::uint8_t>(c));
        return *this;
    }
    Bytes& Append(const Bytes& other)
    {
        data.insert(data.end(), other.data.begin(), other.data.end());
        return *this;
    }
    Bytes& Zeros(std::size_t n)
    {
        data.insert(data.end(), n, 0);
        return *this;
    }
    std::size_t size() const { return data.size(); }

    std::vector<std::uint8_t> data;
};

// Sub-records of a long comment's body.
class Body : public Bytes {
public:
    Body& Record(unsigned code, const Bytes& content)
    {
        U16(code).U16(static_cast<unsigned>(content.size())).Append(content);
        return *this;
    }
    Body& Rect(unsigned top, unsigned left, unsigned bottom, unsigned right)
    {
        return Record(4, Bytes().U16(top).U16(left).U16(bottom).U16(right));
    }
    Body& Color(unsigned red, unsigned green, unsigned blue) { return Record(5, Bytes().U16(red).U16(green).U16(blue)); }
    Body& Align(unsigned justification) { return Record(36, Bytes().U16(justification)); }
    Body& Leading(const Bytes& value) { return Record(64, value); }
    struct Font {
        std::string text = "Hi";
        unsigned lineHeight = 48;
        unsigned ascent = 37;
        unsigned fontId = 21;
        unsigned face = 0;
        unsigned size = 48;
        unsigned runs = 1;
    };
    // As the editing system writes it: the text padded to even, then the style runs.
    Body& TextAndStyle(const Font& f)
    {
        Bytes content;
        content.U16(static_cast<unsigned>(f.text.size())).Text(f.text);
        if (f.text.size() % 2 != 0)
            content.U8(0);
        content.U16(2 + 20 * f.runs).U16(f.runs);
        for (unsigned i = 0; i < (f.runs == 0 ? 1 : f.runs); ++i)
            content.Zeros(4).U16(f.lineHeight).U16(f.ascent).U16(f.fontId).U8(f.face).U8(0).U16(f.size).Zeros(6);
        return Record(59, content);
    }
    // Each name in its 255 bytes of storage, then 2 bytes and the id.
    Body& FontNames(const std::vector<std::pair<unsigned, std::string>>& names)
    {
        Bytes content;
        content.U16(0).U16(static_cast<unsigned>(names.size()));
        for (const auto& [id, name] : names) {
            content.U8(static_cast<unsigned>(name.size())).Text(name).Zeros(255 - name.size());
            content.U16(0).U16(id);
        }
        return Record(60, content);
    }
};

// A whole title: header (tag "MAC" at 54 or "WIN" at 66, first opcode at 60 or 72), then opcodes.
class Title : public Bytes {
public:
    explicit Title(const std::string& os = "MAC")
    {
        Zeros(os == "WIN" ? 66 : 54).Text(os).Zeros(3);
    }
    // A long comment: opcode, kind, length, 13 bytes, the tag, 1 byte, the body.
    Title& Comment(const std::string& tag, const Bytes& body)
    {
        return CommentOfLength(tag, body, static_cast<unsigned>(18 + body.size()));
    }
    Title& CommentOfLength(const std::string& tag, const Bytes& body, unsigned length)
    {
        U16(0x00A1).U16(0x0064).U16(length).Text("AVID").U16(1).U16(9).Text("Title").Text(tag).U8(0).Append(body);
        return *this;
    }
    Title& Page(const Bytes& body) { return Comment("Page", body); }
    Title& TextBox(const Bytes& body) { return Comment("Text", body); }
    Title& End()
    {
        U16(0x00FF);
        return *this;
    }
};

// The value model's form of raw bytes: "%02x" and a blank each.
inline std::vector<std::string> ByteTexts(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::string> texts;
    for (const std::uint8_t b : bytes) {
        char text[4];
        std::snprintf(text, sizeof text, "%02x ", static_cast<unsigned>(b));
        texts.emplace_back(text);
    }
    return texts;
}

}  // namespace titletest
