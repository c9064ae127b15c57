#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

// A text that stays empty on most items (comments, labels, logging fields): one pointer until it
// is set, where a std::string takes four times that on every item.
class RareText {
public:
    RareText() = default;
    RareText(const std::string& text) { assign(text); }  // NOLINT: fields take strings as they are
    RareText(const char* text) { assign(std::string(text)); }  // NOLINT
    RareText(const RareText& other) { assign(other.str()); }
    RareText(RareText&&) noexcept = default;
    RareText& operator=(const RareText& other)
    {
        if (this != &other)
            assign(other.str());
        return *this;
    }
    RareText& operator=(RareText&&) noexcept = default;
    RareText& operator=(const std::string& text)
    {
        assign(text);
        return *this;
    }
    RareText& operator=(const char* text)
    {
        assign(std::string(text));
        return *this;
    }

    const std::string& str() const { return text_ != nullptr ? *text_ : Empty(); }
    operator const std::string&() const { return str(); }  // NOLINT: reads as a std::string
    bool empty() const { return text_ == nullptr || text_->empty(); }
    std::size_t size() const { return str().size(); }
    const char* c_str() const { return str().c_str(); }
    // The text to change in place.
    std::string& edit();
    void clear() { text_.reset(); }

private:
    static const std::string& Empty();
    void assign(const std::string& text);

    std::unique_ptr<std::string> text_;
};

inline bool operator==(const RareText& a, const RareText& b) { return a.str() == b.str(); }
inline bool operator==(const RareText& a, const std::string& b) { return a.str() == b; }
inline bool operator==(const RareText& a, const char* b) { return a.str() == b; }
inline std::ostream& operator<<(std::ostream& out, const RareText& text) { return out << text.str(); }
