#pragma once

#include <concepts>
#include <string>
#include <vector>

#include "fcpxml/ColorInfo.h"
#include "fcpxml/PointInfo.h"
#include "fcpxml/TimecodeInfo.h"

class ItemTagBase;
class FCPClipTag;
class FCPSequenceTag;

// How a value copies and writes the clip or sequence it owns. The clip and the sequence class each
// install their entry where their constructors are defined; an entry left empty, and an item of any
// other class, makes a copy without a nested item and writes nothing for it.
struct NestedItemHooks {
    // A heap copy of the item when it is of the hook's class, else null.
    ItemTagBase* (*clone)(const ItemTagBase& item) = nullptr;
    // Writes the item and returns true when it is of the hook's class, else returns false.
    bool (*write)(const ItemTagBase& item) = nullptr;
};
extern NestedItemHooks NestedClipHooks;      // FCPClipTag
extern NestedItemHooks NestedSequenceHooks;  // FCPSequenceTag

// The "value" element: a text, or colours, points, timecodes and an owned nested clip or sequence.
class ValueInfo {
public:
    ValueInfo() = default;
    explicit ValueInfo(std::string valueText) : text(std::move(valueText)) {}
    ValueInfo(const ValueInfo& other);
    ValueInfo& operator=(const ValueInfo& other);
    ValueInfo(ValueInfo&& other) noexcept;
    ValueInfo& operator=(ValueInfo&& other) noexcept;
    ~ValueInfo();

    // Releases the nested item held and stores a heap copy of the clip.
    template <typename Clip>
        requires std::same_as<Clip, FCPClipTag>
    void SetNestedClip(const Clip& clip)
    {
        ReplaceNested(new Clip(clip));
    }

    // A non-empty text, a colour, point or timecode, or a nested item.
    bool IsSet() const;

    // Takes ownership of item (may be null) and deletes the nested item held before.
    void ReplaceNested(ItemTagBase* item);

    std::string text;
    std::vector<ColorInfo> colors;
    std::vector<PointInfo> points;
    std::vector<TimecodeInfo> timecodes;
    ItemTagBase* nested = nullptr;  // owned; an FCPClipTag or FCPSequenceTag
    bool raw = false;               // the text is written without escaping
};

void WriteValue(const ValueInfo& value);
