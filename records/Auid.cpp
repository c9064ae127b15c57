#include <cstdint>
#include <string>

#include "records/Auid.h"

namespace {

// Appends "0x" and the value in lower-case hex, the given number of digits with leading zeros.
char* PutHex(char* out, std::uint32_t value, int digits)
{
    *out++ = '0';
    *out++ = 'x';
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        *out++ = "0123456789abcdef"[(value >> shift) & 0xf];
    return out;
}

char* PutText(char* out, const char* text)
{
    while (*text != 0)
        *out++ = *text++;
    return out;
}

}  // namespace

// "{0x%08x, 0x%04x, 0x%04x, {0x%02x, ... 0x%02x}}", by hand: maps keyed by this text format
// thousands of ids a file.
std::string AuidToText(const Auid& id)
{
    char text[96];
    char* p = text;
    *p++ = '{';
    p = PutHex(p, static_cast<std::uint32_t>(id.Data1), 8);
    p = PutText(p, ", ");
    p = PutHex(p, static_cast<std::uint32_t>(id.Data2), 4);
    p = PutText(p, ", ");
    p = PutHex(p, static_cast<std::uint32_t>(id.Data3), 4);
    p = PutText(p, ", {");
    for (int i = 0; i < 8; ++i) {
        if (i > 0)
            p = PutText(p, ", ");
        p = PutHex(p, id.Data4[i], 2);
    }
    p = PutText(p, "}}");
    return std::string(text, static_cast<std::size_t>(p - text));
}

