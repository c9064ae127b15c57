#include "effects/plugins/PluginParameterCodes.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "fcpxml/FCPValueType.h"
#include "fcpxml/PluginParameterKind.h"

namespace {

struct WordCode {
    std::string_view word;
    int code;
};

constexpr WordCode kKindWords[] = {
    {"plugin", PluginKindPlugin}, {"group", PluginKindGroup},   {"menu", PluginKindMenu},
    {"uint", PluginKindUint},     {"double", PluginKindDouble}, {"boolean", PluginKindBoolean},
    {"bool", PluginKindBoolean},  {"color", PluginKindColor},   {"red", PluginKindRed},
    {"green", PluginKindGreen},   {"blue", PluginKindBlue},     {"point", PluginKindPoint},
    {"pointx", PluginKindPointX}, {"pointy", PluginKindPointY}, {"layer", PluginKindLayer},
};

constexpr WordCode kValueTypeWords[] = {
    {"menu", FCPValueMenu},     {"uint", FCPValueUint},     {"double", FCPValueDouble},
    {"boolean", FCPValueBool},  {"bool", FCPValueBool},     {"color", FCPValueColor},
    {"red", FCPValueRed},       {"green", FCPValueGreen},   {"blue", FCPValueBlue},
    {"pointx", FCPValuePointX}, {"pointy", FCPValuePointY},
};

template <std::size_t N>
int CodeOf(const WordCode (&table)[N], const std::string& word)
{
    const std::string lower = ToLowerCopy(word);
    for (const WordCode& row : table) {
        if (row.word == lower)
            return row.code;
    }
    return 0;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

}  // namespace

std::string ToLowerCopy(const std::string& text)
{
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

Auid AuidFromHexText(const std::string& text)
{
    std::uint8_t digits[32] = {};
    std::size_t count = 0;
    for (const char c : text) {
        if (count == 32)
            break;
        if (c != '-')
            digits[count++] = static_cast<std::uint8_t>(HexDigit(c));
    }
    std::size_t next = 0;
    const auto take = [&](int n) {
        std::uint32_t value = 0;
        for (int i = 0; i < n; ++i)
            value = value << 4 | digits[next++];
        return value;
    };
    Auid id;
    id.Data1 = take(8);
    id.Data2 = static_cast<std::uint16_t>(take(4));
    id.Data3 = static_cast<std::uint16_t>(take(4));
    for (std::uint8_t& byte : id.Data4)
        byte = static_cast<std::uint8_t>(take(2));
    return id;
}

int PluginParameterKindFromWord(const std::string& word) { return CodeOf(kKindWords, word); }

int ParseFCPValueType(const std::string& kindWord, const std::string& fcpTypeWord)
{
    if (fcpTypeWord == "nodata")
        return FCPValueNoData;
    if (ToLowerCopy(fcpTypeWord) == "layer")
        return FCPValueLayer;
    return CodeOf(kValueTypeWords, kindWord);
}

int LeadingInt(const std::string& text)
{
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
