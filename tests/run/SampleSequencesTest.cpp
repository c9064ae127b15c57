// Run mode 2 over the real sample files: every top-level composition, read from the file's stored
// objects, is a sequence of its name in the first bin, in file order, with the video and audio tracks
// its timeline slots give, starting at the default start timecode.
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QString>
#include <QXmlStreamReader>

#include "aafsdk/com/ComIds.h"
#include "aafsdk/model/AuidLiteral.h"
#include "aafsdk/model/DefinitionDictionary.h"
#include "support/StoredSources.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

namespace classes = aafsdk::com::classes;
namespace pids = aafsdk::com::pids;
using aafsdk::ObjectId;
using testsupport::StoredSources;
using namespace aafsdk::literals;

constexpr aafsdk::Auid kTopLevel = "0d010102-0101-0700-060e-2b3404010101"_auid;
constexpr const char* kPrecomputeContainer = "Precompute Sequence Container";

struct Sequence {
    std::string name;
    int videoTracks = 0;
    int audioTracks = 0;
    std::string timecode;  // its string
    int timecodeFrame = -1;

    bool operator==(const Sequence&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Sequence& s)
{
    return out << "{" << s.name << ", V" << s.videoTracks << ", A" << s.audioTracks << ", " << s.timecode << " @"
               << s.timecodeFrame << "}";
}

// An AUID as stored in an object of either byte order, in the little-endian form of aafsdk::Auid.
aafsdk::Auid AuidOf(const std::string& bytes, std::uint8_t byteOrder)
{
    aafsdk::Auid auid;
    if (bytes.size() < 16)
        return auid;
    for (std::size_t i = 0; i < 16; ++i)
        auid.bytes[i] = static_cast<std::uint8_t>(bytes[i]);
    if (byteOrder == 'B') {
        std::swap(auid.bytes[0], auid.bytes[3]);
        std::swap(auid.bytes[1], auid.bytes[2]);
        std::swap(auid.bytes[4], auid.bytes[5]);
        std::swap(auid.bytes[6], auid.bytes[7]);
    }
    return auid;
}

// The file's compositions as they become sequences, read without the import.
class StoredCompositions {
public:
    explicit StoredCompositions(const StoredSources& stored) : stored_(stored), graph_(stored.graph()) {}

    std::vector<Sequence> TopLevel() const
    {
        std::vector<ObjectId> compositions;
        for (ObjectId mob : MobsInFileOrder())
            if (stored_.model().IsA(mob, classes::kCompositionMob))
                compositions.push_back(mob);
        std::vector<ObjectId> topLevel;
        for (ObjectId mob : compositions)
            if (Usage(mob) == kTopLevel)
                topLevel.push_back(mob);
        // A file that marks no composition as top level: those that no other mob plays stand for the
        // edit.
        if (topLevel.empty()) {
            const std::set<std::string> played = PlayedMobIds();
            for (ObjectId mob : compositions)
                if (Usage(mob) == aafsdk::Auid() && played.count(stored_.Bytes(mob, pids::kMobMobID)) == 0)
                    topLevel.push_back(mob);
        }
        std::vector<Sequence> sequences;
        for (ObjectId mob : topLevel) {
            const std::string name = stored_.Text(mob, pids::kMobName);
            if (name == kPrecomputeContainer)
                continue;
            Sequence sequence;
            sequence.name = name;
            for (ObjectId slot : stored_.Elements(mob, pids::kMobSlots)) {
                if (!stored_.model().IsA(slot, classes::kTimelineMobSlot))
                    continue;
                const ObjectId segment = stored_.Strong(slot, pids::kMobSlotSegment);
                const aafsdk::Auid kind = DataDefinition(segment);
                const int tracks = SlotTracks(segment);
                if (kind == aafsdk::ids::kDataDefPicture || kind == aafsdk::ids::kDataDefLegacyPicture)
                    sequence.videoTracks += tracks;
                else if (kind == aafsdk::ids::kDataDefSound || kind == aafsdk::ids::kDataDefLegacySound)
                    sequence.audioTracks += tracks;
            }
            sequences.push_back(sequence);
        }
        return sequences;
    }

private:
    std::vector<ObjectId> MobsInFileOrder() const
    {
        for (ObjectId id = 0; id < graph_.objects.size(); ++id)
            if (stored_.model().IsA(id, classes::kHeader))
                return stored_.Elements(stored_.Strong(id, pids::kHeaderContent), pids::kContentStorageMobs);
        return {};
    }

    aafsdk::Auid Usage(ObjectId mob) const
    {
        return AuidOf(stored_.Bytes(mob, pids::kMobUsageCode), graph_.object(mob).byteOrder);
    }

    aafsdk::Auid DataDefinition(ObjectId component) const
    {
        if (component == aafsdk::kNoObject)
            return {};
        const aafsdk::StoredProperty* p = graph_.object(component).Find(pids::kComponentDataDefinition);
        if (p == nullptr || p->weak.empty())
            return {};
        const auto key = p->weak.front().key.view();
        return AuidOf(std::string(key.begin(), key.end()), graph_.object(component).byteOrder);
    }

