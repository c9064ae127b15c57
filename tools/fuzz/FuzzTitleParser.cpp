// Parses arbitrary bytes as a title's picture stream, in the byte texts the value model holds. The
// first byte, which the parser never reads, chooses one text to spoil, so that texts that are no
// hexadecimal byte are reached too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "effects/TitleParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> texts;
    texts.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        char text[4];
        std::snprintf(text, sizeof text, "%02x ", static_cast<unsigned>(data[i]));
        texts.emplace_back(text);
    }
    if (size > 1 && data[0] >= 0xF0)
        texts[1 + data[0] % (size - 1)] = "g";

    TitleParser parser(texts, {});
    (void)parser.Parse();
    for (const TitleTextItem& item : parser.items)
        (void)(item.text.size() + item.fontName.size());
    return 0;
}
