#include "fcpxml/CodecColorSpaceMap.h"

#include <array>

std::map<std::string, std::string> CodecColorSpaceMap;

namespace {

constexpr auto kRgbCodecs = std::to_array<const char*>({
    "Animation", "BMP", "Cinepak", "Component Video", "Graphics", "H.261", "MPEG-4 Video", "None",
    "Apple Pixlet Video", "Planar RGB", "PNG", "TGA", "TIFF", "Video",
});

}  // namespace

void BuildCodecColorSpaceMap()
{
    for (const char* codec : kRgbCodecs)
        CodecColorSpaceMap[codec] = "RGB";
}

std::string LookupCodecColorSpace(const std::string& compressor)
{
    const auto found = CodecColorSpaceMap.find(compressor);
    return found != CodecColorSpaceMap.end() ? found->second : std::string("YUV8BPP");
}
