#pragma once

#include <string>

// A comment made from a tagged value: its name and its value as text.
struct CommentText {
    CommentText() = default;
    explicit CommentText(std::string commentName) : name(std::move(commentName)) {}

    // "[name] text" when both are non-empty, else the empty text.
    std::string Format() const;

    std::string name;
    std::string text;
};
