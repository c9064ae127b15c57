// The compound-file reader lists every sample exactly as libgsf does: the same storages and streams
// with the same names, storage class ids, stream sizes and stream bytes.

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "support/TestSupport.h"

namespace {

using Listing = std::map<std::string, std::string>;  // path -> "storage CLSID" or "stream SIZE HASH"

std::string Fnv(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 1099511628211ull;
    return std::to_string(h);
}

std::string StreamLine(std::uint64_t size, const std::vector<std::uint8_t>& bytes)
{
    return "stream " + std::to_string(size) + " " + Fnv(bytes.data(), bytes.size());
}

struct GObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};

void GsfWalk(GsfInfile* storage, const std::string& path, Listing* out)
{
    const int count = gsf_infile_num_children(storage);
    for (int i = 0; i < count; ++i) {
        const std::string name = gsf_infile_name_by_index(storage, i);
        std::unique_ptr<GsfInput, GObjectUnref> child(gsf_infile_child_by_index(storage, i));
        ASSERT_TRUE(child);
        const std::string childPath = path + "/" + name;
        if (gsf_infile_num_children(GSF_INFILE(child.get())) >= 0) {
            guint8 clsid[16] = {};
            ASSERT_TRUE(gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(child.get()), clsid));
            (*out)[childPath] = "storage " + aafsdk::Auid::FromBytes(std::span<const std::uint8_t>(clsid, 16)).ToString();
            GsfWalk(GSF_INFILE(child.get()), childPath, out);
        } else {
            const auto size = static_cast<std::size_t>(gsf_input_size(child.get()));
            std::vector<std::uint8_t> bytes(size);
            ASSERT_TRUE(size == 0 || gsf_input_read(child.get(), size, bytes.data()) != nullptr);
            (*out)[childPath] = StreamLine(size, bytes);
        }
    }
}

Listing GsfListing(const std::string& bytes)
{
    Listing listing;
    std::unique_ptr<GsfInput, GObjectUnref> input(
        gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()), static_cast<gsf_off_t>(bytes.size()), FALSE));
    GError* error = nullptr;
    std::unique_ptr<GsfInfile, GObjectUnref> root(gsf_infile_msole_new(input.get(), &error));
    if (!root) {
        ADD_FAILURE() << "libgsf cannot open it: " << (error ? error->message : "");
        if (error)
            g_error_free(error);
        return listing;
    }
    guint8 clsid[16] = {};
    EXPECT_TRUE(gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(root.get()), clsid));
    listing["/"] = "storage " + aafsdk::Auid::FromBytes(std::span<const std::uint8_t>(clsid, 16)).ToString();
    GsfWalk(root.get(), "", &listing);
    return listing;
}

Listing ReaderListing(const std::string& bytes)
{
    Listing listing;
    std::unique_ptr<aafsdk::CompoundFile> file;
    const auto result =
        aafsdk::CompoundFile::Open(aafsdk::FileBytes::Own(std::vector<std::uint8_t>(bytes.begin(), bytes.end())), &file);
    EXPECT_EQ(result, aafsdk::kResultSuccess);
    if (!file)
        return listing;
    std::vector<std::pair<std::uint32_t, std::string>> pending{{0, ""}};
    listing["/"] = "storage " + file->entry(0).clsid.ToString();
    while (!pending.empty()) {
        const auto [storage, path] = pending.back();
        pending.pop_back();
        for (std::uint32_t child : file->entry(storage).children) {
            const auto& entry = file->entry(child);
            const std::string childPath = path + "/" + aafsdk::Utf16ToUtf8(entry.name);
            if (entry.type == aafsdk::CfbEntryType::Storage) {
                listing[childPath] = "storage " + entry.clsid.ToString();
                pending.emplace_back(child, childPath);
            } else {
                std::vector<std::uint8_t> content;
                EXPECT_EQ(file->ReadStream(child, &content), aafsdk::kResultSuccess) << childPath;
                listing[childPath] = StreamLine(entry.size, content);
            }
        }
    }
    return listing;
}

TEST(CfbGsfOracle, EverySampleListsAsLibgsfListsIt)
{
    REQUIRE_SHARED_DIR();
    const auto samples = testsupport::SharedDir() / "aaf-samples";
    std::vector<std::filesystem::path> files;
    for (const auto& item : std::filesystem::directory_iterator(samples)) {
        std::string ext = item.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (ext == ".aaf")
            files.push_back(item.path());
    }
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = testsupport::ReadFile(path);
        const Listing expected = GsfListing(bytes);
        const Listing actual = ReaderListing(bytes);
        ASSERT_GT(expected.size(), 4u);
        EXPECT_EQ(actual, expected);
    }
}

}  // namespace
