#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "aaf/ByteReader.h"
#include "effects/TitleTextItem.h"

// The title's operating system, from the tag in its header.
inline constexpr std::int32_t kTitleOsUnknown = 0;
inline constexpr std::int32_t kTitleOsMac = 1;
inline constexpr std::int32_t kTitleOsWindows = 2;

// How a parse ended. A byte text that is no hexadecimal byte ends it early but keeps the items read
// so far; every other error makes the title unreadable, and errorText says why.
enum class TitleParseOutcome { Finished, InvalidHex, Failed };

inline constexpr const char* kTitleInvalidHexMessage = "HexFromASCII: Invalid ASCII !";

// Reads a title's picture stream (a header, then opcodes; the long comments tagged "Page" and "Text"
// carry the font names and the text boxes) into one TitleTextItem per text box. Every read is
// bounded by the data: a parse never reads or moves outside it.
class TitleParser {
public:
    // byteTexts: one hexadecimal text per byte ("%02x" with an optional trailing blank, as the value
    // model holds raw bytes). The parser starts from a copy of startItems.
    TitleParser(const std::vector<std::string>& byteTexts, const std::vector<TitleTextItem>& startItems);
    TitleParser(const TitleParser&) = delete;
    TitleParser& operator=(const TitleParser&) = delete;

    // Parses once; items holds what was found, also after an early end.
    [[nodiscard]] TitleParseOutcome Parse();

    std::vector<TitleTextItem> items;
    std::map<unsigned, std::string> fontNames;  // font id -> name, from the Page records
    std::int32_t rectWidth = 0;                 // of the last Rect record
    std::int32_t rectHeight = 0;
    std::uint64_t lineHeight = 0;  // of the last Font record
    std::uint64_t ascent = 0;
    std::int32_t osType = kTitleOsUnknown;
    std::string errorText;

private:
    struct Stop {
        bool invalidHex;
    };
    [[noreturn]] void Fail(const char* message);
    void RequireHex(std::size_t offset, std::size_t count) const;
    bool ByteIs(std::size_t offset, char letter) const;

    std::uint64_t ReadUnsigned(std::size_t n);
    std::int64_t ReadSigned(std::size_t n);
    std::span<const std::uint8_t> ReadBytes(std::size_t n);
    void Skip(std::size_t n);

    void DetectOsType();
    void ReadOpcodes();
    void ReadLongComment();
    void ReadSubRecords(std::size_t length, bool textRecord);
    void ReadRect(TitleTextItem& item);
    void ReadColor(TitleTextItem& item);
    void ReadFont(TitleTextItem& item);
    void AdjustVertically(TitleTextItem& item) const;
    void ReadAlign(TitleTextItem& item);
    void ReadLeading(TitleTextItem& item);
    void ReadFontNames();
    std::string ToUtf8(std::span<const std::uint8_t> bytes) const;

    std::vector<std::uint8_t> bytes_;  // the decoded bytes; 0 where a text is no byte
    std::vector<bool> valid_;          // whether each text was a hexadecimal byte
    aafsdk::ByteReader reader_;        // big-endian, over bytes_
};
