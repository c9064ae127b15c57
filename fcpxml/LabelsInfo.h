#pragma once

#include <string>

// The "labels" element.
struct LabelsInfo {
    std::string label;
    std::string label2;
};

// "label" only when set; "label2" always, as an empty element when empty.
void WriteLabels(const LabelsInfo& labels);
