#include "fcpxml/ValueInfo.h"

#include "fcpxml/ItemTagBase.h"
#include "fcpxml/XmlWriter.h"

NestedItemHooks NestedClipHooks;
NestedItemHooks NestedSequenceHooks;

namespace {

// A copy made by the item's class: a clip, else a sequence, else none.
ItemTagBase* CloneNested(const ItemTagBase* item)
{
    if (!item)
        return nullptr;
    for (const NestedItemHooks* hooks : {&NestedClipHooks, &NestedSequenceHooks}) {
        if (hooks->clone) {
            if (ItemTagBase* copy = hooks->clone(*item))
                return copy;
        }
    }
    return nullptr;
}

void WriteNested(const ItemTagBase& item)
{
    for (const NestedItemHooks* hooks : {&NestedClipHooks, &NestedSequenceHooks}) {
        if (hooks->write && hooks->write(item))
            return;
    }
}

}  // namespace

ValueInfo::ValueInfo(const ValueInfo& other)
    : text(other.text),
      colors(other.colors),
      points(other.points),
      timecodes(other.timecodes),
      nested(CloneNested(other.nested)),
      raw(other.raw)
{
}

ValueInfo& ValueInfo::operator=(const ValueInfo& other)
{
    if (this == &other)
        return *this;
    text = other.text;
    colors = other.colors;
    points = other.points;
    timecodes = other.timecodes;
    raw = other.raw;
    ReplaceNested(CloneNested(other.nested));
    return *this;
}

ValueInfo::ValueInfo(ValueInfo&& other) noexcept
    : text(std::move(other.text)),
      colors(std::move(other.colors)),
      points(std::move(other.points)),
      timecodes(std::move(other.timecodes)),
      nested(other.nested),
      raw(other.raw)
{
    other.nested = nullptr;
}

ValueInfo& ValueInfo::operator=(ValueInfo&& other) noexcept
{
    if (this == &other)
        return *this;
    text = std::move(other.text);
    colors = std::move(other.colors);
    points = std::move(other.points);
    timecodes = std::move(other.timecodes);
    raw = other.raw;
    ReplaceNested(other.nested);
    other.nested = nullptr;
    return *this;
}

ValueInfo::~ValueInfo() { delete nested; }

void ValueInfo::ReplaceNested(ItemTagBase* item)
{
    if (item == nested)
        return;
    delete nested;
    nested = item;
}

bool ValueInfo::IsSet() const
{
    return !text.empty() || !colors.empty() || !points.empty() || !timecodes.empty() || nested;
}

void WriteValue(const ValueInfo& value)
{
    if (!value.text.empty()) {
        if (value.raw)
            WriteXmlRawElement("value", value.text.c_str());
        else
            WriteXmlTextElement("value", value.text);
        return;
    }
    WriteXmlContainer("value", [&] {
        for (const ColorInfo& color : value.colors)
            WriteColor(color);
        for (const PointInfo& point : value.points)
            WritePoint(point);
        for (const TimecodeInfo& timecode : value.timecodes) {
            if (timecode.frame == 0 && timecode.reelname.empty())
                continue;
            TimecodeInfo written = timecode;  // the writer may compute and keep a text
            WriteTimecode(written);
        }
        if (value.nested)
            WriteNested(*value.nested);
    });
}
