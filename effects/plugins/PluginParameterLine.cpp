#include "effects/plugins/PluginParameterLine.h"

namespace {

// The first field of the line parsed last; "-1" in a later line stands for it.
std::string rememberedFirstField;

// A data file holds one row per parameter of one effect; a file longer than this is not one.
constexpr std::size_t kMaxPluginDataLines = 1 << 16;

}  // namespace

std::string ReadPluginDataField(const std::string& line, std::size_t& position, bool keepBlanks)
{
    while (position < line.size() && line[position] == ' ')
        ++position;
    std::string field;
    bool escaped = false;
    bool quoted = false;
    int depth = 0;
    for (; position < line.size(); ++position) {
        const char c = line[position];
        if (escaped) {
            field += c;
            escaped = false;
        } else if (c == ' ') {
            if (!(quoted || keepBlanks || depth > 0))
                break;
            if (!field.empty())
                field += c;
        } else if (c == '"') {
            if (field.empty()) {
                quoted = true;
            } else if (quoted) {
                break;
            } else {
                field += c;
            }
        } else if (c == '\\') {
            escaped = true;
        } else {
            if (c == '{')
                ++depth;
            else if (c == '}' && depth > 0)
                --depth;
            field += c;
        }
    }
    return field;
}

void ForgetRememberedPluginField()
{
    rememberedFirstField.clear();
}

PluginParameterLine ParsePluginDataLine(const std::string& text)
{
    PluginParameterLine line;
    std::size_t position = 0;
    for (int i = 0; i < 5; ++i)
        line.fields[i] = ReadPluginDataField(text, position, i == 3);
    if (line.fields[0] == "-1")
        line.fields[0] = rememberedFirstField;
    else
        rememberedFirstField = line.fields[0];
    return line;
}

std::optional<PluginParameterLine> ReadPluginDataLine(std::istream& in)
{
    char buffer[kMaxPluginDataLineLength + 1] = {};
    in.getline(buffer, sizeof buffer);
    const std::streamsize taken = in.gcount();
    if (taken == 0 && in.eof())
        return std::nullopt;
    if (in.fail() && !in.eof())
        return std::nullopt;  // no line break within the limit: the rest is not rows
    std::string text(buffer);
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return ParsePluginDataLine(text);
}

std::vector<PluginParameterLine> ReadPluginDataLines(std::istream& in)
{
    std::vector<PluginParameterLine> lines;
    while (lines.size() < kMaxPluginDataLines && !in.eof()) {
        std::optional<PluginParameterLine> line = ReadPluginDataLine(in);
        if (!line)
            break;
        lines.push_back(std::move(*line));
    }
    return lines;
}
