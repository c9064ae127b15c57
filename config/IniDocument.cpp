#include "config/IniDocument.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

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
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_' ||
           ch == u'-' || ch == u'.';
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

// A text value as Qt stores one: "@String(...)" around a text holding NUL, "@" doubled in front,
// C escapes for control characters, "\x" and the unit in hex for everything past ASCII (and for a
// hex digit right after such an escape), and quotes around a value with ';', ',' or '=' in it or a
// space at either end.
void AppendEscapedValue(const QString& value, std::string& out)
{
    // The common value, printable ASCII that needs neither escapes nor quotes, is copied in one go.
    const std::u16string_view units = Units(value);
    const auto plain = [](char16_t ch) {
        return ch >= 0x20 && ch < 0x7F && ch != u'"' && ch != u'\\' && ch != u';' && ch != u',' && ch != u'=';
    };
    if (std::all_of(units.begin(), units.end(), plain) &&
        (units.empty() || (units.front() != u'@' && units.front() != u' ' && units.back() != u' '))) {
        const std::size_t at = out.size();
        out.resize(at + units.size());
        for (std::size_t i = 0; i < units.size(); ++i)
            out[at + i] = static_cast<char>(units[i]);
        return;
    }
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

// Qt's own word for the unnamed section, in any case, which a named section must not be read as.
bool IsGeneral(const std::string& header)
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

// One value under its folded key: the section before the first slash, the rest after it.
struct Placed {
    std::u16string_view section;
    std::u16string_view key;
    const QString* text;
};

}  // namespace

void IniDocument::Set(const QString& key, const QString& value)
{
    values_.push_back({key, value});
}

std::string IniDocument::Bytes() const
{
    // Keys QSettings would fold, folded (the rest are used as they are). A QString keeps its units
    // where they are when the vector moves it, so views into them stay good.
    std::vector<QString> folded;
    std::vector<Placed> placed;
    placed.reserve(values_.size());
    for (const Value& value : values_) {
        std::u16string_view key = Units(value.key);
        if (NeedsNormalizing(key)) {
            folded.push_back(NormalizedKey(value.key));
            key = Units(folded.back());
        }
        if (key.empty())
            continue;  // QSettings refuses an empty key
        const std::size_t slash = key.find(u'/');
        if (slash == std::u16string_view::npos)
            placed.push_back({{}, key, &value.text});
        else
            placed.push_back({key.substr(0, slash), key.substr(slash + 1), &value.text});
    }

    // Qt puts sections, and keys within one, in the order of their UTF-16 units; the unnamed
    // section is "[General]". Sections are numbered as they come (a run of values in one section
    // is the common case), put in order once each, and their values then sorted key by key, keeping
    // the order they were set in so that a key set twice keeps its last value.
    std::vector<std::size_t> sectionOf(placed.size());
    std::vector<std::u16string_view> sections;
    std::unordered_map<std::u16string_view, std::size_t> sectionNumbers;
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
    std::sort(sectionOrder.begin(), sectionOrder.end(),
              [&sections](std::size_t a, std::size_t b) { return sections[a] < sections[b]; });
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
    std::size_t bytes = 0;
    for (const Value& value : values_)
        bytes += static_cast<std::size_t>(value.key.size() + value.text.size()) + 2;
    out.reserve(bytes + bytes / 8);
    for (std::size_t r = 0; r < sections.size(); ++r) {
        const auto first = ordered.begin() + static_cast<std::ptrdiff_t>(starts[r]);
        const auto last = ordered.begin() + static_cast<std::ptrdiff_t>(starts[r + 1]);
        std::stable_sort(first, last, [&placed](std::size_t a, std::size_t b) { return placed[a].key < placed[b].key; });
        if (r != 0)
            out += '\n';
        std::string header;
        AppendEscapedKey(sections[sectionOrder[r]], header);
        if (header.empty())
            out += "[General]";
        else if (IsGeneral(header))
            out += "[%General]";
        else
            out += '[' + header + ']';
        out += '\n';
        for (auto it = first; it != last; ++it) {
            const Placed& entry = placed[*it];
            if (it + 1 != last && placed[*(it + 1)].key == entry.key)
                continue;
            AppendEscapedKey(entry.key, out);
            out += '=';
            AppendEscapedValue(*entry.text, out);
            out += '\n';
        }
    }
    return out;
}
