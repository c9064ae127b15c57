#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reads the UTF-8 sequence at text[pos] into c and moves pos past it. A byte that starts no
// well-formed sequence (a stray continuation, an overlong form, a surrogate, a value beyond U+10FFFF,
// a sequence cut short) gives false, with pos moved past that one byte.
bool NextUtf8CodePoint(std::string_view text, std::size_t& pos, char32_t& c);

// Appends c as UTF-8.
void AppendUtf8(char32_t c, std::string& out);
