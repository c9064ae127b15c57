#include "fcpxml/RareText.h"

#include <utility>

const std::string& RareText::Empty()
{
    static const std::string empty;
    return empty;
}

void RareText::assign(const std::string& text)
{
    if (text.empty())
        text_.reset();
    else if (text_ != nullptr)
        *text_ = text;
    else
        text_ = std::make_unique<std::string>(text);
}

std::string& RareText::edit()
{
    if (text_ == nullptr)
        text_ = std::make_unique<std::string>();
    return *text_;
}
