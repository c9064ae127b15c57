#include "config/IniDocument.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// What an ASCII unit is to the writer, looked up rather than tested unit by unit.
enum : unsigned char {
    kPlainKey = 1,      // stands in a key as it is
    kPlainValue = 2,    // stands in a value as it is
    kQuotesValue = 4,   // puts quotes around the value it is in
    kKeyUnit = 8,       // plain in a key, or '/'
    kSlash = 16,        // '/'
};
constexpr auto kUnitClasses = [] {
    std::array<unsigned char, 128> classes{};
    for (unsigned ch = 0; ch < 128; ++ch) {
        if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
            ch == '-' || ch == '.')
            classes[ch] |= kPlainKey;
        if (ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\')
            classes[ch] |= kPlainValue;
        if (ch == ';' || ch == ',' || ch == '=')
            classes[ch] |= kQuotesValue;
        if ((classes[ch] & kPlainKey) || ch == '/')
            classes[ch] |= kKeyUnit;
        if (ch == '/')
            classes[ch] |= kSlash;
    }
    return classes;
}();

unsigned UnitClass(char16_t ch)
{
    return ch < 128 ? kUnitClasses[ch] : 0;
}

// The same for a byte of UTF-8, which is nothing past ASCII, looked up without a test.
constexpr auto kByteClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (unsigned byte = 0; byte < 128; ++byte)
        classes[byte] = kUnitClasses[byte];
    return classes;
}();

unsigned ByteClass(char byte)
{
    return kByteClasses[static_cast<unsigned char>(byte)];
}

unsigned ClassOf(char16_t unit)
{
    return UnitClass(unit);
}

unsigned ClassOf(char byte)
{
    return ByteClass(byte);
}

std::u16string_view Units(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.unicode()), static_cast<std::size_t>(text.size())};
}

// Repeated slashes fold into one and slashes at either end go, as QSettings folds its keys.
QString NormalizedKey(const QString& key)
{
    QString result;
    result.reserve(key.size());
    bool slash = false;
    for (const QChar ch : key) {
        if (ch == QLatin1Char('/')) {
            slash = !result.isEmpty();
            continue;
        }
        if (slash)
            result += QLatin1Char('/');
        slash = false;
        result += ch;
    }
    return result;
}

bool IsPlainKeyUnit(char16_t ch)
{
    return (UnitClass(ch) & kPlainKey) != 0;
}

// Letters, digits, '_', '-' and '.' stand; '/' becomes '\'; any other unit is "%XX" or "%UXXXX".
void AppendEscapedKey(std::u16string_view key, std::string& out)
{
    // The common key, all letters, digits and slashes, is copied in one go.
    if (std::all_of(key.begin(), key.end(), [](char16_t ch) { return IsPlainKeyUnit(ch) || ch == u'/'; })) {
        const std::size_t at = out.size();
        out.resize(at + key.size());
        for (std::size_t i = 0; i < key.size(); ++i)
            out[at + i] = key[i] == u'/' ? '\\' : static_cast<char>(key[i]);
        return;
    }
    for (const char16_t unit : key) {
        const unsigned ch = unit;
        if (ch == '/') {
            out += '\\';
        } else if (IsPlainKeyUnit(unit)) {
            out += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHexDigits[ch / 16];
            out += kHexDigits[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHexDigits[(ch >> shift) & 0xF];
        }
    }
}

// A key already narrowed, every unit a plain one or '/'; a key holds few slashes.
void AppendEscapedKey(std::string_view key, std::string& out)
{
    const std::size_t at = out.size();
    out += key;
    char* const begin = out.data() + at;
    char* const end = begin + key.size();
    for (char* slash = begin; (slash = static_cast<char*>(std::memchr(slash, '/', static_cast<std::size_t>(end - slash)))) != nullptr;)
        *slash++ = '\\';
}

void AppendLowerHex(unsigned value, std::string& out)
{
    char digits[8];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (n > 0)
        out += digits[--n];
}

bool IsHexDigit(unsigned ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// The common value, printable ASCII with nothing to escape, stands as it is, quoted and its '@'
// doubled as the general path below would have it; false, with out unchanged, for any other.
// Unit is char16_t (a QString's units) or char (UTF-8 bytes, of which only ASCII is plain).
template <typename Unit>
bool AppendPlainValue(std::basic_string_view<Unit> units, std::string& out)
{
    unsigned all = kPlainValue;
    unsigned any = 0;
    for (const Unit unit : units) {
        const unsigned unitClass = ClassOf(unit);
        all &= unitClass;
        any |= unitClass;
    }
    if (!(all & kPlainValue))
        return false;
    const bool at = !units.empty() && units.front() == Unit('@');
    const bool quotes =
        (any & kQuotesValue) || (!units.empty() && (units.front() == Unit(' ') || units.back() == Unit(' ')));
    const std::size_t from = out.size();
    out.resize(from + units.size() + 3);
    char* to = out.data() + from;
    if (quotes)
        *to++ = '"';
    if (at)
        *to++ = '@';
    if constexpr (std::is_same_v<Unit, char>) {
        std::memcpy(to, units.data(), units.size());
        to += units.size();
    } else {
        for (const Unit unit : units)
            *to++ = static_cast<char>(unit);
    }
    if (quotes)
        *to++ = '"';
    out.resize(static_cast<std::size_t>(to - out.data()));
    return true;
}

// A text value as Qt stores one: "@String(...)" around a text holding NUL, "@" doubled in front,
// C escapes for control characters, "\x" and the unit in hex for everything past ASCII (and for a
// hex digit right after such an escape), and quotes around a value with ';', ',' or '=' in it or a
// space at either end.
void AppendEscapedValue(const QString& value, std::string& out)
{
    if (AppendPlainValue(Units(value), out))
        return;
    QString text = value;
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + QLatin1Char(')');
    else if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));

    const std::size_t start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar qch : text) {
        const unsigned ch = qch.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && IsHexDigit(ch)) {
            out += "\\x";
            AppendLowerHex(ch, out);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += static_cast<char>(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x";
                AppendLowerHex(ch, out);
                escapeNextIfDigit = true;
            } else {
                out += static_cast<char>(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(start), '"');
        out += '"';
    }
}

