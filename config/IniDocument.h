#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

// The bytes Qt 5's QSettings writes for an INI file (IniFormat, no codec) that holds the text values
// set here and nothing else: sections and keys in Qt's order, the last value set under a key, and
// every character escaped as Qt escapes it, so a host reading with QSettings gets the same file.
// Keys use '/' between the section and the rest, as QSettings keys do.
class IniDocument {
public:
    void Set(QString key, QString value);
    void Set(const QString& key, long long number) { Set(key, QString::number(number)); }
    // The same for a key and a value in UTF-8, as QString::fromUtf8 reads them. They are kept as
    // bytes, which is what a log of thousands of values is cheap to write from.
    void SetUtf8(std::string_view key, std::string_view value);
    void SetUtf8(std::string_view key, long long number);
    // What was set, in the order it was set.
    struct Value {
        QString key;
        QString text;
    };
    std::vector<Value> Values() const;
    std::string Bytes() const;

private:
    // One value set: its key and text in bytes_, or, for one set as QStrings, the place in wide_.
    struct Entry {
        std::size_t keyAt;
        std::size_t keySize;
        std::size_t textAt;
        std::size_t textSize;
        bool wide;
    };
    std::string bytes_;
    std::vector<Value> wide_;
    std::vector<Entry> entries_;
};
