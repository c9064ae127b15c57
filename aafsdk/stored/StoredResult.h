#pragma once

#include <cstdint>

#include "aafsdk/include/AAFResult.h"

namespace aafsdk {

// The AAF result codes the reader returns (negative means failure), under the names the reader's
// code uses; the values are those of the SDK-facing header.
using AafResult = AAFRESULT;

inline constexpr AafResult kResultSuccess = AAFRESULT_SUCCESS;
inline constexpr AafResult kResultFileRevNotSupported = AAFRESULT_FILEREV_NOT_SUPP;
inline constexpr AafResult kResultInvalidByteOrder = AAFRESULT_INVALID_BYTEORDER;
inline constexpr AafResult kResultNotAafFile = AAFRESULT_NOT_AAF_FILE;
inline constexpr AafResult kResultFileNotFound = AAFRESULT_FILE_NOT_FOUND;
inline constexpr AafResult kResultNotReadable = AAFRESULT_NOT_READABLE;
inline constexpr AafResult kResultReadFailure = AAFRESULT_READ_FAILURE;
inline constexpr AafResult kResultNoMemory = AAFRESULT_NOMEMORY;

constexpr bool Succeeded(AafResult result) { return result >= 0; }

}  // namespace aafsdk
