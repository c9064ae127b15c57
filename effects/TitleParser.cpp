#include "effects/TitleParser.h"

#include <algorithm>
#include <cmath>

#include <QByteArray>
#include <QString>
#include <QTextCodec>

#include "fcpxml/XmlWriter.h"

namespace {

// Opcodes of the picture stream.
constexpr std::uint64_t kLongComment = 0x00A1;
constexpr std::uint64_t kEndOfPicture = 0x00FF;

// Tags of the long comments, as big-endian ASCII.
constexpr std::uint64_t kPageTag = 0x50616765;  // "Page"
constexpr std::uint64_t kTextTag = 0x54657874;  // "Text"

// The bytes skipped after the OS tag's offset, so that the first opcode is at 60 or 72.
constexpr std::size_t kMacHeaderSkip = 59;
constexpr std::size_t kWindowsHeaderSkip = 71;
constexpr std::size_t kMacTagOffset = 54;
constexpr std::size_t kWindowsTagOffset = 66;

// A long comment's fixed part after its length field: 13 bytes, the tag, 1 byte.
constexpr std::uint64_t kLongCommentFixedPart = 18;

// Sub-record codes.
constexpr std::uint64_t kRectCode = 4;
constexpr std::uint64_t kColorCode = 5;
constexpr std::uint64_t kAlignCode = 36;
constexpr std::uint64_t kFontCode = 59;
constexpr std::uint64_t kFontNamesCode = 60;
constexpr std::uint64_t kLeadingCode = 64;

constexpr std::size_t kStyleRunSize = 20;
constexpr std::size_t kFontNameStorage = 255;

// The frame the title's coordinates refer to.
constexpr double kFrameWidth = 800.0;
constexpr double kFrameHeight = 486.0;

bool HexDigit(char c, std::uint8_t* value)
{
    if (c >= '0' && c <= '9')
        *value = static_cast<std::uint8_t>(c - '0');
    else if (c >= 'a' && c <= 'f')
        *value = static_cast<std::uint8_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        *value = static_cast<std::uint8_t>(c - 'A' + 10);
    else
        return false;
    return true;
}

// Two hexadecimal digits, optionally followed by one blank.
bool DecodeByteText(const std::string& text, std::uint8_t* byte)
{
    std::uint8_t high = 0, low = 0;
    if (text.size() < 2 || text.size() > 3 || (text.size() == 3 && text[2] != ' '))
        return false;
    if (!HexDigit(text[0], &high) || !HexDigit(text[1], &low))
        return false;
    *byte = static_cast<std::uint8_t>(high << 4 | low);
    return true;
}

// A control character the text generator has no use for; the carriage return is a line break.
bool DroppedControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\r') || (u >= 0x7F && u < 0xA0);
}

}  // namespace

TitleParser::TitleParser(const std::vector<std::string>& byteTexts, const std::vector<TitleTextItem>& startItems)
    : items(startItems), bytes_(byteTexts.size(), 0), valid_(byteTexts.size(), false)
{
    for (std::size_t i = 0; i < byteTexts.size(); ++i)
        valid_[i] = DecodeByteText(byteTexts[i], &bytes_[i]);
    reader_ = aafsdk::ByteReader(bytes_, true);
}

TitleParseOutcome TitleParser::Parse()
{
    try {
        DetectOsType();
        // The reader starts after the first byte, which lies in the header.
        Skip(1);
        Skip(osType == kTitleOsMac ? kMacHeaderSkip : kWindowsHeaderSkip);
        ReadOpcodes();
    } catch (const Stop& stop) {
        return stop.invalidHex ? TitleParseOutcome::InvalidHex : TitleParseOutcome::Failed;
    }
    return TitleParseOutcome::Finished;
}

void TitleParser::Fail(const char* message)
{
    errorText = message;
    throw Stop{false};
}

void TitleParser::RequireHex(std::size_t offset, std::size_t count) const
{
    const std::size_t end = std::min(valid_.size(), offset + count);
    for (std::size_t i = offset; i < end; ++i)
        if (!valid_[i])
            throw Stop{true};
}

bool TitleParser::ByteIs(std::size_t offset, char letter) const
{
    RequireHex(offset, 1);
    return bytes_[offset] == static_cast<std::uint8_t>(letter);
}

std::span<const std::uint8_t> TitleParser::ReadBytes(std::size_t n)
{
    // Bytes up to the end are decoded in order, so a bad text before the end is found first.
    RequireHex(reader_.position(), n);
    std::span<const std::uint8_t> out;
    if (!reader_.Bytes(n, &out))
        Fail("Byte size exceeds the end of vector");
    return out;
}

