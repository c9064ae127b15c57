#pragma once

#include <bit>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <span>

namespace aafsdk {

// The one bounded reader every parse goes through: each read checks the bytes that remain first and
// fails without moving on short input. Values are assembled from bytes in the reader's byte order.
class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const std::uint8_t> bytes, bool bigEndian = false)
        : bytes_(bytes), bigEndian_(bigEndian)
    {
    }

    std::size_t remaining() const { return bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    bool bigEndian() const { return bigEndian_; }
    void setBigEndian(bool bigEndian) { bigEndian_ = bigEndian; }

    [[nodiscard]] bool U8(std::uint8_t* out)
    {
        if (remaining() < 1)
            return false;
        *out = bytes_[pos_++];
        return true;
    }
    [[nodiscard]] bool U16(std::uint16_t* out)
    {
        std::uint64_t v = 0;
        if (!Unsigned(2, &v))
            return false;
        *out = static_cast<std::uint16_t>(v);
        return true;
    }
    [[nodiscard]] bool U32(std::uint32_t* out)
    {
        std::uint64_t v = 0;
        if (!Unsigned(4, &v))
            return false;
        *out = static_cast<std::uint32_t>(v);
        return true;
    }
    [[nodiscard]] bool U64(std::uint64_t* out) { return Unsigned(8, out); }

    // The next n bytes, as a view into the input.
    [[nodiscard]] bool Bytes(std::size_t n, std::span<const std::uint8_t>* out)
    {
        if (remaining() < n)
            return false;
        *out = bytes_.subspan(pos_, n);
        pos_ += n;
        return true;
    }
    // A reader over the next n bytes, in the same byte order.
    [[nodiscard]] bool Sub(std::size_t n, ByteReader* out)
    {
        std::span<const std::uint8_t> part;
        if (!Bytes(n, &part))
            return false;
        *out = ByteReader(part, bigEndian_);
        return true;
    }
    [[nodiscard]] bool Skip(std::size_t n)
    {
        if (remaining() < n)
            return false;
        pos_ += n;
        return true;
    }

private:
    [[nodiscard]] bool Unsigned(std::size_t n, std::uint64_t* out)
    {
        if (remaining() < n)
            return false;
        std::uint64_t v = 0;
        if (n == 2 || n == 4 || n == 8) {
            // Whole words where the host's order allows: every parse goes through here.
            const std::uint8_t* at = bytes_.data() + pos_;
            if (n == 2)
                v = Load<std::uint16_t>(at);
            else if (n == 4)
                v = Load<std::uint32_t>(at);
            else
                v = Load<std::uint64_t>(at);
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                const std::size_t at = bigEndian_ ? pos_ + i : pos_ + n - 1 - i;
                v = v << 8 | bytes_[at];
            }
        }
        pos_ += n;
        *out = v;
        return true;
    }

    template <class Word>
    Word Load(const std::uint8_t* at) const
    {
        Word w;
        std::memcpy(&w, at, sizeof w);
        if ((std::endian::native == std::endian::big) != bigEndian_) {
            if constexpr (sizeof w == 2)
                w = __builtin_bswap16(w);
            else if constexpr (sizeof w == 4)
                w = __builtin_bswap32(w);
            else
                w = __builtin_bswap64(w);
        }
        return w;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool bigEndian_ = false;
};

}  // namespace aafsdk