// A value kept in UTF-8: printable ASCII takes the same short way as above, straight from its
// bytes; anything else is read as QString::fromUtf8 reads it and escaped from its units.
void AppendEscapedValue(std::string_view value, std::string& out)
{
    if (!AppendPlainValue(value, out))
        AppendEscapedValue(QString::fromUtf8(value.data(), static_cast<int>(value.size())), out);
}

// A value as it was set: QString units, or UTF-8 bytes.
struct TextRef {
    const QString* wide;
    std::string_view utf8;
};

void AppendEscapedValue(const TextRef& text, std::string& out)
{
    if (text.wide != nullptr)
        AppendEscapedValue(*text.wide, out);
    else
        AppendEscapedValue(text.utf8, out);
}

// Qt's own word for the unnamed section, in any case, which a named section must not be read as.
bool IsGeneral(std::string_view header)
{
    constexpr char kGeneral[] = "general";
    if (header.size() != sizeof kGeneral - 1)
        return false;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const char c = header[i] >= 'A' && header[i] <= 'Z' ? static_cast<char>(header[i] - 'A' + 'a') : header[i];
        if (c != kGeneral[i])
            return false;
    }
    return true;
}

// Whether QSettings would fold the key: a slash at either end or two in a row.
bool NeedsNormalizing(std::u16string_view key)
{
    if (key.empty())
        return false;
    if (key.front() == u'/' || key.back() == u'/')
        return true;
    return key.find(u"//") != std::u16string_view::npos;
}

// One value under its folded key: the section before the first slash, the rest after it. Unit is
// char16_t, or char where every key is plain ASCII, which orders as its UTF-16 units do.
template <typename Unit>
struct Placed {
    std::basic_string_view<Unit> section;
    std::basic_string_view<Unit> key;
    TextRef text;
};

// The first eight bytes of a narrowed key (zeros past its end: a plain key holds no NUL) as a
// number that orders as they do, so that most comparisons take one step.
std::uint64_t Head(std::string_view key)
{
    if (key.size() >= 8) {
        std::uint64_t head;
        std::memcpy(&head, key.data(), 8);
        if constexpr (std::endian::native == std::endian::little)
            head = __builtin_bswap64(head);
        return head;
    }
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return head;
}

// Views of keys, in order; narrowed ones go by their heads first.
template <typename Unit>
struct KeyOrder {
    std::vector<std::uint64_t> heads;
    bool Less(std::size_t a, std::size_t b, std::basic_string_view<Unit> x, std::basic_string_view<Unit> y) const
    {
        if constexpr (std::is_same_v<Unit, char>) {
            if (heads[a] != heads[b])
                return heads[a] < heads[b];
        }
        return x < y;
    }
};

