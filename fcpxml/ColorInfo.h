#pragma once

// A colour of a marker or of a colour parameter value; components 0 to 255.
struct ColorInfo {
    int alpha = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
};

// "alpha", "red", "green", "blue" as text elements, without a container of its own.
void WriteColor(const ColorInfo& color);
