#pragma once

#include <cstdint>
#include <string>

#include "fcpxml/EffectInfo.h"

// One text box of a title, as the Text generator it becomes needs it.
struct TitleTextItem {
    // The defaults, with a copy of the catalogued "Text" effect.
    TitleTextItem();

    std::string text = "TITLES NOT YET SUPPORTED";  // XML-escaped, carriage returns as "&#13;"
    std::string plainText = text;                   // the same text unescaped, for the item's name
    std::string fontName = "Lucida Grande";
    std::int32_t fontSize = 36;
    std::int32_t style = 1;      // 1 plain, 2 bold, 3 italic, 4 bold and italic
    std::int32_t alignment = 2;  // 1 left, 2 centre, 3 right
    double red = 255.0;
    double green = 255.0;
    double blue = 255.0;
    double alpha = 255.0;
    // In frame units: 0 the centre, -0.5 the left or top edge, 0.5 the right or bottom edge.
    float originX = 0.0f;
    float originY = 0.0f;
    std::int32_t leading = 0;  // -100 to 100
    EffectInfo effect;
};
