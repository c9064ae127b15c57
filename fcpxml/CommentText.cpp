#include "fcpxml/CommentText.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"
#include "records/ValueBase.h"

std::string CommentText::Format() const
{
    if (name.empty() || text.empty())
        return {};
    return "[" + name + "] " + text;
}

void TaggedValueToCommentText(const TaggedValueEntry& entry, CommentText& comment)
{
    comment.name = entry.name;
    comment.text.clear();
    const ValueBase* value = entry.value;
    if (auto s = dynamic_cast<const StringValue*>(value))
        comment.text = s->text;
    else if (auto i = dynamic_cast<const IntValue*>(value))
        comment.text = IntToString(i->value);
    else if (auto r = dynamic_cast<const RatioValue*>(value))
        comment.text = FloatToString(r->denominator == 0 ? 0.0f
                                                         : static_cast<float>(r->numerator) /
                                                               static_cast<float>(r->denominator));
    else if (auto b = dynamic_cast<const BoolValue*>(value))
        comment.text = BoolToText(b->value != 0);
}
