#include "fcpxml/CommentText.h"

std::string CommentText::Format() const
{
    if (name.empty() || text.empty())
        return {};
    return "[" + name + "] " + text;
}
