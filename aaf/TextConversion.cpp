#include "aaf/TextConversion.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "config/Utf8Text.h"

namespace {

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::size_t BoundedLength(std::size_t maxLength, const aafCharacter* buffer)
{
    std::size_t n = 0;
    while (n < maxLength && buffer[n] != 0)
        ++n;
    return n;
}

}  // namespace

void ConvertWideToNarrow(std::u16string_view wide, std::string& narrow)
{
    // A UTF-16 unit takes at most three UTF-8 bytes (a pair of units four), so the text is written
    // in place and cut to its length once.
    narrow.resize(wide.size() * 3);
    char* out = narrow.data();
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            continue;
        }
        char32_t c = unit;
        if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            c = 0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            // A unit without its pair stands for no character; the rest of the text is still good.
            c = 0xFFFD;
        }
        if (c < 0x800) {
            *out++ = static_cast<char>(0xC0 | (c >> 6));
        } else {
            if (c < 0x10000) {
                *out++ = static_cast<char>(0xE0 | (c >> 12));
            } else {
                *out++ = static_cast<char>(0xF0 | (c >> 18));
                *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            }
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        }
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    narrow.resize(static_cast<std::size_t>(out - narrow.data()));
}

std::string CharsToString(std::size_t maxLength, const char* buffer)
{
    if (buffer == nullptr)
        return {};
    std::size_t n = 0;
    while (n < maxLength && buffer[n] != '\0')
        ++n;
    return std::string(buffer, n);
}

std::string CharsToString(std::size_t maxLength, const aafCharacter* buffer)
{
    if (buffer == nullptr)
        return {};
    std::string narrow;
    ConvertWideToNarrow(std::u16string_view(buffer, BoundedLength(maxLength, buffer)), narrow);
    return narrow;
}

std::string WideBytesToString(const aafUInt8* bytes, std::size_t length)
{
    if (bytes == nullptr)
        return {};
    std::u16string units(length / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return CharsToString(units.size(), units.c_str());
}

std::u16string PathToWideString(const char* path)
{
    if (path == nullptr)
        return {};
    // A byte that is not UTF-8 travels as the lone surrogate U+DC80 + (byte - 0x80), which the file
    // open turns back into the byte, so any file name the system takes can be opened.
    const std::string_view bytes(path);
    std::u16string wide;
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t c = 0;
        const std::size_t at = pos;
        if (!NextUtf8CodePoint(bytes, pos, c)) {
            wide += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[at]));
        } else if (c >= 0x10000) {
            wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<char16_t>(c);
        }
    }
    return wide;
}

std::string ReadTextWith(const std::function<HRESULT(aafUInt32*)>& getLength,
                         const std::function<HRESULT(aafCharacter*, aafUInt32)>& getText)
{
    aafUInt32 bytes = 0;
    if (getLength(&bytes) < 0)
        return {};
    const std::size_t units = bytes / sizeof(aafCharacter);
    if (units == 0)
        return {};
    // One spare unit keeps the text terminated whatever the getter wrote. Names are short: most fit
    // the buffer on the stack.
    constexpr std::size_t kShortUnits = 128;
    aafCharacter shortText[kShortUnits + 1];
    std::vector<aafCharacter> longText;
    aafCharacter* text = shortText;
    if (units <= kShortUnits) {
        std::fill_n(shortText, units + 1, u'\0');
    } else {
        longText.assign(units + 1, u'\0');
        text = longText.data();
    }
    if (getText(text, bytes) < 0)
        return {};
    return CharsToString(units, text);
}
