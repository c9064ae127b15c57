#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// One row of a plug-in parameter data file: five fields, as read from one line.
struct PluginParameterLine {
    std::string fields[5];
};

// Lines are at most this many characters, without the line break.
inline constexpr std::size_t kMaxPluginDataLineLength = 511;

// One field of line from position on, which moves past it. Blanks (spaces only) before the field
// are skipped; a blank ends the field unless keepBlanks, the field is quoted, or it lies inside
// braces. A double quote opens an empty field as quoted and is dropped; in a quoted field with text
// it ends the field and stays, so it opens the next one. A backslash takes the next character as
// it stands.
std::string ReadPluginDataField(const std::string& line, std::size_t& position, bool keepBlanks);

// The fields of one line of text: three ending at a blank, the fourth keeping blanks, the fifth
// ending at a blank. A first field "-1" takes the first field of the line parsed before it (in any
// file of the run); any other becomes the remembered one.
PluginParameterLine ParsePluginDataLine(const std::string& text);

// Forgets the remembered first field, so a run starts as in a fresh process.
void ForgetRememberedPluginField();

// The next line of the stream, parsed; a last line without a line break counts, and a carriage
// return before the break is not part of it. Nothing at the end of the stream, and nothing for a
// line longer than kMaxPluginDataLineLength, which ends the reading.
std::optional<PluginParameterLine> ReadPluginDataLine(std::istream& in);

// Every line of the stream in order, until its end or a line too long.
std::vector<PluginParameterLine> ReadPluginDataLines(std::istream& in);
