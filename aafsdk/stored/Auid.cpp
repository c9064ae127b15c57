#include "aafsdk/stored/Auid.h"

#include <algorithm>

namespace aafsdk {
namespace {

constexpr char kHex[] = "0123456789abcdef";

// Byte positions in the text form: Data1..Data3 are printed most significant byte first.
constexpr int kTextOrder[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
constexpr int kDashAfter[4] = {4, 6, 8, 10};  // dashes follow these many bytes

}  // namespace

std::string Auid::ToString() const
{
    std::string text;
    text.reserve(36);
    for (int i = 0; i < 16; ++i) {
        if (std::find(std::begin(kDashAfter), std::end(kDashAfter), i) != std::end(kDashAfter))
            text.push_back('-');
        const std::uint8_t b = bytes[static_cast<std::size_t>(kTextOrder[i])];
        text.push_back(kHex[b >> 4]);
        text.push_back(kHex[b & 0xf]);
    }
    return text;
}

bool Auid::FromString(std::string_view text, Auid* out)
{
    return detail::ParseAuidText(text, *out);
}

Auid Auid::FromBytes(std::span<const std::uint8_t> sixteen)
{
    Auid result;
    std::copy_n(sixteen.begin(), 16, result.bytes.begin());
    return result;
}

}  // namespace aafsdk
