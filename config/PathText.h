#pragma once

#include <string>
#include <string_view>

// Each %XX becomes the byte it gives; every other byte stays as it is.
std::string PercentDecode(std::string_view text);

// The text after the last directory separator, or the whole text when it has none.
std::string FileNameOfPath(std::string_view text);

// The last four characters, or the whole text when it is shorter.
std::string LastFourChars(std::string_view text);

// Every blank replaced by "%20".
std::string EncodeSpaces(std::string_view text);

// The text read as a number; 0.0 when it is none.
float ParseFloat(std::string_view text);

std::string PercentDecodeString(const std::string& text);
std::string LastFourCharsOfString(const std::string& text);
std::string EncodeSpacesInString(const std::string& text);
