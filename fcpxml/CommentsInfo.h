#pragma once

#include <string>

// The "comments" element of clips, items and sequences.
struct CommentsInfo {
    std::string mastercomment1;
    std::string mastercomment2;
    std::string mastercomment3;
    std::string mastercomment4;
    std::string clipcommenta;
    std::string clipcommentb;
};

// Appends text to field, with ", " between when the field already holds text; returns a copy of
// the field. Every comment or bin column added to a comment or logging field goes through it.
std::string AppendCommaJoined(const std::string& text, std::string& field);

// Empty master comments are written as empty elements, empty clip comments not at all.
void WriteComments(const CommentsInfo& comments);