template <typename Unit>
Placed<Unit> Place(std::basic_string_view<Unit> key, TextRef text)
{
    const std::size_t slash = key.find(Unit('/'));
    if (slash == std::basic_string_view<Unit>::npos)
        return {{}, key, text};
    return {key.substr(0, slash), key.substr(slash + 1), text};
}

// Sorts indices stably. A section holds a few keys as a rule, which an insertion sort orders with
// no buffer to take.
template <typename Iterator, typename Less>
void SortStably(Iterator first, Iterator last, Less less)
{
    if (last - first > 24) {
        std::stable_sort(first, last, less);
        return;
    }
    if (first == last)
        return;
    for (Iterator it = first + 1; it != last; ++it) {
        const auto moving = *it;
        Iterator hole = it;
        for (; hole != first && less(moving, *(hole - 1)); --hole)
            *hole = *(hole - 1);
        *hole = moving;
    }
}

// Qt puts sections, and keys within one, in the order of their UTF-16 units; the unnamed
// section is "[General]". Sections are numbered as they come (a run of values in one section
// is the common case), put in order once each, and their values then sorted key by key, keeping
// the order they were set in so that a key set twice keeps its last value.
template <typename Unit>
std::string Lay(const std::vector<Placed<Unit>>& placed, std::size_t bytes)
{
    using View = std::basic_string_view<Unit>;
    std::vector<std::size_t> sectionOf(placed.size());
    std::vector<View> sections;
    std::unordered_map<View, std::size_t> sectionNumbers;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (i > 0 && placed[i].section == placed[i - 1].section) {
            sectionOf[i] = sectionOf[i - 1];
            continue;
        }
        const auto [at, added] = sectionNumbers.try_emplace(placed[i].section, sections.size());
        if (added)
            sections.push_back(placed[i].section);
        sectionOf[i] = at->second;
    }
    std::vector<std::size_t> sectionOrder(sections.size());
    std::iota(sectionOrder.begin(), sectionOrder.end(), std::size_t{0});
    KeyOrder<Unit> sectionKeys;
    KeyOrder<Unit> keyKeys;
    if constexpr (std::is_same_v<Unit, char>) {
        sectionKeys.heads.reserve(sections.size());
        for (const View section : sections)
            sectionKeys.heads.push_back(Head(section));
        keyKeys.heads.reserve(placed.size());
        for (const Placed<Unit>& entry : placed)
            keyKeys.heads.push_back(Head(entry.key));
    }
    std::sort(sectionOrder.begin(), sectionOrder.end(), [&sections, &sectionKeys](std::size_t a, std::size_t b) {
        return sectionKeys.Less(a, b, sections[a], sections[b]);
    });
    std::vector<std::size_t> rank(sections.size());
    for (std::size_t r = 0; r < sectionOrder.size(); ++r)
        rank[sectionOrder[r]] = r;
    // Values bucketed by section rank, in the order they were set.
    std::vector<std::size_t> starts(sections.size() + 1, 0);
    for (const std::size_t section : sectionOf)
        ++starts[rank[section] + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<std::size_t> ordered(placed.size());
    {
        std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
        for (std::size_t i = 0; i < placed.size(); ++i)
            ordered[next[rank[sectionOf[i]]]++] = i;
    }

    std::string out;
    out.reserve(bytes + bytes / 8);
    for (std::size_t r = 0; r < sections.size(); ++r) {
        const auto first = ordered.begin() + static_cast<std::ptrdiff_t>(starts[r]);
        const auto last = ordered.begin() + static_cast<std::ptrdiff_t>(starts[r + 1]);
        SortStably(first, last, [&placed, &keyKeys](std::size_t a, std::size_t b) {
            return keyKeys.Less(a, b, placed[a].key, placed[b].key);
        });
        if (r != 0)
            out += '\n';
        // The header is escaped in place, after its '['.
        out += '[';
        const std::size_t header = out.size();
        AppendEscapedKey(sections[sectionOrder[r]], out);
        if (out.size() == header) {
            out += "General";
        } else if (IsGeneral(std::string_view(out).substr(header))) {
            out.resize(header);
            out += "%General";
        }
        out += "]\n";
        for (auto it = first; it != last; ++it) {
            const Placed<Unit>& entry = placed[*it];
            if (it + 1 != last && placed[*(it + 1)].key == entry.key)
                continue;
            AppendEscapedKey(entry.key, out);
            out += '=';
            AppendEscapedValue(entry.text, out);
            out += '\n';
        }
    }
    return out;
}