    // The MobIDs that source clips of other mobs name.
    std::set<std::string> PlayedMobIds() const
    {
        std::set<std::string> played;
        for (ObjectId id = 0; id < graph_.objects.size(); ++id) {
            if (!stored_.model().IsA(id, classes::kSourceClip))
                continue;
            ObjectId owner = graph_.object(id).parent;
            while (owner != aafsdk::kNoObject && !stored_.model().IsA(owner, classes::kMob))
                owner = graph_.object(owner).parent;
            const std::string named = stored_.Bytes(id, pids::kSourceReferenceSourceID);
            if (owner == aafsdk::kNoObject || stored_.Bytes(owner, pids::kMobMobID) != named)
                played.insert(named);
        }
        return played;
    }

    // The tracks a timeline slot's segment, or a layer of a nested scope, fills: one for what plays
    // on a track of its own, one per layer of a nested scope, none for an essence group or a segment
    // that is no edit (timecode, edgecode); a nested scope inside a track's sequence adds its layers.
    int SlotTracks(ObjectId segment) const
    {
        const auto& model = stored_.model();
        if (segment == aafsdk::kNoObject)
            return 0;
        if (model.IsA(segment, classes::kNestedScope)) {
            int tracks = 0;
            for (ObjectId layer : stored_.Elements(segment, pids::kNestedScopeSlots))
                tracks += SlotTracks(layer);
            return tracks;
        }
        if (model.IsA(segment, classes::kSelector))
            return SlotTracks(stored_.Strong(segment, pids::kSelectorSelected));
        if (model.IsA(segment, classes::kSequence))
            return 1 + LayerTracks(segment);
        for (const aafsdk::Auid& own : {classes::kFiller, classes::kScopeReference, classes::kSourceClip,
                                        classes::kOperationGroup, classes::kTransition})
            if (model.IsA(segment, own))
                return 1;
        return 0;
    }

    // The tracks that the nested scopes among a track's components add.
    int LayerTracks(ObjectId component) const
    {
        const auto& model = stored_.model();
        if (component == aafsdk::kNoObject)
            return 0;
        if (model.IsA(component, classes::kNestedScope))
            return SlotTracks(component);
        if (model.IsA(component, classes::kSelector))
            return LayerTracks(stored_.Strong(component, pids::kSelectorSelected));
        int tracks = 0;
        if (model.IsA(component, classes::kSequence))
            for (ObjectId part : stored_.Elements(component, pids::kSequenceComponents))
                tracks += LayerTracks(part);
        return tracks;
    }

    const StoredSources& stored_;
    const aafsdk::StoredGraph& graph_;
};

// The sequences among the first bin's children, as written.
std::vector<Sequence> WrittenSequences(const std::string& document, std::string& binName)
{
    std::vector<Sequence> sequences;
    QXmlStreamReader reader(QString::fromStdString(document));
    std::vector<std::string> path;  // element names from the root
    int bins = 0;
    const auto text = [&] { return reader.readElementText().trimmed().toStdString(); };
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            path.pop_back();
            continue;
        }
        if (!reader.isStartElement())
            continue;
        const std::string name = reader.name().toString().toStdString();
        const std::string at = [&] {
            std::string joined;
            for (const std::string& part : path)
                joined += part + "/";
            return joined + name;
        }();
        if (at == "xmeml/bin")
            ++bins;
        if (bins != 1) {
            path.push_back(name);
            continue;
        }
        // Elements whose text is read are closed by the read: they never join the path.
        if (at == "xmeml/bin/name") {
            binName = text();
        } else if (at == "xmeml/bin/children/sequence/name") {
            sequences.back().name = text();
        } else if (at == "xmeml/bin/children/sequence/timecode/string") {
            sequences.back().timecode = text();
        } else if (at == "xmeml/bin/children/sequence/timecode/frame") {
            sequences.back().timecodeFrame = std::stoi(text());
        } else {
            if (at == "xmeml/bin/children/sequence")
                sequences.emplace_back();
            else if (at == "xmeml/bin/children/sequence/media/video/track")
                ++sequences.back().videoTracks;
            else if (at == "xmeml/bin/children/sequence/media/audio/track")
                ++sequences.back().audioTracks;
            path.push_back(name);
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return sequences;
}

TEST(SampleSequences, EveryTopLevelCompositionIsASequenceInTheFirstBin)
{
    REQUIRE_SHARED_DIR();
    testsupport::TempDir dir;
    std::size_t sequences = 0;
    for (const fs::path& sample : testsupport::SampleFiles()) {
        SCOPED_TRACE(sample.filename().string());
        const StoredSources stored(sample);
        ASSERT_TRUE(stored.Read());
        std::vector<Sequence> expected = StoredCompositions(stored).TopLevel();
        // No preferences file: the sequences start at one hour, at 30 frames per second.
        for (Sequence& sequence : expected) {
            sequence.timecode = "01:00:00:00";
            sequence.timecodeFrame = 108000;
        }

        const auto result = testsupport::RunConverter({"2", sample.string(), "out.xml", "", "", "log.ini"}, dir.path());
        ASSERT_EQ(result.exitCode, 1) << result.err;
        std::string binName;
        EXPECT_EQ(WrittenSequences(testsupport::ReadFile(dir / "out.xml"), binName), expected);
        // The bin takes the name of each composition in turn.
        EXPECT_EQ(binName, expected.empty() ? "AAF Import" : expected.back().name);
        sequences += expected.size();
    }
    RecordProperty("sequences", static_cast<int>(sequences));
    EXPECT_GT(sequences, 0u);
}

}  // namespace