std::uint64_t TitleParser::ReadUnsigned(std::size_t n)
{
    if (n > 8)
        Fail("Byte Size must be smaller or equal to 8");
    std::uint64_t value = 0;
    for (const std::uint8_t b : ReadBytes(n))
        value = value << 8 | b;
    return value;
}

std::int64_t TitleParser::ReadSigned(std::size_t n)
{
    const std::uint64_t value = ReadUnsigned(n);
    if (n == 0 || n == 8)
        return static_cast<std::int64_t>(value);
    const std::uint64_t signBit = std::uint64_t{1} << (8 * n - 1);
    // Two's complement of n bytes: fill the bits above them with the sign.
    return static_cast<std::int64_t>((value & signBit) ? value | ~((signBit << 1) - 1) : value);
}

void TitleParser::Skip(std::size_t n)
{
    if (!reader_.Skip(n))
        Fail("SkipBytes exceeds the end of vector");
}

void TitleParser::DetectOsType()
{
    const std::size_t n = bytes_.size();
    const auto tagAt = [this](std::size_t offset, const char* tag) {
        return ByteIs(offset, tag[0]) && ByteIs(offset + 1, tag[1]) && ByteIs(offset + 2, tag[2]);
    };
    if (n > 60 && tagAt(kMacTagOffset, "MAC"))
        osType = kTitleOsMac;
    else if (n > 72 && tagAt(kWindowsTagOffset, "WIN"))
        osType = kTitleOsWindows;
    else
        Fail("Cannot determine the OS type for Title");
}

void TitleParser::ReadOpcodes()
{
    // Every pass consumes at least the opcode, so the walk ends with the data.
    for (;;) {
        const std::uint64_t opcode = ReadUnsigned(2);
        if (opcode == kEndOfPicture)
            return;
        if (opcode != kLongComment)
            Fail("Unexpected Title Text");
        ReadLongComment();
    }
}

void TitleParser::ReadLongComment()
{
    (void)ReadUnsigned(2);  // kind
    const std::uint64_t length = ReadUnsigned(2);
    if (length < kLongCommentFixedPart)
        Fail("Unexpected Title Text");
    (void)ReadBytes(13);
    const std::uint64_t tag = ReadUnsigned(4);
    (void)ReadBytes(1);
    const auto body = static_cast<std::size_t>(length - kLongCommentFixedPart);
    if (tag == kPageTag) {
        ReadSubRecords(body, false);
    } else if (tag == kTextTag) {
        items.emplace_back();
        ReadSubRecords(body, true);
    } else {
        Skip(body);
    }
}

void TitleParser::ReadSubRecords(std::size_t length, bool textRecord)
{
    // A handler may read past the body's end (within the data); the stream then simply ends.
    const std::size_t end = reader_.position() + length;
    while (reader_.position() < end) {
        const std::uint64_t code = ReadUnsigned(2);
        if (textRecord && code == kRectCode)
            ReadRect(items.back());
        else if (textRecord && code == kColorCode)
            ReadColor(items.back());
        else if (textRecord && code == kFontCode)
            ReadFont(items.back());
        else if (textRecord && code == kAlignCode)
            ReadAlign(items.back());
        else if (textRecord && code == kLeadingCode)
            ReadLeading(items.back());
        else if (!textRecord && code == kFontNamesCode)
            ReadFontNames();
        else
            Skip(static_cast<std::size_t>(ReadUnsigned(2)));
    }
}

void TitleParser::ReadRect(TitleTextItem& item)
{
    if (ReadUnsigned(2) != 8)
        Fail("Unexpected byte value of length (Rect)");
    std::uint64_t top = ReadUnsigned(2);
    std::uint64_t left = ReadUnsigned(2);
    std::uint64_t bottom = ReadUnsigned(2);
    std::uint64_t right = ReadUnsigned(2);
    if (bottom > 486)
        bottom = 485;
    if (top > 486)
        top = 486;
    if (right > 800)
        right = 799;
    if (left > 800)
        left = 800;
    const auto t = static_cast<double>(top), l = static_cast<double>(left);
    const auto b = static_cast<double>(bottom), r = static_cast<double>(right);
    item.originX = static_cast<float>((l + r) * 0.5 / kFrameWidth - 0.5);
    item.originY = static_cast<float>((t + b) * 0.5 / kFrameHeight - 0.5);
    rectWidth = static_cast<std::int32_t>(right) - static_cast<std::int32_t>(left);
    rectHeight = static_cast<std::int32_t>(bottom) - static_cast<std::int32_t>(top);
}

void TitleParser::ReadColor(TitleTextItem& item)
{
    if (ReadUnsigned(2) != 6)
        Fail("Unexpected byte value of length (Color)");
    item.red = static_cast<double>(ReadUnsigned(2) >> 8);
    item.green = static_cast<double>(ReadUnsigned(2) >> 8);
    item.blue = static_cast<double>(ReadUnsigned(2) >> 8);
}

