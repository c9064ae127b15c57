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

struct TaggedValueEntry;

// The comment of a tagged value: its name, and the text of a string, integer, ratio or flag value;
// any other value leaves the text empty.
void TaggedValueToCommentText(const TaggedValueEntry& entry, CommentText& comment);
