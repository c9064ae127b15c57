#pragma once

#include <cstdint>

namespace aafsdk {

// The AAF result codes the reader returns (HRESULT values; negative means failure). The SDK-facing
// header maps the same values to their AAFRESULT_* names.
using AafResult = std::int32_t;

inline constexpr AafResult kResultSuccess = 0;
inline constexpr AafResult kResultFileRevNotSupported = static_cast<AafResult>(0x80120015u);
inline constexpr AafResult kResultInvalidByteOrder = static_cast<AafResult>(0x8012001Cu);
inline constexpr AafResult kResultNotAafFile = static_cast<AafResult>(0x8012001Du);
inline constexpr AafResult kResultFileNotFound = static_cast<AafResult>(0x80120021u);
inline constexpr AafResult kResultNotReadable = static_cast<AafResult>(0x80120027u);
inline constexpr AafResult kResultReadFailure = static_cast<AafResult>(0x80120031u);
inline constexpr AafResult kResultNoMemory = static_cast<AafResult>(0x8012015Eu);

constexpr bool Succeeded(AafResult result) { return result >= 0; }

}  // namespace aafsdk
