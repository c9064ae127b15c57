#pragma once

#include <string>

#include "fcpxml/RareText.h"

// The "comments" element of clips, items and sequences.
struct CommentsInfo {
    RareText mastercomment1;
    RareText mastercomment2;
    RareText mastercomment3;
    RareText mastercomment4;
    RareText clipcommenta;
    RareText clipcommentb;
};

// Appends text to field, with ", " between when the field already holds text; returns a copy of
// the field. Every comment or bin column added to a comment or logging field goes through it.
std::string AppendCommaJoined(const std::string& text, std::string& field);
std::string AppendCommaJoined(const std::string& text, RareText& field);

// Empty master comments are written as empty elements, empty clip comments not at all.
void WriteComments(const CommentsInfo& comments);
