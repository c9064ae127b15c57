#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "fcpxml/XmlWriter.h"

namespace fcpxmltest {

// Runs write at depth 0 into a string and returns the bytes; the depth must come back to 0.
inline std::string Capture(const std::function<void()>& write)
{
    XmlStringSink sink;
    ScopedXmlSink redirect(sink);
    XmlIndentDepth = 0;
    write();
    EXPECT_EQ(XmlIndentDepth, 0);
    XmlIndentDepth = 0;
    return sink.text();
}

// Joins lines, each ended by a line feed; a leading run of '>' marks the depth in tabs, so golden
// texts stay readable in the source.
inline std::string Lines(std::initializer_list<const char*> lines)
{
    std::string out;
    for (const char* line : lines) {
        std::string text(line);
        std::size_t depth = 0;
        while (depth < text.size() && text[depth] == '>')
            ++depth;
        out += std::string(depth, '\t') + text.substr(depth) + "\n";
    }
    return out;
}

}  // namespace fcpxmltest
