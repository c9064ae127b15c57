#pragma once

#include <string>

#include "aafsdk/include/AAFTypes.h"

// The values raised (as a plain int) when an AAF call fails; they end the run.
inline constexpr int kAafCallFailed = -50;
inline constexpr int kAafOpenFailed = -38;

// What the last raise was about: the code's name and the call, or the null object and the call.
extern std::string LastErrorText;

// Returns 0 when result is 0. Any other result, success codes included, prints the failure line
// with the method's name (where) and the code's name, and raises errorCode.
int CheckHResult(const char* where, HRESULT result, int errorCode);

// Prints "\n**ERROR_ZERO_OBJECT**\n" and raises errorCode.
[[noreturn]] void ReportZeroObject(int errorCode, const char* where);

// The failure path of CheckNotNull.
[[noreturn]] void ReportNullObject(const char* where);

// Returns the slot when it holds an interface; otherwise prints "\n**ERROR_NULL_OBJECT**\n" and
// raises kAafCallFailed. where is the trace label of the call about to be made ("MobtT: GetMobID").
template <class Interface>
Interface* CheckNotNull(Interface* slot, const char* where)
{
    if (slot == nullptr)
        ReportNullObject(where);
    return slot;
}

// Trace hooks for optional reads that succeeded; they print nothing.
inline void TraceAvailable(const char* /*name*/) {}
inline void TraceAvailableName(const char* /*name*/) {}
