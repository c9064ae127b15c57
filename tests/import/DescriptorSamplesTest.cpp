// Every source mob of the sample files read through the locator and descriptor wrappers: no read
// the import requires fails, each file mob classifies as its stored descriptor class says, and the
// locator paths come through whole.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/ClassifyDescriptors.h"
#include "aaf/import/FileDescriptorT.h"
#include "aaf/import/LocatorT.h"
#include "aaf/import/TapeR.h"
#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComIds.h"
#include "aafsdk/model/FileModel.h"
#include "aafsdk/stored/StoredGraph.h"
#include "support/TestSupport.h"

namespace {

namespace classes = aafsdk::com::classes;
namespace pids = aafsdk::com::pids;

using MobKey = std::array<std::uint8_t, sizeof(aafMobID_t)>;

struct Releaser {
    void operator()(IUnknown* p) const { p->Release(); }
};
template <class I>
using Held = std::unique_ptr<I, Releaser>;

// Takes over the reference an interface call handed out.
template <class I, class Call>
HRESULT Obtain(Held<I>& held, Call call)
{
    I* raw = nullptr;
    const HRESULT result = call(&raw);
    held.reset(result == 0 ? raw : nullptr);
    return result;
}

// What the stored objects say, read without the interfaces: the kind each file mob's descriptor
// class gives, by MobID, and the URL of every network locator.
struct StoredView {
    std::map<MobKey, int> kindByMob;
    std::multiset<std::string> urls;
};

int KindOfDescriptor(const aafsdk::FileModel& model, aafsdk::ObjectId descriptor)
{
    if (model.IsA(descriptor, classes::kCDCIDescriptor))
        return 2;
    if (model.IsA(descriptor, classes::kRGBADescriptor)) {
        const aafsdk::StoredProperty* layout = model.graph().object(descriptor).Find(pids::kRGBADescriptorPixelLayout);
        if (layout != nullptr)
            for (std::size_t i = 0; i + 1 < layout->value.size() && layout->value[i] != 0; i += 2)
                if (layout->value[i] == 'A')
                    return 12;
        return 2;
    }
    if (model.IsA(descriptor, classes::kDigitalImageDescriptor))
        return 2;
    return model.IsA(descriptor, classes::kSoundDescriptor) ? 1 : 0;
}

StoredView ReadStoredView(const std::filesystem::path& path)
{
    StoredView view;
    std::unique_ptr<aafsdk::StoredGraph> graph;
    EXPECT_TRUE(aafsdk::Succeeded(aafsdk::ReadStoredGraph(path, &graph))) << path;
    if (!graph)
        return view;
    const auto model = aafsdk::FileModel::Build(*graph);
    for (aafsdk::ObjectId id = 0; id < graph->objects.size(); ++id) {
        const aafsdk::StoredObject& object = graph->object(id);
        if (model->IsA(id, classes::kNetworkLocator)) {
            const aafsdk::StoredProperty* url = object.Find(pids::kNetworkLocatorURLString);
            std::u16string text;
            for (std::size_t i = 0; url != nullptr && i + 1 < url->value.size(); i += 2)
                text += static_cast<char16_t>(url->value[i] | (url->value[i + 1] << 8));
            while (!text.empty() && text.back() == u'\0')
                text.pop_back();
            view.urls.insert(aafsdk::Utf16ToUtf8(text));
        }
        if (!model->IsA(id, classes::kSourceMob) || object.byteOrder != 'L')
            continue;
        const aafsdk::StoredProperty* description = object.Find(pids::kSourceMobEssenceDescription);
        const aafsdk::StoredProperty* mobId = object.Find(pids::kMobMobID);
        if (description == nullptr || description->elements.empty() || mobId == nullptr ||
            mobId->value.size() != sizeof(MobKey))
            continue;
        const aafsdk::ObjectId descriptor = description->elements.front().object;
        if (!model->IsA(descriptor, classes::kFileDescriptor))
            continue;
        MobKey key;
        std::memcpy(key.data(), mobId->value.data(), key.size());
        view.kindByMob[key] = KindOfDescriptor(*model, descriptor);
    }
    return view;
}

// What the wrappers read from the file's source mobs.
struct WrapperView {
    std::map<MobKey, int> kindByMob;
    std::multiset<std::string> paths;
    std::vector<std::string> failures;
};

void ReadSourceMob(aafMobKind_t kind, IAAFSourceMob* source, const MobKey& key, WrapperView& view)
{
    std::vector<LocatorRecord> records;
    if (kind == kAAFFileMob) {
        FileDescriptorT descriptor(source);
        DescriptorLists lists;
        if (descriptor.Read(lists) >= 0)
            view.kindByMob[key] = ClassifyDescriptors(lists);
        records = descriptor.records;
    } else if (kind == kAAFTapeMob) {
        TapeR tape(source);
        static_cast<void>(tape.GetTapeManufacturer());
        static_cast<void>(tape.GetTapeModel());
        records = tape.records;
    } else {
        LocatorT locator(source);
        records = locator.records;
    }
    for (const LocatorRecord& record : records)
        view.paths.insert(record.path);
}

WrapperView ReadThroughWrappers(const std::filesystem::path& path)
{
    WrapperView view;
    Held<IAAFFile> file;
    Held<IAAFHeader> header;
    const std::u16string wide = path.u16string();
    if (Obtain(file, [&](IAAFFile** out) { return AAFFileOpenExistingRead(wide.c_str(), 0, out); }) != 0 ||
        Obtain(header, [&](IAAFHeader** out) { return file->GetHeader(out); }) != 0) {
        view.failures.push_back("cannot open");
        return view;
    }
    for (const aafMobKind_t kind : {kAAFFileMob, kAAFTapeMob, kAAFPhysicalMob}) {
        aafSearchCrit_t criteria{};
        criteria.searchTag = kAAFByMobKind;
        criteria.tags.mobKind = kind;
        Held<IEnumAAFMobs> mobs;
        if (Obtain(mobs, [&](IEnumAAFMobs** out) { return header->GetMobs(&criteria, out); }) != 0)
            continue;
        for (;;) {
            Held<IAAFMob> mob;
            if (Obtain(mob, [&](IAAFMob** out) { return mobs->NextOne(out); }) != 0)
                break;
            aafMobID_t id{};
            EXPECT_EQ(mob->GetMobID(&id), 0);
            MobKey key;
            std::memcpy(key.data(), &id, key.size());
            Held<IAAFSourceMob> source;
            if (Obtain(source, [&](IAAFSourceMob** out) {
                    return mob->QueryInterface(IID_IAAFSourceMob, reinterpret_cast<void**>(out));
                }) != 0) {
                view.failures.push_back("mob of kind " + std::to_string(kind) + " is no source mob");
                continue;
            }
            testing::internal::CaptureStdout();
            try {
                ReadSourceMob(kind, source.get(), key, view);
            } catch (int code) {
                view.failures.push_back("kind " + std::to_string(kind) + " raised " + std::to_string(code));
            }
            const std::string printed = testing::internal::GetCapturedStdout();
            if (!printed.empty())
                view.failures.push_back("printed: " + printed);
        }
    }
    static_cast<void>(file->Close());
    return view;
}

TEST(DescriptorSamplesTest, EveryFileMobClassifiesAsItsDescriptorClass)
{
    REQUIRE_SHARED_DIR();
    std::map<int, int> filesMobsByKind;
    const std::vector<std::filesystem::path> files = testsupport::SampleFiles();
    ASSERT_FALSE(files.empty());
    for (const std::filesystem::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const StoredView stored = ReadStoredView(path);
        const WrapperView read = ReadThroughWrappers(path);
        EXPECT_TRUE(read.failures.empty()) << testing::PrintToString(read.failures);
        EXPECT_EQ(read.kindByMob, stored.kindByMob);
        for (const auto& [mob, kind] : read.kindByMob)
            ++filesMobsByKind[kind];
    }
    // The set holds pictures and sounds; a classification that never occurs would test nothing.
    EXPECT_GT(filesMobsByKind[2], 0);
    EXPECT_GT(filesMobsByKind[1], 0);
    for (const auto& [kind, count] : filesMobsByKind)
        RecordProperty("file mobs of kind " + std::to_string(kind), count);
}

TEST(DescriptorSamplesTest, ExternalMediaPathsComeThroughWhole)
{
    REQUIRE_SHARED_DIR();
    for (const char* name : {"PT_WAV_External.aaf", "PT_UTF8_EssencePath.aaf", "PT_lang_ja.aaf"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path path = testsupport::SharedDir() / "aaf-samples" / name;
        const StoredView stored = ReadStoredView(path);
        const WrapperView read = ReadThroughWrappers(path);
        EXPECT_TRUE(read.failures.empty()) << testing::PrintToString(read.failures);
        ASSERT_FALSE(stored.urls.empty());
        EXPECT_EQ(read.paths, stored.urls);
    }
}

}  // namespace
