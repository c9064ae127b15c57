// Reads synthetic files of growing size and decodes every property of every object, to show that
// the time per object stays flat (the work grows linearly with the file).

#include <chrono>
#include <cstdio>
#include <string>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/model/FileModel.h"
#include "aafsdk/model/ModelDump.h"

namespace {

using namespace aafsdk;

std::vector<std::uint8_t> MakeFile(std::uint32_t mobs)
{
    fixture::AafFileBuilder b;
    for (std::uint32_t m = 0; m < mobs; ++m) {
        const ObjectId mob = b.AddMob("CompositionMob", "cut " + std::to_string(m), fixture::MakeMobId(m + 1));
        const ObjectId slot = b.AddTimelineSlot(mob, 1, "V1", 25, 1);
        const ObjectId sequence = b.AddSequence(slot, fixture::ids::kDataDefPicture, 100);
        for (int c = 0; c < 10; ++c)
            b.AddSourceClip(sequence, fixture::ids::kDataDefPicture, 10, fixture::MakeMobId(m + 1), 1, c * 10);
        b.AddCommentMarker(sequence, fixture::ids::kDataDefPicture, 5, "marker");
    }
    const std::string bytes = fixture::WriteAaf(b.graph()).bytes;
    return {bytes.begin(), bytes.end()};
}

}  // namespace

int main()
{
    std::printf("%8s %10s %12s %12s %10s\n", "mobs", "objects", "properties", "total ms", "ns/object");
    for (std::uint32_t mobs : {250u, 500u, 1000u, 2000u, 4000u}) {
        const auto bytes = MakeFile(mobs);
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<StoredGraph> graph;
        if (!Succeeded(ReadStoredGraph(bytes, &graph))) {
            std::fprintf(stderr, "model_bench: the synthetic file of %u mobs does not read\n", mobs);
            return 1;
        }
        const auto file = FileModel::Build(*graph);
        const ModelCounts counts = DumpModel(*file, nullptr);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (counts.decodeFailures + counts.unknownProperties + counts.unknownClasses != 0) {
            std::fprintf(stderr, "model_bench: values of the synthetic file do not decode\n");
            return 1;
        }
        std::printf("%8u %10zu %12zu %12.1f %10.0f\n", mobs, counts.objects, counts.properties, ms,
                    ms * 1e6 / double(counts.objects));
    }
    return 0;
}
