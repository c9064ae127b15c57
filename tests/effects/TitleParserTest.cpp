// The title parser over picture streams made in code: the OS tag and header, the opcode walk, the
// long comments and each sub-record, and every way a damaged stream ends the parse.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "effects/TitleParser.h"
#include "effects/TitleBytes.h"

namespace titletest {
namespace {

struct Parsed {
    TitleParseOutcome outcome;
    std::vector<TitleTextItem> items;
    std::string error;
    std::int32_t rectWidth = 0;
    std::int32_t rectHeight = 0;
};

Parsed Parse(const std::vector<std::string>& texts)
{
    TitleParser parser(texts, {});
    const TitleParseOutcome outcome = parser.Parse();
    return {outcome, parser.items, parser.errorText, parser.rectWidth, parser.rectHeight};
}

Parsed Parse(const Bytes& bytes) { return Parse(ByteTexts(bytes.data)); }

// One text box with the body given.
Parsed ParseBox(const Body& body, const std::string& os = "MAC") { return Parse(Title(os).TextBox(body).End()); }

TEST(TitleParser, OsTagDecidesTheHeader)
{
    struct Case {
        const char* name;
        Bytes bytes;
        TitleParseOutcome outcome;
        std::size_t items;
    };
    Bytes short60;
    short60.Zeros(54).Text("MAC").Zeros(3);  // 60 bytes: too short for a "MAC" title
    Bytes noTag;
    noTag.Zeros(100);
    const Case cases[] = {
        {"MAC, first opcode at 60", Title("MAC").TextBox(Body()).End(), TitleParseOutcome::Finished, 1},
        {"WIN, first opcode at 72", Title("WIN").TextBox(Body()).End(), TitleParseOutcome::Finished, 1},
        {"MAC then end at once", Title("MAC").End(), TitleParseOutcome::Finished, 0},
        {"60 bytes", short60, TitleParseOutcome::Failed, 0},
        {"no tag", noTag, TitleParseOutcome::Failed, 0},
        {"nothing", Bytes(), TitleParseOutcome::Failed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parsed p = Parse(c.bytes);
        EXPECT_EQ(p.outcome, c.outcome);
        EXPECT_EQ(p.items.size(), c.items);
        EXPECT_EQ(p.error, c.outcome == TitleParseOutcome::Failed ? "Cannot determine the OS type for Title" : "");
    }
}

TEST(TitleParser, PageRecordsNameFontsAndTextRecordsMakeItems)
{
    Body page;
    page.FontNames({{21, "Helvetica"}, {3, "Times"}, {21, "Geneva"}}).Rect(1, 2, 3, 4);
    Body first, second;
    first.TextAndStyle({.text = "One", .fontId = 21});
    second.TextAndStyle({.text = "Two", .fontId = 9});
    const Parsed p = Parse(Title().Page(page).TextBox(first).Comment("Misc", Bytes().Zeros(7)).TextBox(second).End());
    ASSERT_EQ(p.outcome, TitleParseOutcome::Finished) << p.error;
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[0].text, "One");
    EXPECT_EQ(p.items[0].fontName, "Geneva");  // the later entry of an id wins
    EXPECT_EQ(p.items[1].fontName, "");        // an id no Page named
    // A Rect inside a Page record is skipped: the item keeps the default origin.
    EXPECT_EQ(p.items[0].originX, 0.0f);
}

TEST(TitleParser, ATextRecordWithoutSubRecordsKeepsTheDefaults)
{
    const Parsed p = ParseBox(Body());
    ASSERT_EQ(p.items.size(), 1u);
    const TitleTextItem& t = p.items[0];
    EXPECT_EQ(t.text, "TITLES NOT YET SUPPORTED");
    EXPECT_EQ(t.fontName, "Lucida Grande");
    EXPECT_EQ(t.fontSize, 36);
    EXPECT_EQ(t.style, 1);
    EXPECT_EQ(t.alignment, 2);
    EXPECT_EQ(t.red, 255.0);
    EXPECT_EQ(t.leading, 0);
}

TEST(TitleParser, RectPlacesTheOriginAndAlignMovesIt)
{
    struct Case {
        const char* name;
        Body body;
        float x, y;
        int width, height, alignment;
    };
    const Case cases[] = {
        {"rect", Body().Rect(100, 200, 300, 600), 0.0f, -0.0884774f, 400, 200, 2},
        {"bottom 500 is 485", Body().Rect(100, 200, 500, 600), 0.0f, 0.101852f, 400, 385, 2},
        {"top and left clamped", Body().Rect(900, 900, 900, 900), 0.499375f, 0.498971f, -1, -1, 2},
        {"right", Body().Rect(100, 200, 300, 600).Align(0xFFFF), 0.25f, -0.0884774f, 400, 200, 3},
        {"left", Body().Rect(100, 200, 300, 600).Align(0), -0.25f, -0.0884774f, 400, 200, 1},
        {"forced left", Body().Rect(100, 200, 300, 600).Align(0xFFFE), -0.25f, -0.0884774f, 400, 200, 1},
        {"centre", Body().Rect(100, 200, 300, 600).Align(1), 0.0f, -0.0884774f, 400, 200, 2},
        {"a later rect overwrites", Body().Rect(0, 0, 0, 0).Align(0xFFFF).Rect(100, 200, 300, 600), 0.0f,
         -0.0884774f, 400, 200, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parsed p = ParseBox(c.body);
        ASSERT_EQ(p.outcome, TitleParseOutcome::Finished) << p.error;
        EXPECT_NEAR(p.items[0].originX, c.x, 1e-5);
        EXPECT_NEAR(p.items[0].originY, c.y, 1e-5);
        EXPECT_EQ(p.rectWidth, c.width);
        EXPECT_EQ(p.rectHeight, c.height);
        EXPECT_EQ(p.items[0].alignment, c.alignment);
    }
}

TEST(TitleParser, FontRecordReadsTextStyleAndSize)
{
    struct Case {
        const char* name;
        Body::Font font;
        std::string text;
        int style, size;
    };
    const Case cases[] = {
        {"escaped, CR as a reference", {.text = "A<B\rC"}, "A&lt;B&#13;C", 1, 36},
        {"cut at a zero byte, odd length padded", {.text = std::string("ab\0cd", 5)}, "ab", 1, 36},
        {"bold", {.face = 1, .size = 10}, "Hi", 2, 7},
        {"italic", {.face = 2}, "Hi", 3, 36},
        {"bold italic, three style runs", {.face = 3, .runs = 3}, "Hi", 4, 36},
        {"other controls dropped", {.text = "a\tb\nc\x7f"}, "abc", 1, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parsed p = Parse(Title().Page(Body().FontNames({{21, "Helvetica"}})).TextBox(Body().TextAndStyle(c.font)).End());
        ASSERT_EQ(p.outcome, TitleParseOutcome::Finished) << p.error;
        EXPECT_EQ(p.items[0].text, c.text);
        EXPECT_EQ(p.items[0].style, c.style);
        EXPECT_EQ(p.items[0].fontSize, c.size);
        EXPECT_EQ(p.items[0].fontName, "Helvetica");
    }
}

TEST(TitleParser, TextIsTranscodedByTheTitlesSystem)
{
    // "Café" and a font name with an accent, in each system's character set.
    const std::string mac = "Caf\x8e", win = "Caf\xe9";
    for (const auto& [os, text] : {std::pair{std::string("MAC"), mac}, std::pair{std::string("WIN"), win}}) {
        SCOPED_TRACE(os);
        const Parsed p = Parse(Title(os)
                                   .Page(Body().FontNames({{1, text}}))
                                   .TextBox(Body().TextAndStyle({.text = text + "&", .fontId = 1}))
                                   .End());
        ASSERT_EQ(p.outcome, TitleParseOutcome::Finished) << p.error;
        EXPECT_EQ(p.items[0].text, "Caf\xc3\xa9&amp;");
        EXPECT_EQ(p.items[0].plainText, "Caf\xc3\xa9&");
        EXPECT_EQ(p.items[0].fontName, "Caf\xc3\xa9");
    }
}

TEST(TitleParser, VerticalAdjustmentMovesToTheFirstBaselineWhenALineFits)
{
    struct Case {
        const char* name;
        unsigned top, bottom, lineHeight, ascent;
        double shift;  // originY minus the box centre's
    };
    const Case cases[] = {
        // H 48, P 48, Q 37: one line; ((0.5 - 1) * 48 + 11) / 486.
        {"one line", 205, 253, 48, 37, 13.0 / 486},
        // H 200, P 48, Q 37: 4 lines; ((2 - 1) * 50 + 11) / 486.
        {"four lines", 100, 300, 48, 37, -61.0 / 486},
        {"no line height", 100, 300, 0, 0, 0.0},
        {"ascent above the line height", 100, 300, 10, 11, 0.0},
        {"no whole line fits", 100, 120, 48, 37, 0.0},
        {"upside-down rect", 300, 100, 48, 37, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parsed box = ParseBox(Body().Rect(c.top, 0, c.bottom, 0));
        const Parsed p = ParseBox(
            Body().Rect(c.top, 0, c.bottom, 0).TextAndStyle({.lineHeight = c.lineHeight, .ascent = c.ascent}));
        ASSERT_EQ(p.outcome, TitleParseOutcome::Finished) << p.error;
        EXPECT_NEAR(p.items[0].originY - box.items[0].originY, c.shift, 1e-6);
    }
}

TEST(TitleParser, LeadingIsASignedIntegerLimitedTo100)
{
    struct Case {
        Bytes value;
        int leading;
    };
    const Case cases[] = {
        {Bytes().U8(0xFF).U8(0x38), -100},  // -200
        {Bytes().U8(0x00).U8(0x38), 56},
        {Bytes().U8(0xFB), -5},
        {Bytes().U8(0x7F), 100},
        {Bytes(), 0},
        {Bytes().U16(0xFFFF).U16(0xFFFF).U16(0xFFFF).U16(0xFFFE), -2},
        {Bytes().U16(0x7FFF).U16(0xFFFF).U16(0xFFFF).U16(0xFFFF), 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.size());
        const Parsed p = ParseBox(Body().Leading(c.value));
        ASSERT_EQ(p.outcome, TitleParseOutcome::Finished) << p.error;
        EXPECT_EQ(p.items[0].leading, c.leading);
    }
}

TEST(TitleParser, ColorTakesTheHighByteOfEachChannel)
{
    const Parsed p = ParseBox(Body().Color(0xFFFF, 0x80FF, 0x00FF));
    ASSERT_EQ(p.outcome, TitleParseOutcome::Finished) << p.error;
    EXPECT_EQ(p.items[0].red, 255.0);
    EXPECT_EQ(p.items[0].green, 128.0);
    EXPECT_EQ(p.items[0].blue, 0.0);
}

TEST(TitleParser, DamagedStreamsFailWithTheirMessageAndKeepTheItemsBefore)
{
    struct Case {
        const char* name;
        Bytes bytes;
        const char* error;
        std::size_t items;
    };
    const Body box = Body().Rect(1, 2, 3, 4);
    Body::Font noRuns;
    noRuns.runs = 0;
    const Case cases[] = {
        {"unknown opcode", Title().TextBox(box).U16(0x0001), "Unexpected Title Text", 1},
        {"no end", Title().TextBox(box), "Byte size exceeds the end of vector", 1},
        {"cut inside a record", Title().TextBox(Body().U16(4).U16(8).U16(1)), "Byte size exceeds the end of vector", 1},
        {"skip past the data", Title().CommentOfLength("Misc", Bytes().Zeros(4), 118).End(), "SkipBytes exceeds the end of vector", 0},
        {"sub-record past the data", Title().TextBox(Body().U16(8).U16(100).Zeros(4)), "SkipBytes exceeds the end of vector", 1},
        {"body longer than the data", Title().CommentOfLength("Text", box, 5000), "Byte size exceeds the end of vector", 1},
        {"comment length below its fixed part", Title().CommentOfLength("Text", Bytes(), 17).End(), "Unexpected Title Text", 0},
        {"no style run", Title().TextBox(Body().TextAndStyle(noRuns)).End(), "Unexpected Title Text", 1},
        {"Rect length", Title().TextBox(Body().Record(4, Bytes().Zeros(6))).End(), "Unexpected byte value of length (Rect)", 1},
        {"Color length", Title().TextBox(Body().Record(5, Bytes().Zeros(8))).End(), "Unexpected byte value of length (Color)", 1},
        {"Align length", Title().TextBox(Body().Record(36, Bytes().Zeros(4))).End(), "Unexpected byte value for length (Align)", 1},
        {"Align value", Title().TextBox(Body().Align(2)).End(), "Unexpected byte value for alignment (Align)", 1},
        {"underline face", Title().TextBox(Body().TextAndStyle({.face = 4})).End(), "nexpected byte value for style (Font)", 1},
        {"leading of 9 bytes", Title().TextBox(Body().Leading(Bytes().Zeros(9))).End(), "Byte Size must be smaller or equal to 8", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parsed p = Parse(c.bytes);
        EXPECT_EQ(p.outcome, TitleParseOutcome::Failed);
        EXPECT_EQ(p.error, c.error);
        EXPECT_EQ(p.items.size(), c.items);
    }
}

TEST(TitleParser, ATextThatIsNoByteEndsTheParseWhereItIsRead)
{
    Title title;
    title.TextBox(Body().TextAndStyle({.text = "Kept"}));
    const std::size_t secondBox = title.size() + 8;  // inside the second box's fixed part
    title.TextBox(Body().Rect(1, 2, 3, 4)).End();
    struct Case {
        const char* name;
        std::size_t at;
        std::string text;
        TitleParseOutcome outcome;
        std::size_t items;
    };
    const Case cases[] = {
        {"in the second box", secondBox, "zz", TitleParseOutcome::InvalidHex, 1},
        {"a single digit", secondBox, "4", TitleParseOutcome::InvalidHex, 1},
        {"a third character", secondBox, "41x", TitleParseOutcome::InvalidHex, 1},
        {"at the OS tag", 54, "M", TitleParseOutcome::InvalidHex, 0},
        {"in the skipped header", 10, "??", TitleParseOutcome::Finished, 2},
        {"the first byte, never read", 0, "", TitleParseOutcome::Finished, 2},
        {"upper case digits", secondBox, "0A", TitleParseOutcome::Finished, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> texts = ByteTexts(title.data);
        texts[c.at] = c.text;
        const Parsed p = Parse(texts);
        EXPECT_EQ(p.outcome, c.outcome);
        EXPECT_EQ(p.items.size(), c.items);
        EXPECT_EQ(p.error, "");
        if (!p.items.empty()) {
            EXPECT_EQ(p.items[0].text, "Kept");
        }
    }
}

}  // namespace
}  // namespace titletest