void TitleParser::ReadFont(TitleTextItem& item)
{
    (void)ReadBytes(2);
    const auto textLength = static_cast<std::size_t>(ReadUnsigned(2));
    std::span<const std::uint8_t> raw = ReadBytes(textLength);
    if (textLength % 2 != 0)
        Skip(1);
    raw = raw.first(static_cast<std::size_t>(std::find(raw.begin(), raw.end(), 0) - raw.begin()));
    item.plainText = ToUtf8(raw);
    std::string text;
    for (const char c : EscapeXmlText(item.plainText))
        text += c == '\r' ? std::string("&#13;") : std::string(1, c);
    item.text = text;

    (void)ReadBytes(2);
    const std::uint64_t runs = ReadUnsigned(2);
    if (runs == 0)
        Fail("Unexpected Title Text");
    (void)ReadBytes(4);
    lineHeight = ReadUnsigned(2);
    ascent = ReadUnsigned(2);
    const auto font = fontNames.find(static_cast<unsigned>(ReadUnsigned(2)));
    item.fontName = font == fontNames.end() ? std::string() : font->second;
    const std::uint64_t face = ReadUnsigned(1);
    if (face > 3)
        Fail("nexpected byte value for style (Font)");
    item.style = static_cast<std::int32_t>(face) + 1;
    (void)ReadBytes(1);
    item.fontSize = static_cast<std::int32_t>(ReadUnsigned(2) * 3 / 4);

    AdjustVertically(item);

    (void)ReadBytes(6);
    Skip(static_cast<std::size_t>(runs - 1) * kStyleRunSize);
}

void TitleParser::AdjustVertically(TitleTextItem& item) const
{
    // Moves the origin from the box's centre to the first line's baseline. Undefined without a line
    // height, with an ascent above it or when no whole line fits: the origin stays.
    if (lineHeight == 0 || ascent > lineHeight)
        return;
    const auto height = static_cast<double>(rectHeight);
    const auto line = static_cast<double>(lineHeight);
    const double lines = std::floor(height / line);
    if (!(lines >= 1.0))
        return;
    const double descent = static_cast<double>(lineHeight - ascent);
    item.originY = static_cast<float>(item.originY - ((lines * 0.5 - 1.0) * (height / lines) + descent) / kFrameHeight);
}

void TitleParser::ReadAlign(TitleTextItem& item)
{
    if (ReadUnsigned(2) != 2)
        Fail("Unexpected byte value for length (Align)");
    const std::uint64_t justification = ReadUnsigned(2);
    const double halfWidth = static_cast<double>(rectWidth) * 0.5 / kFrameWidth;
    if (justification == 0 || justification == 0xFFFE) {
        item.alignment = 1;
        item.originX = static_cast<float>(item.originX - halfWidth);
    } else if (justification == 1) {
        item.alignment = 2;
    } else if (justification == 0xFFFF) {
        item.alignment = 3;
        item.originX = static_cast<float>(item.originX + halfWidth);
    } else {
        Fail("Unexpected byte value for alignment (Align)");
    }
}

void TitleParser::ReadLeading(TitleTextItem& item)
{
    const auto size = static_cast<std::size_t>(ReadUnsigned(2));
    item.leading = static_cast<std::int32_t>(std::clamp<std::int64_t>(ReadSigned(size), -100, 100));
}

void TitleParser::ReadFontNames()
{
    (void)ReadBytes(2);
    Skip(2);
    const std::uint64_t count = ReadUnsigned(2);
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto nameLength = static_cast<std::size_t>(ReadUnsigned(1));
        const std::span<const std::uint8_t> storage = ReadBytes(kFontNameStorage);
        Skip(2);
        const auto id = static_cast<unsigned>(ReadUnsigned(2));
        fontNames[id] = ToUtf8(storage.first(nameLength));
    }
}

std::string TitleParser::ToUtf8(std::span<const std::uint8_t> raw) const
{
    // The title's own system wrote its text in its own 8-bit character set.
    QTextCodec* codec = QTextCodec::codecForName(osType == kTitleOsMac ? "Apple Roman" : "windows-1252");
    const QByteArray data(reinterpret_cast<const char*>(raw.data()), static_cast<qsizetype>(raw.size()));
    const QString decoded = codec ? codec->toUnicode(data) : QString::fromLatin1(data);
    QString kept;
    kept.reserve(decoded.size());
    for (const QChar c : decoded)
        if (!DroppedControl(c))
            kept.append(c);
    const QByteArray utf8 = kept.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}