// Whether the key's units are all plain or '/', with no slash at either end or two in a row: such a
// key is laid out from its bytes.
bool IsNarrowKey(std::string_view key)
{
    unsigned all = kKeyUnit;
    for (const char byte : key)
        all &= ByteClass(byte);
    return (all & kKeyUnit) && (key.empty() || (key.front() != '/' && key.back() != '/')) &&
           key.find("//") == std::string_view::npos;
}

bool IsNarrowKey(std::u16string_view key)
{
    unsigned all = kKeyUnit;
    unsigned slash = kSlash;  // a slash in front folds away as one after another does
    unsigned doubled = 0;
    for (const char16_t unit : key) {
        const unsigned unitClass = UnitClass(unit);
        all &= unitClass;
        doubled |= slash & unitClass;
        slash = unitClass & kSlash;
    }
    return (all & kKeyUnit) && doubled == 0 && slash == 0;
}

}  // namespace

void IniDocument::Set(QString key, QString value)
{
    entries_.push_back({wide_.size(), 0, 0, 0, true});
    wide_.push_back({std::move(key), std::move(value)});
}

void IniDocument::SetUtf8(std::string_view key, std::string_view value)
{
    const std::size_t keyAt = bytes_.size();
    bytes_ += key;
    bytes_ += value;
    entries_.push_back({keyAt, key.size(), keyAt + key.size(), value.size(), false});
}

void IniDocument::SetUtf8(std::string_view key, long long number)
{
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number);
    static_cast<void>(error);  // 24 places hold any 64-bit number
    SetUtf8(key, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

std::vector<IniDocument::Value> IniDocument::Values() const
{
    std::vector<Value> values;
    values.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        if (entry.wide) {
            values.push_back(wide_[entry.keyAt]);
            continue;
        }
        values.push_back({QString::fromUtf8(bytes_.data() + entry.keyAt, static_cast<int>(entry.keySize)),
                          QString::fromUtf8(bytes_.data() + entry.textAt, static_cast<int>(entry.textSize))});
    }
    return values;
}

std::string IniDocument::Bytes() const
{
    std::size_t bytes = 0;
    std::size_t keyUnits = 0;
    for (const Entry& entry : entries_) {
        if (entry.wide) {
            const Value& value = wide_[entry.keyAt];
            bytes += static_cast<std::size_t>(value.key.size() + value.text.size()) + 2;
            keyUnits += static_cast<std::size_t>(value.key.size());
        } else {
            bytes += entry.keySize + entry.textSize + 2;
        }
    }

    // The common document, every key plain ASCII with single slashes inside it and none to fold,
    // is ordered on its keys' bytes: those kept in UTF-8 as they stand, the others narrowed into a
    // buffer sized first, so views into it stay good.
    {
        std::string keys(keyUnits, '\0');
        std::vector<Placed<char>> placed;
        placed.reserve(entries_.size());
        std::size_t at = 0;
        bool narrow = true;
        for (const Entry& entry : entries_) {
            if (!entry.wide) {
                const std::string_view key(bytes_.data() + entry.keyAt, entry.keySize);
                if (key.empty())
                    continue;  // QSettings refuses an empty key
                if (!IsNarrowKey(key)) {
                    narrow = false;
                    break;
                }
                placed.push_back(Place(key, TextRef{nullptr, {bytes_.data() + entry.textAt, entry.textSize}}));
                continue;
            }
            const Value& value = wide_[entry.keyAt];
            const std::u16string_view key = Units(value.key);
            if (key.empty())
                continue;
            if (!IsNarrowKey(key)) {
                narrow = false;
                break;
            }
            char* const to = keys.data() + at;
            for (std::size_t i = 0; i < key.size(); ++i)
                to[i] = static_cast<char>(key[i]);
            placed.push_back(Place(std::string_view(to, key.size()), TextRef{&value.text, {}}));
            at += key.size();
        }
        if (narrow)
            return Lay(placed, bytes);
    }

    // Keys QSettings would fold, folded (the rest are used as they are). A QString keeps its units
    // where they are when the vector moves it, so views into them stay good.
    const std::vector<Value> values = Values();
    std::vector<QString> folded;
    folded.reserve(values.size());
    std::vector<Placed<char16_t>> placed;
    placed.reserve(values.size());
    for (const Value& value : values) {
        std::u16string_view key = Units(value.key);
        if (NeedsNormalizing(key)) {
            folded.push_back(NormalizedKey(value.key));
            key = Units(folded.back());
        }
        if (key.empty())
            continue;  // QSettings refuses an empty key
        placed.push_back(Place(key, TextRef{&value.text, {}}));
    }
    return Lay(placed, bytes);
}
