#include "records/MobId.h"

namespace {

// Writes the value as `digits` lower-case hexadecimal digits, most significant first.
char* PutHex(char* out, unsigned value, int digits)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        *out++ = kDigits[(value >> shift) & 0xF];
    return out;
}

}  // namespace

std::string MobIdToText(const MobId& id)
{
    // By hand rather than through printf: the text keys maps that are searched many times a clip.
    char text[67];
    char* out = text;
    for (unsigned char byte : id.label)
        out = PutHex(out, byte, 2);
    out = PutHex(out, id.length, 2);
    *out++ = '-';
    out = PutHex(out, id.instanceHigh, 2);
    out = PutHex(out, id.instanceMid, 2);
    out = PutHex(out, id.instanceLow, 2);
    *out++ = '-';
    out = PutHex(out, id.material.Data1, 8);
    out = PutHex(out, id.material.Data2, 4);
    out = PutHex(out, id.material.Data3, 4);
    *out++ = '-';
    for (unsigned char byte : id.material.Data4)
        out = PutHex(out, byte, 2);
    return std::string(text, out);
}
