#pragma once

#include <string>

#include "fcpxml/RareText.h"

// The "labels" element.
struct LabelsInfo {
    RareText label;
    RareText label2;
};

// "label" only when set; "label2" always, as an empty element when empty.
void WriteLabels(const LabelsInfo& labels);
