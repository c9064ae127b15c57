#include "aafsdk/cfb/CompoundFile.h"

namespace aafsdk {

AafResult FileBytes::Map(const std::filesystem::path&, std::unique_ptr<FileBytes>*) { return kResultNotReadable; }

namespace {
class OwnedBytes final : public FileBytes {
public:
    explicit OwnedBytes(std::vector<std::uint8_t> b) : bytes_(std::move(b)) {}
    std::span<const std::uint8_t> bytes() const override { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};
}  // namespace

std::unique_ptr<FileBytes> FileBytes::Own(std::vector<std::uint8_t> bytes)
{
    return std::make_unique<OwnedBytes>(std::move(bytes));
}

AafResult CompoundFile::Open(std::unique_ptr<FileBytes>, std::unique_ptr<CompoundFile>*) { return kResultNotAafFile; }
std::uint32_t CompoundFile::FindChild(std::uint32_t, std::u16string_view) const { return kNoEntry; }
AafResult CompoundFile::ReadStream(std::uint32_t, std::vector<std::uint8_t>*) const { return kResultReadFailure; }
std::string Utf16ToUtf8(std::u16string_view) { return {}; }

}  // namespace aafsdk
