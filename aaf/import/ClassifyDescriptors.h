#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/DescriptorLists.h"

// What a source's descriptors make it: 2 picture, 12 picture with an alpha component, 1 sound,
// 0 nothing. A CDCI picture wins over everything else; an RGBA picture counts by its first record.
int ClassifyDescriptors(const DescriptorLists& lists);

// 12 when an entry of the pixel layout is the alpha component, else 2 (an empty layout too).
int ClassifyRgbaLayout(const std::vector<RgbaComponent>& layout);

// "NULL", "NONE", "ALPHA", "BLUE", "FILL", "GREEN", "PALETTE", "RED"; "UNKNOWN" for other codes.
std::string GetRgbaComponentName(int32_t code);
