#include "fcpxml/XmlWriter.h"

#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace {

// Runs write at the given depth into a string and returns the bytes; checks the depth it leaves.
std::string Capture(int depth, const std::function<void()>& write, int depthAfter)
{
    XmlStringSink sink;
    ScopedXmlSink redirect(sink);
    XmlIndentDepth = depth;
    write();
    EXPECT_EQ(XmlIndentDepth, depthAfter);
    XmlIndentDepth = 0;
    return sink.text();
}

std::string Repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

struct WriteCase {
    const char* label;
    int depth;
    std::function<void()> write;
    std::string expected;
    int depthAfter;
};

TEST(XmlWriter, PrimitivesAndCompositionsWriteExactBytes)
{
    const WriteCase cases[] = {
        {"raw text", 3, [] { WriteXmlRaw("a&b\xC3\xA9\xFF"); }, "a&b\xC3\xA9\xFF", 3},
        {"raw null", 0, [] { WriteXmlRaw(nullptr); }, "", 0},
        {"indent 0", 0, [] { WriteXmlIndent(); }, "", 0},
        {"indent below 0", -2, [] { WriteXmlIndent(); }, "", -2},
        {"indent 3", 3, [] { WriteXmlIndent(); }, "\t\t\t", 3},
        {"indent 70", 70, [] { WriteXmlIndent(); }, std::string(70, '\t'), 70},
        {"newline", 2, [] { WriteXmlNewline(); }, "\n", 2},
        {"open tag", 2, [] { WriteXmlTag("name", true); }, "<name>", 2},
        {"close tag", 2, [] { WriteXmlTag("name", false); }, "</name>", 2},
        {"text", 1, [] { WriteXmlText("<a & 'b'>\"\r"); }, "&lt;a &amp; &apos;b&apos;&gt;&quot;\r", 1},
        {"text null", 1, [] { WriteXmlText(static_cast<const char*>(nullptr)); }, "", 1},
        {"id open tag", 1, [] { WriteXmlIdOpenTag("clip \"1\" & co", "clipitem"); },
         "\t<clipitem id=\"clip &quot;1&quot; &amp; co\">\n", 2},
        {"id ref tag", 2, [] { WriteXmlIdRefTag("file-1", "file"); }, "\t\t<file id=\"file-1\"/>\n", 2},
        {"id empty", 0, [] { WriteXmlIdRefTag("", "file"); }, "<file id=\"\"/>\n", 0},
        {"raw element", 1, [] { WriteXmlRawElement("pathurl", "a&amp;b<"); }, "\t<pathurl>a&amp;b<</pathurl>\n", 1},
        {"raw element null", 0, [] { WriteXmlRawElement("x", nullptr); }, "<x></x>\n", 0},
        {"empty element", 2, [] { WriteXmlEmptyElement("enabled"); }, "\t\t<enabled/>\n", 2},
        {"text element", 2, [] { WriteXmlTextElement("size", "a<b"); }, "\t\t<size>a&lt;b</size>\n", 2},
        {"text element empty", 1, [] { WriteXmlTextElement("name", std::string()); }, "\t<name></name>\n", 1},
        {"text element mixed", 0, [] { WriteXmlTextElement("n", std::string("ab caf\xC3\xA9 & \xFF\x01z")); },
         "<n>ab caf\xC3\xA9 &amp; \xEF\xBF\xBDz</n>\n", 0},
        {"text element entity", 0, [] { WriteXmlTextElement("n", std::string("&amp;")); }, "<n>&amp;amp;</n>\n", 0},
        // A text element's value ends at a NUL; plain text drops it and goes on.
        {"text element NUL", 0, [] { WriteXmlTextElement("n", std::string("a\xC3\0<", 4)); }, "<n>a\xEF\xBF\xBD</n>\n", 0},
        {"text NUL", 0, [] { WriteXmlText(std::string("a\0<", 3)); }, "a&lt;", 0},
        // Lines longer than the writer's own room reach the sink whole and in order.
        {"long text element", 1, [] { WriteXmlTextElement("n", std::string(300, '<') + "x"); },
         "\t<n>" + Repeat("&lt;", 300) + "x</n>\n", 1},
        {"deep container", 600, [] { WriteXmlContainerOpen("c"); }, std::string(600, '\t') + "<c>\n", 601},
        {"int element", 1, [] { WriteXmlIntElement("in", 1234); }, "\t<in>1234</in>\n", 1},
        {"int element negative", 0, [] { WriteXmlIntElement("start", -1); }, "<start>-1</start>\n", 0},
        {"int element extremes", 0,
         [] {
             WriteXmlIntElement("a", 0);
             WriteXmlIntElement("b", std::numeric_limits<int>::min());
             WriteXmlIntElement("c", std::numeric_limits<int>::max());
         },
         "<a>0</a>\n<b>-2147483648</b>\n<c>2147483647</c>\n", 0},
        {"container", 1,
         [] {
             WriteXmlContainer("rate", [] {
                 WriteXmlTextElement("timebase", "25");
                 WriteXmlTextElement("ntsc", BoolToText(false));
             });
         },
         "\t<rate>\n\t\t<timebase>25</timebase>\n\t\t<ntsc>FALSE</ntsc>\n\t</rate>\n", 1},
        {"empty container", 0, [] { WriteXmlContainer("children", [] {}); }, "<children>\n</children>\n", 0},
        {"id container", 0,
         [] {
             WriteXmlIdOpenTag("seq", "sequence");
             WriteXmlTextElement("name", "S");
             WriteXmlContainerClose("sequence");
         },
         "<sequence id=\"seq\">\n\t<name>S</name>\n</sequence>\n", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capture(c.depth, c.write, c.depthAfter), c.expected) << c.label;
}

// Every length of name, value and indentation around the sizes the writer copies in different ways
// arrives whole, both through a plain sink and through a buffered one.
TEST(XmlWriter, PiecesOfEveryLengthArriveWhole)
{
    std::string expected;
    const auto writeAll = [&expected](bool record) {
        for (int n = 1; n <= 40; ++n) {
            std::string text;
            for (int i = 0; i < n; ++i)
                text += static_cast<char>('a' + i % 26);
            XmlIndentDepth = n;
            WriteXmlTextElement(text, text);
            WriteXmlEmptyElement(text);
            if (record)
                expected += std::string(n, '\t') + "<" + text + ">" + text + "</" + text + ">\n" +
                            std::string(n, '\t') + "<" + text + "/>\n";
        }
        XmlIndentDepth = 0;
    };
    XmlStringSink plain;
    {
        ScopedXmlSink redirect(plain);
        writeAll(true);
    }
    EXPECT_EQ(plain.text(), expected);
    XmlStringSink file;
    {
        BufferedXmlSink buffered(file);
        ScopedXmlSink redirect(buffered);
        writeAll(false);
    }
    EXPECT_EQ(file.text(), expected);
}

TEST(XmlWriter, EscapeXmlText)
{
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"plain text 123", "plain text 123"},
        {"a&b", "a&amp;b"},
        {"<>&'\"", "&lt;&gt;&amp;&apos;&quot;"},
        {"&amp;", "&amp;amp;"},
        {"&&", "&amp;&amp;"},
        {"tab\tlf\ncr\r", "tab\tlf\ncr\r"},
        {std::string("nul\0x", 5), "nulx"},
        {"\x01\x08\x0B\x0C\x1F|\x7F", "|\x7F"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        // U+FFFE and U+FFFF are outside XML 1.0's Char and go; an encoded surrogate is not UTF-8.
        {"a\xEF\xBF\xBE" "b\xEF\xBF\xBF" "c\xED\xA0\x80" "d", "abc\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" "d"},
        {"\xEF\xBF\xBD\xEE\x80\x80", "\xEF\xBF\xBD\xEE\x80\x80"},  // U+FFFD and U+E000 stay
        // Bytes that are not UTF-8 (a stray byte, an overlong form, a cut sequence) become U+FFFD.
        {"x\xFFy\xC0\xAFz\xE2\x82", "x\xEF\xBF\xBDy\xEF\xBF\xBD\xEF\xBF\xBDz\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeXmlText(c.text), c.expected) << c.text;
}

TEST(XmlWriter, SmallConversions)
{
    EXPECT_STREQ(BoolToText(true), "TRUE");
    EXPECT_STREQ(BoolToText(false), "FALSE");
    for (int type : {0, 2, -1})
        EXPECT_STREQ(MediaTypeName(type), "video") << type;
    EXPECT_STREQ(MediaTypeName(1), "audio");
}

TEST(XmlWriter, SinksNestAndRestore)
{
    XmlStringSink outer;
    XmlStringSink inner;
    {
        ScopedXmlSink a(outer);
        WriteXmlRaw("1");
        {
            ScopedXmlSink b(inner);
            WriteXmlRaw("2");
        }
        WriteXmlRaw("3");
        EXPECT_EQ(&CurrentXmlSink(), &outer);
    }
    EXPECT_EQ(outer.text(), "13");
    EXPECT_EQ(inner.text(), "2");
}

TEST(XmlWriter, BufferedSinksNestWithOthersAndRestore)
{
    XmlStringSink file;
    XmlStringSink inner;
    {
        BufferedXmlSink buffered(file);
        ScopedXmlSink a(buffered);
        WriteXmlEmptyElement("a");
        {
            ScopedXmlSink b(inner);
            WriteXmlEmptyElement("b");
        }
        WriteXmlTextElement("c", "1");
        EXPECT_EQ(file.text(), "");  // still held in the block
    }
    EXPECT_EQ(file.text(), "<a/>\n<c>1</c>\n");
    EXPECT_EQ(inner.text(), "<b/>\n");
}

// Counts the writes that reach it.
class CountingSink : public XmlStringSink {
public:
    void Write(const char* data, std::size_t size) override
    {
        ++writes;
        XmlStringSink::Write(data, size);
    }
    int writes = 0;
};

TEST(XmlWriter, BufferedSinkPassesTheBytesOnInBlocksAndAtTheEnd)
{
    CountingSink file;
    const std::string line = "\t\t<name>x</name>\n";
    std::string expected;
    {
        BufferedXmlSink buffered(file);
        ScopedXmlSink redirect(buffered);
        for (int i = 0; i < 10000; ++i) {
            XmlIndentDepth = 2;
            WriteXmlTextElement("name", "x");
            expected += line;
        }
        XmlIndentDepth = 0;
        EXPECT_GT(file.writes, 0);  // a large document does not wait for the end
        EXPECT_LT(file.text().size(), expected.size());
    }
    EXPECT_EQ(file.text(), expected);
    EXPECT_LT(file.writes, 10);
    {
        BufferedXmlSink buffered(file);
        buffered.Write("ab", 2);
        buffered.Flush();
        buffered.Write("", 0);
    }
    EXPECT_EQ(file.text(), expected + "ab");
    // A write larger than a block follows what is held, in order.
    const std::string large(100 * 1024, 'x');
    {
        BufferedXmlSink buffered(file);
        buffered.Write("cd", 2);
        buffered.Write(large.data(), large.size());
        buffered.Write("ef", 2);
    }
    EXPECT_EQ(file.text(), expected + "ab" + "cd" + large + "ef");
}

TEST(XmlWriter, WithoutRedirectionTheBytesGoToTheOutputFile)
{
    testsupport::TempDir dir;
    const auto path = dir / "out.xml";
    XmlOutputFile.setFileName(QFile::decodeName(path.c_str()));
    ASSERT_TRUE(XmlOutputFile.open(QIODevice::WriteOnly));
    WriteXmlTextElement("name", "a\xC3\xA9");
    XmlOutputFile.close();
    EXPECT_EQ(testsupport::ReadFile(path), "<name>a\xC3\xA9</name>\n");
}

}  // namespace
