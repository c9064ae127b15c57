#include "fcpxml/NumberText.h"

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

namespace {

// The classic locale keeps the decimal point and leaves digits ungrouped whatever the process
// locale is, so the output is the same on every machine and run.
std::ostringstream ClassicStream()
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    return out;
}

}  // namespace

std::string IntToString(int value)
{
    // to_chars writes what the classic stream does, without building a stream for every number.
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string FloatToString(float value)
{
    // A NaN's sign bit depends on how it was made; print one form for all of them.
    if (std::isnan(value))
        return "nan";
    std::ostringstream out = ClassicStream();
    out << value;
    return out.str();
}
