#pragma once

// Files built in code and opened as the import opens them, for the tests of the mob, slot and file
// readers and of the import driver.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/EditRateConversion.h"
#include "aaf/import/FileT.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/MobId.h"
#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "fcpxml/XmemlDocument.h"
#include "import/ImportTestSupport.h"
#include "records/MobRegistry.h"
#include "support/TestSupport.h"

namespace importtest {

namespace fixture = aafsdk::fixture;

// Property ids the builder has no helper for.
inline constexpr std::uint16_t kPhysicalTrackNumber = 0x4804;
inline constexpr std::uint16_t kMarkIn = 0x4b03;
inline constexpr std::uint16_t kMarkOut = 0x4b04;
inline constexpr std::uint16_t kEditRate = 0x4b01;
inline constexpr std::uint16_t kUsageCode = 0x4408;
inline constexpr std::uint16_t kChoices = 0x0501;

// The MobID the builder gives mob n (MakeMobId).
inline MobId IdOf(std::uint32_t n)
{
    const fixture::MobIdBytes bytes = fixture::MakeMobId(n);
    aafMobID_t id{};
    std::memcpy(&id, bytes.data(), sizeof id);
    return ToMobId(id);
}

inline void SetPhysicalNumber(fixture::AafFileBuilder& f, aafsdk::ObjectId slot, std::uint32_t number)
{
    f.builder().AddU32(slot, kPhysicalTrackNumber, number);
}

// Replaces a property of the object (the builder adds each property once).
inline void RemoveProperty(fixture::AafFileBuilder& f, aafsdk::ObjectId object, std::uint16_t pid)
{
    std::erase_if(f.graph().objects[object].properties,
                  [pid](const aafsdk::StoredProperty& p) { return p.pid == pid; });
}

inline void SetUsage(fixture::AafFileBuilder& f, aafsdk::ObjectId mob, std::string_view usage)
{
    RemoveProperty(f, mob, kUsageCode);
    if (!usage.empty())
        f.builder().AddAuid(mob, kUsageCode, fixture::AuidOf(usage));
}

// A timecode segment (made as a filler of the timecode kind, then turned into a timecode).
inline aafsdk::ObjectId AddTimecode(fixture::AafFileBuilder& f, aafsdk::ObjectId owner, std::int64_t start,
                                    std::uint16_t fps, bool drop, std::int64_t length = 1000)
{
    const aafsdk::ObjectId timecode = f.AddFiller(owner, fixture::ids::kDataDefTimecode, length);
    f.graph().objects[timecode].classId = fixture::AuidOf("0d010101-0101-1400-060e-2b3402060101");
    f.builder().AddI64(timecode, 0x1501, start);
    f.builder().AddU16(timecode, 0x1502, fps);
    f.builder().AddU8(timecode, 0x1503, drop ? 1 : 0);
    return timecode;
}

// A timecode slot of the mob holding one timecode segment.
inline aafsdk::ObjectId AddTimecodeSlot(fixture::AafFileBuilder& f, aafsdk::ObjectId mob, std::uint32_t slotId,
                                        std::uint32_t physical, std::int64_t start, std::uint16_t fps, bool drop,
                                        std::int32_t rateNum, std::int32_t rateDen)
{
    const aafsdk::ObjectId slot = f.AddTimelineSlot(mob, slotId, "TC", rateNum, rateDen);
    SetPhysicalNumber(f, slot, physical);
    AddTimecode(f, slot, start, fps, drop);
    return slot;
}

// An essence group on the slot whose choices are source clips of the given source mobs.
inline aafsdk::ObjectId AddEssenceGroup(fixture::AafFileBuilder& f, aafsdk::ObjectId slot, std::int64_t length,
                                        const std::vector<fixture::MobIdBytes>& sources)
{
    // Built as a sequence, whose component vector then holds the choices.
    const aafsdk::ObjectId group = f.AddSequence(slot, fixture::ids::kDataDefPicture, length);
    for (const auto& source : sources)
        f.AddSourceClip(group, fixture::ids::kDataDefPicture, length, source, 1, 0);
    f.graph().objects[group].classId = fixture::AuidOf("0d010101-0101-0500-060e-2b3402060101");
    // The storage keeps its name; only the property becomes the choices.
    for (aafsdk::StoredProperty& p : f.graph().objects[group].properties) {
        if (p.pid == 0x1001)
            p.pid = kChoices;
    }
    return group;
}

// A file source mob with an RGBA picture descriptor of the given pixel layout ("RGBA": red, green,
// blue and alpha, 8 bits each).
inline aafsdk::ObjectId AddRgbaSourceMob(fixture::AafFileBuilder& f, std::uint32_t n, std::string_view layout)
{
    const aafsdk::ObjectId mob = f.AddMob("SourceMob", "rgba", fixture::MakeMobId(n));
    const aafsdk::ObjectId descriptor = f.AddDescriptor(mob, "TapeDescriptor");
    f.graph().objects[descriptor].classId = fixture::AuidOf("0d010101-0101-2900-060e-2b3402060101");
    f.builder().AddU32(descriptor, 0x3202, 1080);  // stored height
    f.builder().AddU32(descriptor, 0x3203, 1920);  // stored width
    f.builder().AddData(descriptor, 0x320d, {21, 0, 0, 0, 0x48, 0x02, 0, 0});  // video line map
    std::vector<std::uint8_t> components;
    for (char code : layout) {
        components.push_back(static_cast<std::uint8_t>(code));
        components.push_back(8);
    }
    f.builder().AddData(descriptor, 0x3401, components);  // pixel layout
    return mob;
}

// Opens built files through FileT; every test starts and ends without a file, registry or document.
class ImportFileTest : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        ResetImport();
    }
    void TearDown() override
    {
        if (file_)
            file_->CloseFile();
        file_.reset();
        ResetImport();
        ImportTest::TearDown();
    }

    static void ResetImport()
    {
        MobRegistry::Clear();
        ClearMasterClipMaps();
        ReleaseFileHeaderAndDictionary();
        ClearXmemlDocument();
        ResetProjectFrameRate();
    }

    void Open(const fixture::AafFileBuilder& f)
    {
        const auto path = dir_ / ("file" + std::to_string(++count_) + ".aaf");
        fixture::SaveBytes(path, fixture::WriteAaf(f.graph()).bytes);
        OpenPath(path.string());
    }

    void OpenPath(const std::string& path)
    {
        if (file_)
            file_->CloseFile();
        file_ = std::make_unique<FileT>(path.c_str());
    }

    testsupport::TempDir dir_;
    std::unique_ptr<FileT> file_;
    int count_ = 0;
};

}  // namespace importtest
