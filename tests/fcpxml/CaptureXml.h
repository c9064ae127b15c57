#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "fcpxml/XmlWriter.h"

namespace fcpxmltest {

// The bytes write produces from depth 0; the depth must be back at 0 afterwards.
inline std::string CaptureXml(const std::function<void()>& write)
{
    XmlStringSink sink;
    ScopedXmlSink redirect(sink);
    XmlIndentDepth = 0;
    write();
    EXPECT_EQ(XmlIndentDepth, 0);
    XmlIndentDepth = 0;
    return sink.text();
}

// The lines joined, each ended by a line feed; write "\t" for each level of indentation.
inline std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text.append(line).append("\n");
    return text;
}

}  // namespace fcpxmltest
