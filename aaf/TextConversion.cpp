#include "aaf/TextConversion.h"

#include <cstdio>
#include <vector>

#include <QString>

namespace {

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

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

std::size_t BoundedLength(std::size_t maxLength, const aafCharacter* buffer)
{
    std::size_t n = 0;
    while (n < maxLength && buffer[n] != 0)
        ++n;
    return n;
}

}  // namespace

int ConvertWideToNarrow(std::u16string_view wide, std::string& narrow)
{
    narrow.clear();
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        char32_t c = unit;
        if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            c = 0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            std::fputs(": Error : Conversion failed.\n", stderr);
            return -1;
        }
        AppendUtf8(c, narrow);
    }
    return 0;
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
    // A failed conversion is reported and keeps the text before the fault.
    static_cast<void>(ConvertWideToNarrow(std::u16string_view(buffer, BoundedLength(maxLength, buffer)), narrow));
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
    return QString::fromUtf8(path).toStdU16String();
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
    // One spare unit keeps the text terminated whatever the getter wrote.
    std::vector<aafCharacter> text(units + 1, u'\0');
    if (getText(text.data(), bytes) < 0)
        return {};
    return CharsToString(units, text.data());
}
