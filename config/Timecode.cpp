#include "config/Timecode.h"

#include <cstdlib>
#include <limits>

namespace {

enum Digit { kTenHours, kHours, kTenMinutes, kMinutes, kTenSeconds, kSeconds, kTenFrames, kFrames };

constexpr int kNtscDropRow = 4;
constexpr int kDoubleNtscDropRow = 8;

struct RateWord {
    const char* word;
    std::int32_t numerator;
    std::int32_t denominator;
    std::uint16_t framesPerSecond;
};

constexpr RateWord kRateWords[] = {
    {"60", 60000, 1000, 60}, {"59.94", 5994, 100, 60}, {"50", 50000, 1000, 50},
    {"30", 30000, 1000, 30}, {"29.97", 2997, 100, 30}, {"25", 25000, 1000, 25},
    {"24", 24000, 1000, 24}, {"23.98", 24000, 1001, 24},
};

// Frame numbers skipped at each minute that is not a multiple of ten.
int DroppedFramesPerMinute(int row)
{
    return row == kDoubleNtscDropRow ? 4 : 2;
}

float RateOf(const Timecode& timecode)
{
    // A zero denominator only comes from damaged input; read it as the default rate.
    if (timecode.rateDenominator == 0)
        return static_cast<float>(Timecode().rateNumerator) / static_cast<float>(Timecode().rateDenominator);
    return static_cast<float>(timecode.rateNumerator) / static_cast<float>(timecode.rateDenominator);
}

int RowOfRate(float r, bool drop)
{
    if (r < 24.0f) return 0;
    if (r == 24.0f) return 1;
    if (r == 25.0f) return 2;
    if (r < 30.0f) return drop ? kNtscDropRow : 3;
    if (r == 30.0f) return 5;
    if (r == 50.0f) return 6;
    if (r < 60.0f) return drop ? kDoubleNtscDropRow : 7;
    if (r == 60.0f) return 9;
    return 0;
}

// Leading decimal digits of two characters; none reads as 0.
int ReadField(const std::string& text, std::size_t at)
{
    int value = 0;
    for (std::size_t i = at; i < at + 2 && i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The value in decimal, padded with a zero to two digits; the fields of a timecode are 0 to 99 as
// a rule, written without a library call.
void AppendTwoDigits(std::int64_t value, std::string& text)
{
    if (value >= 0 && value < 100) {
        text += static_cast<char>('0' + value / 10);
        text += static_cast<char>('0' + value % 10);
        return;
    }
    const std::string digits = std::to_string(value);
    if (digits.size() < 2)
        text += '0';
    text += digits;
}

char FlipSeparator(char separator)
{
    switch (separator) {
    case ':': return '.';
    case '.': return ':';
    case ';': return ',';
    case ',': return ';';
    default: return separator;
    }
}

}  // namespace

// 59.94 drop frame skips four frame numbers a minute (two frame pairs), as the SMPTE rule does.
const std::array<TimecodeRateRow, 10> TimecodeRateTable = {{
    {864000, 86400, 14400, 1440, 240, 24, 10, 1},
    {864000, 86400, 14400, 1440, 240, 24, 10, 1},
    {900000, 90000, 15000, 1500, 250, 25, 10, 1},
    {1080000, 108000, 18000, 1800, 300, 30, 10, 1},
    {1078920, 107892, 17982, 1798, 300, 30, 10, 1},
    {1080000, 108000, 18000, 1800, 300, 30, 10, 1},
    {1800000, 180000, 30000, 3000, 500, 50, 10, 1},
    {2160000, 216000, 36000, 3600, 600, 60, 10, 1},
    {2157840, 215784, 35964, 3596, 600, 60, 10, 1},
    {2160000, 216000, 36000, 3600, 600, 60, 10, 1},
}};

void SetTimecodeRateFromText(Timecode& timecode, const std::string& frameRate)
{
    for (const RateWord& row : kRateWords) {
        if (frameRate == row.word) {
            timecode.rateNumerator = row.numerator;
            timecode.rateDenominator = row.denominator;
            timecode.framesPerSecond = row.framesPerSecond;
            return;
        }
    }
}

TimecodeBase TimecodeBaseFromRate(std::int32_t rateNumerator, std::int32_t rateDenominator)
{
    std::int64_t f = 0;
    if (rateDenominator != 0)
        f = static_cast<std::int64_t>(rateNumerator) / rateDenominator;
    // No frames per second, or more than the base can hold, is damaged input: use the default rate.
    if (f <= 0 || f >= 0xFFFF)
        f = Timecode().rateNumerator / Timecode().rateDenominator;
    TimecodeBase base;
    if (f % 2 == 0 || f == 25) {
        base.framesPerSecond = static_cast<std::uint16_t>(f);
        base.dropFrame = 0;
    } else {
        base.framesPerSecond = static_cast<std::uint16_t>(f + 1);
        base.dropFrame = 1;
    }
    return base;
}

TimecodeFields SplitTimecodeFrames(const Timecode& timecode)
{
    const float r = RateOf(timecode);
    const auto low = static_cast<std::int32_t>(static_cast<std::uint64_t>(timecode.startFrame) & 0xFFFFFFFFu);
    // 64 bits so that the most negative count has a magnitude.
    const std::int64_t n = std::llabs(static_cast<std::int64_t>(low));

    const int rowIndex = RowOfRate(r, timecode.dropFrame != 0);
    const TimecodeRateRow& row = TimecodeRateTable[rowIndex];

    TimecodeFields fields;
    const std::int64_t hours = n / row[kHours];
    std::int64_t rest = n - hours * row[kHours];
    const std::int64_t tens = rest / row[kTenMinutes];
    rest -= tens * row[kTenMinutes];
    const std::int64_t units = rest / row[kMinutes];
    rest -= units * row[kMinutes];
    fields.hours = static_cast<int>(hours);
    fields.minutes = static_cast<int>(tens * 10 + units);
    fields.seconds = static_cast<int>(rest / row[kSeconds]);
    fields.frames = static_cast<int>(rest - fields.seconds * row[kSeconds]);

    if (rowIndex == kNtscDropRow || rowIndex == kDoubleNtscDropRow) {
        const int dropped = DroppedFramesPerMinute(rowIndex);
        // The first frames of a dropping minute still belong to the end of the minute before.
        if (n > 1 && units != 0 && fields.seconds == 0 && fields.frames < dropped) {
            fields.frames = row[kSeconds] - dropped + fields.frames;
            fields.seconds = 59;
            fields.minutes -= 1;
        }
    }
    if (r > 30.0f) {
        fields.oddFrame = fields.frames % 2 != 0;
        fields.frames /= 2;
    }
    return fields;
}

std::string TimecodeToText(const Timecode& timecode)
{
    const float r = RateOf(timecode);
    char separator = ':';
    if (r == 24.0f || r == 25.0f || r == 50.0f)
        separator = '.';
    else if (timecode.dropFrame != 0)
        separator = ';';

    const TimecodeFields fields = SplitTimecodeFrames(timecode);
    const char last = fields.oddFrame ? FlipSeparator(separator) : separator;

    std::string text;
    text.reserve(12);
    if (timecode.startFrame < 0)
        text += '-';
    AppendTwoDigits(fields.hours, text);
    text += separator;
    AppendTwoDigits(fields.minutes, text);
    text += separator;
    AppendTwoDigits(fields.seconds, text);
    text += last;
    AppendTwoDigits(fields.frames, text);
    return text;
}

int TimecodeTextToFrames(const std::string& text, const Timecode& timecode)
{
    const bool drop = timecode.dropFrame != 0;
    int rowIndex = -1;
    switch (timecode.framesPerSecond) {
    case 24: rowIndex = drop ? 0 : 1; break;
    case 25: rowIndex = 2; break;
    case 30: rowIndex = drop ? kNtscDropRow : 3; break;
    case 50: rowIndex = 6; break;
    case 60: rowIndex = drop ? kDoubleNtscDropRow : 7; break;
    default: break;
    }

    const std::size_t length = text.size();
    const int frames = length >= 3 ? ReadField(text, length - 2) : 0;
    const int seconds = length >= 6 ? ReadField(text, length - 5) : 0;
    const int minutes = length >= 9 ? ReadField(text, length - 8) : 0;
    const int hours = length >= 11 ? ReadField(text, length - 11) : 0;

    if (rowIndex < 0) {
        // No row for this base: count plainly, without drop frame.
        const std::int64_t count =
            ((hours * 60LL + minutes) * 60 + seconds) * timecode.framesPerSecond + frames;
        return count > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(count);
    }
    const TimecodeRateRow& row = TimecodeRateTable[rowIndex];
    return hours / 10 * row[kTenHours] + hours % 10 * row[kHours] + minutes / 10 * row[kTenMinutes] +
           minutes % 10 * row[kMinutes] + seconds / 10 * row[kTenSeconds] + seconds % 10 * row[kSeconds] +
           frames / 10 * row[kTenFrames] + frames % 10 * row[kFrames];
}
