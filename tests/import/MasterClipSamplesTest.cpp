// The master mobs of every sample file made into master clips: one clip per master mob, whose file
// carries the frame size of each picture source's descriptor and, where the sound source has a sound
// descriptor, its sample rate, with one audio channel per sound source.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/MobId.h"
#include "aaf/import/ImportDriver.h"
#include "fcpxml/FCPFileTag.h"
#include "import/ImportFileSupport.h"
#include "support/StoredSources.h"

namespace {

using namespace importtest;
namespace classes = aafsdk::com::classes;
namespace pids = aafsdk::com::pids;

using FrameSize = std::pair<int, int>;

struct Totals {
    int clips = 0;
    int frameSizes = 0;
    int audioRates = 0;
};

// The frame size a picture file mob's descriptor gives: its display view, twice as tall for a
// layout other than full frame; -1 where the descriptor has no display view (Resolve writes none).
std::optional<FrameSize> StoredFrameSize(const testsupport::StoredSources& stored, aafsdk::ObjectId fileMob)
{
    const aafsdk::ObjectId descriptor = stored.Descriptor(fileMob);
    if (!stored.model().IsA(descriptor, classes::kDigitalImageDescriptor))
        return std::nullopt;
    const auto width = stored.U32(descriptor, pids::kDigitalImageDescriptorDisplayWidth);
    const auto height = stored.U32(descriptor, pids::kDigitalImageDescriptorDisplayHeight);
    const bool shown = width && height;
    const int layout = stored.U8(descriptor, pids::kDigitalImageDescriptorFrameLayout).value_or(1);
    return FrameSize{shown ? static_cast<int>(*width) : -1,
                     (shown ? static_cast<int>(*height) : -1) * (layout != 0 ? 2 : 1)};
}

class MasterClipSamples : public ImportFileTest {
protected:
    // Checks every master clip of the open sample against the stored mobs.
    void CheckClips(const testsupport::StoredSources& stored, Totals& totals)
    {
        for (const aafsdk::ObjectId master : stored.MasterMobs()) {
            const aafsdk::StoredProperty* idBytes = stored.graph().object(master).Find(pids::kMobMobID);
            if (stored.graph().object(master).byteOrder != 'L' || idBytes == nullptr ||
                idBytes->value.size() != sizeof(aafMobID_t))
                continue;
            aafMobID_t id{};
            std::memcpy(&id, idBytes->value.data(), sizeof id);
            const auto clipId = MasterClipIdByMob.find(MobIdToText(ToMobId(id)));
            ASSERT_NE(clipId, MasterClipIdByMob.end());
            const FCPClipTag& clip = MasterClipMap.at(clipId->second);
            ++totals.clips;
            std::map<std::uint32_t, aafsdk::ObjectId> fileBySlot;
            for (const auto& slot : stored.SlotsOf(master))
                fileBySlot[slot.slotId] = slot.fileMob;

            std::vector<FrameSize> expectedSizes, madeSizes;
            for (const auto& [slotId, item] : clip.videoSlots) {
                ASSERT_EQ(item.files.size(), 1u);
                if (const auto size = StoredFrameSize(stored, fileBySlot.at(static_cast<std::uint32_t>(slotId))))
                    expectedSizes.push_back(*size);
            }
            const FCPFileTag* file = nullptr;
            if (!clip.videoSlots.empty())
                file = &clip.videoSlots.begin()->second.files[0];
            else if (!clip.audioSlots.empty())
                file = &clip.audioSlots.begin()->second.files[0];
            if (file == nullptr)
                continue;
            for (const VideoInfo& video : file->video)
                for (const SampleCharacteristicsInfo& s : video.samplecharacteristics)
                    madeSizes.emplace_back(s.width, s.height);
            std::sort(expectedSizes.begin(), expectedSizes.end());
            std::sort(madeSizes.begin(), madeSizes.end());
            EXPECT_EQ(madeSizes, expectedSizes) << clip.name;
            totals.frameSizes += static_cast<int>(std::count_if(madeSizes.begin(), madeSizes.end(),
                                                                [](const FrameSize& size) { return size.first > 0; }));

            if (clip.audioSlots.empty())
                continue;
            ASSERT_EQ(file->audio.size(), 1u) << clip.name;
            const AudioInfo& audio = file->audio[0];
            EXPECT_EQ(audio.channelcount, static_cast<int>(clip.audioSlots.size())) << clip.name;
            // The rate comes from the first sound source; only a sound descriptor gives one.
            std::vector<int> rates;
            for (const auto& [slotId, item] : clip.audioSlots) {
                const aafsdk::ObjectId descriptor = stored.Descriptor(fileBySlot.at(static_cast<std::uint32_t>(slotId)));
                if (stored.model().IsA(descriptor, classes::kSoundDescriptor))
                    rates.push_back(stored.Numerator(descriptor, pids::kSoundDescriptorAudioSamplingRate).value_or(48000));
            }
            if (rates.empty()) {
                EXPECT_TRUE(audio.samplecharacteristics.empty()) << clip.name;
            } else if (std::all_of(rates.begin(), rates.end(), [&](int r) { return r == rates[0]; }) &&
                       rates.size() == clip.audioSlots.size()) {
                ASSERT_EQ(audio.samplecharacteristics.size(), 1u) << clip.name;
                EXPECT_EQ(audio.samplecharacteristics[0].samplerate, rates[0]) << clip.name;
                ++totals.audioRates;
            }
        }
    }
};

TEST_F(MasterClipSamples, FilesCarryFrameSizeAndSoundFromTheirDescriptors)
{
    REQUIRE_SHARED_DIR();
    Totals totals;
    for (const std::filesystem::path& sample : testsupport::SampleFiles()) {
        SCOPED_TRACE(sample.filename().string());
        Reset();
        ResetImport();
        OpenPath(sample.string());
        testing::internal::CaptureStdout();
        MobLists lists;
        SortMobsByKind(lists);
        ImportMasterMobs(lists);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(MasterClipMap.size(), lists.masters.size());
        const testsupport::StoredSources stored(sample);
        ASSERT_TRUE(stored.Read());
        CheckClips(stored, totals);
    }
    RecordProperty("master clips", totals.clips);
    RecordProperty("frame sizes", totals.frameSizes);
    RecordProperty("audio rates", totals.audioRates);
    EXPECT_GT(totals.frameSizes, 0);
    EXPECT_GT(totals.audioRates, 0);
}

}  // namespace
