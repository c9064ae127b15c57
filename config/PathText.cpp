#include "config/PathText.h"

#include <QString>

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string PercentDecode(std::string_view text)
{
    // Byte for byte, so UTF-8 text that was never encoded comes through unchanged. "%00" stays as it
    // is: a NUL would cut the path short wherever it is handed on as C text.
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high >= 0 && low >= 0 && high + low > 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

std::string FileNameOfPath(std::string_view text)
{
    // Media paths come from Windows hosts too, so both separators count.
    const std::size_t slash = text.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? text : text.substr(slash + 1));
}

std::string LastFourChars(std::string_view text)
{
    std::size_t start = text.size();
    for (int chars = 0; chars < 4 && start > 0; ++chars) {
        --start;
        while (start > 0 && IsContinuationByte(text[start]))
            --start;
    }
    return std::string(text.substr(start));
}

std::string EncodeSpaces(std::string_view text)
{
    std::string encoded;
    encoded.reserve(text.size());
    for (char c : text) {
        if (c == ' ')
            encoded += "%20";
        else
            encoded += c;
    }
    return encoded;
}

float ParseFloat(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size())).toFloat();
}

std::string PercentDecodeString(const std::string& text)
{
    return PercentDecode(text);
}

std::string LastFourCharsOfString(const std::string& text)
{
    return LastFourChars(text);
}

std::string EncodeSpacesInString(const std::string& text)
{
    return EncodeSpaces(text);
}
