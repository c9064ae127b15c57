#pragma once

// A horizontal and vertical coordinate pair.
struct PointInfo {
    float horiz = 0;
    float vert = 0;
};

// "horiz" then "vert", without a container of its own.
void WritePoint(const PointInfo& point);
