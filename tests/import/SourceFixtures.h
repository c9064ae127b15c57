#pragma once

// Source mobs built in code: file mobs with picture or sound descriptors and locators, the tape or
// physical mobs they were made from, and master mobs whose slots name them.

#include <cstdint>
#include <string_view>
#include <vector>

#include "import/ImportFileSupport.h"

namespace importtest {

// Descriptor classes by AUID text.
inline constexpr const char* kCdci = "0d010101-0101-2800-060e-2b3402060101";
inline constexpr const char* kRgba = "0d010101-0101-2900-060e-2b3402060101";
inline constexpr const char* kPcm = "0d010101-0101-4800-060e-2b3402060101";
inline constexpr const char* kWave = "0d010101-0101-2c00-060e-2b3402060101";
inline constexpr const char* kTape = "0d010101-0101-2e00-060e-2b3402060101";
inline constexpr const char* kImport = "0d010101-0101-4a00-060e-2b3402060101";  // a physical source

// Where a source mob's only slot (ID 1) leads.
struct SourceLink {
    std::uint32_t mob = 0;  // 0: the original source (no mob)
    std::uint32_t slot = 0;
    std::int64_t start = 0;
};

struct BuiltSource {
    aafsdk::ObjectId mob;
    aafsdk::ObjectId descriptor;
};

// Source mob n with one slot (ID 1, 25 fps) holding a source clip of the data kind and length that
// names link, and a descriptor of the class with a locator when url is not empty.
inline BuiltSource AddSourceMob(fixture::AafFileBuilder& f, std::uint32_t n, std::string_view name,
                                const char* descriptorClass, const char* dataDef, std::int64_t length,
                                std::string_view url, SourceLink link = {})
{
    const aafsdk::ObjectId mob = f.AddMob("SourceMob", name, fixture::MakeMobId(n));
    const aafsdk::ObjectId slot = f.AddTimelineSlot(mob, 1, "", 25, 1);
    f.AddSourceClip(slot, dataDef, length, link.mob == 0 ? fixture::MobIdBytes{} : fixture::MakeMobId(link.mob),
                    link.slot, link.start);
    const aafsdk::ObjectId descriptor = f.AddDescriptor(mob, "TapeDescriptor");
    f.graph().objects[descriptor].classId = fixture::AuidOf(descriptorClass);
    if (!url.empty())
        f.AddNetworkLocator(descriptor, url);
    return {mob, descriptor};
}

// The properties of a full-frame CDCI picture descriptor of the frame size.
inline void FillPictureDescriptor(fixture::AafFileBuilder& f, aafsdk::ObjectId descriptor, std::int64_t length,
                                  std::uint32_t width, std::uint32_t height)
{
    fixture::GraphBuilder& b = f.builder();
    b.AddRational(descriptor, 0x3001, 25, 1);
    b.AddI64(descriptor, 0x3002, length);
    b.AddU32(descriptor, 0x3202, height);
    b.AddU32(descriptor, 0x3203, width);
    b.AddU32(descriptor, 0x3208, height);
    b.AddU32(descriptor, 0x3209, width);
    b.AddU8(descriptor, 0x320c, 0);
    b.AddData(descriptor, 0x320d, {21, 0, 0, 0, 0x48, 0x02, 0, 0});
    b.AddU32(descriptor, 0x3301, 8);
    b.AddU32(descriptor, 0x3302, 2);
}

// A picture file mob: a full-frame CDCI descriptor of the frame size.
inline BuiltSource AddPictureFile(fixture::AafFileBuilder& f, std::uint32_t n, std::string_view name,
                                  std::int64_t length, std::string_view url, SourceLink link = {},
                                  std::uint32_t width = 1920, std::uint32_t height = 1080)
{
    const BuiltSource s = AddSourceMob(f, n, name, kCdci, fixture::ids::kDataDefPicture, length, url, link);
    FillPictureDescriptor(f, s.descriptor, length, width, height);
    return s;
}

// A sound file mob: a PCM descriptor of the rate and channel count, 24 bits.
inline BuiltSource AddSoundFile(fixture::AafFileBuilder& f, std::uint32_t n, std::string_view name,
                                std::int64_t length, std::string_view url, SourceLink link = {},
                                std::int32_t rate = 48000, std::uint32_t channels = 1)
{
    const BuiltSource s = AddSourceMob(f, n, name, kPcm, fixture::ids::kDataDefSound, length, url, link);
    fixture::GraphBuilder& b = f.builder();
    b.AddRational(s.descriptor, 0x3001, rate, 1);
    b.AddI64(s.descriptor, 0x3002, length);
    b.AddRational(s.descriptor, 0x3d03, rate, 1);
    b.AddU32(s.descriptor, 0x3d07, channels);
    b.AddU32(s.descriptor, 0x3d01, 24);
    b.AddU16(s.descriptor, 0x3d0a, static_cast<std::uint16_t>(3 * channels));
    b.AddU32(s.descriptor, 0x3d09, static_cast<std::uint32_t>(rate) * 3 * channels);
    return s;
}

// An RGBA picture file mob of the pixel layout ("RGBA" has an alpha component).
inline BuiltSource AddRgbaFile(fixture::AafFileBuilder& f, std::uint32_t n, std::int64_t length,
                               std::string_view url, std::string_view layout)
{
    const BuiltSource s = AddSourceMob(f, n, "rgba", kRgba, fixture::ids::kDataDefPicture, length, url);
    fixture::GraphBuilder& b = f.builder();
    b.AddU32(s.descriptor, 0x3202, 1080);
    b.AddU32(s.descriptor, 0x3203, 1920);
    b.AddData(s.descriptor, 0x320d, {21, 0, 0, 0, 0x48, 0x02, 0, 0});
    std::vector<std::uint8_t> components;
    for (char code : layout) {
        components.push_back(static_cast<std::uint8_t>(code));
        components.push_back(8);
    }
    b.AddData(s.descriptor, 0x3401, components);
    return s;
}

// A master slot: its ID, kind and the file mob (slot 1) it plays from its start.
struct MasterSlot {
    std::uint32_t slotId;
    const char* dataDef;
    std::uint32_t fileMob;
};

// Master mob n of the given length, one slot per entry.
inline aafsdk::ObjectId AddMasterMob(fixture::AafFileBuilder& f, std::uint32_t n, std::string_view name,
                                     std::int64_t length, const std::vector<MasterSlot>& slots)
{
    const aafsdk::ObjectId master = f.AddMob("MasterMob", name, fixture::MakeMobId(n));
    for (const MasterSlot& s : slots) {
        const aafsdk::ObjectId slot = f.AddTimelineSlot(master, s.slotId, "", 25, 1);
        f.AddSourceClip(slot, s.dataDef, length, fixture::MakeMobId(s.fileMob), 1, 0);
    }
    return master;
}

}  // namespace importtest
