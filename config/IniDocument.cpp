#include "config/IniDocument.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

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

// Letters, digits, '_', '-' and '.' stand; '/' becomes '\'; any other unit is "%XX" or "%UXXXX".
void AppendEscapedKey(const QString& key, std::string& out)
{
    for (const QChar qch : key) {
        const unsigned ch = qch.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
                   ch == '-' || ch == '.') {
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

struct Placed {
    QString section;
    QString key;
    std::size_t order;
    const QString* text;
};

}  // namespace

void IniDocument::Set(const QString& key, const QString& value)
{
    values_.push_back({key, value});
}

std::string IniDocument::Bytes() const
{
    std::vector<Placed> placed;
    placed.reserve(values_.size());
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const QString key = NormalizedKey(values_[i].key);
        if (key.isEmpty())
            continue;  // QSettings refuses an empty key
        const int slash = key.indexOf(QLatin1Char('/'));
        if (slash < 0)
            placed.push_back({QString(), key, i, &values_[i].text});
        else
            placed.push_back({key.left(slash), key.mid(slash + 1), i, &values_[i].text});
    }
    // Qt puts sections, and keys within one, in the order of their UTF-16 units; the unnamed
    // section is "[General]". A key set twice keeps its last value.
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        if (a.section != b.section)
            return a.section < b.section;
        if (a.key != b.key)
            return a.key < b.key;
        return a.order < b.order;
    });

    std::string out;
    std::size_t bytes = 0;
    for (const Value& value : values_)
        bytes += static_cast<std::size_t>(value.key.size() + value.text.size()) + 2;
    out.reserve(bytes + bytes / 8);
    const QString* section = nullptr;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const Placed& entry = placed[i];
        if (i + 1 < placed.size() && placed[i + 1].section == entry.section && placed[i + 1].key == entry.key)
            continue;
        if (section == nullptr || *section != entry.section) {
            if (section != nullptr)
                out += '\n';
            section = &entry.section;
            std::string header;
            AppendEscapedKey(entry.section, header);
            if (header.empty())
                out += "[General]";
            else if (IsGeneral(header))
                out += "[%General]";
            else
                out += '[' + header + ']';
            out += '\n';
        }
        AppendEscapedKey(entry.key, out);
        out += '=';
        AppendEscapedValue(*entry.text, out);
        out += '\n';
    }
    return out;
}
