#pragma once

#include <cstddef>
#include <string>
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
    // What was set, in the order it was set.
    struct Value {
        QString key;
        QString text;
    };
    const std::vector<Value>& values() const { return values_; }
    std::string Bytes() const;

private:
    std::vector<Value> values_;
};
