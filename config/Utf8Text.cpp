#include "config/Utf8Text.h"

bool NextUtf8CodePoint(std::string_view text, std::size_t& pos, char32_t& c)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t extra = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        c = lead;
        ++pos;
        return true;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, min = 0x80, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, min = 0x800, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, min = 0x10000, c = lead & 0x07;
    } else {
        ++pos;
        return false;
    }
    if (text.size() - pos <= extra) {
        ++pos;
        return false;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        if ((byte(pos + k) & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        c = (c << 6) | (byte(pos + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return false;
    }
    pos += extra + 1;
    return true;
}

void AppendUtf8(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
